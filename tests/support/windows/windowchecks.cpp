#include "windowchecks.h"

namespace window_checks {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
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
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE clientSize(HWND hwnd) {
    RECT r = {};
    GetClientRect(hwnd, &r);
    return {r.right, r.bottom};
}

std::string childText(HWND window, int index) {
    HWND child = GetWindow(window, GW_CHILD);
    for (int k = 0; child && k < index; ++k)
        child = GetWindow(child, GW_HWNDNEXT);
    return child ? windowText(child) : "<none>";
}

WindowCloser::WindowCloser(const char* windowClass, const char* caption, WPARAM command) {
    const std::string className = windowClass, title = caption;
    worker = std::thread([this, className, title, command] {
        HWND box = nullptr;
        wasFound = waitUntil([&] {
            box = FindWindowA(className.c_str(), title.c_str());
            return box != nullptr && IsWindowVisible(box);
        });
        if (!wasFound) return;
        char text[1000] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        boxText = text;
        PostMessageA(box, WM_COMMAND, command, 0);
    });
}

WindowCloser::~WindowCloser() {
    join();
}

void WindowCloser::join() {
    if (worker.joinable()) worker.join();
}

} // namespace window_checks
