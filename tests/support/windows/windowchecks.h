// What every window test needs from the Win32 API itself: waits on window states with a deadline,
// what Windows reports about a window, and a helper thread that finds a message box or dialog,
// reads it and closes it, so that no test ever waits for a person.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace window_checks {

// How long any single wait may last before the test fails.
constexpr DWORD TIMEOUT_MS = 5000;

// Polls `condition` until it holds or the timeout has passed; true if it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = TIMEOUT_MS);

std::string windowText(HWND hwnd);
std::string classOf(HWND hwnd);
SIZE windowSize(HWND hwnd);
SIZE clientSize(HWND hwnd);
// The text of a window's child `index` in the order GetWindow walks them, "<none>" past the last.
std::string childText(HWND window, int index);

// Finds a top-level window of class `windowClass` titled `caption` on a thread of its own, reads
// the text of its static control 0xFFFF (a message box's text), and closes it with a WM_COMMAND
// of `command`. found() and text() are valid after join().
class WindowCloser {
public:
    WindowCloser(const char* windowClass, const char* caption, WPARAM command = IDOK);
    ~WindowCloser();
    void join();
    bool found() const { return wasFound; }
    const std::string& text() const { return boxText; }

private:
    std::thread worker;
    bool wasFound = false;
    std::string boxText;
};

// A message box's window class.
inline const char* MESSAGE_BOX_CLASS = "#32770";

} // namespace window_checks
