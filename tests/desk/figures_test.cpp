// Arrows and images on the desk: the arrow's head, its pen width and colour, the arrow without
// length, and images placed unclipped.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include "deskdrawing.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using desk_test::Drawing;
using desk_test::drawOn;
using testing_support::readFile;

namespace {
// The lines of the HPGL body that set a pen width, in order.
std::string widthsOf(const std::string& plt) {
    std::string widths;
    for (std::size_t at = plt.find("PW"); at != std::string::npos; at = plt.find("PW", at + 1))
        widths += plt.substr(at, plt.find('\r', at) - at) + " ";
    return widths;
}
} // namespace

TEST(Arrow, ShaftThenFilledAndOutlinedHead) {
    const Drawing drawn = drawOn("arrow", [](desk& d) { d.vector(10, 50, 30, 50, 2, 4); });
    EXPECT_EQ(drawn.plt,
              "SP3\r\n"                                     // the arrow's colour
              "PA720,3600\r\nSP3\r\nPD;\r\nPA2160,3600\r\n" // the shaft
              "PW3.6\r\n"                                   // 0.9 x size
              "PU;\r\nPA1929,3600\r\nSP3\r\nPD;\r\nPA1670,3744\r\nSP3\r\nPA1670,3456\r\n"
              "SP3\r\nPA1929,3600\r\n" // the inner triangle
              "PU;\r\nPA2160,3600\r\nSP3\r\nPD;\r\nPA1584,3888\r\nSP3\r\nPA1584,3312\r\n"
              "SP3\r\nPA2160,3600\r\n" // the outer one
              "PW0.3");                // the old width again
    EXPECT_NE(drawn.eps.find("6.3 slw\r\n"), std::string::npos);
}

TEST(Arrow, LargeHeadsAreLimitedAndColourAndWidthAreLeftAsExpected) {
    const Drawing four = drawOn("arrowfour", [](desk& d) {
        d.setpenwidth(0.5f);
        d.vector(10, 10, 40, 30, 5, 4);
        d.draw(50, 50, -1); // in the arrow's colour
    });
    const Drawing ten = drawOn("arrowten", [](desk& d) {
        d.setpenwidth(0.5f);
        d.vector(10, 10, 40, 30, 5, 10);
        d.draw(50, 50, -1);
    });
    const Drawing undefined = drawOn("arrownan", [](desk& d) {
        d.setpenwidth(0.5f);
        d.vector(10, 10, 40, 30, 5, std::nanf(""));
        d.draw(50, 50, -1);
    });
    EXPECT_EQ(four.plt, ten.plt);
    EXPECT_EQ(four.eps, ten.eps);
    EXPECT_EQ(four.eps, undefined.eps);
    EXPECT_EQ(widthsOf(ten.plt), "PW0.5 PW3.6 PW0.5 ");
    EXPECT_EQ(ten.plt.substr(ten.plt.size() - 16), "SP6\r\nPA3600,3600");
}

TEST(Arrow, NegativeColourDrawsInTheCurrentColour) {
    const Drawing drawn = drawOn("arrowcurrent", [](desk& d) {
        d.setcolor(4);
        d.vector(10, 10, 40, 30, -1, 2);
    });
    // Every pen selection is the current colour's pen; none is for an index below 0.
    std::size_t pens = 0;
    for (std::size_t at = drawn.plt.find("SP"); at != std::string::npos;
         at = drawn.plt.find("SP", at + 1), ++pens)
        EXPECT_EQ(drawn.plt.substr(at, 5), "SP5\r\n");
    EXPECT_EQ(pens, 9u);
}

TEST(Arrow, WithoutLengthIsADotWithoutHead) {
    const Drawing drawn = drawOn("arrowdot", [](desk& d) {
        d.vector(10, 10, 10, 10, 3, 2);
        d.vector(20, 20, 20, 20, 3, std::nanf(""));
    });
    EXPECT_EQ(drawn.plt, "SP4\r\nPA720,720\r\nSP4\r\nPD;\r\nPA720,720\r\n"
                         "SP4\r\nPU;\r\nPA1440,1440\r\nSP4\r\nPD;\r\nPA1440,1440");
    for (const char* file : {"arrowdot.eps", "arrowdot.plt"}) {
        const std::string bytes = readFile(file);
        EXPECT_EQ(bytes.find("nan"), std::string::npos) << file;
        EXPECT_EQ(bytes.find("NaN"), std::string::npos) << file;
    }
}

TEST(Images, PlacedUnclippedOnEveryDevice) {
    bitmap grey(8, 2);
    bitmap24 colour(8, 1);
    const Drawing drawn = drawOn(
        "images",
        [&](desk& d) {
            d.setviewport(0, 0, 10, 10);
            d.putbmp(10, 10, 20, 30, grey);
            d.putbmp(100, 50, 110, 60, colour);
            d.showbmp(0, 0, 1, 1, "missing"); // the plotter only draws where it would go
        },
        PLT);
    EXPECT_EQ(drawn.plt,
              "PU;\r\nPA720,720\r\nPD;\r\nPA1440,720\r\nPA1440,2160\r\nPA720,2160\r\n"
              "PA720,720\r\nPU;\r\n"
              "PU;\r\nPA7200,3600\r\nPD;\r\nPA7920,3600\r\nPA7920,4320\r\nPA7200,4320\r\n"
              "PA7200,3600\r\nPU;\r\n"
              "PU;\r\nPA0,0\r\nPD;\r\nPA72,0\r\nPA72,72\r\nPA0,72\r\nPA0,0\r\nPU;");
    const Drawing eps = drawOn(
        "imageseps",
        [&](desk& d) {
            d.setviewport(0, 0, 10, 10);
            d.putbmp(10, 10, 20, 30, grey);
            d.putbmp(100, 50, 110, 60, colour);
        },
        EPS);
    EXPECT_NE(eps.eps.find("75 470 translate\r\n"), std::string::npos);
    EXPECT_NE(eps.eps.find("435 630 translate\r\n"), std::string::npos);
    EXPECT_NE(eps.eps.find("colorimage"), std::string::npos);
}
