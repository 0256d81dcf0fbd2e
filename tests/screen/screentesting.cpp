#include "screentesting.h"

#include <cstdio>

namespace screen_testing {

HWND childOfClass(HWND parent, const char* className) {
    return FindWindowExA(parent, nullptr, className, nullptr);
}

void settle(HWND hwnd) {
    SendMessageA(hwnd, WM_NULL, 0, 0);
}

void repaint(HWND hwnd) {
    // The paint is sent, not left to the queue: a paint request from another thread only queues
    // one, and a paint already running on the window's thread (started before the last drawing)
    // may still erase afterwards. A sent WM_PAINT runs on the window's thread after whatever it is
    // doing, and has painted the whole update region, erased first, when SendMessage returns.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    paintPending(hwnd);
}

void paintPending(HWND hwnd) {
    // A paint running now has validated its region already: the message sent after it waits
    // until that paint is over.
    if (GetUpdateRect(hwnd, nullptr, FALSE)) SendMessageA(hwnd, WM_PAINT, 0, 0);
    settle(hwnd);
}

COLORREF pixel(HWND hwnd, int x, int y) {
    // The window's thread puts live drawing that still waits on the screen first, and no paint
    // is left to erase what is read.
    paintPending(hwnd);
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

void wipe(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(hwnd, dc);
}

std::string placementForClient(int x, int y, int clientWidth, int clientHeight) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, 0x02CF0000, FALSE, 0x00020000);
    char text[80];
    std::snprintf(text, sizeof text, "pos=(%d,%d) size=(%ld,%ld)", x, y, r.right - r.left,
                  r.bottom - r.top);
    return text;
}

std::vector<int> itemsOf(PlotPuffer& list) {
    std::vector<int> items;
    for (unsigned long i = 0; i < list.getCounter(); ++i)
        items.push_back(list.item(i));
    return items;
}

} // namespace screen_testing
