// The filled items of a box: a figure of a band with a gap, an area to a level, filled bars,
// solid markers of every shape and a legend, compared as a whole with an EPS body a person
// checked, and with the same ink in its PDF and SVG files.
#include "plot/boxclass.h"

#include "support/epsfiles.h"
#include "support/testfiles.h"
#include "support/vectorfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

void drawFigure(desk& d) {
    boxclass box(d);
    box.init(30, 22, 126, 96, 0.95f, 0.95f);
    box.dim(0, 10, -2, 3, 0, 0, 1, 0);
    box.label("t // s", "U // V", 1.0f, 0, FONT_ROMAN, FONT_SANS);
    double x[41], fit[41], low[41], high[41], data[41];
    for (int i = 0; i < 41; ++i) {
        x[i] = 0.25 * i;
        fit[i] = 1.2 * std::sin(0.8 * x[i]);
        low[i] = fit[i] - 0.3 - 0.03 * i;
        high[i] = fit[i] + 0.3 + 0.03 * i;
        data[i] = fit[i] + 0.25 * std::sin(7.0 * i);
    }
    // No value at one point: the band stops there and starts again after it.
    high[17] = std::numeric_limits<double>::quiet_NaN();
    const double barX[8] = {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5};
    const double barY[8] = {-1.0, -0.4, 0.3, 1.1, 0.6, -0.2, -1.3, -0.8};
    d.setfillopacity(0.5f);
    box.fillto(x, data, 41, -2.0, velora::seriescolor(5));
    d.setfillopacity(1.0f);
    box.showbars(barX, barY, 8, velora::seriescolor(1), 0);
    d.setfillopacity(0.3f);
    box.fillbetween(x, low, high, 41, velora::seriescolor(0));
    d.setfillopacity(1.0f);
    box.connectpoints(x, fit, 41, velora::seriescolor(0), 1.0f);
    for (int shape = 0; shape <= 7; ++shape) {
        const double px = 1.0 + shape, py = 2.5;
        box.showpoints(&px, &py, 1, velora::seriescolor(shape + 2), SYMBOL_FILLED + shape, 1.5f);
    }
    box.showpoints(x, data, 41, velora::seriescolor(4), SYMBOL_FILLED + 5, 0.6f);
    const LegendEntry entries[] = {
        LegendEntry::line("fit", velora::seriescolor(0)),
        LegendEntry::area("1σ band", velora::seriescolor(0), 0.3f),
        LegendEntry::points("measured", velora::seriescolor(4), SYMBOL_FILLED + 5),
        LegendEntry::area("counts", velora::seriescolor(1)),
    };
    box.legend(entries, 4);
    const LegendEntry dashed[] = {{"model, dashed", 1, 0.5f, 1, 0.0f}};
    box.legendat(dashed, 1, 0.5, -1.2, 0.7f);
}

} // namespace

TEST(BoxFills, FigureOfEveryFilledItem) {
    {
        desk d;
        d.setfontpath(testing_support::fontDirectory().c_str());
        d.open(EPS | PDF | SVG | PLT, "box_fills");
        drawFigure(d);
        d.close();
    }
    const std::string body = eps_test::bodyOf(testing_support::readFile("box_fills.eps"));
    const std::string path = testing_support::dataPath("fills/figure.txt");
    if (std::getenv("VELORA_WRITE_REFERENCES")) testing_support::writeFile(path, body);
    EXPECT_EQ(body, testing_support::readFile(path)) << "see " << path;
    EXPECT_EQ(testing_support::ghostscriptProblems("box_fills.eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems("box_fills.plt"), "");
    testing_support::expectSameInkAsEps("box_fills");
}
