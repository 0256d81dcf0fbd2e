// The screen device's records: the first pen, points in list units, pen records only on change,
// clearing by its three flags, and layers chosen by number.
#include "devices/displaylist/plotrecord.h"

#include "screentesting.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace screen_testing;
using Items = std::vector<int>;

static_assert(!std::is_copy_constructible_v<WinScr> && !std::is_copy_assignable_v<WinScr>);
static_assert(!std::is_copy_constructible_v<MainFrame> && !std::is_copy_assignable_v<MainFrame>);
static_assert(!std::is_copy_constructible_v<PointWnd> && !std::is_copy_assignable_v<PointWnd>);
static_assert(!std::is_copy_constructible_v<MessageWnd> && !std::is_copy_assignable_v<MessageWnd>);

namespace {
std::string placement = placementForClient(20, 20, 640, 480);
} // namespace

TEST(ScreenDevice, NewScreenScalesAndFirstRecords) {
    InspectedScreen screen("records", placement.data());
    EXPECT_FLOAT_EQ(screen.frameData().xscale, 640 / 1279.0f);
    EXPECT_FLOAT_EQ(screen.frameData().yscale, 480 / 959.0f);
    PlotPuffer& layer0 = screen.layerList().payload();
    EXPECT_EQ(itemsOf(layer0), (Items{PI_PEN, 0, 2}));
    screen._moveTo(0, 0);
    screen._lineTo(1279, 959);
    screen.setColor(3);
    screen.setColor(3);
    screen.setColor(20);
    EXPECT_EQ(screen.getColor(), 15);
    screen.setPenWidth(100);
    screen.setPenWidth(-1);
    EXPECT_EQ(itemsOf(layer0),
              (Items{PI_PEN, 0,      2,  PI_MOVETO, 0,      3836, PI_LINETO, 5116,   0,  PI_PEN, 3,
                     2,      PI_PEN, 15, 2,         PI_PEN, 15,   62,        PI_PEN, 15, 0}));
    // The pen table remembers each pen made, by colour and total width.
    const int extra = screen.frameData().penExtra;
    EXPECT_GE(screen.pens()[3 + 16 * (2 + extra)], 0);
    EXPECT_EQ(screen.pens()[4 + 16 * (2 + extra)], -1);
}

TEST(ScreenDevice, LinesRectanglesAndDotsAreRecordedOnePixelInward) {
    InspectedScreen screen("figures", placement.data());
    PlotPuffer& layer0 = screen.layerList().payload();
    layer0.reset();
    screen._line(10, 20, 30, 40, 2);
    EXPECT_EQ(itemsOf(layer0), (Items{PI_PEN, 2, 2, PI_MOVETO, 44, 3752, PI_LINETO, 124, 3672}));
    layer0.reset();
    screen.rec(0, 0, 10, 10, 2);
    EXPECT_EQ(layer0.getCounter(), 4u * 6u);
    layer0.reset();
    screen.pset(99, 99, 2);
    // The dot is one device pixel wide, recorded back in list units.
    const Items dot = itemsOf(layer0);
    ASSERT_EQ(dot.size(), 6u);
    EXPECT_EQ(dot[0], PI_MOVETO);
    EXPECT_EQ(dot[3], PI_LINETO);
    EXPECT_EQ(dot[2], dot[5]);
    EXPECT_NEAR(dot[4] - dot[1], 4 / screen.frameData().xscale, 1.0);
    EXPECT_NEAR(dot[1], 400, 8);
}

TEST(ScreenDevice, ClearingByFlagAndLayer) {
    InspectedScreen screen("clearing", placement.data());
    PlotPuffer& layer0 = screen.layerList().payload();
    PlotPuffer* layer1 = screen.setPlotPuffer(1);
    PlotPuffer* layer2 = screen.setPlotPuffer(2);
    ASSERT_NE(layer1, layer2);

    // Flag 2 cuts back to the viewport mark; the pen record that restores the colour follows.
    screen.setPlotPuffer(1);
    screen.setColor(3);
    layer1->setCounter(500);
    layer1->setViewportBegin(120);
    screen.clearrec(0, 0, 100, 100, CUT_TO_VIEWPORT);
    EXPECT_EQ(layer1->getCounter(), 123u);
    screen.setColor(15);
    layer1->setCounter(500);
    screen.clearrec(0, 0, 100, 100, CUT_TO_VIEWPORT);
    EXPECT_EQ(layer1->getCounter(), 120u);

    // Flag 0 on a middle layer empties only that one.
    screen.setColor(3);
    layer0.setCounter(50);
    layer2->setCounter(60);
    screen.clearrec(0, 0, 100, 100, CLEAR_AND_EMPTY);
    EXPECT_EQ(itemsOf(*layer1), (Items{PI_PEN, 3, 0}));
    EXPECT_EQ(layer0.getCounter(), 50u);
    EXPECT_EQ(layer2->getCounter(), 60u);
    // On the first or the last layer it empties all and resets their viewport marks.
    for (unsigned current : {0u, 2u}) {
        layer0.setCounter(50);
        layer1->setCounter(40);
        layer2->setCounter(60);
        layer1->setViewportBegin(7);
        screen.setPlotPuffer(current);
        screen.setColor(3);
        screen.clearrec(0, 0, 100, 100, CLEAR_AND_EMPTY);
        EXPECT_EQ(layer1->getCounter(), 0u);
        EXPECT_EQ(layer1->getViewportBegin(), 0u);
        const PlotPuffer& cleared = current == 0 ? layer0 : *layer2;
        EXPECT_LE(cleared.getCounter(), 3u) << current;
    }

    // Flag 1 clears, cuts back and repaints.
    screen.setPlotPuffer(0);
    layer0.setCounter(30);
    layer0.setViewportBegin(12);
    screen.clearrec(0, 0, 100, 100, CLEAR_TO_VIEWPORT);
    EXPECT_EQ(layer0.getCounter(), 12u + 3u);
}

TEST(ScreenDevice, LayersByNumber) {
    InspectedScreen screen("layers", placement.data());
    EXPECT_EQ(screen.getPlotPufferEbenen(), 0u);
    PlotPuffer* fifth = screen.setPlotPuffer(5); // only one layer is added
    EXPECT_EQ(screen.getPlotPufferEbenen(), 1u);
    EXPECT_EQ(fifth, &screen.layerList().find(1).payload());
    // A new layer has recorded no width: -1 changes nothing there.
    screen.setPenWidth(-1);
    EXPECT_EQ(fifth->getCounter(), 0u);
    screen._moveTo(1, 1);
    screen.setviewportbegin();
    EXPECT_EQ(fifth->getViewportBegin(), 3u);
    EXPECT_EQ(screen.setPlotPuffer(0), &screen.layerList().payload());
}
