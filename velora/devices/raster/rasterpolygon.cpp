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
#include <type_traits>

namespace {

// The window system keeps coordinates in 32 bits; within that, every difference below fits in
// 32 bits unsigned and every product in 64.
std::int64_t heldCoordinate(long v) {
    return std::min<std::int64_t>(std::max<std::int64_t>(v, INT32_MIN), INT32_MAX);
}

// A polygon whose vertices all lie within this of the origin has its edges walked in 32 bits:
// its differences fit 17 bits, and the product of a rise and a row count 32.
constexpr long nearReach = 32767;

// The vertex as the edges take it: near ones as they are, far ones brought within 32 bits.
template <typename Int> Int coordinateOf(long v);
template <> std::int32_t coordinateOf<std::int32_t>(long v) {
    return static_cast<std::int32_t>(v);
}
template <> std::int64_t coordinateOf<std::int64_t>(long v) {
    return heldCoordinate(v);
}

// ceiling(2^31 / rise) for the short rises of most edges, which makes run / rise a product
// and a shift: exact as long as run * rise < 2^31, which near polygons keep.
constexpr std::int32_t shortRise = 256;
struct Reciprocals {
    std::uint32_t of[shortRise];
};
constexpr Reciprocals reciprocalsOfShortRises() {
    Reciprocals made{};
    for (std::uint32_t rise = 1; rise < shortRise; ++rise)
        made.of[rise] = static_cast<std::uint32_t>(((std::uint64_t{1} << 31) + rise - 1) / rise);
    return made;
}
constexpr Reciprocals reciprocals = reciprocalsOfShortRises();

// run / rise and run % rise, rounded towards zero as the operators do; the 64-bit quotient only
// when the 32-bit one cannot hold it, as that divides slower.
inline void divided(std::int32_t run, std::int32_t rise, std::int32_t& step, std::int32_t& left) {
    if (rise >= shortRise) {
        step = run / rise;
        left = run % rise;
        return;
    }
    const std::uint32_t size =
        run < 0 ? 0u - static_cast<std::uint32_t>(run) : static_cast<std::uint32_t>(run);
    const std::uint32_t whole =
        static_cast<std::uint32_t>(std::uint64_t{size} * reciprocals.of[rise] >> 31);
    const std::int32_t wholeSigned = static_cast<std::int32_t>(whole);
    const std::int32_t rest =
        static_cast<std::int32_t>(size - whole * static_cast<std::uint32_t>(rise));
    step = run < 0 ? -wholeSigned : wholeSigned;
    left = run < 0 ? -rest : rest;
}
inline void divided(std::int64_t run, std::int64_t rise, std::int64_t& step, std::int64_t& left) {
    if (rise <= INT32_MAX && run >= INT32_MIN && run <= INT32_MAX) {
        const std::int32_t run32 = static_cast<std::int32_t>(run);
        const std::int32_t rise32 = static_cast<std::int32_t>(rise);
        step = run32 / rise32;
        left = run32 % rise32;
    } else {
        step = run / rise;
        left = run % rise;
    }
}

// Orders the edges by their cut on the row. From one row to the next the order barely changes,
// which insertion sorting handles in one pass; a long list that is badly out of order (a
// polygon of many crossing edges) goes to the library sort instead.
template <typename Edge> void sortByCut(Edge** edges, std::size_t count) {
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
            std::sort(edges, edges + count,
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
void spansBetweenCuts(Edge** edges, std::size_t count, std::int64_t columns, Span span) {
    sortByCut(edges, count);
    int winding = 0;
    std::int64_t start = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const Edge* const edge = edges[k];
        if (winding == 0) start = edge->x;
        winding += edge->winding;
        if (winding != 0) continue;
        const std::int64_t from = std::max<std::int64_t>(start, 0);
        const std::int64_t to = std::min<std::int64_t>(edge->x, columns);
        if (from < to) span(static_cast<int>(from), static_cast<int>(to));
    }
}

// The same for a row that many edges cross (a polygon of thousands of vertices, in any order):
// nothing is sorted, the windings are summed by column instead, in time linear in the edges and
// the columns.
template <typename Edge, typename Span>
void spansByColumn(Edge* const* edges, std::size_t count, std::vector<std::int64_t>& windingChanges,
                   int columns, Span span) {
    windingChanges.assign(static_cast<std::size_t>(columns) + 1, 0);
    for (std::size_t k = 0; k < count; ++k)
        windingChanges[static_cast<std::size_t>(std::min<std::int64_t>(
            std::max<std::int64_t>(edges[k]->x, 0), columns))] += edges[k]->winding;
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

template <typename Int>
std::size_t RasterCanvas::polygonEdgesOf(const LinePoint* points, unsigned long count,
                                         std::vector<PolygonEdgeOf<Int>>& edges) {
    using Unsigned = std::make_unsigned_t<Int>;
    if (edges.size() < count) edges.resize(count);
    PolygonEdgeOf<Int>* kept = edges.data();
    Int x0 = coordinateOf<Int>(points[count - 1].x), y0 = coordinateOf<Int>(points[count - 1].y);
    for (unsigned long i = 0; i < count; ++i) {
        const Int x1 = coordinateOf<Int>(points[i].x), y1 = coordinateOf<Int>(points[i].y);
        const bool down = y1 > y0;
        const Int topX = down ? x0 : x1, top = down ? y0 : y1, bottom = down ? y1 : y0;
        const Int run = down ? x1 - x0 : x0 - x1;
        x0 = x1;
        y0 = y1;
        // A level edge cuts no row; one above or below the pixels none of theirs.
        if (top == bottom || bottom <= 0 || top >= rows) continue;
        PolygonEdgeOf<Int>& edge = *kept++;
        edge.rise = bottom - top;
        edge.first = static_cast<int>(std::max<Int>(top, 0));
        edge.end = static_cast<int>(std::min<Int>(bottom, static_cast<Int>(rows)));
        edge.winding = down ? 1 : -1;
        divided(run, edge.rise, edge.step, edge.stepExcess);
        if (edge.stepExcess < 0) {
            edge.stepExcess += edge.rise;
            --edge.step;
        }
        edge.x = topX;
        edge.excess = 0;
        if (edge.first > top) {
            // The cut on the first row: topX + ceiling(down * run / rise), the rows down being
            // less than the rise and so is the remainder, so that their product fits unsigned.
            const Int rowsDown = edge.first - top;
            const Unsigned part =
                static_cast<Unsigned>(rowsDown) * static_cast<Unsigned>(edge.stepExcess);
            const Unsigned rise = static_cast<Unsigned>(edge.rise);
            const Unsigned whole = part / rise, left = part % rise;
            edge.x += rowsDown * edge.step + static_cast<Int>(whole) + (left ? 1 : 0);
            edge.excess = left ? static_cast<Int>(rise - left) : 0;
        }
    }
    return static_cast<std::size_t>(kept - edges.data());
}

void RasterCanvas::fillSpan(std::uint32_t* row, int from, int to, std::uint32_t fillColour,
                            unsigned alpha) {
    if (alpha >= 255) {
        // Spans are mostly a few pixels: a plain loop beats the set-up of a wide fill.
        for (int x = from; x < to; ++x)
            row[x] = fillColour;
        return;
    }
    const Blend blend(fillColour, alpha);
    for (std::uint32_t* at = row + from; at != row + to; ++at)
        *at = blend.over(*at);
}

template <typename Int>
void RasterCanvas::fillByEdges(std::vector<PolygonEdgeOf<Int>>& edges, std::size_t count,
                               std::vector<PolygonEdgeOf<Int>*>& order,
                               std::vector<PolygonEdgeOf<Int>*>& active, std::uint32_t fillColour,
                               unsigned alpha) {
    using Edge = PolygonEdgeOf<Int>;
    // The edges by first row: a few, as most polygons have, by insertion.
    if (order.size() < count) order.resize(count);
    if (active.size() < count) active.resize(count);
    Edge** const sorted = order.data();
    for (std::size_t i = 0; i < count; ++i) {
        Edge* const edge = &edges[i];
        std::size_t j = i;
        if (count <= 32)
            for (; j > 0 && sorted[j - 1]->first > edge->first; --j)
                sorted[j] = sorted[j - 1];
        sorted[j] = edge;
    }
    if (count > 32)
        std::sort(sorted, sorted + count,
                  [](const Edge* a, const Edge* b) { return a->first < b->first; });

    // Rows crossed by more edges than this, and by more than a quarter of the columns, are
    // filled by column.
    constexpr std::size_t manyEdges = 64;
    const std::size_t columnCount = static_cast<std::size_t>(columns);
    int left = columns, right = 0, top = rows, bottom = 0; // of the pixels filled
    Edge** const crossing = active.data();
    std::size_t crossingCount = 0;
    Edge* const* next = sorted;
    Edge* const* const last = sorted + count;
    int y = (*next)->first;
    while (true) {
        for (; next != last && (*next)->first == y; ++next)
            crossing[crossingCount++] = *next;
        if (crossingCount == 2 && crossing[0]->winding + crossing[1]->winding == 0) {
            // Most rows of most polygons: two edges, one winding back the other, a span between
            // them. Walked in registers until one of them ends or another edge starts.
            Edge& a = *crossing[0];
            Edge& b = *crossing[1];
            int stop = std::min(a.end, b.end);
            if (next != last) stop = std::min(stop, (*next)->first);
            Int ax = a.x, aExcess = a.excess, bx = b.x, bExcess = b.excess;
            const Int aStep = a.step, aStepExcess = a.stepExcess, aRise = a.rise;
            const Int bStep = b.step, bStepExcess = b.stepExcess, bRise = b.rise;
            const Int lastColumn = static_cast<Int>(columns);
            std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
            for (; y < stop; ++y, row += pitch) {
                const Int from = std::max<Int>(std::min(ax, bx), 0);
                const Int to = std::min(std::max(ax, bx), lastColumn);
                if (from < to) {
                    if (alpha >= 255)
                        for (Int x = from; x < to; ++x)
                            row[x] = fillColour;
                    else
                        fillSpan(row, static_cast<int>(from), static_cast<int>(to), fillColour,
                                 alpha);
                    left = std::min(left, static_cast<int>(from));
                    right = std::max(right, static_cast<int>(to));
                    top = std::min(top, y);
                    bottom = y + 1;
                }
                // Without branches: whether the remainder wraps is as good as random.
                aExcess -= aStepExcess;
                const Int aCarry = -static_cast<Int>(aExcess < 0);
                ax += aStep - aCarry;
                aExcess += aRise & aCarry;
                bExcess -= bStepExcess;
                const Int bCarry = -static_cast<Int>(bExcess < 0);
                bx += bStep - bCarry;
                bExcess += bRise & bCarry;
            }
            a.x = ax;
            a.excess = aExcess;
            b.x = bx;
            b.excess = bExcess;
            crossingCount = (a.end != y ? 1 : 0) + (b.end != y ? 1 : 0);
            if (crossingCount == 1 && a.end == y) crossing[0] = &b;
        } else {
            std::uint32_t* const row = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
            const auto span = [&](int from, int to) {
                fillSpan(row, from, to, fillColour, alpha);
                left = std::min(left, from);
                right = std::max(right, to);
                top = std::min(top, y);
                bottom = y + 1;
            };
            if (crossingCount > manyEdges && crossingCount > columnCount / 4)
                spansByColumn(crossing, crossingCount, windingChanges, columns, span);
            else
                spansBetweenCuts(crossing, crossingCount, columns, span);

            // On to the next row: each edge moves by its step, those ending here leave.
            ++y;
            std::size_t kept = 0;
            for (std::size_t k = 0; k < crossingCount; ++k) {
                Edge* const edge = crossing[k];
                if (edge->end == y) continue;
                edge->x += edge->step;
                edge->excess -= edge->stepExcess;
                if (edge->excess < 0) {
                    edge->excess += edge->rise;
                    ++edge->x;
                }
                crossing[kept++] = edge;
            }
            crossingCount = kept;
        }
        if (crossingCount == 0) {
            if (next == last) break;
            y = (*next)->first; // rows that no edge crosses are passed over
        }
    }
    markChanged(PixelBounds{left, top, right, bottom});
}

void RasterCanvas::fillFewEdges(std::size_t count, std::uint32_t fillColour, unsigned alpha) {
    const NearEdge* const edges = nearEdges.data();
    int top = rows, bottom = 0;
    for (std::size_t k = 0; k < count; ++k) {
        top = std::min(top, edges[k].first);
        bottom = std::max(bottom, edges[k].end);
    }
    // A row has a slot for every edge; a cut is kept as (x + bias) * 2, plus 1 downwards, so that
    // sorting the numbers sorts the cuts.
    constexpr std::uint32_t bias = 1u << 16;
    const std::size_t height = static_cast<std::size_t>(bottom - top);
    if (rowCutCounts.size() < height) rowCutCounts.resize(height);
    if (rowCuts.size() < height * count) rowCuts.resize(height * count);
    int* const counts = rowCutCounts.data();
    std::fill(counts, counts + height, 0);
    for (std::size_t k = 0; k < count; ++k) {
        const NearEdge& edge = edges[k];
        std::int32_t x = edge.x, excess = edge.excess;
        const std::uint32_t down = edge.winding > 0 ? 1u : 0u;
        for (int y = edge.first - top, end = edge.end - top; y < end; ++y) {
            rowCuts[static_cast<std::size_t>(y) * count + static_cast<std::size_t>(counts[y]++)] =
                (static_cast<std::uint32_t>(x) + bias) * 2 + down;
            // Without branches: whether the remainder wraps is as good as random.
            excess -= edge.stepExcess;
            const std::int32_t carry = -static_cast<std::int32_t>(excess < 0);
            x += edge.step - carry;
            excess += edge.rise & carry;
        }
    }

    int left = columns, right = 0, filledTop = rows, filledBottom = 0;
    const auto span = [&](std::uint32_t* row, int y, std::uint32_t fromCut, std::uint32_t toCut) {
        const int from = std::max(static_cast<int>(fromCut / 2) - static_cast<int>(bias), 0);
        const int to = std::min(static_cast<int>(toCut / 2) - static_cast<int>(bias), columns);
        if (from >= to) return;
        if (alpha >= 255)
            for (int x = from; x < to; ++x)
                row[x] = fillColour;
        else
            fillSpan(row, from, to, fillColour, alpha);
        left = std::min(left, from);
        right = std::max(right, to);
        filledTop = std::min(filledTop, y);
        filledBottom = y + 1;
    };
    for (std::size_t r = 0; r < height; ++r) {
        std::uint32_t* const cuts = rowCuts.data() + r * count;
        const int y = top + static_cast<int>(r);
        std::uint32_t* const row = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        const int cutCount = counts[r];
        if (cutCount == 2) {
            // The most common row: one edge down, one up, the span between them.
            if ((cuts[0] ^ cuts[1]) & 1)
                span(row, y, std::min(cuts[0], cuts[1]), std::max(cuts[0], cuts[1]));
            continue;
        }
        for (int i = 1; i < cutCount; ++i) {
            const std::uint32_t cut = cuts[i];
            int j = i;
            for (; j > 0 && cuts[j - 1] > cut; --j)
                cuts[j] = cuts[j - 1];
            cuts[j] = cut;
        }
        int winding = 0;
        std::uint32_t start = 0;
        for (int i = 0; i < cutCount; ++i) {
            if (winding == 0) start = cuts[i];
            winding += cuts[i] & 1 ? 1 : -1;
            if (winding == 0) span(row, y, start, cuts[i]);
        }
    }
    markChanged(PixelBounds{left, filledTop, right, filledBottom});
}

void RasterCanvas::fillPolygon(const LinePoint* points, unsigned long count,
                               std::uint32_t fillColour, unsigned alpha) {
    endStroke();
    if (!pixels || !points || count < 3 || alpha == 0) return;
    long lowest = points[0].x, highest = points[0].x;
    for (unsigned long i = 0; i < count; ++i) {
        lowest = std::min(lowest, std::min(points[i].x, points[i].y));
        highest = std::max(highest, std::max(points[i].x, points[i].y));
    }
    // A row of a polygon of few vertices has few cuts, sorted quickly from scratch; for more,
    // keeping the crossing edges in order from row to row pays.
    constexpr unsigned long fewVertices = 32;
    if (lowest >= -nearReach && highest <= nearReach) {
        const std::size_t edges = polygonEdgesOf(points, count, nearEdges);
        if (!edges) return;
        if (count <= fewVertices)
            fillFewEdges(edges, fillColour, alpha);
        else
            fillByEdges(nearEdges, edges, nearOrder, nearActive, fillColour, alpha);
    } else {
        const std::size_t edges = polygonEdgesOf(points, count, farEdges);
        if (edges) fillByEdges(farEdges, edges, farOrder, farActive, fillColour, alpha);
    }
}
