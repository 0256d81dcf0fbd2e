// Focus cycling with Tab: the keys are posted to the focused control, which hands them to its
// parent; Shift is held in the window's own thread, where the key state is read.
#include "windowtesting.h"

#include <gtest/gtest.h>

using namespace window_testing;

namespace {

// Presses Tab in whatever has the focus (the parent itself at first) and waits for the focus to
// arrive at `expected`.
bool tabTo(HWND parent, HWND expected) {
    HWND focused = focusInThreadOf(parent);
    PostMessageA(focused ? focused : parent, WM_KEYDOWN, VK_TAB, 0);
    return waitUntil([&] { return focusInThreadOf(parent) == expected; });
}

} // namespace

TEST(FocusCycling, TabWalksThreeChildrenAndWrapsShiftTabWalksBack) {
    Button first, second, third;
    RecordingWindow parent;
    int y = 10;
    for (Button* b : {&first, &second, &third}) {
        *b << Values::Flag(2) << y << Values::Flag(3) << 80 << Values::Flag(4) << 24;
        y += 30;
    }
    parent <= first <= second <= third;
    ASSERT_EQ(parent.open(), 1);
    HWND p = parent;
    HWND a = first, b = second, c = third;
    // The children stand in the order they were registered.
    ASSERT_EQ(childrenOf(p), (std::vector<HWND>{a, b, c}));

    EXPECT_TRUE(tabTo(p, a));
    EXPECT_TRUE(tabTo(p, b));
    EXPECT_TRUE(tabTo(p, c));
    EXPECT_TRUE(tabTo(p, a)); // wraps

    PostMessageA(p, RecordingWindow::SET_SHIFT, 1, 0);
    EXPECT_TRUE(tabTo(p, c)); // wraps backwards to the last child
    EXPECT_TRUE(tabTo(p, b));
    EXPECT_TRUE(tabTo(p, a));
    PostMessageA(p, RecordingWindow::SET_SHIFT, 0, 0);
    EXPECT_TRUE(tabTo(p, b));
}
