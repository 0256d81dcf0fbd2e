// The scale of one plot axis: how a data value becomes a place between the plotting area's
// edges. A linear or time axis maps the value itself; a log axis maps its decimal logarithm.
#pragma once

#include "common/api.h"

namespace velora {

enum class ScaleKind { linear = 0, log10 = 1, time = 2 };

// The decimal logarithm in plain double arithmetic, without the C library, so that every build
// maps a value to the same bits. NaN for values <= 0 and for values that are not finite.
VELORA_API double decimalLog(double v);

// The decimal logarithm of a bound, taken as a whole decade when it lies within a float's
// rounding of one (1e-3f is a little above 0.001).
VELORA_API double decadeOf(double v);

// One tick of a log or time axis: its value (a decade on a log axis, seconds since the origin on a
// time axis), and whether it is a major tick, which is longer and carries a label.
struct ScaleTick {
    double value;
    bool major;
};

struct AxisRange {
    ScaleKind kind = ScaleKind::linear;
    // The range as dim took it, and the tick step (0 automatic, -1 no ticks; on a log axis the
    // decades between major ticks).
    float min = 0.0f, max = 1.0f, step = -1.0f;
    // A log axis: the decimal logarithms of its bounds.
    double low = 0.0, high = 1.0;
    // A time axis: its step in seconds, or in calendar months.
    double stepSeconds = 0.0;
    int stepMonths = 0;

    bool isLog() const { return kind == ScaleKind::log10; }
    // The place of v between inner1 and inner2, in the arithmetic the linear boxes have always
    // used. NaN where the scale has no place for v.
    float place(double v, double inner1, double inner2) const {
        if (kind == ScaleKind::log10)
            return static_cast<float>(inner1 +
                                      (inner2 - inner1) * (decimalLog(v) - low) / (high - low));
        return static_cast<float>(inner1 +
                                  (inner2 - inner1) * (v - min) / (static_cast<double>(max) - min));
    }
    // The place of a value already in the axis's own units (a decade on a log axis).
    float placeUnit(double u, double inner1, double inner2) const {
        if (kind == ScaleKind::log10)
            return static_cast<float>(inner1 + (inner2 - inner1) * (u - low) / (high - low));
        return place(u, inner1, inner2);
    }
};

} // namespace velora
