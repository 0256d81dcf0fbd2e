// PointWnd: a transparent child window laid over a plot box of a screen window. It maps the mouse
// inside it onto the box's own coordinate range, reports the position in the box message window,
// and passes the mouse on to the screen window beneath. It follows the screen window's size.
#pragma once

#include "common/api.h"
#include "screen/floatrect.h"

#include <wndexclass.h>

class MessageWnd;

// Rectangles hold {left, lower edge + 1, right + 1, upper edge} in the parent's pixels.
struct PointWndData {
    MessageWnd* tupel;  // the box message window, or none
    RECT parentAtOpen;  // the parent's client rectangle when the window was opened
    RECT parentNow;     // the parent's client rectangle at the last resize
    RECT initRect;      // the window's rectangle at opening
    RECT curRect;       // the same, scaled to the parent's present size
    FLOAT_RECT dimRect; // the coordinate range
    int width, height;  // the window's present size
    int dimmed;         // 1 once a range was given
    int logX, logY;     // 1 where the range is in decades of a log axis
};

class VELORA_API PointWnd : public WndExClass {
public:
    PointWnd();
    ~PointWnd() override;
    PointWnd(const PointWnd&) = delete;
    PointWnd& operator=(const PointWnd&) = delete;

    void setParentHWND(HWND parent);
    HWND getParentWnd() const { return record.parent; }
    void setTupelWnd(MessageWnd& window) { data.tupel = &window; }
    // The window class's cursor, once the window exists.
    void setHCOURSOR(HICON cursor);
    // Fits the window to its parent's present size.
    void Size();
    void wait() { WndBase::wait(); }
    PointWnd& getReference() { return *this; }

    // Opens the window over the parent's pixels from (left, upper) to (right, lower).
    void open(short left, short upper, short right, short lower);
    // The values at the window's left, right, lower and upper edge.
    void dim(float xLeft, float xRight, float yLow, float yHigh);
    // A log axis gives its range in decades; the window then shows the value, not its decade.
    void setLogScales(bool x, bool y) {
        data.logX = x;
        data.logY = y;
    }
    const RECT getInitRect() const { return data.initRect; }
    const FLOAT_RECT getDimRect() const { return data.dimRect; }
    // Takes over another point window's parent, rectangle and range.
    void takeOver(PointWnd& other);

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static WndExClassData* getWndExClassData(HWND hwnd);
    static PointWndData* getPointWndData(HWND hwnd);

private:
    PointWndData data;
};
