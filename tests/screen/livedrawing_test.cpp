// Live drawing goes to the window in batches, yet the window shows what a repaint of the same
// display lists shows: lines in several colours and widths, symbols, text, dots and a dense
// polyline, in a plot box cleared to its viewport again and again as a live plot is; with the
// window system's pens and with antialiased lines.
#include "desk/desk.h"
#include "plot/boxclass.h"

#include "screentesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace screen_testing;

namespace {

// A desk that lets the test reach its window.
class ScreenDesk : public desk {
public:
    HWND window() { return winscr ? static_cast<HWND>(*winscr) : nullptr; }
};

// The client area as drawn, once the screen is up to date.
std::vector<COLORREF> clientPixels(HWND hwnd) {
    paintPending(hwnd);
    const SIZE size = clientSize(hwnd);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC window = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(window);
    void* bits = nullptr;
    HBITMAP sheet = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, sheet);
    BitBlt(memory, 0, 0, size.cx, size.cy, window, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const COLORREF*>(bits);
    std::vector<COLORREF> pixels(first, first + size.cx * size.cy);
    SelectObject(memory, previous);
    DeleteObject(sheet);
    DeleteDC(memory);
    ReleaseDC(hwnd, window);
    return pixels;
}

// How many pixels differ, and where the first of them is.
::testing::AssertionResult samePixels(const std::vector<COLORREF>& a,
                                      const std::vector<COLORREF>& b, int width) {
    if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
    long differing = 0, first = -1;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) {
            if (first < 0) first = static_cast<long>(i);
            ++differing;
        }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ, the first at ("
                                         << first % width << ", " << first / width << ")";
}

// Draws live, repaints, and returns the live pixels once they are known to equal the repaint's.
std::vector<COLORREF> liveAndRepainted(int flags) {
    const std::string placement = placementForClient(20, 20, 560, 420);
    ScreenDesk page;
    page.setfontpath(VELORA_FONT_DIR);
    page.open(SCREEN | flags, "live drawing", placement.c_str());
    HWND hwnd = page.window();
    if (!hwnd) {
        ADD_FAILURE() << "no window";
        return {};
    }

    // On the desk's own layer: lines of several colours and widths, dots.
    const float widths[] = {0.0f, 0.3f, 1.0f, 2.5f};
    for (int k = 0; k < 4; ++k) {
        page.setpenwidth(widths[k]);
        page.line(5, 3.3f + 2 * k, 128, 5.1f + 2.7f * k, k + 1);
    }
    for (int k = 0; k < 40; ++k)
        page.pset(10 + 2.9f * k, 96.5f, k % 3);

    constexpr int dense = 20000;
    std::vector<float> x(dense), y(dense);
    const float symbolsX[] = {100, 250, 400, 550, 700, 850};
    const float symbolsY[] = {1.1f, -0.9f, 0.4f, -0.2f, 0.8f, -1.2f};
    boxclass box(page);
    box.init(12, 16, 126, 92, 1, 1);
    box.dim(0, 1000, -1.5f, 1.5f, 0, 0, 1, boxclass::TICKS_INSIDE);
    for (int sweep = 0; sweep < 3; ++sweep) {
        box.clear(CLEAR_TO_VIEWPORT);
        // The repaint the clearing asked for is over: what follows is shown by live drawing only.
        paintPending(hwnd);
        for (int i = 0; i < dense; ++i) {
            x[i] = 1000.0f * i / dense;
            y[i] = static_cast<float>(std::sin(i * 0.0011 + sweep) +
                                      0.2 * std::sin(i * 12.9898 + 7.0 * sweep));
        }
        page.setpenwidth(0.3f * sweep);
        box.connectpoints(x.data(), y.data(), dense, sweep + 1, 1);
        page.setpenwidth(0.6f);
        box.showpoints(symbolsX, symbolsY, 6, 3 + sweep, 0x15 + sweep, 1.0f);
        box.line(50, -1.4f, 950, 1.4f, 6, 0.3f);
        box.hwrite(100, 1.25f, "U(t) = A sin t", 0, FONT_SANS, 0.6f, 1, 0);
    }

    const std::vector<COLORREF> live = clientPixels(hwnd);
    wipe(hwnd);
    repaint(hwnd);
    const std::vector<COLORREF> repainted = clientPixels(hwnd);
    EXPECT_TRUE(samePixels(live, repainted, clientSize(hwnd).cx));
    // Something was drawn at all.
    EXPECT_NE(std::count(live.begin(), live.end(), live[0]),
              static_cast<std::ptrdiff_t>(live.size()));
    page.close();
    return live;
}

std::size_t colourCount(std::vector<COLORREF> pixels) {
    std::sort(pixels.begin(), pixels.end());
    return static_cast<std::size_t>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
}

} // namespace

TEST(LiveDrawing, ShowsWhatARepaintOfTheDisplayListsShows) {
    const std::vector<COLORREF> live = liveAndRepainted(0);
    // The palette's pens and white, nothing between them.
    EXPECT_LE(colourCount(live), 17u);
}

TEST(LiveDrawing, SmoothLinesShowWhatARepaintShowsThroughPiecesAndClearedViewports) {
    const std::vector<COLORREF> live = liveAndRepainted(SMOOTH);
    // Edges blended towards white in many levels.
    EXPECT_GT(colourCount(live), 100u);
}
