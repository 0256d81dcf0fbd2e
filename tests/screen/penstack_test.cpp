// The window's pen list and the one rule by which live drawing and the replays find pens.
#include "devices/selector/penstack.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

static_assert(!std::is_copy_constructible_v<PenStack> && !std::is_copy_assignable_v<PenStack>);

namespace {
LOGPEN penOf(HPEN pen) {
    LOGPEN description{};
    GetObjectA(pen, sizeof description, &description);
    return description;
}
} // namespace

TEST(PenStack, ListNumbersAndLookup) {
    PenStack first(0, 0);
    const unsigned base = first.getId();
    first << new PenStack(3, 2);
    first << new PenStack(15, 0);
    EXPECT_EQ(static_cast<unsigned>(first), base + 2);
    EXPECT_EQ(first[static_cast<int>(base + 1)].getColorIndex(), 3u);
    EXPECT_EQ(&first[-1], &first);
    EXPECT_EQ(first[static_cast<int>(base + 99)].getId(), base + 2); // none: the last
    const LOGPEN red = penOf(first[static_cast<int>(base + 1)]);
    EXPECT_EQ(red.lopnWidth.x, 3); // step 2: three pixels
    EXPECT_EQ(red.lopnColor, RGB(0, 0, 255));
    EXPECT_EQ(penOf(first[static_cast<int>(base + 2)]).lopnColor, RGB(252, 252, 252));
}

TEST(PenStack, TableSlotsAndWidePensAreMadeOnce) {
    PenStack first(0, 0);
    std::vector<int> table(PenStack::tableSlots, -1);
    table[0] = static_cast<int>(first.getId());
    EXPECT_EQ(first.penFor(table.data(), 0, 0), static_cast<HPEN>(first));

    HPEN blue = first.penFor(table.data(), 3, 5);
    EXPECT_EQ(table[3 + 16 * 5], static_cast<int>(static_cast<unsigned>(first)));
    EXPECT_EQ(first.penFor(table.data(), 3, 5), blue);
    EXPECT_EQ(penOf(blue).lopnWidth.x, 6);
    // Colours beyond the palette are drawn as 15.
    EXPECT_EQ(first.penFor(table.data(), 20, 1), first.penFor(table.data(), 15, 1));

    // Widths of 64 and more (a printer, a large window) have no slot: found by their width.
    const std::vector<int> before = table;
    HPEN wide = first.penFor(table.data(), 2, 64);
    HPEN wider = first.penFor(table.data(), 2, 200);
    EXPECT_EQ(table, before);
    EXPECT_NE(wide, wider);
    EXPECT_EQ(first.penFor(table.data(), 2, 64), wide);
    EXPECT_EQ(first.penFor(table.data(), 2, 200), wider);
    EXPECT_EQ(penOf(wider).lopnWidth.x, 201);
    // Without a table every pen is found that way.
    EXPECT_EQ(first.penFor(nullptr, 2, 64), wide);
}
