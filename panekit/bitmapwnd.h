// BitmapWnd: shows a device-independent bitmap the caller owns, in a window that sizes its
// client area to the picture (up to a limit), scrolls with scroll bars and keys, and zooms in
// integer ratios from 1/50 to 50 with the numeric-keypad plus and minus keys. The pixels are
// never copied: keep them alive while the window shows them, and call update() after changing
// them.
#pragma once

#include "panekitapi.h"
#include "wndexclass.h"

struct BitmapWndData {
    const BITMAPINFO* info; // flag 15
    const void* bits;       // flag 16
    int maxWidth;           // largest client width, 0 = none (flag 17)
    int maxHeight;          // largest client height, 0 = none (flag 18)
    int sized;              // 1 when scroll ranges and window size fit the picture
    int zoomNum, zoomDen;   // zoom ratio, each 1 ... 50
};

class PANEKIT_API BitmapWnd : public WndExClass {
public:
    BitmapWnd();
    ~BitmapWnd() override;

    // Call after changing the pixels: the window fits and repaints.
    void update();

protected:
    // Flags: 15 the BITMAPINFO (pointer), 16 the pixels (pointer), 17 and 18 the largest client
    // width and height (int, 0 = no limit).
    void setValue(void* value) override;

private:
    static BitmapWndData* getBitmapWndData(HWND hwnd);
    static void paintFkt(HWND hwnd);
    static void scrollFkt(HWND hwnd, UINT message, UINT request);
    static void sizeFkt(HWND hwnd);
    static void checkSize(HWND hwnd);
    static void keydownFkt(HWND hwnd, WPARAM key, LPARAM lParam);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    BitmapWndData bitmapData;
};
