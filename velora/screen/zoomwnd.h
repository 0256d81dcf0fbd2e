// ZoomWnd: the magnifying lens of the screen windows. While the right or middle button is held
// over a screen window it shows the display lists around the mouse 2, 4 or 8 times enlarged and
// follows the mouse; releasing the button closes it. One lens serves the whole library.
#pragma once

#include "devices/displaylist/numberedlist.h"

#include <wndexclass.h>

class PlotPuffer;
class PenStack;

struct ZoomWndData {
    int baseWidth;  // 2 x the system edge width + 128
    int baseHeight; // 2 x the system edge height + 96
    int* penExtraPtr;
    int* penTablePtr;
    float* xscalePtr;
    float* yscalePtr;
    float* listScalePtr;
    NumberedList<PlotPuffer>* layers;
    SCROLLINFO* scrollInfoPtr;
    PenStack* pens;
    bool* smoothPtr; // the window's SMOOTH: the lens draws its lines antialiased too
    int complete;    // 1 when everything a paint needs is set
    int level;       // 1, 2 or 3: magnified 2, 4 or 8 times
    // Remembered at creation: where the parent's client area lies in its window, and the size.
    int captionOffset;
    int frameOffset;
    int clientWidth;
    int clientHeight;
};

class ZoomWnd : public WndExClass {
public:
    ZoomWnd();
    ~ZoomWnd() override;
    ZoomWnd(const ZoomWnd&) = delete;
    ZoomWnd& operator=(const ZoomWnd&) = delete;

    // The library's lens, made on first use and kept until the library is unloaded.
    static ZoomWnd& shared();

    // Opens the lens centred on `point` (the parent's client coordinates, x in the low word);
    // 0 and nothing else when it is open already.
    int open(LPARAM point, int level);
    int getLevel() const { return data.level; }
    bool exists();

protected:
    // Flags 15 ... 23: the screen window's scales, pen addition, scroll bar, layers, pen table,
    // pens and smoothness.
    void setValue(void* value) override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void followMouse(HWND hwnd, ZoomWndData& d, LPARAM position);
    static void paint(HWND hwnd, ZoomWndData& d, WPARAM size, LPARAM centre);

    ZoomWndData data;
};
