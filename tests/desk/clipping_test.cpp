// What move, draw and pset send to the devices: the HPGL file records every pen change and
// point, the EPS file every move and line. Each case pins one rule of the clipping.
#include "desk/desk.h"

#include "deskdrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using desk_test::Drawing;
using desk_test::drawOn;

namespace {
// What opening writes into every EPS file before the drawing.
const std::string opened = "0 0 0 shsb\r\n0.525 slw\r\n";
} // namespace

TEST(Clipping, SegmentAcrossThePageKeepsThePartOnIt) {
    const Drawing drawn = drawOn("across", [](desk& d) {
        d.move(-10, 50);
        d.draw(200, 50, -1);
    });
    EXPECT_EQ(drawn.plt, "SP1\r\nPA0,3600\r\nPD;\r\nPA9599,3600\r\nPU;\r\nPA9599,3600");
    EXPECT_EQ(drawn.eps, opened + "0 0 0 shsb\r\n35 630 m\r\n568.32 630 l\r\n568.32 630 m\r\n");
}

TEST(Clipping, SegmentOutsideSendsOnlyItsColourAndPenUp) {
    const Drawing drawn = drawOn("outside", [](desk& d) {
        d.move(10, 10);
        d.draw(20, 20, -1);
        d.move(150, 50);
        d.draw(150, 80, 2); // invisible, but its colour is sent
        d.draw(150, 90, -1);
    });
    EXPECT_EQ(drawn.plt, "PA720,720\r\nSP1\r\nPD;\r\nPA1440,1440\r\nSP3\r\nPU;\r\nSP1");
    EXPECT_EQ(drawn.eps, opened + "75 470 m\r\n0 0 0 shsb\r\n115 510 l\r\n0.333333 1 1 shsb\r\n"
                                  "0 0 0 shsb\r\n");
}

TEST(Clipping, LeavingTheViewportStopsAtTheExitWithThePenUp) {
    const Drawing drawn = drawOn("leaving", [](desk& d) {
        d.move(10, 50);
        d.draw(200, 50, -1);
        // The current point is the outside end: the way back enters at the edge.
        d.draw(10, 50, -1);
    });
    EXPECT_EQ(drawn.plt, "PA720,3600\r\nSP1\r\nPA720,3600\r\nPD;\r\nPA9599,3600\r\nPU;\r\n"
                         "PA9599,3600\r\nSP1\r\nPA9599,3600\r\nPD;\r\nPA720,3600\r\nPU;\r\n"
                         "PA720,3600");
}

TEST(Clipping, SegmentsInsideContinueWithThePenDown) {
    const Drawing drawn = drawOn("inside", [](desk& d) {
        d.move(10, 10);
        d.draw(20, 10, -1);
        d.draw(20, 20, 1);
    });
    EXPECT_EQ(drawn.plt, "PA720,720\r\nSP1\r\nPD;\r\nPA1440,720\r\nSP2\r\nPA1440,1440");
    EXPECT_EQ(drawn.eps, opened + "75 470 m\r\n0 0 0 shsb\r\n115 470 l\r\n0 1 1 shsb\r\n"
                                  "115 510 l\r\n");
}

TEST(Clipping, SegmentAlongTheBorderDrawsTheBorder) {
    const Drawing drawn = drawOn("border", [](desk& d) {
        d.setviewport(10, 10, 50, 50);
        d.move(5, 10);
        d.draw(60, 10, -1);
    });
    EXPECT_EQ(drawn.plt, "SP1\r\nPA720,720\r\nPD;\r\nPA3600,720\r\nPU;\r\nPA3600,720");
}

TEST(Clipping, ZeroLengthSegmentIsADotInsideAndNothingOutside) {
    const Drawing drawn = drawOn("zerolength", [](desk& d) {
        d.move(150, 50);
        d.draw(150, 50, -1);
        d.move(10, 10);
        d.draw(10, 10, -1);
    });
    EXPECT_EQ(drawn.plt, "SP1\r\nPA720,720\r\nSP1\r\nPD;\r\nPA720,720");
}

TEST(Clipping, StartOnTheBorderIsCollectedTwice) {
    const Drawing drawn = drawOn("borderstart", [](desk& d) {
        d.setviewport(10, 10, 50, 50);
        d.move(10, 30);
        d.draw(0, 30, -1);
    });
    EXPECT_EQ(drawn.plt, "PA720,2160\r\nSP1\r\nPA720,2160\r\nPD;\r\nPA720,2160\r\nPU;\r\n"
                         "PA720,2160");
}

TEST(Clipping, SegmentThroughACornerListsTheCornerTwice) {
    const Drawing drawn = drawOn("corner", [](desk& d) {
        d.move(-10, -10);
        d.draw(10, 10, -1);
    });
    EXPECT_EQ(drawn.plt, "SP1\r\nPA0,0\r\nPD;\r\nPA0,0\r\nPU;\r\nPA0,0\r\nPD;\r\nPA720,720\r\n"
                         "PU;\r\nPA720,720");
}

TEST(Clipping, PointsOnTheBorderAreInside) {
    const Drawing drawn = drawOn("borderpoints", [](desk& d) {
        d.move(0, 0);
        d.pset(133.33f, 100, -1);
        d.pset(133.34f, 100, -1);
    });
    EXPECT_EQ(drawn.plt, "PA0,0\r\nSP1\r\nPA9599,7200\r\nPD;\r\nPA9599,7200\r\nSP1");
}

TEST(Clipping, PsetIsAStrokeOfZeroLengthAndKeepsTheColour) {
    const Drawing drawn = drawOn("pset", [](desk& d) {
        d.pset(10, 10, 3);
        d.pset(20, 10, -1);
    });
    EXPECT_EQ(drawn.eps, opened + "0.666667 1 1 shsb\r\nnp\r\n75 470 m\r\n75 470 l\r\nst\r\ncp\r\n"
                                  "0 0 0 shsb\r\nnp\r\n115 470 m\r\n115 470 l\r\nst\r\ncp\r\n");
    EXPECT_EQ(drawn.plt,
              "SP4\r\nPA720,720\r\nPD;\r\nPA720,720\r\nSP1\r\nPU;\r\nPA1440,720\r\nPD;\r\n"
              "PA1440,720");
}

TEST(Clipping, MoveOutsideSendsNothingAndTheNextDrawEntersAtTheEdge) {
    const Drawing drawn = drawOn("moveoutside", [](desk& d) {
        d.setviewport(10, 10, 50, 50);
        d.move(0, 30);
        d.draw(30, 30, -1);
    });
    EXPECT_EQ(drawn.plt, "SP1\r\nPA720,2160\r\nPD;\r\nPA2160,2160\r\nPU;\r\nPA2160,2160");
}

TEST(Clipping, ViewportsThatDoNotOverlapShowNothing) {
    const Drawing drawn = drawOn("disjoint", [](desk& d) {
        d.setviewport(10, 10, 50, 50);
        d.setviewport(60, 60, 90, 90);
        // The segment crosses the lines of both swapped edges within their extent.
        d.move(0, 55);
        d.draw(100, 55, -1);
        d.pset(55, 55, -1);
        d.frameviewport(-1);
    });
    EXPECT_EQ(drawn.plt, "SP1\r\nSP1\r\nSP1\r\nSP1\r\nSP1\r\nSP1");
}

TEST(Clipping, InfiniteCoordinatesDrawOnlyWhatIsFinite) {
    const float infinity = std::numeric_limits<float>::infinity();
    const Drawing drawn = drawOn("infinite", [&](desk& d) {
        d.move(10, 10);
        d.draw(infinity, 10, -1);
        d.draw(std::nanf(""), 20, -1);
        d.draw(20, 20, -1);
    });
    EXPECT_EQ(drawn.eps.find("nan"), std::string::npos);
    EXPECT_EQ(drawn.eps.find("inf"), std::string::npos);
    EXPECT_EQ(drawn.plt.find("PA-2147483648"), std::string::npos);
}
