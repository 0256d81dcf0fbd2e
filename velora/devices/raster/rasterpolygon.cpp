// RasterCanvas: filled polygons, with the pixels of the window system's Polygon drawn with no
// pen and the winding fill mode. A pixel is filled when its top left corner has a non-zero
// winding number; a corner on an edge counts as inside when the inside lies to its right (on a
// sloped or upright edge) or below it (on a level one). Each row is cut by the edges that cross
// it, every edge owning its top row and not its bottom one, at the first pixel at or right of
// the crossing; the spans between cuts of non-zero winding are filled.
//
// Edges are walked from row to row with whole numbers only (a pixel and a remainder), so that
// no rounding of a long, slanted edge drifts, and only over the rows of the pixels, so that a
// polygon reaching far off them costs no more than the part on them.
#include "devices/raster/rastercanvas.h"

#include <algorithm>
#include <cstdint>

namespace {

// The window system keeps coordinates in 32 bits; within that, every difference below fits in
// 32 bits unsigned and every product in 64.
std::int64_t heldCoordinate(long v) {
    return std::min<std::int64_t>(std::max<std::int64_t>(v, INT32_MIN), INT32_MAX);
}

// Orders the edges by their cut on the row. From one row to the next the order barely changes,
// which insertion sorting handles in one pass; a long list that is badly out of order (a
// polygon of many crossing edges) goes to the library sort instead.
template <typename Edge> void sortByCut(std::vector<Edge*>& edges) {
    const std::size_t count = edges.size();
    std::size_t moves = 0;
    const std::size_t allowed = 8 + 4 * count;
    for (std::size_t i = 1; i < count; ++i) {
        Edge* const edge = edges[i];
        std::size_t j = i;
        for (; j > 0 && edges[j - 1]->x > edge->x; --j)
            edges[j] = edges[j - 1];
        edges[j] = edge;
        moves += i - j;
        if (moves > allowed) {
            std::sort(edges.begin(), edges.end(),
                      [](const Edge* a, const Edge* b) { return a->x < b->x; });
            return;
        }
    }
}

// (colour * alpha + old * (255 - alpha) + 127) / 255 for every byte of the pixel, two bytes at
// a time in 16-bit lanes: floor(v / 255) is (v + 1 + ((v + 1) >> 8)) >> 8 for every v that
// arises here (at most 255 * 255 + 127).
struct Blend {
    std::uint32_t evenBytes, oddBytes; // colour * alpha + 128 in each lane
    std::uint32_t keep;                // 255 - alpha

    Blend(std::uint32_t colour, unsigned alpha)
        : evenBytes((colour & 0x00ff00ffu) * alpha + 0x00800080u),
          oddBytes((colour >> 8 & 0x00ff00ffu) * alpha + 0x00800080u), keep(255 - alpha) {}

    static std::uint32_t divided(std::uint32_t lanes) {
        return (lanes + (lanes >> 8 & 0x00ff00ffu)) >> 8 & 0x00ff00ffu;
    }
    std::uint32_t over(std::uint32_t old) const {
        const std::uint32_t even = divided((old & 0x00ff00ffu) * keep + evenBytes);
        const std::uint32_t odd = divided((old >> 8 & 0x00ff00ffu) * keep + oddBytes);
        return even | odd << 8;
    }
};

// Calls span(from, to) for every run of the row's pixels that the edges wind round, clipped to
// the `columns` pixels: between the cuts, in order, where the winding is not zero.
template <typename Edge, typename Span>
void spansBetweenCuts(std::vector<Edge*>& edges, std::int64_t columns, Span span) {
    sortByCut(edges);
    int winding = 0;
    std::int64_t start = 0;
    for (const Edge* edge : edges) {
        if (winding == 0) start = edge->x;
        winding += edge->winding;
        if (winding != 0) continue;
        const std::int64_t from = std::max<std::int64_t>(start, 0);
        const std::int64_t to = std::min(edge->x, columns);
        if (from < to) span(static_cast<int>(from), static_cast<int>(to));
    }
}

// The same for a row that many edges cross (a polygon of thousands of vertices, in any order):
// nothing is sorted, the windings are summed by column instead, in time linear in the edges and
// the columns.
template <typename Edge, typename Span>
void spansByColumn(const std::vector<Edge*>& edges, std::vector<std::int64_t>& windingChanges,
                   int columns, Span span) {
    windingChanges.assign(static_cast<std::size_t>(columns) + 1, 0);
    for (const Edge* edge : edges)
        windingChanges[static_cast<std::size_t>(
            std::min<std::int64_t>(std::max<std::int64_t>(edge->x, 0), columns))] += edge->winding;
    std::int64_t winding = 0;
    int start = 0;
    for (int x = 0; x < columns; ++x) {
        const bool wasInside = winding != 0;
        winding += windingChanges[static_cast<std::size_t>(x)];
        if (wasInside == (winding != 0)) continue;
        if (wasInside)
            span(start, x);
        else
            start = x;
    }
    if (winding != 0) span(start, columns);
}

} // namespace

bool RasterCanvas::polygonEdgesOf(const LinePoint* points, unsigned long count) {
    polygonEdges.clear();
    std::int64_t x0 = heldCoordinate(points[count - 1].x), y0 = heldCoordinate(points[count - 1].y);
    for (unsigned long i = 0; i < count; ++i) {
        const std::int64_t x1 = heldCoordinate(points[i].x), y1 = heldCoordinate(points[i].y);
        const bool down = y1 > y0;
        const std::int64_t topX = down ? x0 : x1, top = down ? y0 : y1, bottom = down ? y1 : y0;
        const std::int64_t run = down ? x1 - x0 : x0 - x1;
        x0 = x1;
        y0 = y1;
        // A level edge cuts no row; one above or below the pixels none of theirs.
        if (top == bottom || bottom <= 0 || top >= rows) continue;
        PolygonEdge edge;
        edge.rise = bottom - top;
        edge.first = static_cast<int>(std::max<std::int64_t>(top, 0));
        edge.end = static_cast<int>(std::min<std::int64_t>(bottom, rows));
        edge.winding = down ? 1 : -1;
        // run / rise = step + stepExcess / rise, with 0 <= stepExcess < rise; in 32 bits where
        // they fit, the common case, as that divides faster.
        if (edge.rise <= INT32_MAX && run >= INT32_MIN && run <= INT32_MAX) {
            const std::int32_t run32 = static_cast<std::int32_t>(run);
            const std::int32_t rise32 = static_cast<std::int32_t>(edge.rise);
            edge.step = run32 / rise32;
            edge.stepExcess = run32 % rise32;
        } else {
            edge.step = run / edge.rise;
            edge.stepExcess = run % edge.rise;
        }
        if (edge.stepExcess < 0) {
            edge.stepExcess += edge.rise;
            --edge.step;
        }
        edge.x = topX;
        edge.excess = 0;
        if (edge.first > top) {
            // The cut on the first row: topX + ceiling(down * run / rise), the rows down being
            // less than the rise and so is the remainder, so that their product fits 64 bits
            // unsigned.
            const std::int64_t rowsDown = edge.first - top;
            const std::uint64_t part =
                static_cast<std::uint64_t>(rowsDown) * static_cast<std::uint64_t>(edge.stepExcess);
            const std::uint64_t rise = static_cast<std::uint64_t>(edge.rise);
            const std::uint64_t whole = part / rise, left = part % rise;
            edge.x += rowsDown * edge.step + static_cast<std::int64_t>(whole) + (left ? 1 : 0);
            edge.excess = left ? static_cast<std::int64_t>(rise - left) : 0;
        }
        polygonEdges.push_back(edge);
    }
    return !polygonEdges.empty();
}

void RasterCanvas::fillSpan(std::uint32_t* row, int from, int to, std::uint32_t fillColour,
                            unsigned alpha) {
    if (alpha >= 255) {
        std::fill(row + from, row + to, fillColour);
        return;
    }
    const Blend blend(fillColour, alpha);
    for (std::uint32_t* at = row + from; at != row + to; ++at)
        *at = blend.over(*at);
}

void RasterCanvas::fillPolygon(const LinePoint* points, unsigned long count,
                               std::uint32_t fillColour, unsigned alpha) {
    if (!pixels || !points || count < 3 || alpha == 0) return;
    if (!polygonEdgesOf(points, count)) return;
    std::sort(polygonEdges.begin(), polygonEdges.end(),
              [](const PolygonEdge& a, const PolygonEdge& b) { return a.first < b.first; });

    // Rows crossed by more edges than this, and by more than a quarter of the columns, are
    // filled by column.
    constexpr std::size_t manyEdges = 64;
    const std::size_t columnCount = static_cast<std::size_t>(columns);
    PixelBounds filled{columns, rows, 0, 0};
    activeEdges.clear();
    PolygonEdge* next = polygonEdges.data();
    PolygonEdge* const last = next + polygonEdges.size();
    int y = next->first;
    while (true) {
        for (; next != last && next->first == y; ++next)
            activeEdges.push_back(next);
        std::uint32_t* const row = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        const auto span = [&](int from, int to) {
            fillSpan(row, from, to, fillColour, alpha);
            filled.left = std::min(filled.left, from);
            filled.right = std::max(filled.right, to);
            filled.top = std::min(filled.top, y);
            filled.bottom = y + 1;
        };
        if (activeEdges.size() > manyEdges && activeEdges.size() > columnCount / 4)
            spansByColumn(activeEdges, windingChanges, columns, span);
        else
            spansBetweenCuts(activeEdges, columns, span);

        // On to the next row: each edge moves by its step, those ending here leave.
        ++y;
        std::size_t kept = 0;
        for (PolygonEdge* edge : activeEdges) {
            if (edge->end == y) continue;
            edge->x += edge->step;
            edge->excess -= edge->stepExcess;
            if (edge->excess < 0) {
                edge->excess += edge->rise;
                ++edge->x;
            }
            activeEdges[kept++] = edge;
        }
        activeEdges.resize(kept);
        if (activeEdges.empty()) {
            if (next == last) break;
            y = next->first; // rows that no edge crosses are passed over
        }
    }
    markChanged(filled);
}
