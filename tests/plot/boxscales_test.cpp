// Log and time axes and the right scale: the ticks and labels of a set of ranges, compared as a
// whole with descriptions a person checked, and the mapping of series onto the scales.
#include "plot/boxclass.h"

#include "plotdrawing.h"
#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <sstream>

using plot_test::pathOf;
using plot_test::textsOf;

namespace {

// The frame (25, 30)-(85, 90): 60 units each way and a tick length of 1.
std::string boxed(const std::string& name, const std::function<void(boxclass&)>& figure) {
    return plot_test::drawn(
        name,
        [&](desk& d) {
            boxclass box(d);
            box.init(25, 30, 85, 90, 1, 1);
            figure(box);
        },
        plot_test::codeFontDirectory());
}

std::string number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// The ticks on the bottom, left and right sides ("bottom 25 1", where and how long) and every
// text with its middle, as lines.
std::string described(const std::string& body) {
    std::ostringstream out;
    std::istringstream steps(pathOf(body));
    float ax = 0, ay = 0;
    for (std::string step; steps >> step;) {
        float x = 0, y = 0;
        if (std::sscanf(step.c_str() + 1, "%f,%f", &x, &y) != 2) continue;
        if (step[0] == 'l') {
            if (ay == 30 && x == ax && y != 30 && std::fabs(y - 30) < 2)
                out << "bottom " << number(x) << " " << number(y - ay) << "\n";
            if (ax == 25 && y == ay && x != 25 && std::fabs(x - 25) < 2)
                out << "left " << number(y) << " " << number(x - ax) << "\n";
            if (ax == 85 && y == ay && x != 85 && std::fabs(x - 85) < 2)
                out << "right " << number(y) << " " << number(x - ax) << "\n";
        }
        ax = x;
        ay = y;
    }
    for (const plot_test::Text& t : textsOf(body))
        out << "text \"" << t.text << "\" " << number(t.middleAlong()) << " "
            << number(t.middleAcross()) << (t.vertical ? " up" : "") << "\n";
    return out.str();
}

// Compares with the checked-in description; VELORA_WRITE_REFERENCES=1 writes it afresh for a
// person to read.
void expectReference(const std::string& name, const std::string& text) {
    const std::string path = testing_support::dataPath("scales/" + name);
    if (std::getenv("VELORA_WRITE_REFERENCES")) testing_support::writeFile(path, text);
    EXPECT_EQ(text, testing_support::readFile(path)) << "see " << path;
}

// One x axis of the given scale, labelled, with a y axis without ticks.
std::string axis(const std::string& name, int scale, float min, float max,
                 const std::function<void(boxclass&)>& setup = {}) {
    std::string file = "scales_" + name;
    for (char& c : file)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return "== " + name + "\n" + described(boxed(file, [&](boxclass& box) {
               box.setscale(boxclass::X_AXIS, scale);
               if (setup) setup(box);
               box.dim(min, max, 0, 1, 0, -1, 1, 0);
               box.label("A", "", 1, 0, FONT_ROMAN, FONT_SANS);
           }));
}

} // namespace

TEST(BoxScales, LogAxisTicksAndLabels) {
    std::string all = axis("1..10", boxclass::LOG10, 1, 10);
    all += axis("1e-3..1e4", boxclass::LOG10, 1e-3f, 1e4f);
    all += axis("3e-7..2e-6", boxclass::LOG10, 3e-7f, 2e-6f);
    all += axis("1e-300..1e300", boxclass::LOG10, 1, 2,
                [](boxclass& box) { box.setrange(boxclass::X_AXIS, 1e-300, 1e300); });
    all += axis("accuracy", boxclass::LOG10, 0.01f, 100,
                [](boxclass& box) { box.setaccuracy(0.01f, -1); });
    expectReference("log-axes.txt", all);
}

TEST(BoxScales, TimeAxisTicksAndLabels) {
    // 2026-12-07 14:05:17 UTC.
    const double start = 1796652317.0;
    const auto from = [&](double origin, int zone = 0) {
        return [=](boxclass& box) {
            box.settimeorigin(origin);
            box.settimezone(zone);
        };
    };
    std::string all = axis("40 s", boxclass::TIME, 0, 40, from(start));
    all += axis("3 h", boxclass::TIME, 0, 3 * 3600, from(start, 60));
    all += axis("9 days", boxclass::TIME, 0, 9 * 86400, from(start));
    all += axis("2 years", boxclass::TIME, 0, 2 * 365.25f * 86400, from(start));
    all += axis("a microsecond", boxclass::TIME, 0, 1e-6f, from(start + 0.25));
    all += axis("before 1970", boxclass::TIME, 0, 7200, from(-86400.5));
    all += axis("after 9999", boxclass::TIME, 0, 30 * 86400, from(253402300799.0));
    expectReference("time-axes.txt", all);
}

TEST(BoxScales, SeriesMapOntoTheScales) {
    // Log-log over 1 .. 100 both ways: a decade is 30 units. Values <= 0 and NaN break the line
    // and are drawn nowhere; a bar's lower end below 0 runs to the frame.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string body = boxed("scales_series", [&](boxclass& box) {
        box.setscale(boxclass::X_AXIS, boxclass::LOG10);
        box.setscale(boxclass::Y_AXIS, boxclass::LOG10);
        box.dim(1, 100, 1, 100, -1, -1, 1, 0);
        const double x[] = {1, 10, 0, 100, nan, 10};
        const double y[] = {1, 10, 5, 100, 5, 1};
        box.connectpoints(x, y, 6, 1, 1);
        const double ex[] = {10}, ey[] = {10}, err[] = {20};
        box.showerrorbars(ex, ey, err, 1, 9, 2, 1);
        const float hx[] = {1, 10}, hy[] = {10, -1};
        box.showhistogram(hx, hy, 2, 3);
    });
    const std::string path = pathOf(body);
    EXPECT_NE(path.find("m25,30 l55,60 m55,60 m85,90 m85,90 m55,30 "), std::string::npos) << path;
    // The bar from 10 up to 30 and down to the bottom edge, its lower end without a stroke.
    EXPECT_NE(path.find("m55,60 l55,74.31"), std::string::npos) << path;
    EXPECT_NE(path.find("m55,60 l55,30"), std::string::npos) << path;
    // Bars of a decade each; the second, of height -1, lies on the base.
    EXPECT_NE(path.find("m25,30 l25,60 l55,60 l55,30 l55,30 l85,30 l85,30"), std::string::npos)
        << path;
}

TEST(BoxScales, RightScaleTicksTheRightSideAndMapsItsSeries) {
    const std::string body = boxed("scales_right", [](boxclass& box) {
        box.setscale(boxclass::Y2_AXIS, boxclass::LOG10);
        box.dim(0, 1, 0, 10, -1, 5, 1, 0);
        box.dimright(1, 1000, 0);
        box.label("", "T", 1, 0, FONT_ROMAN, FONT_SANS);
        box.labelright("p", 1, FONT_ROMAN, FONT_SANS);
        box.useright(true);
        box.line(0, 10, 1, 100, 1, 1);
        box.useright(false);
        box.line(0, 5, 1, 5, 1, 1);
    });
    expectReference("right-scale.txt", described(body));
    const std::string path = pathOf(body);
    EXPECT_NE(path.find("m25,50 l85,70 "), std::string::npos) << path;
    EXPECT_NE(path.find("m25,60 l85,60"), std::string::npos) << path;
}

TEST(BoxScales, RangesALogAxisRefuses) {
    const auto range = [](float y0, float y1) {
        desk d;
        d.setfontpath(testing_support::fontDirectory().c_str());
        boxclass box(d);
        box.init(10, 20, 70, 80, 1, 1);
        box.setscale(boxclass::Y_AXIS, boxclass::LOG10);
        box.dim(0, 1, y0, y1, 0, 0, 1, 0);
    };
    EXPECT_FATAL(range(0, 10), "\\(4099\\)");
    EXPECT_FATAL(range(-1, 10), "\\(4099\\)");
    EXPECT_FATAL(range(1, std::numeric_limits<float>::infinity()), "\\(4099\\)");
    EXPECT_FATAL(range(10, 10), "\\(4099\\)");
}
