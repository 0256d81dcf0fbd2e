// The automatic levels of a contour plot: round values across the range of the data, chosen the
// way an axis chooses its ticks.
#pragma once

#include "common/api.h"

#include <vector>

namespace velora {

// 5 to 10 levels, the multiples of a step of 1, 2, 2.5 or 5 times a power of ten that lie
// strictly inside (zmin, zmax), from the lowest up; the finest such step that gives at most 10.
// The ends themselves are left out: a level at the bottom of the data draws nothing, and one at
// the top only dots. No levels for an empty range or a bound that is not finite; the bounds
// may come in either order.
VELORA_API std::vector<double> contourLevels(double zmin, double zmax);

} // namespace velora
