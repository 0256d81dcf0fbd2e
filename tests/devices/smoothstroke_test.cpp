// Antialiased lines: the coverage of a thin and a wide line against Ghostscript's rendering of
// the same lines (at 16 times the resolution, averaged down), and a stroke that gives the same
// pixels however it is cut into pieces, so that live drawing equals a repaint.
#include "devices/raster/linebatch.h"
#include "devices/raster/rastercanvas.h"

#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t white = RasterCanvas::rgb(255, 255, 255);
constexpr int side = 48;

struct Segment {
    int x0, y0, x1, y1, width;
};
const Segment lines[] = {{4, 5, 40, 22, 1}, {5, 30, 44, 37, 3}, {30, 4, 34, 44, 2}};

// How much of the pixel the black pen covers, from the pixel blended onto white.
double coverageOf(std::uint32_t pixel) {
    const double c = (pixel & 0xff) / 255.0;
    const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    return 1 - linear;
}

std::vector<double> drawnHere() {
    std::vector<std::uint32_t> pixels(side * side, white);
    RasterCanvas canvas;
    canvas.setSmooth(true);
    canvas.attach(pixels.data(), side, side, side);
    for (const Segment& s : lines) {
        canvas.setPen(0, s.width);
        const LinePoint points[] = {{s.x0, s.y0}, {s.x1, s.y1}};
        const unsigned long count = 2;
        canvas.polylines(points, &count, 1);
    }
    std::vector<double> coverage;
    for (std::uint32_t p : pixels)
        coverage.push_back(coverageOf(p));
    return coverage;
}

// The same lines through Ghostscript, each pixel the mean of its 16 x 16 samples; empty when
// it could not be had.
std::vector<double> drawnByGhostscript() {
    constexpr int scale = 16;
    const std::string folder = testing_support::processFolder("smoothstroke");
    std::ostringstream ps;
    ps << "%!PS\n<< /PageSize [" << side << ' ' << side << "] >> setpagedevice\n"
       << "1 setlinecap 1 setlinejoin 0 setgray\n";
    // A pixel's centre (x, y), rows downwards, is (x + 0.5, side - y - 0.5) on the page.
    for (const Segment& s : lines)
        ps << s.width << " setlinewidth newpath " << s.x0 + 0.5 << ' ' << side - s.y0 - 0.5
           << " moveto " << s.x1 + 0.5 << ' ' << side - s.y1 - 0.5 << " lineto stroke\n";
    ps << "showpage\n";
    testing_support::writeFile(folder + "/lines.ps", ps.str());
    if (testing_support::runCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pgmraw -r" +
                                    std::to_string(72 * scale) + " -o " + folder + "/lines.pgm " +
                                    folder + "/lines.ps") != 0)
        return {};
    // The samples are the file's last bytes, after a header of text.
    const std::string pgm = testing_support::readFile(folder + "/lines.pgm");
    const int width = side * scale, height = side * scale;
    const std::size_t samples = static_cast<std::size_t>(width) * height;
    if (pgm.compare(0, 2, "P5") != 0 || pgm.size() < samples) return {};
    const std::size_t start = pgm.size() - samples;
    std::vector<double> coverage(side * side, 0.0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            coverage[(y / scale) * side + x / scale] +=
                (255 - static_cast<unsigned char>(pgm[start + y * width + x])) /
                (255.0 * scale * scale);
    return coverage;
}

std::vector<std::uint32_t> strokeCutAt(const std::vector<LinePoint>& points,
                                       const std::vector<bool>& flushAfter, int width) {
    std::vector<std::uint32_t> pixels(side * side, white);
    RasterCanvas canvas;
    canvas.setSmooth(true);
    canvas.attach(pixels.data(), side, side, side);
    canvas.setPen(RasterCanvas::rgb(20, 90, 200), width);
    LineBatch batch(canvas);
    batch.moveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        batch.lineTo(points[i].x, points[i].y);
        if (flushAfter[i]) batch.flush();
    }
    batch.flush();
    return pixels;
}

} // namespace

TEST(SmoothStroke, CoversAsGhostscriptDoes) {
    if (!testing_support::hasTool("gs")) GTEST_SKIP() << "Ghostscript is not installed here";
    const std::vector<double> here = drawnHere(), reference = drawnByGhostscript();
    ASSERT_EQ(reference.size(), here.size());
    double inkHere = 0, inkThere = 0, worst = 0;
    int edges = 0;
    for (std::size_t i = 0; i < here.size(); ++i) {
        inkHere += here[i];
        inkThere += reference[i];
        worst = std::max(worst, std::fabs(here[i] - reference[i]));
        if (here[i] > 0.1 && here[i] < 0.9) ++edges;
    }
    // As much ink (Ghostscript widens what it fills by a little), each pixel within a fifth of
    // the pixel, and edges in between levels.
    EXPECT_NEAR(inkHere / inkThere, 1.0, 0.05);
    EXPECT_LT(worst, 0.2);
    EXPECT_GT(edges, 100);
}

TEST(SmoothStroke, AStrokeHasTheSamePixelsHoweverItIsCut) {
    // A random walk doubling back on itself, with runs of points in one column.
    std::mt19937 random(7);
    std::vector<LinePoint> walk{{24, 24}};
    for (int i = 0; i < 400; ++i) {
        const LinePoint& at = walk.back();
        const long dx = i % 5 == 0 ? static_cast<long>(random() % 5) - 2 : 0;
        walk.push_back(
            LinePoint{std::min(46L, std::max(1L, at.x + dx)),
                      std::min(46L, std::max(1L, at.y + static_cast<long>(random() % 9) - 4))});
    }
    for (int width : {1, 3}) {
        const std::vector<std::uint32_t> whole =
            strokeCutAt(walk, std::vector<bool>(walk.size(), false), width);
        std::vector<bool> cuts(walk.size());
        for (std::size_t i = 0; i < cuts.size(); ++i)
            cuts[i] = random() % 3 == 0;
        EXPECT_EQ(strokeCutAt(walk, cuts, width), whole) << width;
        EXPECT_EQ(strokeCutAt(walk, std::vector<bool>(walk.size(), true), width), whole) << width;
    }
}

TEST(SmoothStroke, EndsWithThePenAndWithOtherDrawing) {
    std::vector<std::uint32_t> pixels(side * side, white);
    RasterCanvas canvas;
    canvas.setSmooth(true);
    canvas.attach(pixels.data(), side, side, side);
    const std::uint32_t ink = RasterCanvas::rgb(200, 10, 30);
    const auto line = [&] {
        const LinePoint points[] = {{3, 4}, {40, 19}};
        const unsigned long count = 2;
        canvas.polylines(points, &count, 1);
    };
    canvas.setPen(ink, 1);
    line();
    const std::vector<std::uint32_t> once = pixels;
    line(); // the same stroke: nothing changes
    EXPECT_EQ(pixels, once);
    canvas.setPen(0, 1);
    canvas.setPen(ink, 1);
    line(); // a new stroke: its edges laid over the first's
    EXPECT_NE(pixels, once);
    const std::vector<std::uint32_t> twice = pixels;
    canvas.fill(PixelBounds{0, 40, 2, 42}, ink);
    line();
    EXPECT_NE(pixels, twice);
}
