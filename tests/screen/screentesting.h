// What the screen tests share: waits with a deadline, what Windows reports about a window, a
// helper thread that reads and closes a message box, a screen device whose window data the test
// may read, and the placement text that gives a frame an exact client size.
#pragma once

#include "devices/winscr.h"

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace screen_testing {

constexpr DWORD timeoutMs = 5000;

bool waitUntil(const std::function<bool()>& condition, DWORD timeout = timeoutMs);
std::string windowText(HWND hwnd);
std::string classOf(HWND hwnd);
SIZE windowSize(HWND hwnd);
SIZE clientSize(HWND hwnd);
// The first child window of the given class, or null.
HWND childOfClass(HWND parent, const char* className);
// Returns once the window's thread has handled everything sent to it before.
void settle(HWND hwnd);
// Makes the window repaint itself now, from its display lists.
void repaint(HWND hwnd);
COLORREF pixel(HWND hwnd, int x, int y);
// Paints the whole client area white through a context of our own, as damage would.
void wipe(HWND hwnd);

// "pos=(x,y) size=(w,h)" for a main frame whose client area is w x h.
std::string placementForClient(int x, int y, int clientWidth, int clientHeight);

// The items of a display list in use.
std::vector<int> itemsOf(PlotPuffer& list);

// A screen device that lets the test read its window data.
class InspectedScreen : public WinScr {
public:
    explicit InspectedScreen(const char* title = "test", char* placement = nullptr)
        : WinScr(title, nullptr, placement) {}
    ~InspectedScreen() override { close(); }
    MainFrameData& frameData() { return data; }
    NumberedList<PlotPuffer>& layerList() { return layers; }
    int* pens() { return data.penTablePtr; }
    HWND deskMessage() { return deskMsgWnd; }
    HWND boxMessage() { return tupelMsgWnd; }
};

// Finds a top-level window of `windowClass` titled `caption` on a thread of its own, reads the
// text of its static control 0xFFFF, and closes it with IDOK.
class WindowCloser {
public:
    WindowCloser(const char* windowClass, const char* caption);
    ~WindowCloser();
    void join();
    bool found() const { return wasFound; }
    const std::string& text() const { return boxText; }

private:
    std::thread worker;
    bool wasFound = false;
    std::string boxText;
};

} // namespace screen_testing
