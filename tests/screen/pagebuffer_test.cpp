// The page buffer draws its own lines, and they must be the window system's: the same polylines
// drawn with the system's pens of every width on a bitmap of the same size give the same pixels,
// ends, joins, slopes and clipping included.
#include "screen/pagebuffer.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(PageBuffer, LinesHaveTheWindowSystemsPixels) {
    constexpr int width = 160, height = 120;
    PageBuffer ours;
    PageBuffer system; // only its bitmap and context: the system's pens draw here
    ASSERT_TRUE(ours.resize(width, height));
    ASSERT_TRUE(system.resize(width, height));

    std::mt19937 random(5);
    std::uniform_int_distribution<int> along(-30, width + 30), down(-30, height + 30), nudge(-1, 1),
        pointCount(2, 7);
    long inked = 0, differing = 0;
    for (int penWidth = 1; penWidth <= 8; ++penWidth) {
        HPEN pen = CreatePen(PS_SOLID, penWidth, RGB(0, 0, 0));
        HGDIOBJ previous = SelectObject(system.context(), pen);
        ours.raster().setPen(RasterCanvas::rgb(0, 0, 0), penWidth);
        for (int figure = 0; figure < 60; ++figure) {
            std::vector<POINT> points(pointCount(random));
            std::vector<LinePoint> same;
            for (POINT& p : points) {
                // Long slopes, and now and then a steep or flat step from the last point.
                p = POINT{along(random), down(random)};
                if (!same.empty() && figure % 3 == 0) p.x = same.back().x + nudge(random);
                same.push_back(LinePoint{p.x, p.y});
            }
            Polyline(system.context(), points.data(), static_cast<int>(points.size()));
            GdiFlush();
            const unsigned long count = static_cast<unsigned long>(same.size());
            ours.raster().polylines(same.data(), &count, 1);
        }
        for (int k = 0; k < width * height; ++k) {
            inked += (system.rows()[k] & 0xffffff) == 0;
            differing += (system.rows()[k] & 0xffffff) != (ours.rows()[k] & 0xffffff);
        }
        SelectObject(system.context(), previous);
        DeleteObject(pen);
        ours.clear();
        system.clear();
    }
    EXPECT_GT(inked, 20000);
    EXPECT_EQ(differing, 0);
}
