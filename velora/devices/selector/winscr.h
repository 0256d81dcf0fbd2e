// WinScr: the screen device. Every command is carried out twice: drawn at once on the window
// (live drawing, on the client's thread) and appended as a record to the current layer's display
// list, from which the window repaints, prints and magnifies on its own thread. Coordinates are
// a virtual page of 1280 x 960 units, y upwards. Live drawing goes into the window's page buffer,
// lines in batches (LiveBatch), at the pixels a repaint gives their records; the window's thread
// shows what changed a timer tick after the last command at the latest, and flushLive() shows it
// at once.
#pragma once

#include "common/api.h"
#include "devices/displaylist/plotrecord.h"
#include "devices/raster/livebatch.h"
#include "devices/selector/deviceflags.h"
#include "screen/mainframe.h"
#include "screen/pagebuffer.h"

#include <vector>

class bitmap;
class bitmap24;

class VELORA_API WinScr : public MainFrame {
public:
    // Opens the window (see MainFrame) and records the first pen, width 1.0.
    WinScr(const char* title, HINSTANCE instance, char* parameters);
    ~WinScr() override;
    WinScr(const WinScr&) = delete;
    WinScr& operator=(const WinScr&) = delete;

    int getwidth() const { return 1280; }
    int getheight() const { return 960; }

    void _moveTo(float x, float y);
    void _lineTo(float x, float y);
    void _line(float x1, float y1, float x2, float y2, int colour);
    void rec(float x1, float y1, float x2, float y2, int colour);
    void pset(float x, float y, int colour);

    // Colours above 15 are drawn as 15, true colours (common/colour.h) as they are. A pen
    // record is written only when colour or width change.
    void setColor(unsigned colour);
    // A polygon filled by the non-zero rule in `colour` with opacity `alpha` (0 ... 255): one
    // record, and at once in the page buffer. The pen and the current point stay.
    void fill(const float* x, const float* y, int count, int colour, unsigned alpha);
    int getColor();
    float getPenWidth();
    void setPenWidth(float width);

    // Clears 640 x 480 units from the origin and empties the layers.
    void clear();
    // Flag 0: clear the rectangle and empty the layer (all layers from the first or last one);
    // 1: clear it, cut the layer back to its viewport mark, repaint; 2: only cut back.
    void clearrec(float x1, float y1, float x2, float y2, ClearFlag flag);
    // The image is referenced, not copied: it must outlive the window.
    void putbmp(float x1, float y1, float x2, float y2, bitmap& image);
    void putbmp(float x1, float y1, float x2, float y2, bitmap24& image);
    // Shows an 8-bit or 24-bit BMP file; "name", "name.bmp": ".bmp" is put in place of a short
    // extension. A file that is missing or not such a bitmap ends the process after a message.
    void showbmp(float x1, float y1, float x2, float y2, const char* name);

    // Selects display list `layer`, appending one layer when it is beyond the last; a number
    // further beyond selects the last layer.
    PlotPuffer* setPlotPuffer(unsigned layer);
    // The highest layer number.
    unsigned getPlotPufferEbenen();
    void setviewportbegin();

    // The whole page onto the clipboard, or into a ".png" or ".emf" file; false without a window
    // or when it fails. What live drawing still holds back is sent to the window first.
    bool copyscreen();
    bool savescreen(const char* name);

    void setdoublesize() { MainFrame::setdoublesize(); }
    void setmaximize() { MainFrame::setmaximize(); }
    // Lines, symbols and text antialiased on the page buffer, the zoom lens and the saved and
    // copied pixels from now on; printing and the metafile keep the window system's pens.
    void setsmooth();
    void setdeskposition(int x, int y) { MainFrame::setdeskposition(x, y); }

private:
    PlotPuffer& current() { return *data.currentPuffer; }
    // Brings the window up to date with every command drawn so far, before the page is copied
    // or saved.
    void flushLiveDrawing() { flushLive(); }
    // Appends a move or line record and draws it live at the pixels a repaint gives the record;
    // y is flipped already.
    void record(PlotItemCode code, float x, float yFlipped);
    void selectPen(unsigned colour, int step);
    void placeImage(float x1, float y1, float x2, float y2, bool cells, int columns, int rows,
                    const void* pixels, const void* infoHeader);
    [[noreturn]] void fail(const char* message, unsigned short id);

    int penTable[PenStack::tableSlots];
    HDC hdc;
    RECT clientRect;
    unsigned char bmpHeader[52];
    PageBuffer page;
    LiveBatch live;
    // A fill's flipped heights and its pixels.
    std::vector<float> flippedY;
    std::vector<LinePoint> polygon;
};
