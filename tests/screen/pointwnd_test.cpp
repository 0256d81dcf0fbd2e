// Point windows over plot boxes report the mouse in the box's units and follow the frame's
// size; message windows show a title and two values and only ever grow.
#include "screentesting.h"

#include <gtest/gtest.h>

using namespace screen_testing;

namespace {

// Opens a point window through the frame's message, as pointBox does: the rectangle's left,
// bottom, right and top fields are the box's left, upper, right and lower edges.
HWND openPointWnd(InspectedScreen& screen, int left, int upper, int right, int lower) {
    RECT frame{left, lower, right, upper};
    const unsigned long before = screen.frameData().pointWnds->lastIndex();
    SendMessageA(screen, MainFrame::pointBoxMessage, 0, reinterpret_cast<LPARAM>(&frame));
    return screen.frameData().pointWnds->find(before).payload();
}

} // namespace

TEST(MessageWnd, TitleAndValuesAndAWidthThatOnlyGrows) {
    MessageWnd window;
    window << Values::Flag(15) << "Box\n1.5:2";
    HWND hwnd = window;
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(windowText(hwnd), "Box");
    EXPECT_EQ(childText(hwnd, 0), " X = 1.5");
    EXPECT_EQ(childText(hwnd, 1), " Y = 2");
    window << Values::Flag(15) << "Desk\n 12:3.5";
    EXPECT_EQ(childText(hwnd, 0), " X =  12");
    EXPECT_EQ(childText(hwnd, 1), " Y = 3.5");
    // 8 pixels for each character of the longest line (Windows may keep a captioned window
    // wider than that).
    EXPECT_EQ(window.getShownWidth(), 64);
    const int width = windowSize(hwnd).cx;
    window << Values::Flag(15) << "";
    EXPECT_EQ(windowText(hwnd), "");
    EXPECT_EQ(childText(hwnd, 0), " X = ...");
    EXPECT_EQ(childText(hwnd, 1), " Y = ...");
    EXPECT_EQ(window.getShownWidth(), 64);
    EXPECT_EQ(windowSize(hwnd).cx, width);
    window << Values::Flag(15) << "a somewhat longer title";
    EXPECT_EQ(windowSize(hwnd).cx, 8 * 23);
    window << Values::Flag(15) << "short";
    EXPECT_EQ(windowSize(hwnd).cx, 8 * 23);
    window.close();
}

TEST(PointWnd, ReportsInItsOwnUnitsAndPassesTheMouseOn) {
    std::string placement = placementForClient(60, 60, 640, 480);
    InspectedScreen screen("points", placement.data());
    HWND box = openPointWnd(screen, 0, 0, 100, 50);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(classOf(box), "PointWnd");
    EXPECT_EQ(clientSize(box).cx, 101);
    EXPECT_EQ(clientSize(box).cy, 51);
    EXPECT_EQ(screen.frameData().pointWnds->lastIndex(), 1u); // a new spare behind it
    screen.pointBoxDim(0, 10, 0, 5, 0);

    HWND message = screen.boxMessage();
    SendMessageA(box, WM_LBUTTONDOWN, 0, 0); // shows the box message window
    EXPECT_TRUE(IsWindowVisible(message));
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(50, 25));
    EXPECT_EQ(windowText(message), "Box");
    EXPECT_EQ(childText(message, 0), " X = 5");
    EXPECT_EQ(childText(message, 1), " Y = 2.5");
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(childText(message, 0), " X = 0");
    EXPECT_EQ(childText(message, 1), " Y = 5");
    // A log axis gives its range in decades: the value shown is 10 to the decade.
    screen.pointBoxScale(true, false, 0);
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(50, 25));
    EXPECT_EQ(childText(message, 0), " X = 100000");
    EXPECT_EQ(childText(message, 1), " Y = 2.5");

    // Without a range it reports 0 and 0; a number beyond the last reaches the spare.
    HWND second = openPointWnd(screen, 200, 200, 300, 300);
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(childText(message, 0), " X = 0");
    EXPECT_EQ(childText(message, 1), " Y = 0");
    screen.pointBoxDim(1, 2, 3, 4, 1);
    EXPECT_EQ(screen.frameData().pointWnds->find(1).payload().getDimRect().xRight, 2.0f);
    screen.pointBoxDim(7, 8, 9, 10, 7);
    EXPECT_EQ(screen.frameData().pointWnds->find(2).payload().getDimRect().xLeft, 7.0f);
}

// A program hands the desk its own instance, as its start function gets it: the frame's message
// and point windows are made all the same.
TEST(PointWnd, MadeAlsoUnderTheProgramsOwnInstance) {
    std::string placement = placementForClient(60, 60, 320, 240);
    InspectedScreen screen("own instance", placement.data(), GetModuleHandleA(nullptr));
    EXPECT_NE(screen.deskMessage(), nullptr);
    EXPECT_NE(screen.boxMessage(), nullptr);
    HWND box = openPointWnd(screen, 0, 0, 100, 50);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(classOf(box), "PointWnd");
}

TEST(PointWnd, FollowsTheFrameWhenItGrows) {
    // Opened on a 320 x 240 frame over (50, 25)-(150, 125): 101 x 101 pixels; the frame grows
    // twice as large and so does the box, from its own corner scaled.
    std::string placement = placementForClient(0, 0, 320, 240);
    InspectedScreen screen("growing", placement.data());
    HWND box = openPointWnd(screen, 50, 25, 150, 125);
    EXPECT_EQ(clientSize(box).cx, 101);
    EXPECT_EQ(clientSize(box).cy, 101);
    RECT frame{0, 0, 640, 480};
    AdjustWindowRectEx(&frame, 0x02CF0000, FALSE, 0x00020000);
    SetWindowPos(screen, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    settle(screen);
    ASSERT_EQ(clientSize(screen).cx, 640);
    RECT placed{};
    GetWindowRect(box, &placed);
    MapWindowPoints(HWND_DESKTOP, screen, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 50);
    EXPECT_EQ(clientSize(box).cx, 202);
    EXPECT_EQ(clientSize(box).cy, 202);
}

TEST(PointWnd, TheBoxBeneathShowsThrough) {
    std::string placement = placementForClient(60, 60, 640, 480);
    InspectedScreen screen("beneath", placement.data());
    screen.setColor(2);
    screen._moveTo(0, 479.5f);
    screen._lineTo(1279, 479.5f);
    const int y = static_cast<int>(479.5f * screen.frameData().yscale);
    HWND box = openPointWnd(screen, 100, y - 50, 300, y + 50);
    ASSERT_TRUE(IsWindowVisible(box));
    wipe(screen);
    repaint(screen);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    settle(screen);
    EXPECT_EQ(pixel(screen, 200, y), RGB(0, 255, 0));
}
