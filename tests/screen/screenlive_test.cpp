// What the window shows: drawn at once, and drawn again from the display lists alone after
// damage, covering and resizing; a desk on screen and EPS at once; the double-height page.
#include "desk/desk.h"
#include "plot/boxclass.h"

#include "screentesting.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <cstdio>

using namespace screen_testing;
using testing_support::readFile;

namespace {

const COLORREF white = RGB(255, 255, 255);
const COLORREF red = RGB(255, 0, 0);
const COLORREF blue = RGB(0, 0, 255);

// A frame whose client area is 640 x 480, a red horizontal line across the middle and a blue
// vertical one in layer 1.
struct Drawing {
    std::string placement = placementForClient(30, 30, 640, 480);
    InspectedScreen screen{"live", placement.data()};
    HWND hwnd = screen;

    Drawing() {
        screen.setColor(1);
        screen._moveTo(0, 479.5f);
        screen._lineTo(1279, 479.5f);
        screen.setPlotPuffer(1);
        screen.setColor(3);
        screen._moveTo(639.5f, 0);
        screen._lineTo(639.5f, 959);
    }
    // Where the lines are at the present client size.
    int middleY() { return static_cast<int>((959 - 479.5f) * screen.frameData().yscale); }
    int middleX() { return static_cast<int>(639.5f * screen.frameData().xscale); }
    void expectShown(const char* when) {
        SCOPED_TRACE(when);
        const SIZE size = clientSize(hwnd);
        EXPECT_EQ(pixel(hwnd, size.cx / 4, middleY()), red);
        EXPECT_EQ(pixel(hwnd, middleX(), size.cy / 4), blue);
        EXPECT_EQ(pixel(hwnd, middleX(), middleY()), blue); // layer 1 over layer 0
        EXPECT_EQ(pixel(hwnd, size.cx / 4, size.cy / 4), white);
    }
};

} // namespace

TEST(ScreenLive, DrawnAtOnceAndAgainFromTheDisplayLists) {
    Drawing drawing;
    drawing.expectShown("drawn live");
    wipe(drawing.hwnd);
    EXPECT_EQ(pixel(drawing.hwnd, 160, drawing.middleY()), white);
    repaint(drawing.hwnd);
    drawing.expectShown("repainted after a wipe");

    // Covered by another window, then uncovered.
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 0, 0, 800,
                                 600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(cover, nullptr);
    UpdateWindow(cover);
    DestroyWindow(cover);
    settle(drawing.hwnd);
    repaint(drawing.hwnd);
    drawing.expectShown("uncovered");

    // Resized: the drawing follows the new size; restored: the same pixels as before.
    SetWindowPos(drawing.hwnd, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    settle(drawing.hwnd);
    repaint(drawing.hwnd);
    EXPECT_NE(clientSize(drawing.hwnd).cx, 640);
    drawing.expectShown("resized");
    RECT frame{0, 0, 640, 480};
    AdjustWindowRectEx(&frame, 0x02CF0000, FALSE, 0x00020000);
    SetWindowPos(drawing.hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    settle(drawing.hwnd);
    repaint(drawing.hwnd);
    EXPECT_EQ(clientSize(drawing.hwnd).cx, 640);
    drawing.expectShown("restored");
}

TEST(ScreenLive, EmptyLayersRepaintTheBackgroundOnly) {
    std::string placement = placementForClient(30, 30, 320, 240);
    InspectedScreen screen("empty", placement.data());
    HWND hwnd = screen;
    HDC dc = GetDC(hwnd);
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RECT client{0, 0, 320, 240};
    FillRect(dc, &client, black);
    ReleaseDC(hwnd, dc);
    repaint(hwnd);
    for (POINT p : {POINT{0, 0}, POINT{160, 120}, POINT{319, 239}})
        EXPECT_EQ(pixel(hwnd, p.x, p.y), white);
}

TEST(ScreenLive, PlotBoxOnScreenAndFilesShowsAndLeavesTheFilesAsAlone) {
    // A box over (20, 20)-(100, 80) with the range 0 ... 10 both ways: a red line at y = 5 from
    // x = 1 to 9, blue points at x = 2.5 and 7.5 on y = 8.
    const auto drawFigure = [](desk& page) {
        boxclass box(page);
        box.init(20, 20, 100, 80, 1, 1);
        box.dim(0, 10, 0, 10, 0, 0, 1, boxclass::TICKS_INSIDE);
        page.setpenwidth(0.6f);
        const float lineX[] = {1, 9}, lineY[] = {5, 5};
        box.connectpoints(lineX, lineY, 2, 1, 1);
        box.line(2.5f, 7.9f, 2.5f, 8.1f, 3, 1);
        box.line(7.5f, 7.9f, 7.5f, 8.1f, 3, 1);
    };
    {
        desk page;
        page.setfontpath(testing_support::fontDirectory().c_str());
        page.open(EPS | PLT, "boxalone");
        drawFigure(page);
        page.close();
    }
    desk page;
    page.setfontpath(testing_support::fontDirectory().c_str());
    page.open(SCREEN | EPS | PLT, "boxbeside", desk::MakePosSize(40, 40, 660, 540));
    drawFigure(page);
    HWND hwnd = FindWindowA("VeloraMainFrame", "Velora  boxbeside");
    ASSERT_NE(hwnd, nullptr);
    const SIZE size = clientSize(hwnd);
    // A desk point lies at 1280 / 133.3 and 960 / 100 virtual units per unit.
    const auto at = [&](float x, float y) {
        const double vx = x * (1280 / 133.3), vy = 959 - y * (960 / 100.0);
        return POINT{static_cast<int>(vx * size.cx / 1279.0),
                     static_cast<int>(vy * size.cy / 959.0)};
    };
    // Data value (x, y) of the box.
    const auto data = [&](float x, float y) { return at(20 + 8 * x, 20 + 6 * y); };
    const auto shows = [&](POINT p, COLORREF colour) {
        // The pens are a few pixels wide: the ink lies within two pixels of the position.
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (pixel(hwnd, p.x + dx, p.y + dy) == colour) return true;
        return false;
    };
    const auto expectFigure = [&] {
        EXPECT_TRUE(shows(data(5, 5), red));
        EXPECT_TRUE(shows(data(2.5f, 8), blue));
        EXPECT_TRUE(shows(data(7.5f, 8), blue));
        EXPECT_TRUE(shows(at(20, 50), RGB(0, 0, 0))); // the frame's left edge
        EXPECT_EQ(pixel(hwnd, data(5, 2).x, data(5, 2).y), white);
    };
    expectFigure();
    wipe(hwnd);
    repaint(hwnd);
    expectFigure();
    page.close();
    EXPECT_EQ(readFile("boxbeside.eps"), readFile("boxalone.eps"));
    EXPECT_EQ(readFile("boxbeside.plt"), readFile("boxalone.plt"));
}

TEST(ScreenLive, DoubleHeightPageScrolls) {
    std::string placement = placementForClient(30, 30, 400, 400);
    InspectedScreen screen("double", placement.data());
    HWND hwnd = screen;
    screen.setdoublesize();
    settle(hwnd);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd, SB_VERT, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 800);
    EXPECT_EQ(info.nPage, 400u);
    EXPECT_EQ(info.nPos, 400);
    // A line 100 pixels from the top, as drawn, and after a repaint: unshifted.
    screen.setColor(1);
    const float y = static_cast<float>(959 - 100 / screen.frameData().yscale);
    screen._moveTo(0, y);
    screen._lineTo(1279, y);
    const int lineY = static_cast<int>((959 - y) * screen.frameData().yscale);
    // The scroll bar that came with the double page changes the window's frame; Wine may still
    // replace the window's surface after the first paint that follows, so the check repaints
    // until the paint shows (or the deadline passes).
    const auto shownAfterRepaint = [&](int x, int y) {
        return waitUntil([&] {
            repaint(hwnd);
            return pixel(hwnd, x, y) == red;
        });
    };
    EXPECT_TRUE(shownAfterRepaint(100, lineY));
    // One page up: the drawing moves down by a page.
    SendMessageA(hwnd, WM_VSCROLL, SB_PAGEUP, 0);
    settle(hwnd);
    GetScrollInfo(hwnd, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 0);
    repaint(hwnd);
    EXPECT_EQ(pixel(hwnd, 100, lineY), white);
    // The line is now a page lower, below the client area; a line drawn above the page shows.
    const float above = static_cast<float>(959 + (400 - 100) / screen.frameData().yscale);
    screen._moveTo(0, above);
    screen._lineTo(1279, above);
    EXPECT_TRUE(shownAfterRepaint(100, 100));
}

TEST(ScreenLive, HundredPlotBoxesStayUnderFiftyMegabytes) {
    // The memory committed to the process (Wine reports it as the page-file usage only).
    const auto privateBytes = [] {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return counters.PagefileUsage;
    };
    const SIZE_T before = privateBytes();
    desk page;
    page.setfontpath(testing_support::fontDirectory().c_str());
    page.open(SCREEN, "boxes", desk::MakePosSize(0, 0, 800, 600));
    float x[50], y[50];
    for (int k = 0; k < 50; ++k) {
        x[k] = k * 0.2f;
        y[k] = static_cast<float>(k % 7);
    }
    for (int n = 0; n < 100; ++n) {
        boxclass box(page);
        const float left = 2.0f + (n % 10) * 13.0f, bottom = 2.0f + (n / 10) * 9.8f;
        box.init(left, bottom, left + 11, bottom + 8, 1, 1);
        box.dim(0, 10, 0, 7, 0, 0, 1, boxclass::TICKS_INSIDE);
        box.showpoints(x, y, 50, n % 16, 0x11, 0.5f);
    }
    EXPECT_GE(page.gsppe(), 100u); // box numbers count over the whole process
    const SIZE_T used = privateBytes() - before;
    EXPECT_LT(used, 50u * 1024 * 1024) << used;
    std::printf("100 plot boxes on the screen: %.1f MB\n", used / 1e6);
    page.close();
}
