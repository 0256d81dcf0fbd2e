// Fills and true colours on the file devices: the bytes of one fill in each format, the same
// ink on every device for a figure of fills, clipped polygons, opacities and true colours, a
// fill read back from its EPS file, and polygons no device can draw.
#include "desk/desk.h"

#include "support/epsfiles.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"
#include "support/vectorfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using testing_support::readFile;

namespace {

// A triangle, red and opaque; a square in a true colour at half opacity.
void drawTwoFills(desk& d) {
    const float tx[3] = {10, 30, 20}, ty[3] = {10, 10, 25};
    d.fill(tx, ty, 3, 1);
    d.setfillopacity(0.5f);
    const float sx[4] = {40, 50, 50, 40}, sy[4] = {10, 10, 20, 20};
    d.fill(sx, sy, 4, velora::rgb(0, 102, 204));
}

// Fills of every kind under and over lines: opaque and translucent ones overlapping, a
// self-intersecting star cut by the viewport, true-colour lines.
void drawFillFigure(desk& d) {
    d.setpenwidth(1.0f);
    d.line(5, 5, 125, 95, 0);
    const float bx[4] = {10, 60, 60, 10}, by[4] = {10, 10, 50, 50};
    d.fill(bx, by, 4, velora::rgb(230, 159, 0));
    d.setfillopacity(0.3f);
    const float cx[4] = {35, 85, 85, 35}, cy[4] = {30, 30, 70, 70};
    d.fill(cx, cy, 4, 3);
    d.setfillopacity(1.0f);
    d.setviewport(70, 20, 120, 60);
    std::vector<float> x, y;
    for (int k = 0; k < 5; ++k) {
        const double a = 1.5708 + k * 4 * 3.14159265 / 5;
        x.push_back(static_cast<float>(95 + 40 * std::cos(a)));
        y.push_back(static_cast<float>(40 + 40 * std::sin(a)));
    }
    d.fill(x.data(), y.data(), 5, 2);
    d.resetviewport();
    d.line(5, 95, 125, 5, velora::rgb(204, 121, 167));
    d.setpenwidth(0.3f);
    d.rec(20, 75, 40, 90, velora::rgb(0, 158, 115));
}

} // namespace

TEST(Fills, OneFillInEveryFileFormat) {
    {
        desk d;
        d.open(EPS | PLT | SVG, "fill_bytes");
        drawTwoFills(d);
        d.close();
    }
    // Coordinates as every path of the file has them; the colour laid over white at 128 / 255.
    EXPECT_EQ(eps_test::bodyOf(readFile("fill_bytes.eps")),
              "0 0 0 shsb\r\n0.525 slw\r\n"
              "g\r\n0 1 1 shsb\r\nnp\r\n75 470 m\r\n155 470 l\r\n115 530 l\r\ncp\r\nfill\r\ngr\r\n"
              "g\r\n0.498039 0.698824 0.899608 setrgbcolor\r\nnp\r\n195 470 m\r\n235 470 l\r\n"
              "235 510 l\r\n195 510 l\r\ncp\r\nfill\r\ngr\r\n");
    // The outline, then hatch lines 12 plotter units apart (a pen of 0.3 mm), about twice that
    // at half opacity, in the pen nearest the true colour; the pen comes back to where the
    // selector had it.
    const std::string plt = hpgl_test::bodyOf(readFile("fill_bytes.plt"));
    EXPECT_EQ(plt.substr(0, 99), "SP2\r\nPU;\r\nPA720,720\r\nPD;\r\nPA2160,720\r\nPA1440,1800\r\n"
                                 "PA720,720\r\nPU;\r\nPA724,726\r\nPD;\r\nPA2156,726\r\nPU;\r");
    const std::size_t square = plt.find("SP1\r\nPA0,0\r\nSP4\r\n");
    ASSERT_NE(square, std::string::npos);
    const auto rows = [](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = text.find("PD;"); at != std::string::npos;
             at = text.find("PD;", at + 1))
            ++n;
        return n - 1; // the outline's
    };
    EXPECT_EQ(rows(plt.substr(0, square)), 90u);
    EXPECT_EQ(rows(plt.substr(square)), 30u);
    EXPECT_EQ(plt.substr(plt.size() - 10), "SP1\r\nPA0,0");
    EXPECT_EQ(testing_support::hp2xxProblems("fill_bytes.plt"), "");
    const std::string svg = readFile("fill_bytes.svg");
    EXPECT_NE(svg.find(">\n<path fill=\"#ff0000\" d=\"M75-470l80 0-40-60Z\"/>\n"
                       "<path fill=\"#0066cc\" fill-opacity=\"0.501961\" d=\"M195-470l40 0 0-40-40 "
                       "0Z\"/>\n</svg>"),
              std::string::npos)
        << svg;
}

TEST(Fills, EveryFileDeviceShowsTheSameInk) {
    {
        desk d;
        d.open(EPS | PDF | SVG | PLT, "fill_figure");
        drawFillFigure(d);
        d.close();
    }
    EXPECT_EQ(testing_support::ghostscriptProblems("fill_figure.eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems("fill_figure.plt"), "");
    testing_support::expectSameInkAsEps("fill_figure");
}

TEST(Fills, EpsFileReadBackDrawsTheSameFills) {
    {
        desk d;
        d.open(EPS, "fill_read_a");
        drawFillFigure(d);
        d.close();
    }
    {
        desk d;
        d.open(EPS, "fill_read_b");
        d.showeps("fill_read_a");
        d.close();
    }
    const std::string a = eps_test::bodyOf(readFile("fill_read_a.eps"));
    const std::string b = eps_test::bodyOf(readFile("fill_read_b.eps"));
    // The fills come back as they were written; their order among the lines too.
    const auto fills = [](const std::string& body) {
        std::string only;
        for (std::size_t at = body.find("g\r\n"); at != std::string::npos;
             at = body.find("g\r\n", at + 1)) {
            const std::size_t end = body.find("gr\r\n", at);
            if (at > 0 && body[at - 1] != '\n') continue;
            only += body.substr(at, end + 4 - at);
            at = end;
        }
        return only;
    };
    EXPECT_FALSE(fills(a).empty());
    EXPECT_EQ(fills(a), fills(b));
}

TEST(Fills, PolygonsNoDeviceCanDrawFillNothingAndBreakNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    {
        desk d;
        d.open(EPS | PDF | SVG | PLT, "fill_bad");
        const float x[4] = {10, 20, 20, 10}, y[4] = {10, 10, 20, 20};
        d.fill(x, y, 2, 1);
        d.fill(x, y, 0, 1);
        d.fill(x, y, -5, 1);
        d.fill(nullptr, y, 4, 1);
        const float withNan[4] = {10, nan, 20, 10}, withInf[4] = {10, 20, inf, 10};
        d.fill(withNan, y, 4, 1);
        d.fill(withInf, y, 4, 1);
        // A million vertices far beyond the page, winding round it many times: cut to the page.
        std::vector<float> hx, hy;
        for (int i = 0; i < 1000000; ++i) {
            const double a = i * 0.001;
            hx.push_back(static_cast<float>(60 + 1e30 * std::cos(a)));
            hy.push_back(static_cast<float>(50 + 1e30 * std::sin(a)));
        }
        const auto start = std::chrono::steady_clock::now();
        d.fill(hx.data(), hy.data(), static_cast<int>(hx.size()), 5);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                  5.0);
        // Neither a palette index nor a true colour: the EPS writer's last colour, as for lines.
        d.fill(x, y, 4, 0x7000000);
        d.close();
    }
    const std::string eps = eps_test::bodyOf(readFile("fill_bad.eps"));
    EXPECT_EQ(eps.find("nan"), std::string::npos);
    EXPECT_NE(eps.find("g\r\n0 0 1 shsb\r\n"), std::string::npos);
    EXPECT_EQ(testing_support::ghostscriptProblems("fill_bad.eps"), "");
    EXPECT_EQ(testing_support::hp2xxProblems("fill_bad.plt"), "");
    if (testing_support::haveVectorTools()) {
        EXPECT_EQ(testing_support::pdfProblems("fill_bad.pdf"), "");
        EXPECT_EQ(testing_support::svgProblems("fill_bad.svg"), "");
    }
}
