// The screen under Wine or Windows: a polyline of 1,000,000 segments drawn through the screen
// device (live drawing on the window and a record for each segment), then one full repaint of the
// window from its display list, and the same replay onto a memory context of the window's size
// timed on its own. Prints the times; a repaint must stay under 2 s.
#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"
#include "devices/selector/winscr.h"
#include "screen/devicecontexttarget.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Opens the window's layers and pens to the benchmark.
class MeasuredScreen : public WinScr {
public:
    explicit MeasuredScreen(char* placement)
        : WinScr("velora screen benchmark", nullptr, placement) {}
    // The repaint's replay onto a memory context of the client size.
    double replayOffScreen() {
        HWND hwnd = *this;
        RECT client;
        GetClientRect(hwnd, &client);
        HDC window = GetDC(hwnd);
        HDC memory = CreateCompatibleDC(window);
        HBITMAP sheet = CreateCompatibleBitmap(window, client.right, client.bottom);
        HGDIOBJ previous = SelectObject(memory, sheet);
        const auto start = std::chrono::steady_clock::now();
        {
            DeviceContextTarget target(memory, firstPen, data.penTablePtr);
            PlotReplay::run(
                layers,
                ReplayMapping::window(data.xscale, data.yscale, data.listScale, data.penExtra, 0),
                target);
        }
        GdiFlush();
        const double seconds = secondsSince(start);
        SelectObject(memory, previous);
        DeleteObject(sheet);
        DeleteDC(memory);
        ReleaseDC(hwnd, window);
        return seconds;
    }
};

} // namespace

int main() {
    const int segments = 1000000;
    char placement[] = "pos=(0,0) size=(1040,800)";
    MeasuredScreen screen(placement);
    HWND hwnd = screen;

    auto start = std::chrono::steady_clock::now();
    screen.setColor(3);
    screen._moveTo(0, 480);
    for (int i = 1; i <= segments; ++i) {
        const double x = 1279.0 * i / segments;
        const double y = 480.0 + 300.0 * std::sin(i * 0.002) + 40.0 * std::sin(i * 0.37);
        screen._lineTo(static_cast<float>(x), static_cast<float>(y));
    }
    GdiFlush();
    const double append = secondsSince(start);

    // UpdateWindow has the window's thread paint now and returns when it is done.
    start = std::chrono::steady_clock::now();
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    const double repaint = secondsSince(start);
    const double offScreen = screen.replayOffScreen();

    std::printf("screen, append %d line records with live drawing: %.3f s, %.2f M records/s\n",
                segments, append, segments / append / 1e6);
    std::printf("screen, one repaint of %d segments from the display list: %.3f s (the same "
                "replay onto a memory context: %.3f s)%s\n",
                segments, repaint, offScreen,
                repaint < 2.0 && offScreen < 2.0 ? "" : "  over the 2 s limit");
    screen.close();
    return repaint < 2.0 && offScreen < 2.0 ? 0 : 1;
}
