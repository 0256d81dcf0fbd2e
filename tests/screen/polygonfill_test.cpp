// The page buffer fills its own polygons, and they must be the window system's: random polygons
// (convex, concave, crossing themselves, with level edges, repeated and collinear vertices, and
// vertices far off the page) filled by its Polygon with no pen and the winding fill mode give the
// same pixels, every one, as the raster canvas gives them.
#include "screen/pagebuffer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

namespace {

constexpr int width = 160, height = 120;

class PolygonMaker {
public:
    explicit PolygonMaker(unsigned seed) : random(seed) {}

    std::vector<LinePoint> make(int kind) {
        std::vector<LinePoint> points(between(3, 14));
        const long cx = between(-20, width + 20), cy = between(-20, height + 20);
        switch (kind) {
        case 0: // convex or star-shaped around a centre: angles in order, radii equal or not
        case 1: {
            const double radius = between(2, 90);
            double angle = between(0, 359) * 0.0174533;
            for (LinePoint& p : points) {
                angle += between(1, 100) * 6.2832 / (100.0 * points.size());
                const double r = kind == 0 ? radius : radius * between(20, 100) / 100.0;
                p = LinePoint{cx + std::lround(r * std::cos(angle)),
                              cy + std::lround(r * std::sin(angle))};
            }
            break;
        }
        case 2: // on a coarse grid: level and upright edges, repeated and collinear vertices
            for (LinePoint& p : points)
                p = LinePoint{cx + 8 * between(-5, 5), cy + 6 * between(-5, 5)};
            break;
        case 3: // crossing itself anywhere, some vertices far off the page; now and then so
                // many that a hundred edges cross a row
            if (between(0, 9) == 0) points.resize(300);
            for (LinePoint& p : points)
                p = between(0, 3) == 0
                        ? LinePoint{between(-4000, 4000), between(-4000, 4000)}
                        : LinePoint{between(-30, width + 30), between(-30, height + 30)};
            break;
        default: // small ones, the pixels at their edges most of what they fill
            for (LinePoint& p : points)
                p = LinePoint{cx + between(-6, 6), cy + between(-6, 6)};
            break;
        }
        return points;
    }

private:
    long between(long low, long high) {
        return std::uniform_int_distribution<long>(low, high)(random);
    }
    std::mt19937 random;
};

std::string listed(const std::vector<LinePoint>& points) {
    std::ostringstream text;
    for (const LinePoint& p : points)
        text << " (" << p.x << ", " << p.y << ")";
    return text.str();
}

} // namespace

TEST(PolygonFill, PolygonsHaveTheWindowSystemsPixels) {
    PageBuffer ours;
    PageBuffer system; // only its bitmap and context: the system's Polygon fills here
    ASSERT_TRUE(ours.resize(width, height));
    ASSERT_TRUE(system.resize(width, height));
    const HDC context = system.context();
    const HGDIOBJ previousPen = SelectObject(context, GetStockObject(NULL_PEN));
    const HGDIOBJ previousBrush = SelectObject(context, GetStockObject(DC_BRUSH));
    SetPolyFillMode(context, WINDING);

    PolygonMaker maker(11);
    std::vector<std::uint32_t> before(width * height);
    long changedPixels = 0;
    for (int figure = 0; figure < 1500; ++figure) {
        const std::vector<LinePoint> points = maker.make(figure % 5);
        const unsigned red = figure * 37 % 256, green = figure * 91 % 256, blue = figure % 200;
        SetDCBrushColor(context, RGB(red, green, blue));
        std::vector<POINT> same;
        for (const LinePoint& p : points)
            same.push_back(POINT{p.x, p.y});
        Polygon(context, same.data(), static_cast<int>(same.size()));
        GdiFlush();
        before.assign(ours.rows(), ours.rows() + width * height);
        ours.raster().fillPolygon(points.data(), points.size(), RasterCanvas::rgb(red, green, blue),
                                  255);
        // Every pixel the same as the system's, and every one changed reported as changed.
        const PixelBounds changed = ours.raster().takeChanged();
        long differing = 0, unreported = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int k = y * width + x;
                differing += (system.rows()[k] & 0xffffff) != (ours.rows()[k] & 0xffffff);
                if (ours.rows()[k] == before[k]) continue;
                ++changedPixels;
                unreported += x < changed.left || x >= changed.right || y < changed.top ||
                              y >= changed.bottom;
            }
        ASSERT_EQ(differing, 0) << "figure " << figure << ":" << listed(points);
        ASSERT_EQ(unreported, 0) << "figure " << figure << ":" << listed(points);
    }
    EXPECT_GT(changedPixels, 1500L * 100);
    SelectObject(context, previousBrush);
    SelectObject(context, previousPen);
}
