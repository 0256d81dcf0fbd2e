// PolylineSimplifier: thins a polyline in points as it streams in, for the PDF and SVG writers.
// A point is dropped only when the line written stays within `tolerance` of it, so a dense
// polyline (thousands of samples on every hundredth of a point) shrinks to what a printer can
// show. Kept points are put on a grid of thousandths of a point; the tolerance leaves room for
// that rounding.
#pragma once

#include "common/api.h"

#include <cmath>
#include <vector>

namespace velora {

// A point on the grid of thousandths of a point.
struct GridPoint {
    long long x, y;
    bool operator==(const GridPoint& o) const { return x == o.x && y == o.y; }
};

// The grid step nearest to a coordinate in points, halves away from zero as std::llround rounds
// them, without its call: every vertex of every file passes here. Far-off values are clamped.
inline long long gridValue(double v) {
    // A billion points is far off any page; beyond it the grid would overflow.
    constexpr double farOff = 1e9;
    if (!(v >= -farOff)) return v != v ? std::llround(v) : -1000 * static_cast<long long>(farOff);
    if (!(v <= farOff)) return 1000 * static_cast<long long>(farOff);
    const double scaled = v * 1000.0;
    long long whole = static_cast<long long>(scaled);
    // The part after the point is exact: both lie on the same binade's grid.
    const double fraction = scaled - static_cast<double>(whole);
    if (fraction >= 0.5)
        ++whole;
    else if (fraction <= -0.5)
        --whole;
    return whole;
}

// The grid point nearest to a coordinate in points.
inline GridPoint toGrid(double x, double y) {
    return {gridValue(x), gridValue(y)};
}

class VELORA_API PolylineSimplifier {
public:
    // Distance a dropped point may lie from the written line: 0.0092 point, plus at most
    // 0.0007 for the rounding of the kept points to the grid, stays under 0.01 point.
    static constexpr double tolerance = 0.0092;

    // Kept points are appended to `out`.
    explicit PolylineSimplifier(std::vector<GridPoint>& out) : out(out) {}

    // Starts a polyline at a point, which is always kept.
    void start(double x, double y);
    void add(double x, double y);
    // Ends the polyline: keeps what its end needs. A polyline that never left its start keeps
    // a second point, so that the round caps show a dot.
    void finish();

private:
    void keep(double x, double y);
    bool extends(double dx, double dy, double d2) const;

    std::vector<GridPoint>& out;
    // The last kept point, as written (on the grid), in points.
    double ax = 0, ay = 0;
    // The farthest point so far that can end a straight segment from the anchor.
    double cx = 0, cy = 0;
    bool hasCandidate = false;
    // Directions from the anchor that every dropped point allows (a wedge, clockwise edge lo,
    // anticlockwise edge hi), and the distance of the candidate.
    double lox = 0, loy = 0, hix = 0, hiy = 0;
    double candidateDistance2 = 0;
    double lastx = 0, lasty = 0;
    bool keptSegment = false;
};

} // namespace velora
