// Colour maps, colour bars and contour lines on a box: the cells of a map as the EPS picture
// carries them, contour lines where the data cross their level, and a figure of all of them
// (linear and log maps, the bars, contours over a map) with the same ink in EPS, PDF and SVG.
#include "plot/boxclass.h"

#include "plot/plotdrawing.h"
#include "support/fatal.h"
#include "support/testfiles.h"
#include "support/vectorfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

// The hex rows of the first picture in an EPS body.
std::vector<std::string> pictureRows(const std::string& body) {
    std::vector<std::string> rows;
    std::size_t at = body.find("readhexstring pop}");
    if (at == std::string::npos) return rows;
    at = body.find('\n', at) + 1;
    while (at < body.size() && std::isxdigit(static_cast<unsigned char>(body[at]))) {
        const std::size_t end = body.find_first_of("\r\n", at);
        rows.push_back(body.substr(at, end - at));
        at = body.find('\n', at) + 1;
    }
    return rows;
}

// A box whose data units are simple page units: x 0 ... 3 on 30 ... 90, y 0 ... 2 on 20 ... 80.
void unitBox(boxclass& box) {
    box.init(30, 20, 90, 80, 1, 1);
    box.dim(0, 3, 0, 2, 1, 1, 1, 0);
}

} // namespace

// In colour, row 0 at the bottom, each cell eight columns wide (three cells make no whole row of 8
// otherwise); with a value that is no number the grey ramp shares 255 shades and the cell is
// white, and above the range is the top of the map.
TEST(BoxMaps, CellsCarryTheirValuesThroughTheMap) {
    const std::string body = plot_test::drawn("box_map_cells", [](desk& d) {
        boxclass box(d);
        unitBox(box);
        const double z[6] = {0, 1, 2, 3, noValue, 7};
        box.showmap(0, 0, 3, 2, z, 3, 2, 0, 5, MAP_GREY);
    });
    const std::vector<std::string> rows = pictureRows(body);
    ASSERT_EQ(rows.size(), 2u);
    // Eight columns of red, green and blue per cell.
    const auto cells = [](const char* grey, int count) {
        std::string hex;
        for (int i = 0; i < 3 * 8 * count; ++i)
            hex += grey;
        return hex;
    };
    EXPECT_EQ(rows[0], cells("00", 1) + cells("32", 1) + cells("65", 1));
    EXPECT_EQ(rows[1], cells("99", 1) + cells("ff", 2));
}

// A single value that is no number is one white cell, eight columns wide; a map no picture can
// hold ends the process with the box's message before any value is read.
TEST(BoxMaps, HostileSizesDrawOrEndClearly) {
    const std::string body = plot_test::drawn("box_map_nan", [](desk& d) {
        boxclass box(d);
        unitBox(box);
        const float z = std::numeric_limits<float>::quiet_NaN();
        box.showmap(0, 0, 3, 2, &z, 1, 1, 0, 0, MAP_TURBO);
    });
    EXPECT_EQ(pictureRows(body), std::vector<std::string>{std::string(48, 'f')});
    EXPECT_FATAL(
        {
            desk d;
            d.setfontpath(testing_support::fontDirectory().c_str());
            d.open(EPS, "box_map_huge");
            boxclass box(d);
            unitBox(box);
            const float z = 0;
            box.showmap(0, 0, 3, 2, &z, 20000, 20000, 0, 1, MAP_GREY);
        },
        "Karte mit mehr als 16384 Zellen");
}

// On a log axis the cells sit where their data do: of two cells over 1 ... 100 the first ends at
// 50.5, 85 % of the way across, to within a 2,048th of the frame.
TEST(BoxMaps, CellsOnALogAxisSitAtTheirPlaces) {
    const std::string body = plot_test::drawn("box_map_log", [](desk& d) {
        boxclass box(d);
        box.init(30, 20, 90, 80, 1, 1);
        box.setscale(boxclass::X_AXIS, boxclass::LOG10);
        box.dim(1, 100, 0, 2, 0, 1, 1, 0);
        const double z[2] = {0, 1};
        box.showmap(1, 0, 100, 2, z, 2, 1, 0, 1, MAP_GREY);
    });
    const std::vector<std::string> rows = pictureRows(body);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 6u * 2048);
    const std::size_t dark = rows[0].find("ff") / 6;
    EXPECT_NEAR(dark / 2048.0, std::log10(50.5) / 2, 1.0 / 2048);
    EXPECT_EQ(rows[0].find("00", 6 * dark), std::string::npos);
}

// The plane z = x has its cells' centres at x = 0.5, 1.5, 2.5: level 1 runs upright through
// x = 1 from the centre of the bottom row to that of the top one, one polyline.
TEST(BoxMaps, ContourRunsWhereTheDataCrossTheLevel) {
    const std::string body = plot_test::drawn("box_contour_plane", [](desk& d) {
        boxclass box(d);
        unitBox(box);
        const float z[6] = {0.5f, 1.5f, 2.5f, 0.5f, 1.5f, 2.5f};
        const float level = 1.0f;
        box.contour(z, 3, 2, 0, 0, 3, 2, &level, 1, 1, 0);
    });
    const std::string path = plot_test::pathOf(body);
    EXPECT_TRUE(path.find("m50,35 l50,65") != std::string::npos ||
                path.find("m50,65 l50,35") != std::string::npos)
        << path;
}

TEST(BoxMaps, FigureLooksTheSameOnEveryDevice) {
    {
        desk d;
        d.setfontpath(testing_support::fontDirectory().c_str());
        d.open(EPS | PDF | SVG | PLT, "box_maps");
        std::vector<double> z(40 * 30);
        std::vector<float> intensity(40 * 30);
        for (int j = 0; j < 30; ++j)
            for (int i = 0; i < 40; ++i) {
                const double x = (i - 19.5) / 8, y = (j - 14.5) / 8;
                z[j * 40 + i] = std::exp(-x * x - y * y) - 0.5 * std::exp(-(x - 1.5) * (x - 1.5));
                intensity[j * 40 + i] =
                    static_cast<float>(std::pow(10.0, -3.0 * (x * x + y * y) / 8));
            }
        z[5 * 40 + 7] = noValue;
        {
            boxclass box(d);
            box.init(14, 20, 48, 90, 1, 1);
            box.dim(0, 4, 0, 3, 1, 1, 1, 0);
            box.label("x", "y", 0.5f, 0, FONT_ROMAN, FONT_SANS);
            box.showmap(0, 0, 4, 3, z.data(), 40, 30, 0, 0, MAP_COOLWARM);
            box.contour(z.data(), 40, 30, 0, 0, 4, 3, static_cast<const double*>(nullptr), 0, 0,
                        0.5f);
            box.colorbar(-0.5, 1.0, MAP_COOLWARM, "height");
        }
        {
            boxclass box(d);
            box.init(80, 20, 110, 90, 1, 1);
            box.dim(0, 4, 0, 3, 1, 1, 1, 0);
            box.setscale(boxclass::Z_AXIS, boxclass::LOG10);
            box.showmap(0, 0, 4, 3, intensity.data(), 40, 30, 1e-3, 1, MAP_TURBO);
            box.colorbar(1e-3, 1, MAP_TURBO, "intensity");
        }
        d.close();
    }
    EXPECT_EQ(testing_support::ghostscriptProblems("box_maps.eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems("box_maps.plt"), "");
    testing_support::expectSameInkAsEps("box_maps");
}

// A labelled level carries its value at the middle of its line, and the line is broken under
// it: two pieces, the label's box between them.
TEST(BoxMaps, ContourLabelBreaksItsLine) {
    const std::string body = plot_test::drawn(
        "box_contour_label",
        [](desk& d) {
            boxclass box(d);
            unitBox(box);
            const float z[6] = {0.5f, 1.5f, 2.5f, 0.5f, 1.5f, 2.5f};
            const float level = 1.0f;
            box.contour(z, 3, 2, 0, 0, 3, 2, &level, 1, 1, 0, 0.5f);
        },
        plot_test::codeFontDirectory());
    // The label's box is 5/3 of the text's height tall: the text and a third above and below.
    EXPECT_NE(plot_test::pathOf(body).find("m50,35 l50,48.97 m50,51.02 l50,65"), std::string::npos)
        << plot_test::pathOf(body);
    const std::vector<plot_test::Text> texts = plot_test::textsOf(body);
    ASSERT_EQ(plot_test::wordsOf(texts), std::vector<std::string>{"1"});
    EXPECT_NEAR(texts[0].middleAlong(), 50, 0.01);
    EXPECT_NEAR(texts[0].middleAcross(), 50, 0.01);
}
