// A replay on a device context draws what the records say: a dense polyline, drawn with a thin
// pen, gives the same pixels as drawing its lines one by one.
#include "devices/selector/penstack.h"
#include "screen/devicecontexttarget.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

struct Sheet {
    static constexpr int width = 160, height = 120;
    HDC dc;
    HBITMAP picture;
    HGDIOBJ previous;
    Sheet() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        picture = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, picture);
        RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Sheet() {
        SelectObject(dc, previous);
        DeleteObject(picture);
        DeleteDC(dc);
    }
    int differences(const Sheet& other) const {
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                count += GetPixel(dc, x, y) != GetPixel(other.dc, x, y);
        return count;
    }
};

} // namespace

TEST(DeviceContextTarget, DensePolylineGivesTheSamePixelsAsItsLines) {
    std::srand(7);
    std::vector<POINT> points;
    int y = 60;
    for (int i = 0; i < 20000; ++i) {
        y = std::max(5, std::min(114, y + std::rand() % 9 - 4));
        points.push_back(POINT{5 + i * 150 / 20000, y});
    }
    // A few jumps back and a lone point that ends on an extreme of its column.
    points.push_back(POINT{40, 10});
    points.push_back(POINT{40, 100});
    points.push_back(POINT{40, 50});
    points.push_back(POINT{40, 100});

    for (unsigned width : {0u, 3u}) {
        PenStack pens(0, 0);
        std::vector<int> table(PenStack::tableSlots, -1);
        Sheet lines, replayed;
        SelectObject(lines.dc, pens.penFor(table.data(), 1, width));
        MoveToEx(lines.dc, points[0].x, points[0].y, nullptr);
        for (const POINT& p : points)
            LineTo(lines.dc, p.x, p.y);
        SelectObject(lines.dc, GetStockObject(BLACK_PEN));
        {
            DeviceContextTarget target(replayed.dc, pens, table.data());
            target.selectPen(1, width);
            target.moveTo(points[0].x, points[0].y);
            for (const POINT& p : points)
                target.lineTo(p.x, p.y);
        }
        if (width == 0)
            EXPECT_EQ(lines.differences(replayed), 0);
        else // wide pens round their joins: a pixel here and there at the ends of a column
            EXPECT_LT(lines.differences(replayed), Sheet::width * Sheet::height / 100);
    }
}
