// What the window tests share: waiting on window states with a deadline, reading what Windows
// reports about a window, a parent window that records the messages its children send, and a
// helper thread that finds a message box or dialog, reads it and closes it.
#pragma once

#include <panekit.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace window_testing {

// How long any single wait may last before the test fails.
const DWORD TIMEOUT_MS = 5000;

// Polls `condition` until it holds or the timeout has passed; true if it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = TIMEOUT_MS);

std::string windowText(HWND hwnd);
std::string classOf(HWND hwnd);
SIZE windowSize(HWND hwnd);
SIZE clientSize(HWND hwnd);
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

// Finds a top-level window of class `windowClass` titled `caption` on a thread of its own, reads
// the text of its static control 0xFFFF (a message box's text), and closes it with a WM_COMMAND
// of `command`. found() and text() are valid after join().
class WindowCloser {
public:
    WindowCloser(const char* windowClass, const char* caption, WPARAM command);
    ~WindowCloser();
    void join();
    bool found() const { return wasFound; }
    const std::string& text() const { return boxText; }

private:
    std::thread worker;
    bool wasFound = false;
    std::string boxText;
};

// A message box: "#32770" closed with OK.
inline const char* MESSAGE_BOX_CLASS = "#32770";

} // namespace window_testing
