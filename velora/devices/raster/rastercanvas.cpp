#include "devices/raster/rastercanvas.h"

#include <algorithm>

namespace {

PixelBounds united(const PixelBounds& a, const PixelBounds& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return PixelBounds{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                       std::max(a.bottom, b.bottom)};
}

long magnitude(long v) {
    return v < 0 ? -v : v;
}

// Step i of a one-pixel line lies i pixels along its longer axis and round(i * shorter /
// longer) across it. Which way a half goes depends on the line's direction (its octant), as in
// the window systems, so that a line and the same line drawn backwards may differ by a pixel at
// a half, exactly as theirs do. The first step on the pixels is worked out directly, so that a
// line reaching far off them costs no more than the part on them.
struct LineWalk {
    bool xMajor;
    int along0, across0; // the start, on the long and the short axis
    int alongStep, acrossStep;
    int longer, shorter;
    int halfUp; // 1 where a half rounds away from the start

    LineWalk(int x0, int y0, int x1, int y1) {
        const int dx = x1 - x0, dy = y1 - y0;
        const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
        xMajor = ax > ay;
        along0 = xMajor ? x0 : y0;
        across0 = xMajor ? y0 : x0;
        alongStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
        acrossStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
        longer = xMajor ? ax : ay;
        shorter = xMajor ? ay : ax;
        // Octants counted clockwise from +x with y downwards; 3, 5, 6 and 8 round halves up.
        int octant;
        if (dy > 0)
            octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
        else
            octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
        halfUp = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    }

    // The steps whose long-axis coordinate lies in [low, high], within [0, last]; false when
    // there are none.
    bool steps(int low, int high, int last, int& first, int& final) const {
        const int a = alongStep > 0 ? low - along0 : along0 - high;
        const int b = alongStep > 0 ? high - along0 : along0 - low;
        first = std::max(a, 0);
        final = std::min(b, last);
        return first <= final;
    }

    // Calls plot(along, across) for every step from first to final.
    template <typename Plot> void walk(int first, int final, Plot plot) const {
        const int twiceLonger = 2 * longer, twiceShorter = 2 * shorter;
        // offset = floor((2·i·shorter + longer - 1 + halfUp) / (2·longer)), kept incrementally.
        const long long numerator = 2LL * first * shorter + longer - 1 + halfUp;
        int offset = static_cast<int>(numerator / twiceLonger);
        int remainder = static_cast<int>(numerator % twiceLonger);
        int along = along0 + alongStep * first, across = across0 + acrossStep * offset;
        for (int i = first; i <= final; ++i, along += alongStep) {
            plot(along, across);
            remainder += twiceShorter;
            if (remainder >= twiceLonger) {
                remainder -= twiceLonger;
                across += acrossStep;
            }
        }
    }
};

} // namespace

RasterCanvas::RasterCanvas()
    : pixels(nullptr), columns(0), rows(0), pitch(0), colour(0), penWidth(0),
      shaper(&RasterCanvas::roundDot), dots(widestPen + 1), dot(nullptr), dotReach(0) {
    setPen(0, 1);
}

void RasterCanvas::attach(std::uint32_t* target, int width, int height, int rowPitch) {
    const bool usable = target && width > 0 && height > 0 && rowPitch >= width;
    pixels = usable ? target : nullptr;
    columns = usable ? width : 0;
    rows = usable ? height : 0;
    pitch = usable ? rowPitch : 0;
    changed = PixelBounds{};
    if (smoothLines) stroke.attach(pixels, columns, rows, pitch);
}

void RasterCanvas::setSmooth(bool on) {
    if (on == smoothLines) return;
    smoothLines = on;
    // The stroke's record of the pixels is made only for a smooth canvas.
    stroke.attach(on ? pixels : nullptr, columns, rows, pitch);
    stroke.setPen(colour, penWidth);
}

void RasterCanvas::roundDot(int width, std::vector<DotRow>& dotRows) {
    // The pixels whose centres lie in the ellipse (here a circle) inscribed in the dot's box.
    dotRows.clear();
    const int low = -(width / 2), high = low + width - 1;
    const double centre = (low + high) / 2.0, radius = width / 2.0;
    for (int dy = low; dy <= high; ++dy) {
        int from = high + 1, to = low - 1;
        for (int dx = low; dx <= high; ++dx) {
            const double ex = dx - centre, ey = dy - centre;
            if (ex * ex + ey * ey > radius * radius + 1e-9) continue;
            from = std::min(from, dx);
            to = std::max(to, dx);
        }
        if (from <= to) dotRows.push_back(DotRow{dy, from, to});
    }
}

void RasterCanvas::setDotShaper(DotShaper dotShaper) {
    shaper = dotShaper ? dotShaper : &RasterCanvas::roundDot;
    for (std::vector<DotRow>& made : dots)
        made.clear();
    const int width = penWidth;
    penWidth = 0;
    setPen(colour, width);
}

void RasterCanvas::setPen(std::uint32_t penColour, int width) {
    width = std::min(std::max(1, width), widestPen);
    if (smoothLines && (penColour != colour || width != penWidth)) {
        stroke.end();
        stroke.setPen(penColour, width);
    }
    colour = penColour;
    if (width == penWidth) return;
    penWidth = width;
    if (width == 1) return;
    std::vector<DotRow>& made = dots[width];
    if (made.empty()) shaper(width, made);
    dot = &made;
    dotReach = width;
    for (const DotRow& row : made)
        dotReach = std::max({dotReach, -row.dy, row.dy, -row.from, row.to});
}

void RasterCanvas::fill(PixelBounds area, std::uint32_t fillColour) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, columns);
    area.bottom = std::min(area.bottom, rows);
    endStroke();
    if (!pixels || area.empty()) return;
    for (int y = area.top; y < area.bottom; ++y)
        std::fill(pixels + static_cast<long long>(y) * pitch + area.left,
                  pixels + static_cast<long long>(y) * pitch + area.right, fillColour);
    changed = united(changed, area);
}

void RasterCanvas::rectangle(int x1, int y1, int x2, int y2, std::uint32_t inside) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    // The outline's band reaches half the pen out and the rest in, as a wide line's does.
    const int before = penWidth / 2, after = penWidth - 1 - before;
    const PixelBounds outer{left - before, top - before, right + after, bottom + after};
    // Kept within the outline, so that a rectangle thinner than its outline is all outline.
    const auto within = [](int v, int low, int high) { return std::min(std::max(v, low), high); };
    PixelBounds inner;
    inner.left = within(left + after + 1, outer.left, outer.right);
    inner.right = within(right - 1 - before, inner.left, outer.right);
    inner.top = within(top + after + 1, outer.top, outer.bottom);
    inner.bottom = within(bottom - 1 - before, inner.top, outer.bottom);
    fill(PixelBounds{outer.left, outer.top, outer.right, inner.top}, colour);
    fill(PixelBounds{outer.left, inner.bottom, outer.right, outer.bottom}, colour);
    fill(PixelBounds{outer.left, inner.top, inner.left, inner.bottom}, colour);
    fill(PixelBounds{inner.right, inner.top, outer.right, inner.bottom}, colour);
    fill(inner, inside);
}

PixelBounds RasterCanvas::takeChanged() {
    const PixelBounds was = changed;
    changed = PixelBounds{};
    return was;
}

void RasterCanvas::markChanged(PixelBounds area) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, columns);
    area.bottom = std::min(area.bottom, rows);
    if (!area.empty()) changed = united(changed, area);
}

void RasterCanvas::markSegment(int x0, int y0, int x1, int y1, int reach) {
    markChanged(PixelBounds{std::min(x0, x1) - reach, std::min(y0, y1) - reach,
                            std::max(x0, x1) + reach + 1, std::max(y0, y1) + reach + 1});
}

void RasterCanvas::polylines(const LinePoint* points, const unsigned long* counts, int lines) {
    if (!pixels) return;
    // A display list's coordinates reach a few pixels times 32768 at most; far beyond that the
    // sums below could overflow, and such a polyline is left out.
    constexpr long farthest = 1L << 24;
    for (int k = 0; k < lines; ++k) {
        const unsigned long count = counts[k];
        bool near = true;
        for (unsigned long i = 0; i < count && near; ++i)
            near = magnitude(points[i].x) <= farthest && magnitude(points[i].y) <= farthest;
        if (near && smoothLines) {
            smoothPolyline(points, count);
        } else if (near && penWidth == 1) {
            for (unsigned long i = 1; i < count; ++i)
                thinLine(static_cast<int>(points[i - 1].x), static_cast<int>(points[i - 1].y),
                         static_cast<int>(points[i].x), static_cast<int>(points[i].y));
        } else if (near && count > 0) {
            widePolyline(points, count);
        }
        points += count;
    }
}

void RasterCanvas::thinLine(int x0, int y0, int x1, int y1) {
    // Nothing of a line whose box lies off the pixels.
    if (std::max(x0, x1) < 0 || std::min(x0, x1) >= columns || std::max(y0, y1) < 0 ||
        std::min(y0, y1) >= rows)
        return;
    const LineWalk w(x0, y0, x1, y1);
    if (w.longer == 0) return; // a thin pen leaves out the last point, here the only one
    int first = 0, final = 0;
    if (!w.steps(0, (w.xMajor ? columns : rows) - 1, w.longer - 1, first, final)) return;
    std::uint32_t* const base = pixels;
    const int width = columns, height = rows, stride = pitch;
    const std::uint32_t c = colour;
    if (w.xMajor)
        w.walk(first, final, [&](int x, int y) {
            if (y >= 0 && y < height) base[y * stride + x] = c;
        });
    else
        w.walk(first, final, [&](int y, int x) {
            if (x >= 0 && x < width) base[y * stride + x] = c;
        });
    markSegment(x0, y0, x1, y1, 0);
}

void RasterCanvas::penRectangle(int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, columns);
    bottom = std::min(bottom, rows);
    const std::uint32_t c = colour;
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* const row = pixels + y * pitch;
        for (int x = left; x < right; ++x)
            row[x] = c;
    }
}

void RasterCanvas::smoothPolyline(const LinePoint* points, unsigned long count) {
    const int reach = stroke.reach();
    for (unsigned long i = 1; i < count; ++i) {
        const LinePoint& a = points[i - 1];
        const LinePoint& b = points[i];
        stroke.segment(static_cast<double>(a.x), static_cast<double>(a.y), static_cast<double>(b.x),
                       static_cast<double>(b.y));
        markSegment(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x),
                    static_cast<int>(b.y), reach);
    }
}
