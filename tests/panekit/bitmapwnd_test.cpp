// The bitmap window: a 300 x 200 picture in four coloured quarters, the window fitted to it,
// zoomed with the keypad keys, limited in size with scroll bars, scrolled with keys; and the
// keys it does not handle reaching its parent.
#include "windowtesting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace window_testing;

namespace {

const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255),
               WHITE = RGB(255, 255, 255);

// Top left red, top right green, bottom left blue, bottom right white.
struct Picture {
    static const int WIDTH = 300, HEIGHT = 200;
    BITMAPINFO info = {};
    std::vector<unsigned char> bits;

    Picture() : bits(WIDTH * 3 * HEIGHT) { // rows of 900 bytes need no padding
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = WIDTH;
        info.bmiHeader.biHeight = HEIGHT; // bottom-up
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        for (int row = 0; row < HEIGHT; ++row) {
            bool top = row >= HEIGHT / 2;
            for (int x = 0; x < WIDTH; ++x) {
                bool left = x < WIDTH / 2;
                COLORREF c = top ? (left ? RED : GREEN) : (left ? BLUE : WHITE);
                unsigned char* p = &bits[(row * WIDTH + x) * 3];
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
            }
        }
    }
};

void show(BitmapWnd& window, Picture& picture) {
    window << Values::Flag(15) << &picture.info << Values::Flag(16) << picture.bits.data();
}

bool clientBecomes(HWND hwnd, int width, int height) {
    return waitUntil([&] {
        SIZE s = clientSize(hwnd);
        return s.cx == width && s.cy == height;
    });
}

bool pixelBecomes(HWND hwnd, int x, int y, COLORREF colour) {
    return waitUntil([&] {
        HDC dc = GetDC(hwnd);
        COLORREF seen = GetPixel(dc, x, y);
        ReleaseDC(hwnd, dc);
        return seen == colour;
    });
}

void press(HWND hwnd, WPARAM key, int times = 1) {
    for (int i = 0; i < times; ++i)
        SendMessageA(hwnd, WM_KEYDOWN, key, 0);
}

SCROLLINFO barInfo(HWND hwnd, int bar) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, bar, &si);
    return si;
}

bool hasBars(HWND hwnd) {
    return (styleOf(hwnd) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

} // namespace

TEST(BitmapWindow, FitsItselfToThePictureAndZoomsWithTheKeypadKeys) {
    Picture picture;
    Closing<BitmapWnd> window;
    show(window, picture);
    ASSERT_EQ(window.open(), 1);
    HWND w = window;
    EXPECT_EQ(classOf(w), "BitmapWnd");
    EXPECT_TRUE(exStyleOf(w) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(styleOf(w) & WS_BORDER);
    ASSERT_TRUE(clientBecomes(w, 300, 200));
    EXPECT_FALSE(hasBars(w));
    EXPECT_TRUE(pixelBecomes(w, 10, 10, RED));
    EXPECT_TRUE(pixelBecomes(w, 290, 10, GREEN));
    EXPECT_TRUE(pixelBecomes(w, 10, 190, BLUE));
    EXPECT_TRUE(pixelBecomes(w, 290, 190, WHITE));

    press(w, VK_ADD, 2); // 2, then 3
    ASSERT_TRUE(clientBecomes(w, 900, 600));
    EXPECT_FALSE(hasBars(w));
    EXPECT_TRUE(pixelBecomes(w, 20, 20, RED));
    EXPECT_TRUE(pixelBecomes(w, 880, 580, WHITE));

    press(w, VK_SUBTRACT, 3); // 2, 1, then 1/2
    ASSERT_TRUE(clientBecomes(w, 150, 100));
    EXPECT_TRUE(pixelBecomes(w, 5, 5, RED));
    EXPECT_TRUE(pixelBecomes(w, 145, 95, WHITE));
}

TEST(BitmapWindow, LimitsGiveScrollBarsAndTheKeysScroll) {
    Picture picture;
    Closing<BitmapWnd> window;
    show(window, picture);
    window << Values::Flag(17) << 400 << Values::Flag(18) << 300;
    ASSERT_EQ(window.open(), 1);
    HWND w = window;
    ASSERT_TRUE(clientBecomes(w, 300, 200)); // within the limits
    press(w, VK_ADD, 2);
    // Zoom 3 within 400 x 300: both bars, over the whole zoomed picture, a client area a page.
    EXPECT_TRUE(waitUntil([&] {
        SCROLLINFO h = barInfo(w, SB_HORZ), v = barInfo(w, SB_VERT);
        SIZE client = clientSize(w);
        return h.nMax == 900 && h.nPage == 401 && v.nMax == 600 && v.nPage == 301 &&
               client.cx == 400 && client.cy == 300;
    }));
    EXPECT_EQ(styleOf(w) & (WS_HSCROLL | WS_VSCROLL), DWORD(WS_HSCROLL | WS_VSCROLL));

    press(w, VK_RIGHT);
    EXPECT_EQ(barInfo(w, SB_HORZ).nPos, 1);
    press(w, VK_NEXT); // a page of 301 from 0 stops at the end, 600 - 301 + 1
    EXPECT_EQ(barInfo(w, SB_VERT).nPos, 300);
    press(w, VK_DOWN);
    EXPECT_EQ(barInfo(w, SB_VERT).nPos, 300);
    press(w, VK_UP);
    EXPECT_EQ(barInfo(w, SB_VERT).nPos, 299);
    // Scrolled to the lower half, near the left: the blue quarter fills the window.
    EXPECT_TRUE(pixelBecomes(w, 200, 150, BLUE));
    press(w, VK_PRIOR);
    EXPECT_EQ(barInfo(w, SB_VERT).nPos, 0);
    EXPECT_TRUE(pixelBecomes(w, 200, 150, RED));
}

TEST(BitmapWindow, OtherKeysGoToTheParentAndTheZoomStopsAtOneFiftieth) {
    Picture picture;
    BitmapWnd window;
    RecordingWindow parent;
    show(window, picture);
    parent <= window;
    ASSERT_EQ(parent.open(), 1);
    HWND w = window;
    ASSERT_TRUE(clientBecomes(w, 300, 200));

    press(w, VK_F5);
    press(w, VK_ADD);
    std::vector<Message> seen = parent.messages();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(seen[0].wParam, WPARAM(VK_F5));

    ASSERT_TRUE(clientBecomes(w, 600, 400));
    press(w, VK_SUBTRACT, 60);
    EXPECT_TRUE(clientBecomes(w, 300 / 50, 200 / 50));
}
