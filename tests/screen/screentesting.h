// What the screen tests share beyond the common window checks: a screen device whose window data
// the test may read, and the placement text that gives a frame an exact client size.
#pragma once

#include "devices/selector/winscr.h"
#include "support/windows/windowchecks.h"

#include <string>
#include <vector>

namespace screen_testing {

using namespace window_checks;

// The first child window of the given class, or null.
HWND childOfClass(HWND parent, const char* className);
// Returns once the window's thread has handled everything sent to it before, live drawing
// included.
void settle(HWND hwnd);
// Makes the window repaint itself now, from its display lists.
void repaint(HWND hwnd);
// Paints what the window was asked to repaint (if anything) on the window's own thread, now: once
// it returns no paint is pending or running that could still change the window's pixels.
void paintPending(HWND hwnd);
// The pixel once the screen is up to date.
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
    explicit InspectedScreen(const char* title = "test", char* placement = nullptr,
                             HINSTANCE instance = nullptr)
        : WinScr(title, instance, placement) {}
    ~InspectedScreen() override { close(); }
    MainFrameData& frameData() { return data; }
    NumberedList<PlotPuffer>& layerList() { return layers; }
    int* pens() { return data.penTablePtr; }
    HWND deskMessage() { return deskMsgWnd; }
    HWND boxMessage() { return tupelMsgWnd; }
};

} // namespace screen_testing
