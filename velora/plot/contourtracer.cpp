#include "plot/contourtracer.h"

#include <cmath>
#include <new>
#include <stdexcept>
#include <utility>

namespace velora {

namespace {

constexpr unsigned char noLines = 0xff;
constexpr unsigned char allAbove = 0xf;
// The mark of a value that is not finite, beside 1 for above the level and 0 for below.
constexpr unsigned char notFinite = 2;
// Beyond this the marks alone would take gigabytes, and the edge numbers would not fit the
// 32-bit builds' sizes.
constexpr long long maxValues = 1LL << 30;

// The sides of a square counter-clockwise from the bottom; the square across side s sees the
// same edge as side (s + 2) % 4.
enum Side { bottom, right, top, left };
constexpr int sides = 4;
constexpr int opposite(int side) {
    return (side + 2) % sides;
}

// The corners at the two ends of each side, the one with the lower grid index first, so that
// both squares of an edge interpolate it in the same order and meet at the same bits.
constexpr int sideCorners[sides][2] = {{0, 1}, {1, 2}, {3, 2}, {0, 3}};
// Each corner's place from the square's lower left value, in columns and rows.
constexpr int cornerOffset[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
// The two sides that meet at each corner.
constexpr int cornerSides[4][2] = {{bottom, left}, {bottom, right}, {right, top}, {top, left}};

bool above(unsigned corners, int corner) {
    return (corners >> corner & 1u) != 0;
}
bool isCrossed(unsigned corners, int side) {
    return above(corners, sideCorners[side][0]) != above(corners, sideCorners[side][1]);
}
bool isSaddle(unsigned corners) {
    return corners == 0x5 || corners == 0xa;
}

// The side where the line that enters a square through `entry` leaves it. In a saddle each line
// cuts off one corner: a corner below when the corners above are joined through the middle,
// else a corner above.
int exitSide(unsigned corners, int entry, bool aboveJoined) {
    if (isSaddle(corners)) {
        const int a = sideCorners[entry][0], b = sideCorners[entry][1];
        const int cut = above(corners, a) != aboveJoined ? a : b;
        return cornerSides[cut][0] == entry ? cornerSides[cut][1] : cornerSides[cut][0];
    }
    for (int side = 0; side < sides; ++side)
        if (side != entry && isCrossed(corners, side)) return side;
    return entry;
}

} // namespace

template <typename T> class ContourTracer::Level {
public:
    Level(ContourTracer& tracer, const T* z, int nx, int ny, double x1, double y1, double x2,
          double y2, T level)
        : tracer(tracer), z(z), nx(nx), ny(ny), level(level), x1(x1), y1(y1), dx((x2 - x1) / nx),
          dy((y2 - y1) / ny), horizontalEdges((nx - 1LL) * ny) {}

    void run() {
        classifySquares();
        tracer.crossed.assign(static_cast<std::size_t>(horizontalEdges + nx * (ny - 1)), 0);
        // Every open line has an end whose square across is missing; what is left after them
        // are rings.
        for (int pass = 0; pass < 2; ++pass) {
            const bool openLines = pass == 0;
            for (const std::size_t square : tracer.linedSquares) {
                const long long i = static_cast<long long>(square) % (nx - 1),
                                j = static_cast<long long>(square) / (nx - 1);
                const unsigned corners = tracer.squares[square];
                for (int side = 0; side < sides; ++side) {
                    if (!isCrossed(corners, side) || tracer.crossed[edge(i, j, side)]) continue;
                    if (openLines == hasLines(i + stepI(side), j + stepJ(side))) continue;
                    follow(i, j, side);
                }
            }
        }
    }

private:
    static long long stepI(int side) { return side == right ? 1 : side == left ? -1 : 0; }
    static long long stepJ(int side) { return side == top ? 1 : side == bottom ? -1 : 0; }

    double value(long long i, long long j) const { return z[j * nx + i]; }

    // Each value is looked at once: a row of marks (above the level, or not finite) serves the
    // squares on both sides of it.
    void classifySquares() {
        tracer.squares.resize(static_cast<std::size_t>((nx - 1) * (ny - 1)));
        tracer.rowMarks.resize(static_cast<std::size_t>(2 * nx));
        tracer.linedSquares.clear();
        unsigned char* lower = tracer.rowMarks.data();
        unsigned char* upper = lower + nx;
        markRow(0, lower);
        const long long columns = nx - 1;
        for (long long j = 0; j < ny - 1; ++j) {
            markRow(j + 1, upper);
            const std::size_t first = static_cast<std::size_t>(j * (nx - 1));
            unsigned char* square = &tracer.squares[first];
            std::vector<std::size_t>& lined = tracer.linedSquares;
            for (long long i = 0; i < columns; ++i) {
                const unsigned a = lower[i], b = lower[i + 1], c = upper[i + 1], d = upper[i];
                const unsigned corners =
                    (a | b | c | d) & notFinite ? noLines : a | b << 1 | c << 2 | d << 3;
                square[i] = static_cast<unsigned char>(corners);
                // Most squares lie wholly above or below the level: no line crosses them.
                if (corners != noLines && corners != 0 && corners != allAbove)
                    lined.push_back(first + static_cast<std::size_t>(i));
            }
            std::swap(lower, upper);
        }
    }

    void markRow(long long j, unsigned char* marks) const {
        // In locals: the marks are bytes, which the compiler must assume may alias the members.
        const T* row = z + j * nx;
        const T at = level;
        const long long count = nx;
        for (long long i = 0; i < count; ++i)
            marks[i] = !std::isfinite(row[i]) ? notFinite : row[i] >= at ? 1 : 0;
    }

    unsigned squareAt(long long i, long long j) const {
        return tracer.squares[static_cast<std::size_t>(j * (nx - 1) + i)];
    }
    bool hasLines(long long i, long long j) const {
        return i >= 0 && j >= 0 && i < nx - 1 && j < ny - 1 && squareAt(i, j) != noLines;
    }

    std::size_t edge(long long i, long long j, int side) const {
        switch (side) {
        case bottom:
            return static_cast<std::size_t>(j * (nx - 1) + i);
        case top:
            return static_cast<std::size_t>((j + 1) * (nx - 1) + i);
        case left:
            return static_cast<std::size_t>(horizontalEdges + j * nx + i);
        default:
            return static_cast<std::size_t>(horizontalEdges + j * nx + i + 1);
        }
    }

    bool aboveJoined(long long i, long long j) const {
        const double mean =
            (value(i, j) + value(i + 1, j) + value(i + 1, j + 1) + value(i, j + 1)) * 0.25;
        return mean >= static_cast<double>(level);
    }

    // Where the level crosses the edge from za to zb, as a fraction of the way. The halves
    // cannot overflow where the differences would, and give the same bits wherever they do not.
    double crossing(double za, double zb) const {
        const double l = level;
        const double t = (l * 0.5 - za * 0.5) / (zb * 0.5 - za * 0.5);
        return !(t > 0.0) ? 0.0 : t < 1.0 ? t : 1.0;
    }

    void addPoint(ContourPolyline& line, long long i, long long j, int side) const {
        const int a = sideCorners[side][0], b = sideCorners[side][1];
        const long long ia = i + cornerOffset[a][0], ja = j + cornerOffset[a][1];
        const double t =
            crossing(value(ia, ja), value(i + cornerOffset[b][0], j + cornerOffset[b][1]));
        const bool across = side == bottom || side == top;
        const double u = static_cast<double>(ia) + (across ? t : 0.0) + 0.5;
        const double v = static_cast<double>(ja) + (across ? 0.0 : t) + 0.5;
        const double x = x1 + u * dx, y = y1 + v * dy;
        // A corner right at the level puts the crossings of both its edges on it.
        if (!line.x.empty() && line.x.back() == x && line.y.back() == y) return;
        line.x.push_back(x);
        line.y.push_back(y);
    }

    // One polyline from the edge where it enters square (i, j), until it leaves the squares
    // with lines or comes back to its start.
    void follow(long long i, long long j, int entry) {
        ContourPolyline& line = tracer.startPolyline();
        const std::size_t start = edge(i, j, entry);
        tracer.crossed[start] = 1;
        addPoint(line, i, j, entry);
        for (;;) {
            const unsigned corners = squareAt(i, j);
            const int exit = exitSide(corners, entry, isSaddle(corners) && aboveJoined(i, j));
            const std::size_t e = edge(i, j, exit);
            if (e == start) {
                addPoint(line, i, j, exit);
                line.closed = true;
                break;
            }
            if (tracer.crossed[e]) break;
            tracer.crossed[e] = 1;
            addPoint(line, i, j, exit);
            i += stepI(exit);
            j += stepJ(exit);
            entry = opposite(exit);
            if (!hasLines(i, j)) break;
        }
        // A ring around a single value at the level shrinks to its one point.
        if (line.x.size() < 2) tracer.dropLastPolyline();
    }

    ContourTracer& tracer;
    const T* z;
    long long nx, ny;
    T level;
    double x1, y1, dx, dy;
    long long horizontalEdges;
};

ContourPolyline& ContourTracer::startPolyline() {
    if (spare.empty()) {
        lines.emplace_back();
    } else {
        lines.push_back(std::move(spare.back()));
        spare.pop_back();
    }
    ContourPolyline& line = lines.back();
    line.x.clear();
    line.y.clear();
    line.closed = false;
    return line;
}

void ContourTracer::dropLastPolyline() {
    spare.push_back(std::move(lines.back()));
    lines.pop_back();
}

template <typename T>
const std::vector<ContourPolyline>& ContourTracer::traceGrid(const T* z, int nx, int ny, double x1,
                                                             double y1, double x2, double y2,
                                                             T level) {
    try {
        for (ContourPolyline& line : lines)
            spare.push_back(std::move(line));
        lines.clear();
        if (!z || nx < 2 || ny < 2 || static_cast<long long>(nx) * ny > maxValues ||
            !std::isfinite(level))
            return lines;
        Level<T>(*this, z, nx, ny, x1, y1, x2, y2, level).run();
    } catch (const std::bad_alloc&) {
        lines.clear();
    } catch (const std::length_error&) {
        lines.clear();
    }
    return lines;
}

const std::vector<ContourPolyline>& ContourTracer::trace(const float* z, int nx, int ny, double x1,
                                                         double y1, double x2, double y2,
                                                         float level) {
    return traceGrid(z, nx, ny, x1, y1, x2, y2, level);
}

const std::vector<ContourPolyline>& ContourTracer::trace(const double* z, int nx, int ny, double x1,
                                                         double y1, double x2, double y2,
                                                         double level) {
    return traceGrid(z, nx, ny, x1, y1, x2, y2, level);
}

} // namespace velora
