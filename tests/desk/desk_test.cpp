// The desk's own state and figures: defaults, viewport nesting, font path, placement text, box
// counter and layers, rectangles, images, arrows, and whole files against the references.
#include "desk/desk.h"
#include "devices/files/corel.h"
#include "image/bitmap.h"

#include "deskdrawing.h"
#include "support/epsfiles.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <type_traits>

using desk_test::Drawing;
using desk_test::drawOn;
using testing_support::dataPath;
using testing_support::fileExists;
using testing_support::readFile;

static_assert(!std::is_copy_constructible_v<desk> && !std::is_copy_assignable_v<desk>);
static_assert(!std::is_copy_constructible_v<corel> && !std::is_copy_assignable_v<corel>);

namespace {
const std::string opened = "0 0 0 shsb\r\n0.525 slw\r\n";
} // namespace

TEST(Desk, NewDeskDefaults) {
    desk d;
    EXPECT_STREQ(d.getfontpath(), "C:/grafik/velora/lib/Velfont.bin");
    EXPECT_FLOAT_EQ(d.getpenwidth(), 0.3f);
    EXPECT_FLOAT_EQ(d.getviewportheight(), 100.0f);
    EXPECT_EQ(d.isdoublesize(), 1);
    EXPECT_EQ(d.getEbene(), 0u);
    EXPECT_EQ(static_cast<int>(d), 0);
}

TEST(Desk, OpenAndCloseSwitchTheOpenedState) {
    desk d;
    d.open(EPS, "openclose");
    EXPECT_EQ(static_cast<int>(d), 1);
    EXPECT_TRUE(fileExists("openclose.tmp"));
    d.close();
    EXPECT_EQ(static_cast<int>(d), 0);
    EXPECT_TRUE(fileExists("openclose.eps"));
    // A closed desk still takes drawing calls; they reach nothing.
    d.line(1, 1, 2, 2, -1);
}

TEST(Desk, FontPathNamesTheFontFileInTheDirectory) {
    desk d;
    d.setfontpath("D:/fonts");
    EXPECT_STREQ(d.getfontpath(), "D:/fonts/Velfont.bin");
    d.setfontpath("");
    d.setfontpath(nullptr);
    EXPECT_STREQ(d.getfontpath(), "D:/fonts/Velfont.bin");
}

TEST(Desk, DoubleSizePageIsTwiceAsHighButMeasuresInSinglePages) {
    const Drawing drawn = drawOn(
        "double",
        [](desk& d) {
            EXPECT_EQ(d.isdoublesize(), 2);
            EXPECT_FLOAT_EQ(d.getviewportheight(), 100.0f);
            d.pset(10, 200, -1);
            d.pset(10, 200.5f, -1);
            d.setviewport(0, 0, 50, 50);
            EXPECT_FLOAT_EQ(d.getviewportheight(), 25.0f);
        },
        EPS | PLT | DOUBLESIZE);
    EXPECT_EQ(drawn.eps,
              opened + "0 0 0 shsb\r\nnp\r\n75 830 m\r\n75 830 l\r\nst\r\ncp\r\n0 0 0 shsb\r\n");
}

TEST(Desk, ViewportsNestAndOnlyResetEnlargesThem) {
    desk d;
    d.setviewport(10, 10, 50, 50);
    d.setviewport(0, 0, 100, 100);
    EXPECT_FLOAT_EQ(d.getviewportheight(), 40.0f);
    d.setviewport(20, 30, 20, 40); // empty width: ignored
    d.setviewport(20, 30, 30, 30); // empty height: ignored
    EXPECT_FLOAT_EQ(d.getviewportheight(), 40.0f);
    d.setviewport(0, 30, 100, 45);
    EXPECT_FLOAT_EQ(d.getviewportheight(), 15.0f);
    d.resetviewport();
    EXPECT_FLOAT_EQ(d.getviewportheight(), 100.0f);
}

TEST(Desk, FrameOfTheViewportIsARectangleInItsColour) {
    const Drawing drawn = drawOn("frame", [](desk& d) {
        d.setviewport(10, 10, 20, 20);
        d.frameviewport(2);
        d.draw(20, 10, -1); // the desk's colour is still 0
    });
    const std::string green = "0.333333 1 1 shsb\r\n";
    EXPECT_EQ(drawn.eps, opened + "np\r\n75 470 m\r\n" + green + "75 510 l\r\n" + green +
                             "115 510 l\r\n" + green + "115 470 l\r\n" + green +
                             "75 470 l\r\ncp\r\nst\r\n0 0 0 shsb\r\n75 470 m\r\n115 470 l\r\n");
    EXPECT_EQ(drawn.plt, "PA720,720\r\nSP3\r\nPD;\r\nPA720,1440\r\nSP3\r\nPA1440,1440\r\nSP3\r\n"
                         "PA1440,720\r\nSP3\r\nPA720,720\r\nSP1\r\nPA1440,720");
}

TEST(Desk, ColourAndPenWidthReachEveryDevice) {
    const Drawing drawn = drawOn("colourwidth", [](desk& d) {
        d.setcolor(12);
        d.setpenwidth(1);
        EXPECT_FLOAT_EQ(d.getpenwidth(), 1.0f);
        d.pset(10, 10, -1);
    });
    EXPECT_EQ(drawn.eps, opened + "0 0 0.625 shsb\r\n1.75 slw\r\n0 0 0.625 shsb\r\nnp\r\n"
                                  "75 470 m\r\n75 470 l\r\nst\r\ncp\r\n");
    EXPECT_EQ(drawn.plt, "SP13\r\nPW1\r\nSP13\r\nPA720,720\r\nPD;\r\nPA720,720");
}

TEST(Desk, PlacementTextFitsAnyNumbers) {
    EXPECT_STREQ(desk::MakePosSize(10, 20, 640, 480), "pos=(0010,0020) size=(0640,0480)");
    const char* text = desk::MakePosSize(INT_MIN, INT_MAX, -1, INT_MIN);
    EXPECT_STREQ(text, "pos=(-2147483648,2147483647) size=(4294967295,2147483648)");
    // One buffer, overwritten by the next call.
    EXPECT_EQ(desk::MakePosSize(-5, 0, 0, 0), text);
    EXPECT_STREQ(text, "pos=(-005,0000) size=(0000,0000)");
}

TEST(Desk, BoxInstancesAreCountedOverAllDesks) {
    desk first;
    desk second;
    EXPECT_EQ(first.newBoxInstance(), 0);
    EXPECT_EQ(second.newBoxInstance(), 1);
    EXPECT_EQ(first.newBoxInstance(), 2);
}

TEST(Desk, LayersWithoutAScreen) {
    desk d;
    d.open(EPS, "layers");
    d.addEbene();
    EXPECT_EQ(d.getEbene(), 1u);
    EXPECT_EQ(d.setPlotPuffer(3), nullptr);
    EXPECT_EQ(d.getEbene(), 1u);
    d.setviewportbegin();
    d.setdeskposition(10, 10);
    // The page commands of the screen do nothing and say so.
    EXPECT_FALSE(d.copyscreen());
    EXPECT_FALSE(d.savescreen("layers-page.png"));
    EXPECT_FALSE(testing_support::fileExists("layers-page.png"));
    d.close();
}

TEST(Desk, ClearingTheViewportFinishesTheFiles) {
    desk d;
    d.open(EPS | PLT, "cleared");
    d.line(10, 10, 20, 20, -1);
    d.clearviewport(CLEAR_AND_EMPTY);
    EXPECT_TRUE(fileExists("cleared.eps"));
    const std::string eps = readFile("cleared.eps");
    const std::string plt = readFile("cleared.plt");
    d.line(30, 30, 40, 40, -1);
    d.close();
    EXPECT_EQ(readFile("cleared.eps"), eps);
    EXPECT_EQ(readFile("cleared.plt"), plt);
    EXPECT_EQ(plt.substr(plt.size() - 4), "\r\n\r\n");
}

TEST(Desk, LineMatchesTheReferenceFilesOfBothDevicesAtOnce) {
    desk d;
    d.open(EPS | PLT, "line");
    d.line(10, 10, 20, 20, -1);
    d.close();
    EXPECT_EQ(readFile("line.eps"), readFile(dataPath("line.eps")));
    EXPECT_EQ(readFile("line.plt"), readFile(dataPath("plot.plt")));
    EXPECT_EQ(testing_support::ghostscriptProblems("line.eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems("line.plt"), "");
}

TEST(Desk, LineOnThePlotterAloneMatchesTheReference) {
    desk d;
    d.open(PLT, "plot");
    d.line(10, 10, 20, 20, -1);
    d.close();
    EXPECT_EQ(readFile("plot.plt"), readFile(dataPath("plot.plt")));
    EXPECT_FALSE(fileExists("plot.eps"));
}

TEST(Desk, DrawAfterAStrokeStartsWithAMoveInPostScript) {
    const Drawing drawn = drawOn("afterstroke", [](desk& d) {
        d.line(10, 10, 20, 20, -1);
        d.draw(30, 30, -1);
    });
    EXPECT_EQ(drawn.eps, opened + "np\r\n75 470 m\r\n0 0 0 shsb\r\n115 510 l\r\nst\r\ncp\r\n"
                                  "0 0 0 shsb\r\n115 510 m\r\n155 550 l\r\n");
    EXPECT_EQ(drawn.plt, "PA720,720\r\nSP1\r\nPD;\r\nPA1440,1440\r\nSP1\r\nPA2160,2160");
}

TEST(Desk, DrawBeforeAnyMoveStartsAtTheOrigin) {
    const Drawing fresh = drawOn("fresh", [](desk& d) { d.draw(10, 10, -1); });
    EXPECT_EQ(fresh.eps, opened + "0 0 0 shsb\r\n35 430 m\r\n75 470 l\r\n");
    EXPECT_EQ(fresh.plt, "SP1\r\nPD;\r\nPA720,720");
    const Drawing doubled = drawOn(
        "freshdouble", [](desk& d) { d.draw(10, 10, -1); }, EPS | PLT | DOUBLESIZE);
    EXPECT_EQ(doubled.eps, opened + "0 0 0 shsb\r\n35 30 m\r\n75 70 l\r\n");
}

TEST(Desk, OpeningAgainStartsAtTheOriginAgain) {
    desk d;
    d.open(EPS | PLT, "firstround");
    d.line(50, 50, 60, 60, -1);
    d.close();
    d.open(EPS | PLT, "secondround");
    d.draw(10, 10, -1);
    d.close();
    EXPECT_EQ(eps_test::bodyOf(readFile("secondround.eps")),
              opened + "0 0 0 shsb\r\n35 430 m\r\n75 470 l\r\n");
    EXPECT_EQ(hpgl_test::bodyOf(readFile("secondround.plt")), "SP1\r\nPD;\r\nPA720,720");
}
