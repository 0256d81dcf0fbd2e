// What the window class tests share beyond the common window checks: more of what Windows
// reports about a window, and a parent window that records the messages its children send.
#pragma once

#include <panekit.h>

#include "support/windows/windowchecks.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace window_testing {

using namespace window_checks;

DWORD styleOf(HWND hwnd);
DWORD exStyleOf(HWND hwnd);
DWORD threadOf(HWND hwnd);
// The children of a window, in the order GetWindow walks them.
std::vector<HWND> childrenOf(HWND hwnd);
// The window that has the keyboard focus in the thread that owns `hwnd`.
HWND focusInThreadOf(HWND hwnd);

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A window that is closed when it goes out of scope, also when an assertion has failed: its
// children's objects, declared before it, can then end.
template <class Window> class Closing : public Window {
public:
    ~Closing() override { this->close(); }
};

// A top-level window (own thread), closed when it goes out of scope, that records WM_COMMAND,
// WM_KEYDOWN and user messages sent to it, cycles the focus with Tab like every window, and can set
// its thread's Shift key state.
class RecordingWindow : public WndExClass {
public:
    // Posted to the window: wParam 1 holds Shift down in the window's thread, 0 lets it go.
    static const UINT SET_SHIFT = WM_APP + 1;
    static const UINT SETTLE = WM_APP + 2;

    RecordingWindow();
    ~RecordingWindow() override; // closes the window

    std::vector<Message> messages();
    void clear();
    // Waits until the window's thread has handled every message posted to it before this call
    // (windows created at opening post themselves their first layout).
    bool settle();
    // Waits until `count` messages have been recorded.
    bool waitForCount(std::size_t count, DWORD timeoutMs = TIMEOUT_MS);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void recordMessage(UINT message, WPARAM wParam, LPARAM lParam);

    std::mutex lock;
    std::vector<Message> recorded;
    std::atomic<int> settled{0};
};

} // namespace window_testing
