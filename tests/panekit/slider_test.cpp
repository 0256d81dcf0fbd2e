// The slider: keys in its number field, Enter with a value out of range, the caption that can be
// emptied, and the scroll bar's thumb dragged and released; every value reaches the parent as
// WM_COMMAND (identifier x 65536, value), a committed one with 13 added.
#include "windowtesting.h"

#include <gtest/gtest.h>

using namespace window_testing;

namespace {

const int ID = 7;
const WPARAM MOVED = ID * 65536;
const WPARAM COMMITTED = ID * 65536 + 13;

struct Command {
    WPARAM wParam;
    LPARAM value;
    bool operator==(const Command& o) const { return wParam == o.wParam && value == o.value; }
};

std::ostream& operator<<(std::ostream& out, const Command& c) {
    return out << "(" << c.wParam << ", " << c.value << ")";
}

// A slider from `minimum` to `highest` in a recording parent, opened and settled at 0.
struct SliderInParent {
    Slider slider;
    RecordingWindow parent;
    HWND field = nullptr;
    HWND caption = nullptr;
    HWND colon = nullptr;
    HWND bar = nullptr;

    SliderInParent(int minimum, int highest, const char* title = nullptr) {
        slider << Values::Flag(11) << reinterpret_cast<void*>(ID);
        slider << Values::Flag(1) << 10 << Values::Flag(2) << 10;
        slider << Values::Flag(3) << 300 << Values::Flag(4) << 60;
        slider << Values::Flag(16) << minimum << Values::Flag(17) << highest;
        if (title) slider << Values::Flag(6) << title;
        parent <= slider;
        parent.open();
        parent.settle();
        field = FindWindowExA(slider, nullptr, "Edit", nullptr);
        caption = FindWindowExA(slider, nullptr, "Static", nullptr);
        colon = FindWindowExA(slider, caption, "Static", nullptr);
        bar = FindWindowExA(slider, nullptr, "SCROLLBARWND", nullptr);
    }

    bool shows(const char* text) {
        return waitUntil([&] { return windowText(field) == text; });
    }
    std::vector<Command> commands() {
        std::vector<Command> found;
        for (const Message& m : parent.messages())
            if (m.message == WM_COMMAND) found.push_back({m.wParam, m.lParam});
        return found;
    }
    bool commandsArrive(std::size_t count) {
        return waitUntil([&] { return commands().size() >= count; });
    }
    void key(WPARAM key) { SendMessageA(field, WM_KEYDOWN, key, 0); }
    RECT placeOf(HWND part) {
        RECT r;
        GetWindowRect(part, &r);
        MapWindowPoints(nullptr, slider, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

} // namespace

TEST(SliderControl, UpAndPageUpStepTheValueAndStopAtTheHighestPosition) {
    SliderInParent s(0, 50);
    ASSERT_TRUE(s.field && s.caption && s.colon && s.bar);
    EXPECT_EQ(classOf(s.slider), "Slider");
    ASSERT_TRUE(s.shows("0"));
    s.parent.clear();

    s.key(VK_UP);
    EXPECT_TRUE(s.shows("1"));
    EXPECT_EQ(s.commands(), (std::vector<Command>{{MOVED, 1}}));
    int position = s.slider << Values::Flag(18);
    EXPECT_EQ(position, 1);

    s.slider << Values::Flag(18) << 45;
    EXPECT_TRUE(s.shows("45"));
    s.parent.clear();
    s.key(VK_PRIOR);
    EXPECT_TRUE(s.shows("50")); // not 55
    EXPECT_EQ(s.commands(), (std::vector<Command>{{MOVED, 50}}));
    s.key(VK_DOWN);
    s.key(VK_NEXT);
    EXPECT_TRUE(s.shows("39"));
    int minimum = s.slider << Values::Flag(16);
    int highest = s.slider << Values::Flag(17);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(highest, 59); // highest position + page - 1
}

TEST(SliderControl, EnterCommitsAValueClampedByTheBar) {
    SliderInParent s(0, 50);
    ASSERT_TRUE(s.shows("0"));
    SetWindowTextA(s.field, "80");
    s.parent.clear();
    s.key(VK_RETURN);
    EXPECT_TRUE(s.shows("50"));
    EXPECT_EQ(s.commands(), (std::vector<Command>{{MOVED, 50}, {COMMITTED, 50}}));
}

TEST(SliderControl, CaptionNumberAndBarShareTheSpaceAndAnEmptyCaptionGivesTheNumberTheRow) {
    SliderInParent s(0, 50, "Regler");
    ASSERT_TRUE(s.shows("0"));
    const int cx = GetSystemMetrics(SM_CXEDGE);
    // "Slider": six characters of seven pixels, and the edges.
    ASSERT_TRUE(waitUntil([&] { return windowSize(s.caption).cx == 6 * 7 + 2 * cx; }));
    RECT caption = s.placeOf(s.caption), colon = s.placeOf(s.colon), field = s.placeOf(s.field);
    RECT bar = s.placeOf(s.bar);
    SIZE whole = clientSize(s.slider);
    EXPECT_TRUE(IsWindowVisible(s.caption));
    EXPECT_EQ(windowText(s.caption), "Slider");
    EXPECT_EQ(colon.left, caption.right);
    EXPECT_EQ(field.left, colon.right);
    EXPECT_EQ(field.right, whole.cx);
    EXPECT_EQ(field.top, 0);
    EXPECT_EQ(bar.top, field.bottom);
    EXPECT_EQ(bar.bottom, whole.cy);
    EXPECT_EQ(bar.right - bar.left, whole.cx);

    s.slider << Values::Flag(15) << "";
    EXPECT_TRUE(
        waitUntil([&] { return !IsWindowVisible(s.caption) && !IsWindowVisible(s.colon); }));
    EXPECT_TRUE(waitUntil([&] { return s.placeOf(s.field).left == 0; }));
    EXPECT_EQ(s.placeOf(s.field).right, whole.cx);

    s.slider << Values::Flag(15) << "Gain";
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(s.caption) && IsWindowVisible(s.colon); }));
    EXPECT_EQ(windowText(s.caption), "Gain");
    EXPECT_TRUE(waitUntil([&] { return windowSize(s.caption).cx == 4 * 7 + 2 * cx; }));
    EXPECT_TRUE(waitUntil([&] { return s.placeOf(s.field).left == s.placeOf(s.colon).right; }));

    // Reading flag 15 gives the slider's own window text.
    char* text = s.slider << Values::Flag(15);
    EXPECT_STREQ(text, "Regler");
}

TEST(SliderControl, DraggingTheThumbReportsEachStepAndReleasingCommits) {
    SliderInParent s(0, 50);
    ASSERT_TRUE(s.shows("0"));
    HWND control = GetWindow(s.bar, GW_CHILD);
    ASSERT_TRUE(waitUntil([&] { return clientSize(control).cx == clientSize(s.bar).cx; }));
    const int x = GetSystemMetrics(SM_CXHSCROLL) + 3;
    const int y = clientSize(control).cy / 2;
    s.parent.clear();
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 50, y));
    PostMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 100, y));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x + 100, y));
    ASSERT_TRUE(waitUntil([&] {
        std::vector<Command> c = s.commands();
        return !c.empty() && c.back().wParam == COMMITTED;
    }));
    std::vector<Command> c = s.commands();
    ASSERT_GE(c.size(), 3u);
    LPARAM released = c.back().value;
    EXPECT_GT(released, 10);
    // Each track step was reported as it came, the last one at the released value.
    for (std::size_t i = 0; i + 1 < c.size(); ++i)
        EXPECT_EQ(c[i].wParam, MOVED);
    EXPECT_LT(c.front().value, released);
    EXPECT_EQ(c[c.size() - 2].value, released);
    EXPECT_EQ(windowText(s.field), std::to_string(released));
}
