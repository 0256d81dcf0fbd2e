// The ticks of a plot axis, apart from any drawing: the automatic choice of a tick step, the
// tick values (accumulated in float, as the boxes draw them) and the count that bounds them.
#pragma once

#include "common/api.h"

namespace velora {

// An axis with more ticks than this, or with a step that never reaches its end, cannot be drawn.
constexpr int maxTicks = 10000;

// The ticks run from min while v <= max + step / 1000, so the last one survives float rounding.
inline double tickLimit(float max, float step) {
    return static_cast<double>(max) + static_cast<double>(step) / 1000.0;
}
inline float nextTick(float v, float step) {
    return static_cast<float>(static_cast<double>(v) + step);
}

// Chooses a step of 1, 2.5 or 5 times a power of ten (with the odd 2 or 0.25 times) that gives
// 5 to 10 intervals, and widens [min, max] to whole multiples of it. Expects min < max.
VELORA_API void chooseTickStep(float& min, float& max, float& step);

// The number of tick values of the axis, or -1 when there would be more than maxTicks.
VELORA_API int tickCount(float min, float max, float step);

} // namespace velora
