// The ticks of a log axis: a major tick every so many decades, minor ticks between them when
// there are few decades, and the labels of the major ticks as powers of ten.
#pragma once

#include "common/api.h"
#include "plot/axisscale.h"

#include <vector>

namespace velora {

// Takes the decades of [min, max] into range.low and range.high and, for a step of 0, chooses
// the decades between major ticks (1, 2, 5, 10, 20, ... for at most 10 intervals) and widens the
// range to whole decades. False when the axis cannot be drawn: a bound <= 0 or not finite, or an
// empty range.
VELORA_API bool prepareLogAxis(AxisRange& range, double min, double max);

// The ticks of a prepared log axis in its units (decades), from low to high.
VELORA_API void logTicks(const AxisRange& range, std::vector<ScaleTick>& ticks);

// The label of the major tick at `decade`: "10^{-3}" in the text renderer's markup, or, with an
// accuracy between 0 and 1, the number itself with those decimals.
VELORA_API void logLabel(double decade, float accuracy, char* text, int capacity);

} // namespace velora
