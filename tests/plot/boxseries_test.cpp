// Data series in a box: dashed and solid polylines, histograms, error bars, points of every
// element type, arrows, text and single items, read back from the EPS file in page units.
#include "plot/boxclass.h"
#include "text/fontclass.h"

#include "plotdrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

using plot_test::drawn;
using plot_test::pathOf;

namespace {

// A frame (10, 20)-(70, 80) showing 0 ... 60 on both axes: data are desk units shifted by
// (10, 20), the tick length is 1, the symbol unit 60 / 5120.
void setUp(desk& d, boxclass& box) {
    box.init(10, 20, 70, 80, 1, 1);
    box.dim(0, 60, 0, 60, -1, -1, 1, 0);
    d.setpenwidth(0.3f);
}

std::string inBox(const std::string& name, const std::function<void(boxclass&)>& draw) {
    return drawn(name, [&](desk& d) {
        boxclass box(d);
        setUp(d, box);
        draw(box);
    });
}

// What the series drew: the path after the frame, with np and st.
std::string seriesPath(const std::string& name, const std::function<void(boxclass&)>& draw) {
    const std::string path = pathOf(inBox(name, draw), true);
    const std::string frame = "l10,20 st ";
    return path.substr(path.find(frame) + frame.size());
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(BoxSeries, DashesRunOnAcrossTheVertices) {
    // Factor 0.5: dashes and gaps of 2.5 over two segments of 4; the end lies in a gap.
    const float x[3] = {10, 14, 18};
    const float y[3] = {10, 10, 10};
    EXPECT_EQ(seriesPath("dash_half", [&](boxclass& box) { box.connectpoints(x, y, 3, 0, 0.5f); }),
              "np m20,30 l22.5,30 m24,30 m25,30 l27.5,30 m28,30 st");
    // Factor 0.2: dashes of 0.4 and gaps of 1.6; this line ends inside its second dash.
    const float shortX[2] = {10, 12.2f};
    EXPECT_EQ(
        seriesPath("dash_fifth", [&](boxclass& box) { box.connectpoints(shortX, y, 2, 0, 0.2f); }),
        "np m20,30 l20.4,30 m22,30 l22.2,30 st");
    // Solid for 1, for a factor of 0 or below, and for a pattern too fine to be seen.
    for (const float dash : {1.0f, 0.0f, -0.5f, 1e-5f})
        EXPECT_EQ(
            seriesPath("dash_solid", [&](boxclass& box) { box.connectpoints(x, y, 3, 0, dash); }),
            "np m20,30 l24,30 l28,30 st")
            << dash;
    // Solid without a tick length: a box without height.
    const std::string flat = pathOf(drawn("dash_flat", [&](desk& d) {
        boxclass box(d);
        box.init(10, 50, 70, 50, 1, 1);
        box.dim(0, 60, 0, 1, -1, -1, 1, 0);
        box.connectpoints(x, y, 3, 0, 0.5f);
    }));
    EXPECT_NE(flat.find("m20,50 l24,50 l28,50"), std::string::npos);
    // A point far outside is passed over, and the pattern goes on where the line comes back.
    const double farX[4] = {10, 1e30, 10, 14};
    const double farY[4] = {10, 10, 12, 12};
    const std::string far =
        seriesPath("dash_far", [&](boxclass& box) { box.connectpoints(farX, farY, 4, 0, 0.5f); });
    EXPECT_EQ(far.rfind("np m20,30 l22.5,30", 0), 0u) << far;
    EXPECT_NE(far.find(" m20,32"), std::string::npos) << far;
}

TEST(BoxSeries, DashesOutsideTheBoxStillSendTheirColour) {
    // Dashes and gaps of 2.5 over 1005 units before the line reaches the box: every dash
    // sends its colour whether it is seen or not, and only the visible ones draw.
    const float x[3] = {-1000, 5, 5};
    const float y[3] = {30, 30, 40};
    const std::string body =
        inBox("dash_outside", [&](boxclass& box) { box.connectpoints(x, y, 3, 0, 0.5f); });
    const std::vector<std::string> steps = plot_test::stepsOf(body);
    const auto frameEnd = std::find(steps.begin(), steps.end(), "l10,20");
    ASSERT_NE(frameEnd, steps.end());
    EXPECT_EQ(std::count(frameEnd, steps.end(), "c"), 201 + 2);
}

TEST(BoxSeries, NothingForNoPointsAndOneStrokeForALine) {
    const std::string none = inBox("series_none", [](boxclass& box) {
        box.connectpoints(static_cast<const int*>(nullptr), nullptr, 0, 0, 1);
        box.showhistogram(static_cast<const float*>(nullptr), nullptr, -1, 0);
        box.showpoints(static_cast<const double*>(nullptr), nullptr, 0, 0, 1, 1);
        box.showerrorbars(static_cast<const long double*>(nullptr), nullptr, nullptr, 0, 8, 0, 1);
        box.showvectors(nullptr, nullptr, 1, 0, 1);
    });
    EXPECT_EQ(none, inBox("series_nothing", [](boxclass&) {}));
    const double x[1] = {5};
    EXPECT_EQ(seriesPath("series_one", [&](boxclass& box) { box.connectpoints(x, x, 1, 0, 1); }),
              "np m15,25 st");
    EXPECT_EQ(seriesPath("series_line", [](boxclass& box) { box.line(0, 0, 60, 60, 3, 1); }),
              "np m10,20 l70,80 st");
}

TEST(BoxSeries, HistogramStandsOnTheLowerEndOfTheRange) {
    const auto histogram = [](const char* name, const auto* x, const auto* y, int n) {
        return seriesPath(name, [=](boxclass& box) {
            box.dim(0, 6, 0, 6, -1, -1, 1, 0);
            box.showhistogram(x, y, n, 3);
        });
    };
    // Bars 0 to 1, 1 to 3 and 3 to 4.5 (the mean width of the others), drawn 10 times larger;
    // int x values are not cut to a whole mean width.
    const std::string expected =
        "np m10,20 l10,40 l20,40 l20,20 l20,70 l40,70 l40,20 l40,30 l55,30 l55,20 st";
    const float xf[3] = {0, 1, 3}, yf[3] = {2, 5, 1};
    const int xi[3] = {0, 1, 3}, yi[3] = {2, 5, 1};
    const long double xl[3] = {0, 1, 3}, yl[3] = {2, 5, 1};
    EXPECT_EQ(histogram("histogram_float", xf, yf, 3), expected);
    EXPECT_EQ(histogram("histogram_int", xi, yi, 3), expected);
    EXPECT_EQ(histogram("histogram_long", xl, yl, 3), expected);
    // One bar alone has no width.
    EXPECT_EQ(histogram("histogram_one", xf, yf, 1), "np m10,20 l10,40 l10,40 l10,20 st");
}

TEST(BoxSeries, ErrorBarsEndInCrossStrokes) {
    const double x[1] = {30}, y[1] = {30}, e[1] = {5};
    const auto bars = [&](const char* name, int s) {
        return seriesPath(name, [&](boxclass& box) { box.showerrorbars(x, y, e, 1, s, 1, 1); });
    };
    // Out to one end, its stroke across (symbol 8 or 9 at 8 times the scale), then the other.
    EXPECT_EQ(bars("errorbars_h", 8), "np m40,50 l45,50 st np m45,50 m45,49.25 l45,50.75 m45,50 "
                                      "st np m40,50 l35,50 st np m35,50 m35,49.25 l35,50.75 "
                                      "m35,50 st");
    EXPECT_EQ(bars("errorbars_v", 9), "np m40,50 l40,55 st np m40,55 m39.25,55 l40.75,55 m40,55 "
                                      "st np m40,50 l40,45 st np m40,45 m39.25,45 l40.75,45 "
                                      "m40,45 st");
    // Any other symbol: bars of no length and the symbol twice on the point.
    const std::string squares = bars("errorbars_square", 1);
    EXPECT_EQ(count(squares, "np m40,50 l40,50 st"), 2u);
    EXPECT_EQ(count(squares, " l"), 2u + 2u * 4u);
}

TEST(BoxSeries, PointsOfEveryElementTypeAlike) {
    const auto points = [](const char* name, const auto* x, const auto* y) {
        return inBox(name, [=](boxclass& box) { box.showpoints(x, y, 2, 2, 1, 1); });
    };
    const int xi[2] = {10, 50}, yi[2] = {20, 40};
    const float xf[2] = {10, 50}, yf[2] = {20, 40};
    const double xd[2] = {10, 50}, yd[2] = {20, 40};
    const long double xl[2] = {10, 50}, yl[2] = {20, 40};
    const std::string ints = points("points_int", xi, yi);
    EXPECT_EQ(points("points_float", xf, yf), ints);
    EXPECT_EQ(points("points_double", xd, yd), ints);
    EXPECT_EQ(points("points_long", xl, yl), ints);
    // Squares around the points in a pen of 0.2 of a fiftieth of the width, restored after.
    EXPECT_NE(pathOf(ints).find("m20,40 m19.25,39.25 l20.75,39.25 l20.75,40.75 l19.25,40.75 "
                                "l19.25,39.25 m60,60 m59.25,59.25"),
              std::string::npos);
    EXPECT_NE(ints.find("0.42 slw\r\n0.333333 1 1 shsb\r\nnp"), std::string::npos);
    EXPECT_EQ(ints.substr(ints.rfind("\n0.")), "\n0.525 slw\r\n");
}

TEST(BoxSeries, ArrowsTextAndSingleItems) {
    const float x[3] = {0, 10, 20}, y[3] = {0, 10, 0};
    const std::string arrows =
        seriesPath("arrows", [&](boxclass& box) { box.showvectors(x, y, 3, 1, 1); });
    EXPECT_EQ(count(arrows, "np m10,20 l20,30 st") + count(arrows, "np m20,30 l30,20 st"), 2u);

    EXPECT_EQ(seriesPath("items",
                         [](boxclass& box) {
                             box.rec(0, 0, 10, 5, 2);
                             box.pset(30, 30, 1);
                             box.setsymbol(30, 30, 1, 0, 1);
                         }),
              "np m10,20 l10,25 l20,25 l20,20 l10,20 st np m40,50 l40,50 st "
              "np m40,50 m39.25,50 l40.75,50 m40,50.75 l40,49.25 st");

    // Text at twice the size, the renderer's unit following the box's height.
    const std::string boxText =
        inBox("text_box", [](boxclass& box) { box.hwrite(30, 30, "Ab", 3, FONT_ROMAN, 1, 0, 0); });
    const std::string deskText = drawn("text_desk", [](desk& d) {
        boxclass box(d);
        setUp(d, box);
        fontclass text(d);
        d.setviewport(10, 20, 70, 80);
        text.hwrite(40, 50, "Ab", 3, FONT_ROMAN, 2, 0, 0);
        d.resetviewport();
    });
    EXPECT_EQ(boxText, deskText);
}
