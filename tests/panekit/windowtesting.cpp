// Shared helpers of the window tests.
#include "windowtesting.h"

namespace window_testing {

DWORD styleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

DWORD exStyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
}

DWORD threadOf(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr);
}

std::vector<HWND> childrenOf(HWND hwnd) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND focusInThreadOf(HWND hwnd) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadOf(hwnd), &info)) return nullptr;
    return info.hwndFocus;
}

RecordingWindow::RecordingWindow() {
    *this << Flag(5) << "RecordingWindow" << Flag(6) << "Recording window";
    *this << Flag(3) << 500 << Flag(4) << 300;
    exData.classData = this;
    setWndProc(WndProc);
}

RecordingWindow::~RecordingWindow() {
    close();
}

std::vector<Message> RecordingWindow::messages() {
    std::lock_guard<std::mutex> guard(lock);
    return recorded;
}

void RecordingWindow::clear() {
    std::lock_guard<std::mutex> guard(lock);
    recorded.clear();
}

bool RecordingWindow::settle() {
    const int before = settled;
    PostMessageA(record.hwnd, SETTLE, 0, 0);
    return waitUntil([&] { return settled > before; });
}

bool RecordingWindow::waitForCount(std::size_t count, DWORD timeoutMs) {
    return waitUntil([&] { return messages().size() >= count; }, timeoutMs);
}

void RecordingWindow::recordMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> guard(lock);
    recorded.push_back({message, wParam, lParam});
}

LRESULT CALLBACK RecordingWindow::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<RecordingWindow*>(getClassData(hwnd));
    switch (message) {
    case WM_CLOSE:
        WM_CLOSE_FKT(hwnd);
        break;
    case WM_DESTROY:
        WM_DESTROY_FKT(hwnd);
        break;
    case SETTLE:
        if (self) ++self->settled;
        return 0;
    case SET_SHIFT: {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = wParam ? 0x80 : 0;
        SetKeyboardState(keys);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_TAB) tabFkt(hwnd);
        if (self) self->recordMessage(message, wParam, lParam);
        break;
    case WM_COMMAND:
        if (self) self->recordMessage(message, wParam, lParam);
        break;
    default:
        if (self && message >= WM_USER && message < WM_APP)
            self->recordMessage(message, wParam, lParam);
    }
    return WndRetFkt(hwnd, message, wParam, lParam);
}

} // namespace window_testing
