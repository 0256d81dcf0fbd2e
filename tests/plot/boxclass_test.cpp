// Plot boxes: the frame and ticks a box draws, the automatic steps and the widened range, the
// plotting area, the frame drawn again over a picture, and the ranges a box refuses.
#include "image/bitmap24.h"
#include "plot/boxclass.h"

#include "plotdrawing.h"
#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <type_traits>

using plot_test::drawn;
using plot_test::pathOf;

// Each box owns its text renderer and symbol drawer.
static_assert(!std::is_copy_constructible_v<boxclass> && !std::is_copy_assignable_v<boxclass>);

namespace {

// A frame (10, 20)-(70, 80), 60 units high: the tick length is 1.
std::string ticked(const std::string& name, float x0, float x1, float xstep, float factor = 1,
                   int side = 0) {
    return drawn(name, [=](desk& d) {
        boxclass box(d);
        box.init(10, 20, 70, 80, 1, 1);
        box.dim(x0, x1, 0, 1, xstep, -1, factor, side);
        box.pset(x0, 0.5f, 1);
    });
}

// The x of every tick drawn from (x, from) to (x, to), in order: "10 16 22".
std::string ticksBetween(const std::string& body, const std::string& from, const std::string& to) {
    std::istringstream steps(pathOf(body));
    std::string result, previous;
    for (std::string step; steps >> step; previous = step) {
        const std::size_t comma = step.find(',');
        if (step[0] == 'l' && step.substr(comma + 1) == to && previous[0] == 'm' &&
            previous.substr(1) == step.substr(1, comma - 1) + "," + from)
            result += (result.empty() ? "" : " ") + step.substr(1, comma - 1);
    }
    return result;
}

} // namespace

TEST(Box, FrameAndTicksAsDrawn) {
    const std::string body = drawn("box_frame", [](desk& d) {
        boxclass box(d);
        box.init(10, 20, 70, 80, 1, 1);
        box.dim(0, 2, 0, 1, 1, 0.5f, 1, boxclass::TICKS_INSIDE);
    });
    // Opening; the box's colour; its pen, 0.3 of a fiftieth of the width, and frame; the pen set
    // twice by dim; then ticks up from the bottom and down from the top, in from both sides.
    std::string expected = "c w0.3 c w0.36 np m10,20 c l10,80 c l70,80 c l70,20 c l10,20 cp st "
                           "w0 w0.36";
    for (const char* tick :
         {"10,20 c l10,21", "10,80 c l10,79", "40,20 c l40,21", "40,80 c l40,79", "70,20 c l70,21",
          "70,80 c l70,79", "10,20 c l11,20", "70,20 c l69,20", "10,50 c l11,50", "70,50 c l69,50",
          "10,80 c l11,80", "70,80 c l69,80"})
        expected += std::string(" np m") + tick + " st cp";
    std::string steps;
    for (const std::string& step : plot_test::stepsOf(body))
        steps += (steps.empty() ? "" : " ") + step;
    EXPECT_EQ(steps, expected);
}

TEST(Box, AutomaticStepsAndTheWidenedRange) {
    // A step of 1 on 0 ... 10; 0.5 on 0 ... 3 (0.1 gives 29 intervals, 0.25 twelve, 0.5 six).
    EXPECT_EQ(ticksBetween(ticked("box_auto10", 0, 10, 0), "20", "21"),
              "10 16 22 28 34 40 46 52 58 64 70");
    EXPECT_EQ(ticksBetween(ticked("box_auto3", 0, 3, 0), "20", "21"), "10 20 30 40 50 60 70");
    // 0 ... 1 on y: a step of 0.1, the last tick kept despite the float sum.
    const std::string y = drawn("box_auto1", [](desk& d) {
        boxclass box(d);
        box.init(20, 10, 80, 70, 1, 1);
        box.dim(0, 1, 0, 1, -1, 0, 1, 0);
    });
    EXPECT_NE(pathOf(y).find("m20,64 l21,64 m80,64 l79,64 m20,70 l21,70"), std::string::npos);
    // 0.3 ... 9.7 becomes 0 ... 10, and data are mapped onto that.
    const std::string widened = ticked("box_widened", 0.3f, 9.7f, 0);
    EXPECT_EQ(ticksBetween(widened, "20", "21"), "10 16 22 28 34 40 46 52 58 64 70");
    EXPECT_NE(pathOf(widened).find("m11.8,50 l11.8,50"), std::string::npos);
}

TEST(Box, TicksInsideOutsideOrBothScaledByTheFactor) {
    // Inside twice the tick length, outside four fifths of that.
    const std::string outside = ticked("box_outside", 0, 1, 1, 2, boxclass::TICKS_OUTSIDE);
    EXPECT_EQ(ticksBetween(outside, "20", "18.4"), "10 70");
    EXPECT_EQ(ticksBetween(outside, "80", "81.6"), "10 70");
    EXPECT_EQ(ticksBetween(outside, "20", "22"), "");
    const std::string both = ticked("box_both", 0, 1, 1, 2, boxclass::TICKS_BOTH);
    EXPECT_EQ(ticksBetween(both, "20", "22") + " / " + ticksBetween(both, "20", "18.4"),
              "10 70 / 10 70");
    const std::string other = ticked("box_side1", 0, 1, 1, 2, 1);
    EXPECT_EQ(ticksBetween(other, "20", "22") + " / " + ticksBetween(other, "20", "18.4"),
              "10 70 / ");
}

TEST(Box, DefaultSizeAndThePlottingArea) {
    const std::string path = pathOf(drawn("box_area", [](desk& d) {
        boxclass small(d);
        small.init(0, 0, 0, 0, 1, 1);
        boxclass inset(d);
        inset.init(10, 20, 60, 70, 0.9f, 0.8f);
        inset.dim(0, 1, 0, 1, -1, -1, 1, 0);
        inset.pset(0, 0, 2);
        inset.pset(1, 1, 2);
    }));
    // 35 by 21 at the origin; a tenth of the width and a fifth of the height free on each side.
    EXPECT_EQ(path.rfind("m0,0 l0,21 l35,21 l35,0 l0,0", 0), 0u) << path;
    EXPECT_NE(path.find("m15,30 l15,30 m55,60 l55,60"), std::string::npos) << path;
}

TEST(Box, FrameAndTicksDrawnAgainOverAPictureAndAfterClearing) {
    bitmap24(8, 4).save(const_cast<char*>("box_picture.bmp"));
    float widthAfter = 0;
    const std::string body = drawn("box_bitmap", [&](desk& d) {
        boxclass box(d);
        box.init(10, 20, 70, 80, 1, 1);
        box.dim(0, 1, 0, 1, 1, -1, 1, 0);
        d.setpenwidth(0.8f);
        box.showbmp(0.5f, 0, 1, 1, "box_picture");
        widthAfter = d.getpenwidth();
    });
    EXPECT_FLOAT_EQ(widthAfter, 0.36f);
    const std::size_t picture = body.find("195 510 translate");
    ASSERT_NE(picture, std::string::npos);
    EXPECT_EQ(pathOf(body.substr(picture)), "m10,20 l10,80 l70,80 l70,20 l10,20 m10,20 l10,21 "
                                            "m10,80 l10,79 m70,20 l70,21 m70,80 l70,79");

    // Clearing finishes a file at once; the pen is left as it was.
    desk d;
    d.setfontpath(testing_support::fontDirectory().c_str());
    d.open(EPS, "box_clear");
    boxclass box(d);
    box.init(10, 20, 70, 80, 1, 1);
    d.setpenwidth(0.7f);
    box.clear(CLEAR_AND_EMPTY);
    EXPECT_FLOAT_EQ(d.getpenwidth(), 0.7f);
    EXPECT_TRUE(testing_support::fileExists("box_clear.eps"));
}

TEST(Box, RangesThatCannotBeDrawnEndTheProcess) {
    const float inf = std::numeric_limits<float>::infinity();
    const auto range = [](float x0, float x1, float y0, float y1, float xs, float ys) {
        desk d;
        d.setfontpath(testing_support::fontDirectory().c_str());
        boxclass box(d);
        box.init(10, 20, 70, 80, 1, 1);
        box.dim(x0, x1, y0, y1, xs, ys, 1, 0);
    };
    EXPECT_FATAL(range(1, 1, 0, 1, 0, 0), "Fehler aufgetreten ! \\(4098\\) Plotbox: x-Bereich");
    EXPECT_FATAL(range(0, 1, 2, 1, 0, 0), "Fehler aufgetreten ! \\(4099\\) Plotbox: y-Bereich");
    EXPECT_FATAL(range(std::numeric_limits<float>::quiet_NaN(), 1, 0, 1, 0, 0), "\\(4098\\)");
    EXPECT_FATAL(range(0, 1, 0, inf, 0, 0), "\\(4099\\)");
    // More than 10,000 ticks, steps that never reach the end, a widening beyond the floats.
    EXPECT_FATAL(range(0, 1, 0, 1, 0.00001f, 0), "\\(4098\\)");
    EXPECT_FATAL(range(0, 1, 0, 1, 0, -2), "\\(4099\\)");
    EXPECT_FATAL(range(1e8f, 1e8f + 16, 0, 1, 0, 0), "\\(4098\\)");
    EXPECT_FATAL(range(0, 3.3e38f, 0, 1, 0, 0), "\\(4098\\)");
    EXPECT_FATAL(range(0, 1, 0, 1, inf, 0), "\\(4098\\)");
}
