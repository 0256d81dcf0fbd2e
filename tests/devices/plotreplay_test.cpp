// Records and their replay: the writers' units, the address halves, and what one replay draws
// through the window's and the zoom lens's mappings, compared as whole call logs.
#include "devices/displaylist/numberedlist.h"
#include "devices/displaylist/plotpuffer.h"
#include "devices/displaylist/plotrecord.h"
#include "devices/displaylist/plotreplay.h"
#include "devices/displaylist/replaymapping.h"

#include "replaylog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace plotrecord;

namespace {
std::vector<int> itemsOf(const PlotPuffer& list) {
    std::vector<int> result;
    for (unsigned long i = 0; i < list.getCounter(); ++i)
        result.push_back(list.item(i));
    return result;
}

std::string replay(NumberedList<PlotPuffer>& layers, const ReplayMapping& mapping) {
    ReplayLog log;
    PlotReplay::run(layers, mapping, log);
    return log.text;
}
} // namespace

TEST(PlotRecord, PointsPensAndUnits) {
    PlotPuffer list;
    appendPen(list, 0, widthStep(1.0f));      // the first record of a new screen
    appendPoint(list, PI_MOVETO, 0, 959 - 0); // _moveTo(0, 0)
    appendPoint(list, PI_LINETO, 1279, 959 - 959);
    appendPoint(list, PI_LINETO, 0.99f, -0.99f); // truncated toward zero
    appendPoint(list, PI_LINETO, 9000, -9000);   // beyond 16 bits: held at the limits
    EXPECT_EQ(itemsOf(list), (std::vector<int>{-80, 0, 2, -77, 0, 3836, -76, 5116, 0, -76, 3, -3,
                                               -76, 32767, -32768}));
    EXPECT_EQ(widthStep(100), 62);
    EXPECT_EQ(widthStep(-1), 0);
    EXPECT_EQ(widthStep(0.3f), 0);
    EXPECT_EQ(widthStep(0.5f), 1);
}

TEST(PlotRecord, AddressesSurviveTheirHalves) {
    // A low half of 0x8000 or more comes back unchanged, not sign-extended.
    const std::uintptr_t bits =
        sizeof(void*) == 4 ? 0x1234ABCDu : std::uintptr_t(0x00007FF81234ABCDull);
    const void* address = reinterpret_cast<const void*>(bits);
    short halves[addressItems];
    splitAddress(address, halves);
    EXPECT_EQ(static_cast<unsigned short>(halves[addressItems - 1]), 0xABCD);
    EXPECT_EQ(static_cast<unsigned short>(halves[addressItems - 2]), 0x1234);
    EXPECT_EQ(joinAddress(halves), address);
}

TEST(PlotReplay, WindowMappingDrawsEveryRecordKind) {
    NumberedList<PlotPuffer> layers;
    PlotPuffer& list = layers.payload();
    const char pixels[4] = {};
    const char info[40] = {};
    appendPen(list, 0, 0);                 // slot 0: the device's own pen stays
    appendPoint(list, PI_MOVETO, 0, 959);  // lower-left corner
    appendPoint(list, PI_LINETO, 1279, 0); // upper-right corner
    appendPen(list, 3, 2);
    appendPen(list, 3, 2); // the same slot again: selected once
    appendBitmap(list, 10, 100, 30, 80, 8, 2, pixels, info);
    appendShowBmp(list, 10, 100, 30, 80, "a.bmp");
    list.addItem(1234); // not a record code: skipped
    appendPoint(list, PI_LINETO, 2, 3);
    appendPen(list, 20, 1); // colour beyond the palette reaches the target as it is
    // The window's mapping on a 1279 x 959 client area, unscrolled.
    ReplayLog log;
    PlotReplay::run(layers, ReplayMapping::window(1.0f, 1.0f, 4.0f, 0, 0), log);
    EXPECT_EQ(log.text, "M 0 959\n"
                        "L 1279 0\n"
                        "P 3 2\n"
                        "I 10 80 20 21 8 2\n"
                        "F a.bmp 10 80 21 21\n"
                        "L 2 3\n"
                        "P 20 1\n");
    EXPECT_EQ(log.imagePixels, pixels);
    EXPECT_EQ(log.imageInfo, info);
    // Half size, scrolled by 100 pixels, pens one pixel wider: the first pen is no longer slot 0.
    EXPECT_EQ(replay(layers, ReplayMapping::window(0.5f, 0.5f, 4.0f, 1, 100)),
              "P 0 1\n"
              "M 0 379\n"
              "L 639 -100\n"
              "P 3 3\n"
              "I 5 -60 10 11 8 2\n"
              "F a.bmp 5 -60 11 11\n"
              "L 1 -98\n"
              "P 20 2\n");
}

TEST(PlotReplay, LayersInOrderWithThePenCarriedAcross) {
    NumberedList<PlotPuffer> layers;
    appendPen(layers.payload(), 2, 0);
    appendPoint(layers.payload(), PI_LINETO, 1, 1);
    PlotPuffer& second = layers.append();
    appendPen(second, 2, 0); // the pen of the layer before: nothing to select
    appendPoint(second, PI_LINETO, 2, 2);
    layers.append();                  // empty
    appendPen(layers.append(), 0, 0); // back to slot 0 after another pen: selected
    EXPECT_EQ(replay(layers, ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0)),
              "P 2 0\nL 4 4\nL 8 8\nP 0 0\n");
}

TEST(PlotReplay, ZoomLensShiftsMagnifiesAndWidensPens) {
    NumberedList<PlotPuffer> layers;
    PlotPuffer& list = layers.payload();
    appendPen(list, 1, 2);
    appendPoint(list, PI_MOVETO, 100, 100);
    appendPen(list, 1, 20);
    appendShowBmp(list, 100, 110, 110, 100, "b");
    // Magnification 4, the region from list point (380, 390), lens pen addition 5, the window
    // scrolled by 1 pixel (4 on the lens).
    const ReplayMapping lens = ReplayMapping::zoom(0.5f, 0.5f, 4.0f, 4, 5, -380, -390, 1);
    EXPECT_EQ(replay(layers, lens), "P 1 15\nM 10 1\nP 1 32\nF b 10 1 21 21\n");
}

TEST(PlotReplay, RecordCutShortAtTheEndWaitsForTheNextReplay) {
    NumberedList<PlotPuffer> layers;
    PlotPuffer& list = layers.payload();
    appendPoint(list, PI_MOVETO, 1, 1);
    list.addItem(PI_LINETO);
    list.addItem(8);
    EXPECT_EQ(replay(layers, ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0)), "M 4 4\n");
    list.addItem(8);
    EXPECT_EQ(replay(layers, ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0)), "M 4 4\nL 8 8\n");
    // A file record whose name is still missing.
    appendShowBmp(list, 0, 0, 0, 0, "x");
    list.setCounter(list.getCounter() - 2);
    EXPECT_EQ(replay(layers, ReplayMapping::window(4.0f, 4.0f, 4.0f, 0, 0)), "M 4 4\nL 8 8\n");
}
