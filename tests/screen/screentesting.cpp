#include "screentesting.h"

#include <cstdio>

namespace screen_testing {

bool waitUntil(const std::function<bool()>& condition, DWORD timeout) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeout) return false;
        Sleep(2);
    }
}

std::string windowText(HWND hwnd) {
    char text[1000] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string classOf(HWND hwnd) {
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

SIZE windowSize(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE clientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

HWND childOfClass(HWND parent, const char* className) {
    return FindWindowExA(parent, nullptr, className, nullptr);
}

void settle(HWND hwnd) {
    SendMessageA(hwnd, WM_NULL, 0, 0);
}

void repaint(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    settle(hwnd);
}

COLORREF pixel(HWND hwnd, int x, int y) {
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

WindowCloser::WindowCloser(const char* windowClass, const char* caption) {
    const std::string className = windowClass, title = caption;
    worker = std::thread([this, className, title] {
        HWND box = nullptr;
        wasFound = waitUntil([&] {
            box = FindWindowA(className.c_str(), title.c_str());
            return box != nullptr && IsWindowVisible(box);
        });
        if (!wasFound) return;
        char text[1000] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        boxText = text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
}

WindowCloser::~WindowCloser() {
    join();
}

void WindowCloser::join() {
    if (worker.joinable()) worker.join();
}

} // namespace screen_testing
