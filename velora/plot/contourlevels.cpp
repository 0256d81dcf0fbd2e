#include "plot/contourlevels.h"

#include "plot/axisscale.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace velora {

namespace {

constexpr int maxLevels = 10;
// A step that leaves more multiples than this in the range is far too fine, and is not counted
// one by one.
constexpr double hopelessMultiples = 100;
constexpr double mantissas[] = {1.0, 2.0, 2.5, 5.0};

// 10^decades by products and quotients of exact powers, so that every build computes the same
// levels and 0.3 comes out as the double nearest 0.3, not 3 * 0.1.
struct StepScale {
    double power = 1.0; // 10^|decades|, exact up to 10^22
    bool divide = false;

    explicit StepScale(int decades) : divide(decades < 0) {
        for (int k = 0; k < std::abs(decades); ++k)
            power *= 10.0;
    }
    double times(double v) const { return divide ? v / power : v * power; }
};

// The levels of one step, into levels; false when there are more than maxLevels.
bool levelsOfStep(double zmin, double zmax, double mantissa, const StepScale& scale,
                  std::vector<double>& levels) {
    levels.clear();
    const double step = scale.times(mantissa);
    const double first = std::floor(zmin / step), last = std::ceil(zmax / step);
    if (!(last - first <= hopelessMultiples)) return false;
    for (double k = first; k <= last; ++k) {
        const double level = scale.times(k * mantissa);
        // Where the multiples are finer than the doubles, neighbours round to one value.
        if (level <= zmin || level >= zmax || (!levels.empty() && level <= levels.back())) continue;
        if (static_cast<int>(levels.size()) == maxLevels) return false;
        levels.push_back(level);
    }
    return true;
}

} // namespace

std::vector<double> contourLevels(double zmin, double zmax) {
    std::vector<double> levels;
    if (!std::isfinite(zmin) || !std::isfinite(zmax) || zmin == zmax) return levels;
    if (zmin > zmax) std::swap(zmin, zmax);
    // Half the range, which cannot overflow; the first step tried is a hundredth to a thousandth
    // of the range, well below the one wanted.
    const double halfRange = zmax * 0.5 - zmin * 0.5;
    if (!(halfRange > 0.0)) return levels;
    const int firstDecades = static_cast<int>(std::floor(decimalLog(halfRange))) - 2;
    for (int decades = firstDecades; decades <= firstDecades + 4; ++decades) {
        const StepScale scale(decades);
        // Past 10^308 the scale is infinite and no level can be placed.
        if (!std::isfinite(scale.power)) break;
        for (double mantissa : mantissas)
            if (levelsOfStep(zmin, zmax, mantissa, scale, levels)) return levels;
    }
    levels.clear();
    return levels;
}

} // namespace velora
