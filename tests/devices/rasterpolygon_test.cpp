// Polygons filled into pixels in memory: the window system's pixels (the figure below is what its
// Polygon fills), colours laid over the old ones by the alpha exactly as said, and polygons of a
// million vertices reaching far off the pixels filled in bounds, in time.
#include "devices/raster/rastercanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t white = RasterCanvas::rgb(255, 255, 255);
constexpr std::uint32_t ink = RasterCanvas::rgb(200, 10, 30);

void fill(RasterCanvas& canvas, const std::vector<LinePoint>& points, std::uint32_t colour,
          unsigned alpha = 255) {
    canvas.fillPolygon(points.data(), points.size(), colour, alpha);
}

} // namespace

TEST(RasterPolygon, FillsTheWindowSystemsPixels) {
    constexpr int width = 26, height = 12;
    std::vector<std::uint32_t> pixels(width * height, white);
    RasterCanvas canvas;
    canvas.attach(pixels.data(), width, height, width);
    // A star crossing itself, its middle wound twice; a square with a spike out and back that
    // holds no area; a polygon all on one line.
    fill(canvas, {{6, 0}, {10, 11}, {0, 4}, {12, 4}, {2, 11}}, ink);
    fill(canvas, {{15, 2}, {20, 2}, {20, 5}, {25, 5}, {20, 5}, {20, 9}, {15, 9}}, ink);
    fill(canvas, {{15, 10}, {18, 10}, {21, 10}, {24, 10}}, ink);
    fill(canvas, {{1, 1}, {5, 5}}, ink); // fewer than three vertices: nothing
    std::vector<std::string> picture;
    for (int y = 0; y < height; ++y) {
        picture.emplace_back();
        for (int x = 0; x < width; ++x)
            picture.back() += pixels[y * width + x] == white ? '.' : '#';
    }
    // Edges hold their top rows, not their bottom ones, and the pixels at or right of them on
    // their rows: the last row and column of the square are left out, as are the star's tips.
    const std::vector<std::string> expected = {
        "..........................", "......#...................", "......#........#####......",
        ".....###.......#####......", "############...#####......", "..#########....#####......",
        "...#######.....#####......", "....#####......#####......", "....#####......#####......",
        "...##...##................", "...#.....#................", ".........................."};
    EXPECT_EQ(picture, expected);
    const PixelBounds changed = canvas.takeChanged();
    EXPECT_EQ(changed.left, 0);
    EXPECT_EQ(changed.top, 1);
    EXPECT_EQ(changed.right, 20);
    EXPECT_EQ(changed.bottom, 11);
}

TEST(RasterPolygon, AlphaLaysTheColourOverEveryByte) {
    // Every colour byte over every old byte at every alpha, each byte of the pixel alike.
    std::vector<std::uint32_t> row(256);
    RasterCanvas canvas;
    canvas.attach(row.data(), 256, 1, 256);
    long wrong = 0;
    for (unsigned alpha = 0; alpha < 256; ++alpha)
        for (unsigned colour = 0; colour < 256; ++colour) {
            for (unsigned old = 0; old < 256; ++old)
                row[old] = old * 0x01010101u;
            fill(canvas, {{0, 0}, {256, 0}, {256, 1}, {0, 1}}, colour * 0x01010101u, alpha);
            for (unsigned old = 0; old < 256; ++old) {
                const unsigned byte = (colour * alpha + old * (255 - alpha) + 127) / 255;
                wrong += row[old] != byte * 0x01010101u;
            }
        }
    EXPECT_EQ(wrong, 0);
}

TEST(RasterPolygon, PolygonsOfAMillionFarVerticesFillOnlyThePixels) {
    // The canvas is a window into a larger buffer, so that a stray write shows.
    constexpr int width = 40, height = 30, margin = 8, pitch = width + 2 * margin;
    constexpr std::uint32_t guard = 0x12345678;
    std::vector<std::uint32_t> buffer(pitch * (height + 2 * margin), guard);
    std::uint32_t* const origin = buffer.data() + margin * pitch + margin;
    RasterCanvas canvas;
    canvas.attach(origin, width, height, pitch);

    // A million vertices round a circle of radius 2^30 about the canvas: all of it inside.
    constexpr long radius = 1L << 30;
    std::vector<LinePoint> circle(1000000);
    for (std::size_t k = 0; k < circle.size(); ++k) {
        const double angle = 6.283185307179586 * k / circle.size();
        circle[k] = LinePoint{std::lround(radius * std::cos(angle)) + width / 2,
                              std::lround(radius * std::sin(angle)) + height / 2};
    }
    fill(canvas, circle, white);
    // From far above left to far below right through the canvas's corner: the pixels left of
    // the diagonal, not those on it, however long the edge.
    fill(canvas, {{-radius, -radius}, {radius, radius}, {-radius, radius}}, ink);

    long wrong = 0;
    for (int y = -margin; y < height + margin; ++y)
        for (int x = -margin; x < width + margin; ++x) {
            const bool on = x >= 0 && x < width && y >= 0 && y < height;
            const std::uint32_t expected = !on ? guard : (x < y ? ink : white);
            wrong += origin[y * pitch + x] != expected;
        }
    EXPECT_EQ(wrong, 0);
    const PixelBounds changed = canvas.takeChanged();
    EXPECT_EQ(changed.left, 0);
    EXPECT_EQ(changed.top, 0);
    EXPECT_EQ(changed.right, width);
    EXPECT_EQ(changed.bottom, height);
}

TEST(RasterPolygon, SmallPolygonsFillAsThoseReachingFarOff) {
    // Small polygons near the pixels are filled by row from their cuts; the same polygon with a
    // spike far off and back along one line (which winds round no pixel) goes the way of every
    // other polygon. Both must give the same pixels and the same changed rectangle.
    constexpr int width = 48, height = 40;
    std::vector<std::uint32_t> near(width * height), far(width * height);
    RasterCanvas nearCanvas, farCanvas;
    nearCanvas.attach(near.data(), width, height, width);
    farCanvas.attach(far.data(), width, height, width);
    std::mt19937 random(5);
    const auto between = [&random](long low, long high) {
        return std::uniform_int_distribution<long>(low, high)(random);
    };
    long wrongPixels = 0, wrongBounds = 0;
    for (int figure = 0; figure < 20000; ++figure) {
        std::vector<LinePoint> points(between(3, 32));
        const long reach = figure % 2 ? 8 : 40;
        const long cx = between(-10, width + 10), cy = between(-10, height + 10);
        for (LinePoint& p : points)
            p = LinePoint{cx + between(-reach, reach), cy + between(-reach, reach)};
        std::vector<LinePoint> spiked(points);
        spiked.insert(spiked.begin() + 1, {LinePoint{-3000000, 5000000}, points[0]});
        const std::uint32_t colour = static_cast<std::uint32_t>(random());
        const unsigned alpha = figure % 3 ? 255 : static_cast<unsigned>(between(1, 254));
        fill(nearCanvas, points, colour, alpha);
        fill(farCanvas, spiked, colour, alpha);
        wrongPixels += near != far;
        const PixelBounds a = nearCanvas.takeChanged(), b = farCanvas.takeChanged();
        wrongBounds +=
            a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom;
    }
    EXPECT_EQ(wrongPixels, 0);
    EXPECT_EQ(wrongBounds, 0);
}
