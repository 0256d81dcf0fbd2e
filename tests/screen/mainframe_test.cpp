// The main frame: placement text and title, system menu, cursors, the desk coordinates, the
// ignore-click rule, zoom levels, the error box and printing onto a memory context.
#include "screen/printer.h"

#include "screentesting.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace screen_testing;

namespace {

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

} // namespace

TEST(MainFrame, PlacementTextAndTitle) {
    {
        char text[] = "size=(800,600) pos=(10,20)";
        InspectedScreen screen("velora demo", text);
        const RECT r = windowRect(screen);
        EXPECT_EQ(r.left, 10);
        EXPECT_EQ(r.top, 20);
        EXPECT_EQ(r.right - r.left, 800);
        EXPECT_EQ(r.bottom - r.top, 600);
        EXPECT_EQ(windowText(screen), "velora demo");
        EXPECT_EQ(classOf(screen), "VeloraMainFrame");
    }
    {
        // A negative x stays at the default, where Windows places the window itself.
        char text[] = "pos=(-5,20) size=(300,200)";
        InspectedScreen screen("Demo", text);
        EXPECT_NE(windowRect(screen).left, -5);
        EXPECT_EQ(windowSize(screen).cx, 300);
        EXPECT_EQ(windowText(screen), "Velora  Demo");
    }
    {
        char text[] = "size=(800,600)";
        InspectedScreen screen(nullptr, text);
        EXPECT_EQ(windowSize(screen).cx, 800);
        EXPECT_EQ(windowText(screen), "Velora");
    }
    InspectedScreen screen("", nullptr);
    EXPECT_EQ(windowSize(screen).cx, 640);
    EXPECT_EQ(windowSize(screen).cy, 480);
    EXPECT_EQ(windowText(screen), "Velora  ");
}

TEST(MainFrame, SystemMenuCursorsAndIcon) {
    InspectedScreen screen("menu");
    HMENU menu = GetSystemMenu(screen, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 6);
    // A separator, the printer's two entries, the page's two, a separator: the last six.
    const struct {
        UINT command;
        const char* text;
    } entries[] = {{Printer::setupCommand, "Drucker &einrichten ..."},
                   {Printer::printCommand, "&Drucken"},
                   {MainFrame::copyCommand, "Kopieren"},
                   {MainFrame::saveCommand, "Speichern unter ..."}};
    EXPECT_EQ(GetMenuItemID(menu, count - 6), 0u);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), 0u);
    for (int k = 0; k < 4; ++k) {
        char text[64] = "";
        GetMenuStringA(menu, count - 5 + k, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, entries[k].text);
        EXPECT_EQ(GetMenuItemID(menu, count - 5 + k), entries[k].command);
    }

    HMODULE resources = GetModuleHandleA("velorares");
    ASSERT_NE(resources, nullptr);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(screen, GCLP_HCURSOR)),
              LoadCursorA(resources, "orincursor"));
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(screen, GCLP_HICON)),
              LoadIconA(resources, "orinicon"));
}

TEST(MainFrame, DeskCoordinatesAndTheIgnoredClick) {
    std::string placement = placementForClient(50, 50, 640, 480);
    InspectedScreen screen("coordinates", placement.data());
    HWND hwnd = screen, desk = screen.deskMessage();
    ASSERT_NE(desk, nullptr);
    EXPECT_FALSE(IsWindowVisible(desk));
    // A click that activates the frame from another window only activates it.
    SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(GetDesktopWindow()), 0);
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(IsWindowVisible(desk));
    SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(GetDesktopWindow()), 0);
    SendMessageA(hwnd, WM_RBUTTONDOWN, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(childOfClass(hwnd, "ZoomWnd"), nullptr);
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(IsWindowVisible(desk));

    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(0, 479));
    EXPECT_EQ(windowText(desk), "Desk");
    EXPECT_EQ(childText(desk, 0), " X =   0");
    EXPECT_EQ(childText(desk, 1), " Y =   0");
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(639, 0));
    EXPECT_EQ(childText(desk, 0), " X = 133.3");
    EXPECT_EQ(childText(desk, 1), " Y = 100");
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(IsWindowVisible(desk));
}

TEST(MainFrame, ZoomLevelsFromButtonsAndKeys) {
    std::string placement = placementForClient(50, 50, 640, 480);
    InspectedScreen screen("zoom", placement.data());
    HWND hwnd = screen;
    screen.frameData().ignoreClick = 0;
    struct Case {
        UINT button;
        WPARAM keys;
        SIZE size;
    };
    const int edge = GetSystemMetrics(SM_CXEDGE);
    const int base = 2 * edge + 128, high = 2 * GetSystemMetrics(SM_CYEDGE) + 96;
    const Case cases[] = {
        {WM_RBUTTONDOWN, 0, {base, high}},
        {WM_RBUTTONDOWN, MK_SHIFT, {2 * base, 2 * high}},
        {WM_RBUTTONDOWN, MK_CONTROL | MK_SHIFT, {4 * base, 4 * high}},
        {WM_MBUTTONDOWN, MK_CONTROL, {2 * base, 2 * high}},
        {WM_MBUTTONDOWN, MK_SHIFT, {4 * base, 4 * high}},
    };
    for (const Case& c : cases) {
        SendMessageA(hwnd, c.button, c.keys, MAKELPARAM(320, 240));
        HWND lens = childOfClass(hwnd, "ZoomWnd");
        ASSERT_NE(lens, nullptr);
        EXPECT_EQ(windowSize(lens).cx, c.size.cx) << c.button << " " << c.keys;
        EXPECT_EQ(windowSize(lens).cy, c.size.cy) << c.button << " " << c.keys;
        // A second press while it is open changes nothing.
        SendMessageA(hwnd, WM_RBUTTONDOWN, 0, MAKELPARAM(320, 240));
        EXPECT_EQ(windowSize(lens).cx, c.size.cx);
        SendMessageA(lens, c.button == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_MBUTTONUP, 0, 0);
        EXPECT_FALSE(IsWindow(lens));
    }
}

TEST(MainFrame, ZoomLensMagnifiesAndKeepsTheFramePens) {
    std::string placement = placementForClient(50, 50, 640, 480);
    InspectedScreen screen("lens", placement.data());
    HWND hwnd = screen;
    screen.frameData().ignoreClick = 0;
    screen.setColor(1);
    screen._moveTo(0, 479.5f);
    screen._lineTo(1279, 479.5f);
    repaint(hwnd);
    const int penExtra = screen.frameData().penExtra;
    SendMessageA(hwnd, WM_RBUTTONDOWN, 0, MAKELPARAM(320, 240));
    HWND lens = childOfClass(hwnd, "ZoomWnd");
    ASSERT_NE(lens, nullptr);
    const SIZE client = clientSize(lens);
    EXPECT_EQ(client.cx * 2 / 128, 2); // magnified twice
    SendMessageA(lens, WM_MOUSEMOVE, 0, MAKELPARAM(client.cx / 2, client.cy / 2));
    // The red line crosses the lens's middle, a few pixels thick; above it all is white.
    bool red = false;
    for (int y = client.cy / 2 - 8; y <= client.cy / 2 + 8; ++y)
        red = red || pixel(lens, client.cx / 2, y) == RGB(255, 0, 0);
    EXPECT_TRUE(red);
    EXPECT_EQ(pixel(lens, client.cx / 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(screen.frameData().penExtra, penExtra);
    SendMessageA(lens, WM_RBUTTONUP, 0, 0);
    EXPECT_FALSE(IsWindow(lens));
}

TEST(MainFrame, ErrorBoxShowsTheTextOfItsNumber) {
    InspectedScreen screen("errors");
    WindowCloser closer("#32770", "Velora : Fehler aufgetreten !");
    screen.errorHandel(0x1001);
    closer.join();
    EXPECT_TRUE(closer.found());
    EXPECT_EQ(closer.text(), "Symbolpuffer: kein Speicher frei");
}

TEST(MainFrame, PrintsOntoAMemoryContextAndKeepsItsScales) {
    std::string placement = placementForClient(50, 50, 640, 480);
    InspectedScreen screen("printing", placement.data());
    HWND hwnd = screen;
    screen.setColor(3);
    screen._moveTo(0, 959 - 100);
    screen._lineTo(1279, 959 - 100);
    settle(hwnd);
    const MainFrameData before = screen.frameData();

    HDC screenDC = GetDC(nullptr);
    HDC paper = CreateCompatibleDC(screenDC);
    const int width = GetDeviceCaps(paper, HORZRES);
    HBITMAP sheet = CreateCompatibleBitmap(screenDC, width, width);
    ReleaseDC(nullptr, screenDC);
    HGDIOBJ previous = SelectObject(paper, sheet);
    RECT all{0, 0, width, width};
    FillRect(paper, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Printer::shared().usePrinterDC(paper);
    EXPECT_EQ(Printer::shared().getWidth(), width);
    POINT origin{};
    GetWindowOrgEx(paper, &origin);
    EXPECT_EQ(origin.x, -static_cast<int>(width * 0.037142857142857144));

    SendMessageA(hwnd, WM_SYSCOMMAND, Printer::printCommand, 0);
    // 94 % of the width for 1279 virtual units, shifted right by the left margin: read in
    // device pixels, the line begins at the margin.
    SetWindowOrgEx(paper, 0, 0, nullptr);
    const double scale = static_cast<float>(width / 1279.0 * 0.94);
    const int lineY = static_cast<int>(100 * scale), margin = -origin.x;
    const auto blueAt = [&](int x) {
        for (int y = lineY - 2; y <= lineY + 8; ++y)
            if (GetPixel(paper, x, y) == RGB(0, 0, 255)) return true;
        return false;
    };
    EXPECT_TRUE(blueAt(margin + 1));
    EXPECT_TRUE(blueAt(margin + static_cast<int>(1200 * scale)));
    EXPECT_FALSE(blueAt(margin - 3));
    EXPECT_EQ(screen.frameData().xscale, before.xscale);
    EXPECT_EQ(screen.frameData().yscale, before.yscale);
    EXPECT_EQ(screen.frameData().penExtra, before.penExtra);

    Printer::shared().usePrinterDC(nullptr);
    SelectObject(paper, previous);
    DeleteObject(sheet);
    DeleteDC(paper);
}
