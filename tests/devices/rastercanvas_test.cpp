// Lines and rectangles drawn into pixels in memory: the pixels of the window systems' pens (the
// figures below are what they draw), nothing ever written outside the pixels whatever the
// coordinates and widths, and every changed pixel reported.
#include "devices/raster/rastercanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t white = RasterCanvas::rgb(255, 255, 255);
constexpr std::uint32_t ink = RasterCanvas::rgb(200, 10, 30);

struct Page {
    Page(int width, int height) : width(width), height(height), pixels(width * height, white) {
        canvas.attach(pixels.data(), width, height, width);
    }
    std::vector<std::string> picture() const {
        std::vector<std::string> lines;
        for (int y = 0; y < height; ++y) {
            std::string line;
            for (int x = 0; x < width; ++x)
                line += pixels[y * width + x] == white ? '.' : '#';
            lines.push_back(line);
        }
        return lines;
    }
    void polyline(std::vector<LinePoint> points) {
        const unsigned long count = static_cast<unsigned long>(points.size());
        canvas.polylines(points.data(), &count, 1);
    }
    int width, height;
    std::vector<std::uint32_t> pixels;
    RasterCanvas canvas;
};

} // namespace

TEST(RasterCanvas, LinesHaveTheWindowSystemsPixels) {
    Page thin(32, 15);
    thin.canvas.setPen(ink, 1);
    thin.polyline({{3, 3}, {28, 13}});
    // A half across goes to the start in this direction (the eighth pixel, row 7); the last
    // point is left out.
    const std::vector<std::string> thinLine = {
        "................................", "................................",
        "................................", "...##...........................",
        ".....##.........................", ".......###......................",
        "..........##....................", "............###.................",
        "...............##...............", ".................###............",
        "....................##..........", "......................###.......",
        ".........................##.....", "...........................#....",
        "................................"};
    EXPECT_EQ(thin.picture(), thinLine);

    Page wide(32, 15);
    wide.canvas.setPen(ink, 2);
    wide.polyline({{3, 3}, {28, 13}});
    // A band two pixels wide with the pen's dot on both ends.
    const std::vector<std::string> wideLine = {
        "................................", "................................",
        "..##............................", "..#####.........................",
        "...######.......................", "......######....................",
        "........######..................", "...........######...............",
        ".............######.............", "................######..........",
        "..................######........", ".....................######.....",
        ".......................######...", "..........................###...",
        "................................"};
    EXPECT_EQ(wide.picture(), wideLine);
}

TEST(RasterCanvas, BandsAlongTheAxesAndTheDotsOfWiderPens) {
    Page page(12, 12);
    page.canvas.setPen(ink, 3);
    page.polyline({{2, 2}, {9, 2}, {9, 9}});
    const std::vector<std::string> expected = {"............", ".##########.", ".##########.",
                                               ".##########.", "........###.", "........###.",
                                               "........###.", "........###.", "........###.",
                                               "........###.", "........###.", "............"};
    EXPECT_EQ(page.picture(), expected);

    // The round dot: a circle's rows, each symmetric, the middle ones the pen's width.
    std::vector<DotRow> dot;
    RasterCanvas::roundDot(8, dot);
    ASSERT_EQ(dot.size(), 8u);
    EXPECT_EQ(dot.front().dy, -4);
    EXPECT_EQ(dot[4].to - dot[4].from + 1, 8);
    EXPECT_LT(dot.front().to - dot.front().from, dot[4].to - dot[4].from);
}

TEST(RasterCanvas, RectangleIsOutlinedWithThePenAndFilledInside) {
    constexpr std::uint32_t inside = RasterCanvas::rgb(1, 2, 3);
    Page page(12, 10);
    page.canvas.setPen(ink, 1);
    page.canvas.rectangle(8, 6, 2, 2, inside); // corners in either order
    EXPECT_EQ(page.pixels[2 * 12 + 2], ink);
    EXPECT_EQ(page.pixels[5 * 12 + 7], ink); // the last pixel inside the far corner
    EXPECT_EQ(page.pixels[6 * 12 + 8], white);
    EXPECT_EQ(page.pixels[3 * 12 + 3], inside);
    EXPECT_EQ(page.pixels[4 * 12 + 6], inside);

    Page thick(12, 10);
    thick.canvas.setPen(ink, 3);
    thick.canvas.rectangle(3, 3, 9, 8, inside);
    EXPECT_EQ(thick.pixels[2 * 12 + 2], ink); // reaching out by one
    EXPECT_EQ(thick.pixels[4 * 12 + 4], ink); // and in by one
    EXPECT_EQ(thick.pixels[5 * 12 + 5], inside);
    EXPECT_EQ(thick.pixels[8 * 12 + 9], ink);
    EXPECT_EQ(thick.pixels[9 * 12 + 10], white);
}

TEST(RasterCanvas, NothingIsWrittenOutsideThePixelsAndEveryChangeIsReported) {
    // The canvas is a window into a larger buffer, so that a stray write shows.
    constexpr int width = 40, height = 30, margin = 70, pitch = width + 2 * margin;
    constexpr std::uint32_t guard = 0x12345678;
    std::vector<std::uint32_t> buffer(pitch * (height + 2 * margin), guard);
    std::uint32_t* const origin = buffer.data() + margin * pitch + margin;
    for (int y = 0; y < height; ++y)
        std::fill(origin + y * pitch, origin + y * pitch + width, white);
    RasterCanvas canvas;
    canvas.attach(origin, width, height, pitch);

    std::mt19937 random(11);
    std::uniform_int_distribution<int> near(-80, 120), wide(0, 80), choice(0, 9);
    const long far[] = {-(1L << 30), -100000, 100000, 1L << 30};
    for (int round = 0; round < 400; ++round) {
        std::vector<std::uint32_t> before(buffer);
        canvas.setPen(ink + round, wide(random)); // widths 0 ... 80
        std::vector<LinePoint> points(2 + round % 5);
        for (LinePoint& p : points) {
            p.x = choice(random) == 0 ? far[choice(random) % 4] : near(random);
            p.y = choice(random) == 0 ? far[choice(random) % 4] : near(random);
        }
        const unsigned long count = static_cast<unsigned long>(points.size());
        canvas.polylines(points.data(), &count, 1);
        canvas.rectangle(near(random), near(random), near(random), near(random), white);
        canvas.fill(PixelBounds{near(random), near(random), near(random), near(random)}, ink);

        const PixelBounds changed = canvas.takeChanged();
        EXPECT_TRUE(canvas.takeChanged().empty());
        for (int y = 0; y < height + 2 * margin; ++y)
            for (int x = 0; x < pitch; ++x) {
                const std::size_t at = static_cast<std::size_t>(y) * pitch + x;
                const int px = x - margin, py = y - margin;
                const bool onCanvas = px >= 0 && px < width && py >= 0 && py < height;
                if (!onCanvas) {
                    ASSERT_EQ(buffer[at], guard) << "round " << round << " at " << px << "," << py;
                } else if (buffer[at] != before[at]) {
                    ASSERT_TRUE(px >= changed.left && px < changed.right && py >= changed.top &&
                                py < changed.bottom)
                        << "round " << round << " at " << px << "," << py;
                }
            }
    }
}
