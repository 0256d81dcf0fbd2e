// BMP files on the screen: the name rules, the record, the picture drawn at once and on repaint,
// and a missing file that is reported in the error box and ends the process.
#include "devices/displaylist/plotrecord.h"

#include "screentesting.h"
#include "support/bmpfiles.h"
#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using namespace screen_testing;

namespace {

// An 8 x 2 picture, every pixel palette entry 1: pure red.
void writeRedPicture(const std::string& file) {
    testing_support::BmpSpec spec;
    spec.rows = {std::string(8, '\x01'), std::string(8, '\x01')};
    spec.palette = std::string("\0\0\0\0", 4) + std::string("\0\0\xFF\0", 4);
    spec.palette.resize(1024, '\0');
    testing_support::writeFile(file, testing_support::makeBmp(spec));
}

std::string recordedName(PlotPuffer& list) {
    unsigned long at = plotrecord::showBmpHeadLength;
    for (unsigned long i = 0; i < list.getCounter(); ++i)
        if (list.item(i) == PI_SHOWBMP) {
            at = i + plotrecord::showBmpHeadLength;
            return list.getString(at);
        }
    return "<no record>";
}

} // namespace

TEST(ScreenBitmapFile, NamesRecordAndPicture) {
    writeRedPicture("a.bmp");
    writeRedPicture("picture.old.bmp");
    std::string placement = placementForClient(70, 70, 640, 480);
    InspectedScreen screen("bitmaps", placement.data());
    HWND hwnd = screen;
    PlotPuffer& list = screen.layerList().payload();
    for (const char* name : {"a.bmp", "a", "picture.old.bmp"}) {
        list.reset();
        screen.showbmp(100, 100, 300, 200, name);
        EXPECT_EQ(recordedName(list), name[0] == 'p' ? "picture.old.bmp" : "a.bmp");
    }
    // The picture fills its rectangle at once and after a repaint.
    const auto inside = [&] {
        const float xs = screen.frameData().xscale, ys = screen.frameData().yscale;
        return POINT{static_cast<int>(200 * xs), static_cast<int>((959 - 150) * ys)};
    };
    EXPECT_EQ(pixel(hwnd, inside().x, inside().y), RGB(255, 0, 0));
    wipe(hwnd);
    repaint(hwnd);
    EXPECT_EQ(pixel(hwnd, inside().x, inside().y), RGB(255, 0, 0));
    EXPECT_EQ(pixel(hwnd, inside().x, static_cast<int>((959 - 250) * screen.frameData().yscale)),
              RGB(255, 255, 255));
    // A name of any length is handled; one that names no file ends the process.
    const std::string longName(5000, 'n');
    EXPECT_FATAL(
        {
            WindowCloser closer("#32770", "Velora : Fehler aufgetreten !");
            screen.showbmp(0, 0, 10, 10, longName.c_str());
        },
        "nicht ge");
}
