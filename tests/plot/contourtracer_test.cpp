// Contour lines: rings around a cone, broken by a hole in the data, a line across a plane, the
// saddles both ways, grids no tracer can use, and the automatic levels.
#include "plot/contourlevels.h"
#include "plot/contourtracer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// The polylines as text, one a line, in sorted order, each read from its lower left point
// onwards, so that the text does not depend on where tracing began or which way it went.
std::string described(const std::vector<velora::ContourPolyline>& lines) {
    std::vector<std::string> texts;
    for (const velora::ContourPolyline& line : lines) {
        std::vector<std::pair<double, double>> p;
        for (std::size_t k = 0; k < line.x.size(); ++k)
            p.emplace_back(line.x[k], line.y[k]);
        if (line.closed) p.pop_back();
        std::rotate(p.begin(), line.closed ? std::min_element(p.begin(), p.end()) : p.begin(),
                    p.end());
        if (line.closed ? p.back() < p[1] : p.back() < p.front())
            std::reverse(p.begin() + line.closed, p.end());
        if (line.closed) p.push_back(p.front());
        std::ostringstream text;
        text << (line.closed ? "closed" : "open");
        for (const auto& point : p)
            text << " (" << point.first << ", " << point.second << ")";
        texts.push_back(text.str() + "\n");
    }
    std::sort(texts.begin(), texts.end());
    std::string all;
    for (const std::string& t : texts)
        all += t;
    return all;
}

} // namespace

TEST(ContourTracer, ConeGivesOneRingPerLevelAndAHoleBreaksIt) {
    // z = distance from the middle of (-1, -1) - (1, 1); the hole is the value at (0.488, 0),
    // just inside the ring at 0.5.
    const int n = 41;
    const double h = 2.0 / n;
    std::vector<double> z(n * n);
    for (int k = 0; k < n * n; ++k)
        z[k] = std::hypot(-1 + (k % n + 0.5) * h, -1 + (k / n + 0.5) * h);
    velora::ContourTracer tracer;
    const struct {
        double r;
        bool hole;
    } rings[] = {{0.1, false}, {0.25, false}, {0.5, false}, {0.8, false}, {0.5, true}};
    for (const auto [r, hole] : rings) {
        if (hole) z[20 * n + 30] = notANumber;
        const std::vector<velora::ContourPolyline>& lines =
            tracer.trace(z.data(), n, n, -1, -1, 1, 1, r);
        ASSERT_EQ(lines.size(), 1u) << "level " << r;
        const std::vector<double>&x = lines[0].x, &y = lines[0].y;
        EXPECT_EQ(lines[0].closed, !hole);
        EXPECT_EQ(x.front() == x.back() && y.front() == y.back(), !hole);
        // Linear interpolation of the distance misses the circle by at most h^2 / (8 r), and the
        // line turns once around the middle.
        double turned = 0;
        for (std::size_t k = 0; k < x.size(); ++k) {
            ASSERT_NEAR(std::hypot(x[k], y[k]), r, h * h / r) << k;
            const double d = k ? std::atan2(y[k], x[k]) - std::atan2(y[k - 1], x[k - 1]) : 0;
            turned += d > pi ? d - 2 * pi : d < -pi ? d + 2 * pi : d;
        }
        EXPECT_NEAR(std::fabs(turned), 2 * pi, hole ? 8 * h : 1e-9) << "level " << r;
        // The ends of the broken ring lie beside the hole.
        const double ends = std::hypot(x[0] - 0.5, y[0]) + std::hypot(x.back() - 0.5, y.back());
        EXPECT_LT(hole ? ends : 0, 4 * h);
    }
}

TEST(ContourTracer, PlanesPlateausAndSaddles) {
    // Squares with their values at the centres of cells one unit wide. On the plane z = i + j
    // the level runs along x + y = 3.5; a level on values passes through them, and one at the
    // top of a plateau rings it through the values on its edge.
    const std::vector<double> plane = {0, 1, 2, 3, 1, 2, 3, 4, 2, 3, 4, 5};
    const std::vector<double> plateau = {0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0};
    const struct {
        std::vector<double> z; // row 0 first
        int nx, ny;
        double level;
        const char* lines;
    } cases[] = {
        {plane, 4, 3, 2.5, "open (1, 2.5) (1.5, 2) (2, 1.5) (2.5, 1) (3, 0.5)\n"},
        {plane, 4, 3, 3.0, "open (1.5, 2.5) (2.5, 1.5) (3.5, 0.5)\n"},
        {plateau, 4, 4, 1, "closed (1.5, 1.5) (1.5, 2.5) (2.5, 2.5) (2.5, 1.5) (1.5, 1.5)\n"},
        // A saddle's mean is 0.5: up to it the corners above are joined and the lines cut off
        // the two below; above it they cut off the two above.
        {{1, 0, 0, 1}, 2, 2, 0.4, "open (0.5, 1.1) (0.9, 1.5)\nopen (1.1, 0.5) (1.5, 0.9)\n"},
        {{1, 0, 0, 1}, 2, 2, 0.5, "open (0.5, 1) (1, 1.5)\nopen (1, 0.5) (1.5, 1)\n"},
        {{1, 0, 0, 1}, 2, 2, 0.6, "open (0.5, 0.9) (0.9, 0.5)\nopen (1.1, 1.5) (1.5, 1.1)\n"},
        {{0, 1, 1, 0}, 2, 2, 0.4, "open (0.5, 0.9) (0.9, 0.5)\nopen (1.1, 1.5) (1.5, 1.1)\n"},
        {{0, 1, 1, 0}, 2, 2, 0.6, "open (0.5, 1.1) (0.9, 1.5)\nopen (1.1, 0.5) (1.5, 0.9)\n"},
        // Extremes whose differences overflow; values that are not finite.
        {{-1e308, 1e308, -1e308, 1e308}, 2, 2, 0.0, "open (1, 0.5) (1, 1.5)\n"},
        {{notANumber, 1, inf, -inf, 0, notANumber, 1, 1, 1}, 3, 3, 0.5, ""},
    };
    velora::ContourTracer tracer;
    for (const auto& c : cases) {
        const double w = c.nx, h = c.ny;
        EXPECT_EQ(described(tracer.trace(c.z.data(), c.nx, c.ny, 0, 0, w, h, c.level)), c.lines)
            << c.nx << " x " << c.ny << " level " << c.level;
        // The same values as floats give the same lines.
        const std::vector<float> zf(c.z.begin(), c.z.end());
        if (std::fabs(c.z[0]) != 1e308) {
            EXPECT_EQ(described(tracer.trace(zf.data(), c.nx, c.ny, 0, 0, w, h, float(c.level))),
                      c.lines);
        }
    }
}

TEST(ContourTracer, HostileGridsGiveNothing) {
    const double small[4] = {0, 1, 2, 3};
    const struct {
        const double* z;
        int nx, ny;
        double level;
    } cases[] = {{nullptr, 10, 10, 1},      {small, 0, 2, 1},       {small, 2, 0, 1},
                 {small, 1, 4, 1},          {small, 4, 1, 1},       {small, -2, -2, 1},
                 {small, INT_MAX, 1, 1},    {small, 2, INT_MAX, 1}, {small, 1 << 20, 1 << 20, 1},
                 {small, 2, 2, notANumber}, {small, 2, 2, inf},     {small, 2, 2, -inf}};
    velora::ContourTracer tracer;
    for (const auto& c : cases)
        EXPECT_TRUE(tracer.trace(c.z, c.nx, c.ny, 0, 0, 1, 1, c.level).empty())
            << c.nx << " x " << c.ny << " level " << c.level;
    EXPECT_TRUE(tracer.trace(static_cast<const float*>(nullptr), 5, 5, 0, 0, 1, 1, 0.5f).empty());
    // A rectangle that is not finite gives points that are not either, and nothing worse.
    EXPECT_EQ(tracer.trace(small, 2, 2, notANumber, 0, 2, inf, 1.5).size(), 1u);
}

TEST(ContourTracer, LargeGridTracesEveryLevel) {
    const int n = 1000;
    std::vector<float> z(n * n);
    for (int k = 0; k < n * n; ++k)
        z[k] = static_cast<float>(std::sin(k % n * 0.031) * std::cos(k / n * 0.023));
    velora::ContourTracer tracer;
    std::size_t points = 0;
    for (double level : velora::contourLevels(-1, 1))
        for (const velora::ContourPolyline& line :
             tracer.trace(z.data(), n, n, 0, 0, 1, 1, static_cast<float>(level)))
            points += line.x.size();
    EXPECT_GT(points, 10000u);
}

TEST(ContourLevels, RoundValuesStrictlyInsideTheRange) {
    using Levels = std::vector<double>;
    EXPECT_EQ(velora::contourLevels(0, 1), (Levels{.1, .2, .3, .4, .5, .6, .7, .8, .9}));
    EXPECT_EQ(velora::contourLevels(-3.7, 12), (Levels{-2, 0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(velora::contourLevels(12, -3.7), (Levels{-2, 0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(velora::contourLevels(1e-9, 3e-9),
              (Levels{1.2e-9, 1.4e-9, 1.6e-9, 1.8e-9, 2e-9, 2.2e-9, 2.4e-9, 2.6e-9, 2.8e-9}));
    EXPECT_EQ(velora::contourLevels(0, 25), (Levels{2.5, 5, 7.5, 10, 12.5, 15, 17.5, 20, 22.5}));
    for (double high : {5.0, notANumber, inf})
        EXPECT_TRUE(velora::contourLevels(5, high).empty()) << high;
    // Any range: 5 to 10 levels, a whole step apart, the step 1, 2, 2.5 or 5 times a power of ten.
    for (double low : {-1000.0, -3.7, 0.0, 1e-7, 42.0, 1e300, -1.7e308})
        for (int p = -30; p <= 30; ++p) {
            const double high =
                low + std::min(std::pow(10, p / 7.0) * std::max(std::fabs(low), 1e-7), 1.7e308);
            const std::vector<double> levels = velora::contourLevels(low, high);
            ASSERT_TRUE(levels.size() >= 5 && levels.size() <= 10) << low << " ... " << high;
            ASSERT_TRUE(levels.front() > low && levels.back() < high) << low << " ... " << high;
            const double step = (levels.back() - levels.front()) / (levels.size() - 1);
            const double m = step / std::pow(10, std::floor(std::log10(step) + 1e-9));
            EXPECT_LT(std::min({std::fabs(m - 1), std::fabs(m - 2), std::fabs(m - 2.5),
                                std::fabs(m - 5)}),
                      1e-6)
                << "step " << step << " for " << low << " ... " << high;
            for (std::size_t k = 0; k < levels.size(); ++k)
                ASSERT_NEAR(levels[k], levels.front() + k * step, step * 1e-6);
            EXPECT_NEAR(std::remainder(levels.front(), step), 0, step * 1e-6);
        }
}
