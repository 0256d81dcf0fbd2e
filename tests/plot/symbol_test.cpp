// Plot symbols: the outline of every shape, concentric outlines, the cached program, defaults,
// and the size that follows the viewport's height. Outlines are read back from the EPS file.
#include "desk/desk.h"
#include "plot/symbol.h"

#include "support/epsfiles.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <type_traits>

using testing_support::readFile;

// Each symbol owns its outline buffers.
static_assert(!std::is_copy_constructible_v<symbol> && !std::is_copy_assignable_v<symbol>);

namespace {

// Draws on a desk opened on EPS and PLT and returns the EPS body; both files must be readable.
std::string drawSymbols(const std::string& name, const std::function<void(desk&, symbol&)>& draw,
                        int devices = EPS | PLT) {
    desk d;
    d.open(devices, name.c_str());
    {
        symbol marker(d);
        draw(d, marker);
    }
    d.close();
    EXPECT_EQ(testing_support::ghostscriptProblems(name + ".eps"), "") << name;
    if (devices & PLT) {
        EXPECT_EQ(testing_support::hp2xxProblems(name + ".plt"), "") << name;
    }
    return eps_test::bodyOf(readFile(name + ".eps"));
}

// A viewport 80 units high makes a symbol unit 1/64 unit at scale 1; at scale 8 it is half a
// point in the EPS file. Around the centre (50, 40), at (235, 590) points, each move and line
// then reads back in symbol units: "m-64,-64 l64,-64 ...".
std::string outlineOf(const std::string& name, const std::function<void(symbol&)>& put) {
    const std::string body = drawSymbols(name, [&](desk& d, symbol& marker) {
        d.setviewport(0, 0, 133.33f, 80);
        put(marker);
    });
    std::istringstream lines(body);
    std::string outline;
    double x, y;
    std::string op;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        if (!(words >> x >> y >> op) || (op != "m" && op != "l")) continue;
        outline += (outline.empty() ? "" : " ") + op + std::to_string(int((x - 235) * 2)) + "," +
                   std::to_string(int((y - 590) * 2));
    }
    return outline;
}

std::string outlineOf(const std::string& name, SYMBOL s) {
    return outlineOf(name, [s](symbol& marker) { marker.put(50, 40, s, 0, 8); });
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The end of `text` as long as `expected`, for comparing the last part of an outline.
std::string tailOf(const std::string& text, const std::string& expected) {
    return text.size() < expected.size() ? text : text.substr(text.size() - expected.size());
}

// The width of everything drawn, in points.
double widthOf(const std::string& body) {
    std::istringstream lines(body);
    double x, y, low = 1e9, high = -1e9;
    std::string op;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        if (words >> x >> y >> op && op == "l") {
            low = std::min(low, x);
            high = std::max(high, x);
        }
    }
    return high - low;
}

} // namespace

TEST(Symbol, EveryShapeHasItsOutline) {
    const char* expected[10] = {
        "m0,0 m-64,0 l64,0 m0,64 l0,-64",
        "m0,0 m-64,-64 l64,-64 l64,64 l-64,64 l-64,-64",
        "m0,0 m-64,-64 l0,64 l64,-64 l-64,-64",
        "m0,0 m-64,0 l0,64 l64,0 l0,-64 l-64,0",
        "m0,0 m-64,0 l-32,64 l32,64 l64,0 l32,-64 l-32,-64 l-64,0",
        "", // the circle has a test of its own
        "m0,0 m-64,64 l0,-64 l64,64 l-64,64",
        "m0,0 m-64,64 l64,-64 l-64,-64 l64,64 l-64,64",
        "m0,0 m0,-8 l0,8 m0,0",
        "m0,0 m-8,0 l8,0 m0,0",
    };
    for (int shape = 0; shape < 10; ++shape) {
        if (shape == 5) continue;
        EXPECT_EQ(outlineOf("shape" + std::to_string(shape), shape), expected[shape])
            << "shape " << shape;
    }
}

TEST(Symbol, CircleIsA29GonEndingJustShortOfItsStart) {
    EXPECT_EQ(outlineOf("circle", 5),
              "m0,0 m64,0 l62,13 l58,26 l50,38 l41,48 l29,56 l17,61 l3,63 l-10,63 l-23,59 "
              "l-35,52 l-46,44 l-54,32 l-60,20 l-63,6 l-63,-6 l-60,-20 l-54,-32 l-46,-44 l-35,-52 "
              "l-23,-59 l-10,-63 l3,-63 l17,-61 l29,-56 l41,-48 l50,-38 l58,-26 l62,-13 l63,0");
}

TEST(Symbol, RingBitsAddSmallerOutlinesInside) {
    EXPECT_EQ(outlineOf("rings2", 0x12), "m0,0 m-64,-64 l0,64 l64,-64 l-64,-64 "
                                         "m-56,-56 l0,56 l56,-56 l-56,-56");
    const std::string four = outlineOf("rings4", 0x31);
    EXPECT_EQ(count(four, " m"), 4u);
    EXPECT_NE(four.find("m-40,-40 l40,-40 l40,40 l-40,40 l-40,-40"), std::string::npos);
    EXPECT_EQ(four.find("m-32,-32"), std::string::npos);
    const std::string eight = outlineOf("rings8", 0x71);
    EXPECT_EQ(count(eight, " m"), 8u);
    EXPECT_EQ(tailOf(eight, "m-8,-8 l8,-8 l8,8 l-8,8 l-8,-8"), "m-8,-8 l8,-8 l8,8 l-8,8 l-8,-8");
}

TEST(Symbol, EightCirclesFillTheWholeProgram) {
    const std::string outline = outlineOf("circles8", 0x75);
    EXPECT_EQ(count(outline, " m"), 8u);
    EXPECT_EQ(count(outline, " l"), 8u * 29u);
    EXPECT_EQ(tailOf(outline, "l7,-1 l7,0"), "l7,-1 l7,0");
}

TEST(Symbol, PlusAndStrokesIgnoreTheRingBits) {
    EXPECT_EQ(outlineOf("plusonce", 0x10), outlineOf("plus", 0));
    EXPECT_EQ(outlineOf("strokeonce", 0x18), outlineOf("stroke", 8));
    EXPECT_EQ(outlineOf("hstrokeonce", 0x79), outlineOf("hstroke", 9));
}

TEST(Symbol, ValuesOutsideTheRangeAreSquares) {
    const std::string square = outlineOf("square", 1);
    EXPECT_EQ(outlineOf("above", 122), square);
    EXPECT_EQ(outlineOf("below",
                        [](symbol& marker) {
                            marker.setform(-2);
                            marker.put(50, 40, -1, 0, 8);
                        }),
              square);
}

TEST(Symbol, MinusOneThroughTheDefaultDrawsNothing) {
    const std::string square = outlineOf("squarefirst", 1);
    EXPECT_EQ(outlineOf("nothing",
                        [](symbol& marker) {
                            marker.put(50, 40, 1, 0, 8);
                            marker.setform(-1);
                            marker.put(50, 40, -1, 0, 8);
                        }),
              square + " m0,0");
    // A new symbol has no program yet: its zeroed buffers only move to the centre.
    const std::string unset = outlineOf("nothingyet", [](symbol& marker) {
        marker.setform(-1);
        marker.put(50, 40, -1, 0, 8);
    });
    EXPECT_EQ(unset.find('l'), std::string::npos);
}

TEST(Symbol, ShapesWithoutOutlineRepeatTheLastOne) {
    const std::string circle = outlineOf("circleonly", 5);
    EXPECT_EQ(outlineOf("circleagain",
                        [](symbol& marker) {
                            marker.put(50, 40, 5, 0, 8);
                            marker.put(50, 40, 10, 0, 8);
                        }),
              circle + " " + circle);
}

TEST(Symbol, DefaultsAndTheColourLeftOnTheDesk) {
    const std::string body = drawSymbols("defaults", [](desk& d, symbol& marker) {
        marker.setcolor(3);
        marker.setscale(2);
        marker.setform(3);
        marker.put(50, 50, -1, -1, -1);
        d.draw(60, 60, -1); // in the symbol's colour
        marker.put(50, 50, 0, 1, 1);
    });
    // A diamond in blue, 10 points across at scale 2, then a plus in red.
    const std::string start =
        "0 0 0 shsb\r\n0.525 slw\r\n0.666667 1 1 shsb\r\nnp\r\n235 630 m\r\n225 630 m\r\n";
    EXPECT_EQ(body.substr(0, start.size()), start);
    // The draw goes on from the diamond's last point.
    EXPECT_NE(body.find("st\r\ncp\r\n0.666667 1 1 shsb\r\n225 630 m\r\n275 670 l\r\n"),
              std::string::npos);
    EXPECT_NE(
        body.find("0 1 1 shsb\r\nnp\r\n235 630 m\r\n230 630 m\r\n0 1 1 shsb\r\n240 630 l\r\n"),
        std::string::npos);
}

TEST(Symbol, SizeFollowsTheViewportHeight) {
    // The square spans 128 symbol units: 1/40 of the viewport's height at scale 1.
    const std::string page =
        drawSymbols("sizepage", [](desk&, symbol& marker) { marker.put(50, 50, 1, 0, 1); });
    EXPECT_DOUBLE_EQ(widthOf(page), 4 * 2.5);
    const std::string doubled = drawSymbols(
        "sizedouble", [](desk&, symbol& marker) { marker.put(50, 50, 1, 0, 1); },
        EPS | PLT | DOUBLESIZE);
    EXPECT_DOUBLE_EQ(widthOf(doubled), 4 * 5.0);
    const std::string box = drawSymbols("sizebox", [](desk& d, symbol& marker) {
        d.setviewport(20, 30, 100, 51);
        marker.put(50, 40, 1, 0, 1);
    });
    EXPECT_NEAR(widthOf(box), 4 * 0.525, 0.011);
}
