// The ticks of a time axis: natural steps of seconds, minutes, hours, days, months and years,
// placed on whole clock values of the absolute time, and their labels as a lab notebook writes
// them. Values are seconds since an origin (seconds since 1970, UTC); times are shown with a zone
// offset in minutes and never in the machine's own zone.
#pragma once

#include "common/api.h"
#include "plot/axisscale.h"

#include <vector>

namespace velora {

struct TimeFrame {
    double origin = 0.0;
    int zoneMinutes = 0;
};

// A step of seconds (fractions too) or of calendar months (12, 24, ... for years).
struct TimeStep {
    double seconds = 0.0;
    int months = 0;
};

// The step for a span of seconds: 1, 2, 5, 10, 15, 30 s; 1, 2, 5, 10, 15, 30 min; 1, 2, 3, 6,
// 12 h; 1, 2, 7 days; 1, 3, 6 months; 1, 2, 5, 10, ... years; below a second 1, 2 and 5 times a
// power of ten down to a nanosecond; the first that gives at most 10 intervals.
VELORA_API TimeStep chooseTimeStep(double span);

// The ticks in [lo, hi] (seconds since the origin), from lo on. False when the axis cannot be
// drawn: more than maxTicks ticks, a step that is not positive, or times beyond about 300
// million years from 1970.
VELORA_API bool timeTicks(const TimeFrame& frame, double lo, double hi, TimeStep step,
                          std::vector<ScaleTick>& ticks);

// The label of the tick at v: "14:05:30.25", "14:05:30", "14:05", "07.12.", "2026-12" or "2026",
// its form chosen from the step.
VELORA_API void timeLabel(const TimeFrame& frame, double v, TimeStep step, char* text,
                          int capacity);

// The line written below a tick where the date changes: the date "2026-12-07" on steps below a
// day, the year on steps of days, nothing on steps of months. `previous` is the value of the
// tick before (NaN for the first tick, which always gets its line).
VELORA_API void dateLine(const TimeFrame& frame, double v, double previous, TimeStep step,
                         char* text, int capacity);

} // namespace velora
