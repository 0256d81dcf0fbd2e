// The screen on a display at 150 % (144 DPI, the Wine prefix's LogPixels as scripts/dpi-test.sh
// sets it): the window is sized in physical pixels, its page fills the larger client area, the
// thinnest pen is two pixels wide instead of one, and the mouse still reads the data's values.
#include "screen/screentesting.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace screen_testing;

namespace {

int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

TEST(DisplayScaling, At144DpiWindowPensAndReadOutScale) {
    if (systemDpi() != 144) GTEST_SKIP() << "the display is not at 144 DPI";
    char placement[] = "pos=(0,0) size=(800,600)";
    InspectedScreen screen("dpi", placement);
    HWND hwnd = screen;
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(windowSize(hwnd).cx, 1200);
    EXPECT_EQ(windowSize(hwnd).cy, 900);
    const SIZE client = clientSize(hwnd);
    EXPECT_FLOAT_EQ(screen.frameData().xscale, static_cast<float>(client.cx / 1279.0));
    EXPECT_FLOAT_EQ(screen.frameData().yscale, static_cast<float>(client.cy / 959.0));

    // Across the middle in the thinnest pen, one pixel wide in this window at 96 DPI and two
    // here, where it covers three rows (as it does at 96 DPI in a window whose thinnest pen is two
    // pixels wide).
    screen.setPenWidth(0);
    screen.setColor(0);
    screen._moveTo(0, 480);
    screen._lineTo(1279, 480);
    settle(hwnd);
    int rows = 0;
    for (int y = 0; y < client.cy; ++y)
        rows += pixel(hwnd, client.cx / 2, y) != RGB(255, 255, 255);
    EXPECT_EQ(rows, 3);

    // A box over the middle half of the page reads 0 ... 10 across and 0 ... 5 up.
    screen.pointBox(320, 240, 960, 720, 0);
    screen.pointBoxDim(0, 10, 0, 5, 0);
    HWND box = screen.frameData().pointWnds->find(0).payload();
    ASSERT_NE(box, nullptr);
    const SIZE area = clientSize(box);
    EXPECT_NEAR(area.cx, 640 * client.cx / 1279.0, 2);
    SendMessageA(box, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(area.cx / 2, area.cy / 4));
    const auto value = [&](int line) {
        return std::atof(childText(screen.boxMessage(), line).substr(5).c_str());
    };
    EXPECT_NEAR(value(0), 5.0, 0.05);
    EXPECT_NEAR(value(1), 3.75, 0.05);

    // Moved to a monitor of another DPI, the window takes the size the system suggests and the
    // page follows it.
    RECT suggested{0, 0, 900, 700};
    SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
    // The page takes the new scale when it is painted next; the paint is sent, not awaited.
    repaint(hwnd);
    EXPECT_EQ(windowSize(hwnd).cx, 900);
    EXPECT_FLOAT_EQ(screen.frameData().xscale, static_cast<float>(clientSize(hwnd).cx / 1279.0));
}
