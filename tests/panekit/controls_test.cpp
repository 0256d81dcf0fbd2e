// The standard controls: the scroll bar window with its range, page and clamping rules and the
// parent's notifications, the thumb released by the mouse, and the edit field's enter message.
#include "windowtesting.h"

#include <gtest/gtest.h>

using namespace window_testing;

namespace {

const UINT MOVED = WM_USER + 1;

int read(Values& window, int flag) {
    return window << Values::Flag(flag);
}

std::vector<Message> withoutNotifications(const std::vector<Message>& messages) {
    std::vector<Message> kept;
    for (const Message& m : messages)
        if (m.message != WM_COMMAND) kept.push_back(m);
    return kept;
}

SCROLLINFO controlInfo(HWND control) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(control, SB_CTL, &si);
    return si;
}

// A 300 x 20 scroll bar in a recording parent, painted once (which reports its position).
struct BarInParent {
    ScrollBar bar;
    RecordingWindow parent;
    HWND control = nullptr;

    explicit BarInParent(void (*before)(ScrollBar&) = nullptr) {
        bar << Values::Flag(15) << static_cast<unsigned long>(MOVED);
        bar << Values::Flag(1) << 10 << Values::Flag(2) << 10;
        bar << Values::Flag(3) << 300 << Values::Flag(4) << 20;
        if (before) before(bar);
        parent <= bar;
        parent.open();
        parent.settle();
        control = GetWindow(bar, GW_CHILD);
    }

    bool painted() {
        return waitUntil([&] {
            for (const Message& m : parent.messages())
                if (m.message == MOVED) return true;
            return false;
        });
    }
    // The position of the last notification, or -1.
    int lastNotified() {
        std::vector<Message> all = parent.messages();
        for (auto m = all.rbegin(); m != all.rend(); ++m)
            if (m->message == MOVED) return static_cast<int>(m->wParam);
        return -1;
    }
    void request(WORD code) {
        SendMessageA(bar, WM_HSCROLL, code, reinterpret_cast<LPARAM>(control));
    }
};

} // namespace

TEST(ScrollBarWindow, NewBarRunsFromZeroToHundredAndStopsAtItsEnds) {
    BarInParent p;
    ASSERT_TRUE(p.painted());
    EXPECT_EQ(classOf(p.bar), "SCROLLBARWND");
    ASSERT_NE(p.control, nullptr);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, classOf(p.control).c_str(), -1,
                             "SCROLLBAR", -1),
              CSTR_EQUAL);
    // The control fills the window.
    EXPECT_EQ(windowSize(p.control).cx, clientSize(p.bar).cx);
    SCROLLINFO si = controlInfo(p.control);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 109);
    EXPECT_EQ(si.nPage, 10u);
    EXPECT_EQ(si.nPos, 0);
    EXPECT_EQ(read(p.bar, 16), 0);
    EXPECT_EQ(read(p.bar, 17), 109);
    EXPECT_EQ(read(p.bar, 18), 10);
    EXPECT_EQ(read(p.bar, 19), 0);

    p.request(SB_LINEDOWN);
    EXPECT_EQ(p.lastNotified(), 1);
    p.bar << Values::Flag(19) << 95;
    EXPECT_EQ(p.lastNotified(), 95);
    p.request(SB_PAGEDOWN);
    EXPECT_EQ(p.lastNotified(), 100); // not 105
    p.request(SB_LINEDOWN);
    EXPECT_EQ(p.lastNotified(), 100);
    EXPECT_EQ(controlInfo(p.control).nPos, 100);
    p.request(SB_PAGEUP);
    p.request(SB_LINEUP);
    EXPECT_EQ(p.lastNotified(), 89);
    EXPECT_EQ(read(p.bar, 19), 89);
    p.request(SB_ENDSCROLL); // changes nothing, reports nothing
    EXPECT_EQ(p.parent.messages().back().wParam, 89u);
}

TEST(ScrollBarWindow, PageKeepsTheHighestPositionAndPositionsAreClamped) {
    BarInParent p;
    ASSERT_TRUE(p.painted());
    p.bar << Values::Flag(18) << 20;
    EXPECT_EQ(read(p.bar, 17), 119);
    EXPECT_EQ(read(p.bar, 18), 20);
    EXPECT_EQ(controlInfo(p.control).nMax, 119);

    p.parent.clear();
    p.bar << Values::Flag(19) << 500;
    EXPECT_EQ(p.lastNotified(), 100);
    EXPECT_EQ(read(p.bar, 19), 100);
    p.bar << Values::Flag(19) << -3;
    EXPECT_EQ(p.lastNotified(), 0);

    // A minimum above zero, then a highest position under the old one.
    p.bar << Values::Flag(16) << 10 << Values::Flag(17) << 50;
    EXPECT_EQ(read(p.bar, 16), 10);
    EXPECT_EQ(read(p.bar, 17), 69);
    p.bar << Values::Flag(19) << 0;
    EXPECT_EQ(p.lastNotified(), 10);
    p.bar << Values::Flag(19) << 60;
    EXPECT_EQ(p.lastNotified(), 50);
    // A highest position equal to the stored maximum is still a new highest position.
    p.bar << Values::Flag(17) << 69;
    EXPECT_EQ(read(p.bar, 17), 88);
    // A minimum above the maximum raises the maximum with it.
    p.bar << Values::Flag(16) << 200;
    EXPECT_EQ(read(p.bar, 17), 200);
    EXPECT_EQ(p.lastNotified(), 200);
}

TEST(ScrollBarWindow, PropertiesWrittenBeforeOpeningApplyAtTheFirstPaint) {
    BarInParent p([](ScrollBar& bar) { bar << Values::Flag(18) << 20 << Values::Flag(19) << 42; });
    ASSERT_TRUE(p.painted());
    EXPECT_EQ(p.lastNotified(), 42);
    SCROLLINFO si = controlInfo(p.control);
    EXPECT_EQ(si.nPage, 20u);
    EXPECT_EQ(si.nMax, 119);
    EXPECT_EQ(si.nPos, 42);
}

TEST(ScrollBarWindow, ReleasingTheThumbCommitsWithEnterThenReportsThePosition) {
    BarInParent p;
    ASSERT_TRUE(p.painted());
    // At position 0 the thumb begins right behind the left arrow.
    const int x = GetSystemMetrics(SM_CXHSCROLL) + 3;
    const int y = clientSize(p.control).cy / 2;
    p.parent.clear();
    // The mouse, as the control's own tracking loop reads it.
    PostMessageA(p.control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(p.control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 40, y));
    PostMessageA(p.control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 80, y));
    PostMessageA(p.control, WM_LBUTTONUP, 0, MAKELPARAM(x + 80, y));
    ASSERT_TRUE(waitUntil([&] {
        for (const Message& m : p.parent.messages())
            if (m.message == WM_KEYDOWN) return true;
        return false;
    }));
    ASSERT_TRUE(p.parent.waitForCount(1));
    std::vector<Message> seen = p.parent.messages();
    // Track steps first, each reported; then Enter; then the released position.
    std::size_t enter = 0;
    while (enter < seen.size() && seen[enter].message != WM_KEYDOWN)
        ++enter;
    ASSERT_GE(enter, 2u);
    ASSERT_TRUE(waitUntil([&] { return p.parent.messages().size() > enter + 1; }));
    seen = p.parent.messages();
    EXPECT_EQ(seen[enter].wParam, WPARAM(VK_RETURN));
    int tracked = static_cast<int>(seen[enter - 1].wParam);
    for (std::size_t i = 0; i < enter; ++i)
        EXPECT_EQ(seen[i].message, MOVED);
    EXPECT_GT(tracked, static_cast<int>(seen[0].wParam));
    EXPECT_GT(tracked, 20); // 80 pixels of a 268-pixel track over 101 positions
    EXPECT_EQ(seen[enter + 1].message, MOVED);
    EXPECT_EQ(static_cast<int>(seen[enter + 1].wParam), tracked);
    EXPECT_EQ(read(p.bar, 19), tracked);
}

TEST(EditField, EnterAndTabSendTheEnterMessageOtherKeysGoToTheParent) {
    Edit reporting, silent;
    RecordingWindow parent;
    reporting << Values::Flag(15) << 1026;
    reporting << Values::Flag(3) << 120 << Values::Flag(4) << 24;
    silent << Values::Flag(2) << 40 << Values::Flag(3) << 120 << Values::Flag(4) << 24;
    parent <= reporting <= silent;
    ASSERT_EQ(parent.open(), 1);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, classOf(reporting).c_str(), -1,
                             "EDIT", -1),
              CSTR_EQUAL);

    SendMessageA(reporting, WM_KEYDOWN, VK_RETURN, 0x1C0001);
    std::vector<Message> seen = parent.messages();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, 1026u);
    EXPECT_EQ(seen[0].wParam, WPARAM(VK_RETURN));
    EXPECT_EQ(seen[0].lParam, 0x1C0001);

    parent.clear();
    SendMessageA(silent, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(parent.messages().empty());

    parent.clear();
    SendMessageA(reporting, WM_KEYDOWN, VK_TAB, 0);
    seen = withoutNotifications(parent.messages()); // the focus moves: EN_SETFOCUS
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(seen[0].wParam, WPARAM(VK_TAB));
    EXPECT_EQ(seen[1].message, 1026u);
    EXPECT_EQ(seen[1].wParam, WPARAM(VK_TAB));

    parent.clear();
    SetWindowTextA(reporting, "12");
    SendMessageA(reporting, WM_KEYDOWN, VK_END, 0);
    seen = withoutNotifications(parent.messages()); // EN_CHANGE of the new text
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, UINT(WM_KEYDOWN));
    EXPECT_EQ(seen[0].wParam, WPARAM(VK_END));
    EXPECT_EQ(windowText(reporting), "12");
}
