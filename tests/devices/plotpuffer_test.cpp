// The display list: its items, strings, capacity rules and growth, the memory it holds, and the
// numbered chain of layers.
#include "devices/displaylist/numberedlist.h"
#include "devices/displaylist/plotpuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

// A display list owns its items: copies would share or double-free them.
static_assert(!std::is_copy_constructible_v<PlotPuffer> && !std::is_copy_assignable_v<PlotPuffer>);

namespace {
std::vector<int> items(const PlotPuffer& list, unsigned long from, unsigned long to) {
    std::vector<int> result;
    for (unsigned long i = from; i < to; ++i)
        result.push_back(list.item(i));
    return result;
}
} // namespace

TEST(PlotPuffer, NewBufferReadsZeroEverywhereAndHoldsLittle) {
    PlotPuffer list;
    EXPECT_EQ(list.getCounter(), 0u);
    EXPECT_EQ(list.getCapacity(), 1000000u);
    EXPECT_EQ(list.getColor(), 0);
    EXPECT_FLOAT_EQ(list.getPenWidth(), -1.0f);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[999999], 0);
    EXPECT_EQ(list.getViewportBegin(), 0u);
    // A new layer does not take 2 MB for items nobody wrote.
    EXPECT_LT(list.storageBytes(), 8u * 1024);
    list.addItem(-77);
    EXPECT_LT(list.storageBytes(), 64u * 1024);
    EXPECT_EQ(list[0], -77); // sign-extended
}

TEST(PlotPuffer, StringsHoldTheirLengthAndBytesInMemoryOrder) {
    PlotPuffer list;
    list.addString("");
    list.addString("abc");
    list.addString("ab");
    EXPECT_EQ(list.getCounter(), 2u + 3u + 3u);
    const auto bytes = [](char first, char second) {
        return static_cast<int>(static_cast<short>(static_cast<unsigned char>(first) |
                                                   static_cast<unsigned char>(second) << 8));
    };
    EXPECT_EQ(items(list, 0, 8),
              (std::vector<int>{1, 0, 4, bytes('a', 'b'), bytes('c', 0), 3, bytes('a', 'b'), 0}));

    unsigned long index = 0;
    EXPECT_STREQ(list.getString(index), "");
    EXPECT_EQ(index, 2u);
    EXPECT_STREQ(list.getString(index), "abc");
    EXPECT_EQ(index, 5u);
    EXPECT_STREQ(list.getString(index), "ab");
    EXPECT_EQ(index, 8u);

    // A text too long for its 16-bit length item is cut where the item still holds it.
    const std::string longName(40000, 'x');
    list.addString(longName.c_str());
    index = 8;
    EXPECT_EQ(std::string(list.getString(index)), longName.substr(0, PlotPuffer::maxStringLength));
    EXPECT_EQ(index, list.getCounter());
}

TEST(PlotPuffer, CounterAndIndexFollowTheCapacity) {
    PlotPuffer list;
    for (short v = 1; v <= 5; ++v)
        list.addItem(v);
    list.setCounter(list.getCapacity());
    EXPECT_EQ(list.getCounter(), 5u);
    list.setCounter(list.getCapacity() - 1);
    EXPECT_EQ(list.getCounter(), list.getCapacity() - 1);
    EXPECT_EQ(list[static_cast<int>(list.getCapacity()) + 2], 3);
    list.setCounter(2); // discarded items stay in memory but are written over next
    list.addItem(9);
    EXPECT_EQ(items(list, 0, 5), (std::vector<int>{1, 2, 9, 4, 5}));
    list.reset();
    EXPECT_EQ(list.getCounter(), 0u);
}

TEST(PlotPuffer, GrowsByAMillionItemsWhenTenAreLeftAndKeepsEverything) {
    PlotPuffer list;
    for (unsigned long i = 0; i < 999991; ++i)
        list.addItem(static_cast<short>(i % 30000));
    EXPECT_EQ(list.getCapacity(), 1000000u);
    list.addItem(-1);
    EXPECT_EQ(list.getCapacity(), 2000000u);
    EXPECT_EQ(list.getCounter(), 999992u);
    EXPECT_EQ(list.item(12345), 12345);
    EXPECT_EQ(list.item(999990), 999990 % 30000);
    EXPECT_EQ(list.item(999991), -1);
    // Memory follows the items written, with at most one block to spare.
    EXPECT_LT(list.storageBytes(), 2 * 999992u + 64u * 1024 + 16u * 1024);
    // A string near the end raises the capacity as its length asks.
    PlotPuffer strings;
    strings.setCounter(999000);
    strings.addString(std::string(1000, 's').c_str());
    EXPECT_EQ(strings.getCapacity(), 2000000u);
}

TEST(PlotPuffer, RecordsHoldWhatTheirItemsWouldAcrossBlocksAndGrowth) {
    // One item first, so that records straddle every block boundary; past the first growth.
    PlotPuffer records, items;
    records.addItem(7);
    items.addItem(7);
    for (int i = 0; i < 340000; ++i) {
        const short x = static_cast<short>(i % 30011), y = static_cast<short>(-(i % 29989));
        records.addRecord(-76, x, y);
        items.addItem(-76);
        items.addItem(x);
        items.addItem(y);
    }
    ASSERT_EQ(records.getCounter(), items.getCounter());
    EXPECT_EQ(records.getCapacity(), items.getCapacity());
    for (unsigned long i = 0; i < items.getCounter(); ++i)
        ASSERT_EQ(records.item(i), items.item(i)) << "item " << i;
}

TEST(PlotPuffer, PenStateAnswersWhetherItChanged) {
    PlotPuffer list;
    EXPECT_EQ(list.isColor(-1), 1);
    EXPECT_EQ(list.isColor(3), 0);
    EXPECT_EQ(list.isColor(3), 1);
    EXPECT_EQ(list.getColor(), 3);
    EXPECT_EQ(list.isPenWidth(-1.0f), 1);
    EXPECT_EQ(list.isPenWidth(0.3f), 0);
    EXPECT_EQ(list.isPenWidth(0.3f), 1);
    list.reset(); // lowering the count keeps what was recorded last
    EXPECT_EQ(list.isColor(3), 1);
}

namespace {
std::vector<int>* destroyed = nullptr;
struct Tracked {
    int number = 0;
    ~Tracked() {
        if (destroyed) destroyed->push_back(number);
    }
};
} // namespace

TEST(NumberedList, NumbersWithoutGapsAndFindsTheLastForUnknownNumbers) {
    std::vector<int> order;
    destroyed = &order;
    {
        NumberedList<Tracked> list;
        list.payload().number = 10;
        list.append().number = 11;
        list.append().number = 12;
        EXPECT_EQ(list.lastIndex(), 2u);
        EXPECT_EQ(list.find(1).payload().number, 11);
        EXPECT_EQ(list.find(7).getIndex(), 2u);
        EXPECT_EQ(list.find(0).payload().number, 10);
    }
    destroyed = nullptr;
    // The chain behind a node goes first, then the node's own object.
    EXPECT_EQ(order, (std::vector<int>{12, 11, 10}));
}
