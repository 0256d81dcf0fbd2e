// MainFrame: the top-level window in which a screen desk is drawn, on a thread of its own. It
// owns the display-list layers, the pens, the point windows over plot boxes and the two message
// windows; it repaints and prints from the display lists, magnifies under the mouse (right and
// middle button) and reports the mouse position in desk units (left button).
#pragma once

#include "common/api.h"
#include "devices/displaylist/numberedlist.h"
#include "devices/displaylist/plotpuffer.h"
#include "devices/selector/penstack.h"
#include "screen/mainframedata.h"
#include "screen/messagewnd.h"
#include "screen/pointwnd.h"

#include <wndexclass.h>

class VELORA_API MainFrame : public WndExClass {
public:
    // User messages of the window: open a point window (lParam a RECT*), give point window
    // wParam its range (lParam a FLOAT_RECT*), take over the screen device's live drawing
    // (lParam a LiveBatch*, wParam the PageBuffer it draws into).
    enum Message : UINT {
        pointBoxMessage = WM_USER + 1,
        pointBoxDimMessage = WM_USER + 2,
        liveBatchMessage = WM_USER + 3,
        // Point window wParam reads a log scale: lParam bit 0 its x axis, bit 1 its y axis.
        pointBoxScaleMessage = WM_USER + 6
    };
    // The timer with which the window's thread sends live drawing on once the client pauses.
    static constexpr UINT_PTR liveTimer = 0x4c56;
    static constexpr UINT liveTimerMilliseconds = 20;
    // System-menu commands beside the printer's 1 and 2: the page to the clipboard (also Ctrl+C),
    // and the page into a file chosen in the Save dialog.
    enum PageCommand : UINT { copyCommand = 3, saveCommand = 4 };

    // Opens the window. `title` is shown after the caption (or alone when it names velora);
    // `parameters` is a placement text of desk::MakePosSize, or null for 640 x 480.
    MainFrame(const char* title, HINSTANCE instance, char* parameters);
    // Waits until the window has been closed (by the user or by close()).
    ~MainFrame() override;
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    // Opens a point window over the virtual-page rectangle from (x1, y1) (lower left) to (x2, y2).
    void pointBox(float x1, float y1, float x2, float y2, unsigned short id);
    // Gives point window `id` (numbered in the order of opening) its coordinate range.
    void pointBoxDim(float xLeft, float xRight, float yLow, float yHigh, unsigned short id);
    // Tells point window `id` that its range is in decades on a log axis: it shows 10^value.
    void pointBoxScale(bool logX, bool logY, unsigned short id);
    // Shows the text of error `id` from the resource library in a message box.
    void errorHandel(unsigned short id);
    // The whole page, drawn afresh from the display lists on the window's thread: onto the
    // clipboard (enhanced metafile and bitmap), or into a PNG or EMF file by the name's extension.
    // False without a window, or when it fails (no part of a file is left then).
    bool copyPage();
    bool savePage(const char* name);

    // Puts live drawing that still waits in its batch on the screen, from any thread: call it
    // before reading the window's pixels. Messages to the window do so as well, so a message sent
    // after drawing returns with the screen up to date.
    void flushLive();
    static void flushLive(MainFrameData& d);

protected:
    void setdoublesize();
    void setmaximize();
    void setdeskposition(int x, int y);

    PenStack firstPen;
    NumberedList<PlotPuffer> layers;
    NumberedList<PointWnd> pointWnds;
    MainFrameData data;
    MessageWnd deskMsgWnd;
    MessageWnd tupelMsgWnd;

private:
    // A number of the placement text: flags 1 and 2 the position, 3 and 4 the size; -1 when the
    // text does not hold it.
    static int get(int flag, const char* parameters);
    static MainFrameData* getMainFrameData(HWND hwnd);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The replays: the window from its display lists, and the same onto a printer context.
    static void Paint(HWND hwnd);
    // The page buffer drawn afresh and copied to the window; false when it cannot be had.
    static bool paintBuffer(HWND hwnd, HDC dc, const RECT& area, MainFrameData& d);
    // The page buffer no longer matches the window (scrolled, resized) until the next repaint.
    static void bufferOutOfStep(MainFrameData& d);
    static void Print(HDC printer, HWND hwnd);
    // The printer keeps its own pens: its pen scale is 1.
    static void replay(HDC dc, MainFrameData& d, float xscale, float yscale, int penExtra,
                       float penScale = 1.0f);

    // Creates the window on its thread, aware of the monitor's DPI and scaled to it.
    static void createScaledWindow(WndBaseData& d);
    static void createFkt(HWND hwnd, LPARAM creation);
    static void sizeFkt(HWND hwnd, MainFrameData& d);
    static void paintFkt(HWND hwnd, MainFrameData& d);
    static void printFkt(HWND hwnd, MainFrameData& d);
    // The page commands (mainframecopy.cpp). A request carries a file name and the answer.
    struct PageRequest {
        const char* name;
        bool done;
    };
    enum PageMessage : UINT { copyPageMessage = WM_USER + 4, savePageMessage = WM_USER + 5 };
    static void addPageCommands(HWND hwnd);
    static bool copyFkt(HWND hwnd, MainFrameData& d);
    static bool saveFkt(HWND hwnd, MainFrameData& d, const char* name);
    static void saveAsFkt(HWND hwnd, MainFrameData& d);
    bool sendPageRequest(UINT message, const char* name);
    static void scrollFkt(HWND hwnd, MainFrameData& d, WPARAM request);
    static void deskWindowFkt(MainFrameData& d);
    static void zoomFkt(HWND hwnd, MainFrameData& d, LPARAM point, int level);
    static void buttonUpFkt(HWND hwnd, MainFrameData& d);
    static void mouseMoveFkt(HWND hwnd, MainFrameData* d, LPARAM position);
    static void pointWndFkt(HWND hwnd, MainFrameData& d, const RECT& frame);
    // True when this click only activated the window; it is then taken.
    static bool clickIgnored(MainFrameData& d);
    static void setScales(HWND hwnd, MainFrameData& d);
};
