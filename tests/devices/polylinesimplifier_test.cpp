// The thinning of dense polylines: every dropped point stays within 0.01 point of the line
// written, and dense smooth lines shrink to what can be seen.
#include "devices/files/polylinesimplifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using velora::GridPoint;
using velora::PolylineSimplifier;

namespace {

struct Point {
    double x, y;
};

double distanceToSegment(Point p, const GridPoint& a, const GridPoint& b) {
    const double ax = a.x / 1000.0, ay = a.y / 1000.0, bx = b.x / 1000.0, by = b.y / 1000.0;
    const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - ax) * dx + (p.y - ay) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (ax + t * dx), p.y - (ay + t * dy));
}

// Thins the points and returns the largest distance of any of them from the kept line. A point
// is dropped near the segment from the last kept point to the next, or to the one before when
// its arrival kept a point: the segments around the number kept when it came are looked at.
double largestDeviation(const std::vector<Point>& points, std::vector<GridPoint>& kept) {
    kept.clear();
    std::vector<std::size_t> keptWhenAdded(points.size(), 1);
    PolylineSimplifier simplifier(kept);
    simplifier.start(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        simplifier.add(points[i].x, points[i].y);
        keptWhenAdded[i] = kept.size();
    }
    simplifier.finish();
    double largest = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::size_t k = keptWhenAdded[i];
        double nearest = distanceToSegment(points[i], kept[k - 1], kept[k - 1]);
        for (std::size_t s = k >= 3 ? k - 3 : 0; s <= k && s + 1 < kept.size(); ++s)
            nearest = std::min(nearest, distanceToSegment(points[i], kept[s], kept[s + 1]));
        largest = std::max(largest, nearest);
    }
    return largest;
}

} // namespace

TEST(PolylineSimplifier, DroppedPointsStayWithinOneHundredthOfAPoint) {
    std::vector<Point> sine, walk, spikes;
    unsigned state = 7;
    const auto uniform = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0 - 0.5;
    };
    double x = 100, y = 500;
    for (int i = 0; i < 1000000; ++i) {
        // A sine across a 440-point box: thousands of samples on every hundredth of a point.
        sine.push_back({35 + 440.0 * i / 1000000, 630 + 150 * std::sin(i * 2e-5)});
        // A random walk in steps of about a hundredth, and one in big steps.
        const double step = i < 500000 ? 0.02 : 3.0;
        x += step * uniform();
        y += step * uniform();
        walk.push_back({x, y});
        // Spikes: a flat line with single samples far off, back and forth within a column.
        const double base = 600 + (i % 1000 == 0 ? 80 * uniform() : 0.001 * uniform());
        spikes.push_back({35 + 440.0 * i / 1000000, base});
    }
    std::vector<GridPoint> kept;
    EXPECT_LT(largestDeviation(sine, kept), 0.01);
    EXPECT_LT(kept.size(), 20000u) << "a smooth line needs few points";
    EXPECT_LT(largestDeviation(walk, kept), 0.01);
    EXPECT_LT(largestDeviation(spikes, kept), 0.01);
    EXPECT_LT(kept.size(), 5000u) << "spikes: a few points each";
}

TEST(PolylineSimplifier, KeepsEndsCornersAndDots) {
    std::vector<GridPoint> kept;
    PolylineSimplifier simplifier(kept);
    // A corner: the straight runs go, the corner and the ends stay.
    simplifier.start(0, 0);
    for (int i = 1; i <= 100; ++i)
        simplifier.add(i, 0);
    for (int i = 1; i <= 100; ++i)
        simplifier.add(100, i);
    simplifier.finish();
    EXPECT_EQ(kept, (std::vector<GridPoint>{{0, 0}, {100000, 0}, {100000, 100000}}));
    // A line that never leaves its start is a dot: a segment of no length.
    kept.clear();
    simplifier.start(1.25, 5);
    simplifier.add(1.252, 5);
    simplifier.finish();
    EXPECT_EQ(kept, (std::vector<GridPoint>{{1250, 5000}, {1252, 5000}}));
    // Going back along the line keeps the point where it turned.
    kept.clear();
    simplifier.start(0, 0);
    simplifier.add(10, 0);
    simplifier.add(5, 0);
    simplifier.finish();
    EXPECT_EQ(kept, (std::vector<GridPoint>{{0, 0}, {10000, 0}, {5000, 0}}));
    // Down to the base and back up the same edge, as the bars of a histogram of equal heights
    // are outlined: the line comes back to where it turned down before it goes on.
    kept.clear();
    simplifier.start(0, 10);
    simplifier.add(10, 10);
    simplifier.add(10, 0);
    simplifier.add(10, 10);
    simplifier.add(20, 10);
    simplifier.finish();
    EXPECT_EQ(kept, (std::vector<GridPoint>{
                        {0, 10000}, {10000, 10000}, {10000, 0}, {10000, 10000}, {20000, 10000}}));
}

// The grid rounds as std::llround does, halves away from zero, everywhere on and off the page:
// the files' bytes depend on it.
TEST(PolylineSimplifier, GridRoundsAsLlround) {
    unsigned state = 2463534242u;
    std::vector<double> values = {0.0,  -0.0,  1e9,    -1e9,     2e9,
                                  -2e9, 1e300, -1e300, HUGE_VAL, -HUGE_VAL};
    for (int i = 0; i < 50000; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double v = (static_cast<double>(state) - 2147483648.0) / (1 << (i % 31));
        values.push_back(v);
        // Halves of the grid and their neighbours.
        const double half = (static_cast<double>(state % 2000001) - 1000000.0 + 0.5) / 1000.0;
        values.push_back(half);
        values.push_back(std::nextafter(half, 0.0));
        values.push_back(std::nextafter(half, 1e9));
    }
    for (double v : values)
        ASSERT_EQ(velora::gridValue(v), std::llround(std::clamp(v, -1e9, 1e9) * 1000.0)) << v;
}
