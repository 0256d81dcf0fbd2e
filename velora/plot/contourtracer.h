// ContourTracer: the lines of one level through a grid of values, by marching squares, joined
// into polylines in data coordinates, ready to be drawn.
#pragma once

#include "common/api.h"

#include <cstddef>
#include <vector>

namespace velora {

// One line of a level. A closed one comes back to its start: its last point repeats the first.
struct ContourPolyline {
    std::vector<double> x, y;
    bool closed = false;
};

// The grid z holds ny rows of nx values, row 0 first (z[j * nx + i]). It covers the rectangle
// (x1, y1) - (x2, y2) as a colour map's cells do: value (i, j) sits at the centre of its cell,
// x1 + (i + 0.5) * (x2 - x1) / nx across, and likewise up. A value counts as above the level when
// it is >= the level; where two opposite corners of a square are above and the two others are
// not, the mean of the four decides whether the above corners are joined through the middle.
// A square with a corner that is not finite has no lines: the lines end at its edges.
//
// One tracer serves every level of a grid, and keeps its storage from one to the next; the
// polylines returned live until the next trace. Neither tracing nor the result ever depends on
// anything but the arguments.
class VELORA_API ContourTracer {
public:
    // The open polylines (border to border, or to a square that has no lines) and the closed ones.
    // Nothing for a null z, fewer than 2 rows or columns, a grid too large to mark (more than
    // 2^30 values) or a level that is not finite.
    const std::vector<ContourPolyline>& trace(const float* z, int nx, int ny, double x1, double y1,
                                              double x2, double y2, float level);
    const std::vector<ContourPolyline>& trace(const double* z, int nx, int ny, double x1, double y1,
                                              double x2, double y2, double level);

private:
    // The tracing of one level, in the arithmetic of the grid's type.
    template <typename T> class Level;

    template <typename T>
    const std::vector<ContourPolyline>& traceGrid(const T* z, int nx, int ny, double x1, double y1,
                                                  double x2, double y2, T level);
    // A polyline to fill, from those the last trace left behind where there are any.
    ContourPolyline& startPolyline();
    void dropLastPolyline();

    std::vector<ContourPolyline> lines, spare;
    // Per square its four corners above the level (bits 0 ... 3 from the lower left, counter-
    // clockwise), or noLines; per edge whether a line has crossed it.
    std::vector<unsigned char> squares, crossed;
    // Two rows of the grid's values, each marked above the level or not finite.
    std::vector<unsigned char> rowMarks;
    // The squares that lines cross, in the order of the grid: where the tracing looks for starts.
    std::vector<std::size_t> linedSquares;
};

} // namespace velora
