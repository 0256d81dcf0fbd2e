// RasterCanvas: lines of pens wider than one pixel, with the pixels of the window systems' wide
// pens. Each segment is a band of the pen's width: a rectangle when the segment runs along an
// axis, otherwise a quadrilateral whose corners lie half the width to either side of the ends,
// rounded to whole pixels (the narrower half on the left of the direction of travel). A pixel
// belongs to a band when its top left corner lies inside, or on its top or left edge. The pen's
// round dot covers every point: the caps at both ends and the joins between segments.
#include "devices/raster/rastercanvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace {

// The smallest whole number at or above a / b, for b > 0.
long long ceilingOf(long long a, long long b) {
    if (a >= INT_MIN && a <= INT_MAX && b <= INT_MAX) {
        const int ia = static_cast<int>(a), ib = static_cast<int>(b);
        const int q = ia / ib;
        return q + (ia % ib > 0 ? 1 : 0);
    }
    const long long q = a / b;
    return q + (a % b > 0 ? 1 : 0);
}

int nearest(double positive) {
    return static_cast<int>(std::floor(positive + 0.5));
}

} // namespace

void RasterCanvas::widePolyline(const LinePoint* points, unsigned long count) {
    const auto same = [](const LinePoint& a, const LinePoint& b) {
        return a.x == b.x && a.y == b.y;
    };
    // Empty segments at either end are passed over, as the window systems do.
    unsigned long first = 0, last = count - 1;
    while (last - first > 1 && same(points[first], points[first + 1]))
        ++first;
    while (last - first > 1 && same(points[last], points[last - 1]))
        --last;
    long left = points[first].x, right = left, top = points[first].y, bottom = top;
    for (unsigned long i = first; i <= last; ++i) {
        const int x = static_cast<int>(points[i].x), y = static_cast<int>(points[i].y);
        if (i > first)
            band(static_cast<int>(points[i - 1].x), static_cast<int>(points[i - 1].y), x, y);
        stamp(x, y);
        left = std::min(left, points[i].x);
        right = std::max(right, points[i].x);
        top = std::min(top, points[i].y);
        bottom = std::max(bottom, points[i].y);
    }
    markSegment(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                static_cast<int>(bottom), dotReach + penWidth);
}

void RasterCanvas::band(int x0, int y0, int x1, int y1) {
    const int dx = x1 - x0, dy = y1 - y0;
    const int width = penWidth;
    if (dx == 0 && dy == 0) return;
    // Nothing of a band whose box lies off the pixels.
    if (std::max(x0, x1) + width < 0 || std::min(x0, x1) - width >= columns ||
        std::max(y0, y1) + width < 0 || std::min(y0, y1) - width >= rows)
        return;
    if (dy == 0) {
        const int top = y0 - width / 2;
        penRectangle(std::min(x0, x1), top, std::max(x0, x1), top + width);
        return;
    }
    if (dx == 0) {
        const int left = x0 - width / 2;
        penRectangle(left, std::min(y0, y1), left + width, std::max(y0, y1));
        return;
    }
    const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double acrossX = width * std::abs(dy) / length;
    const double acrossY = width * std::abs(dx) / length;
    int narrowX = nearest(acrossX / 2), narrowY = nearest(acrossY / 2);
    int wideX = nearest((acrossX + 1) / 2), wideY = nearest((acrossY + 1) / 2);
    if (dx < 0) {
        wideY = -wideY;
        narrowY = -narrowY;
    }
    if (dy < 0) {
        std::swap(narrowX, wideX);
        std::swap(narrowY, wideY);
        wideX = -wideX;
        narrowX = -narrowX;
    }
    const int corners[4][2] = {{x0 - narrowX, y0 + narrowY},
                               {x0 + wideX, y0 - wideY},
                               {x1 + wideX, y1 - wideY},
                               {x1 - narrowX, y1 + narrowY}};
    quadrilateral(corners);
}

void RasterCanvas::quadrilateral(const int (&corners)[4][2]) {
    int top = corners[0][1], bottom = top;
    for (const auto& corner : corners) {
        top = std::min(top, corner[1]);
        bottom = std::max(bottom, corner[1]);
    }
    const int from = std::max(top, 0), to = std::min(bottom, rows);
    const std::uint32_t c = colour;
    for (int y = from; y < to; ++y) {
        // Where the edges cross the row (an edge holds its upper end, not its lower one), in
        // whole pixels from the left: the first pixel whose corner lies at or right of it.
        long long crossings[4];
        int crossingCount = 0;
        for (int k = 0; k < 4; ++k) {
            const int* a = corners[k];
            const int* b = corners[(k + 1) % 4];
            if (a[1] == b[1]) continue;
            if (a[1] > b[1]) std::swap(a, b);
            if (y < a[1] || y >= b[1]) continue;
            const long long rise = b[1] - a[1];
            crossings[crossingCount++] =
                a[0] + ceilingOf(static_cast<long long>(y - a[1]) * (b[0] - a[0]), rise);
        }
        std::sort(crossings, crossings + crossingCount);
        std::uint32_t* const row = pixels + y * pitch;
        // Inside between the first and second crossing, and the third and fourth.
        for (int k = 0; k + 1 < crossingCount; k += 2) {
            const long long left = std::max(crossings[k], 0LL);
            const long long right = std::min(crossings[k + 1], static_cast<long long>(columns));
            for (long long x = left; x < right; ++x)
                row[x] = c;
        }
    }
}

void RasterCanvas::stamp(int x, int y) {
    const std::uint32_t c = colour;
    if (x >= dotReach && x + dotReach < columns && y >= dotReach && y + dotReach < rows) {
        // Wholly on the pixels, the common case: no clipping.
        std::uint32_t* const centre = pixels + y * pitch + x;
        for (const DotRow& row : *dot) {
            std::uint32_t* const at = centre + row.dy * pitch;
            for (int dx = row.from; dx <= row.to; ++dx)
                at[dx] = c;
        }
        return;
    }
    for (const DotRow& row : *dot) {
        const int py = y + row.dy;
        if (py < 0 || py >= rows) continue;
        std::uint32_t* const at = pixels + py * pitch;
        for (int px = std::max(x + row.from, 0); px <= std::min(x + row.to, columns - 1); ++px)
            at[px] = c;
    }
}
