#include "plot/logticks.h"

#include "plot/tickformat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velora {

namespace {

// A decade counts as inside the range when it misses it by less than a float's rounding.
constexpr double slack = 1e-6;

// Minor ticks at 2 ... 9 times each decade up to this many decades; with majors further apart
// than a decade, minor ticks on the decades between them up to this many.
constexpr double decadesWithMinorSteps = 6.0;
constexpr double decadesWithMinorDecades = 60.0;

int wholeDecades(float step) {
    const double rounded = std::nearbyint(static_cast<double>(step));
    return rounded < 1.0 ? 1 : rounded > 1000.0 ? 1000 : static_cast<int>(rounded);
}

int automaticDecades(double decades) {
    for (int k = 1;; k *= 10)
        for (int f : {1, 2, 5})
            if (decades / (k * f) <= 10.0 || k >= 1000) return k * f;
}

double power10(int decade) {
    char text[16];
    std::snprintf(text, sizeof text, "1e%d", decade);
    double value = 0.0;
    // from_chars rounds correctly in every build, as no pow of a C library promises.
    std::from_chars(text, text + sizeof text, value);
    return value;
}

} // namespace

bool prepareLogAxis(AxisRange& range, double min, double max) {
    if (!(min > 0.0) || !(max > min) || !std::isfinite(max)) return false;
    range.low = decadeOf(min);
    range.high = decadeOf(max);
    if (!(range.high > range.low)) return false;
    if (range.step == 0.0f) {
        range.low = std::floor(range.low);
        range.high = std::ceil(range.high);
        range.step = static_cast<float>(automaticDecades(range.high - range.low));
    }
    return true;
}

void logTicks(const AxisRange& range, std::vector<ScaleTick>& ticks) {
    ticks.clear();
    if (range.step == -1.0f) return;
    const int k = wholeDecades(range.step);
    const double decades = range.high - range.low;
    const bool minorSteps = k == 1 && decades <= decadesWithMinorSteps;
    const bool minorDecades = k > 1 && decades <= decadesWithMinorDecades;
    const auto inside = [&](double u) { return u >= range.low - slack && u <= range.high + slack; };
    const int first = static_cast<int>(std::floor(range.low));
    const int last = static_cast<int>(std::ceil(range.high));
    for (int d = first; d <= last; ++d) {
        const bool major = d % k == 0;
        if (inside(d) && (major || minorDecades)) ticks.push_back({static_cast<double>(d), major});
        if (!minorSteps) continue;
        for (int j = 2; j <= 9; ++j) {
            const double u = d + decimalLog(j);
            if (inside(u)) ticks.push_back({u, false});
        }
    }
}

void logLabel(double decade, float accuracy, char* text, int capacity) {
    const int d = static_cast<int>(std::nearbyint(decade));
    if (accuracy >= 0.0f && accuracy <= 1.0f) {
        const char* number =
            skipBlanks(tickText(static_cast<float>(power10(d)), labelDigits(accuracy, 1, true)));
        std::snprintf(text, capacity, "%s", number);
        return;
    }
    std::snprintf(text, capacity, "10^{%d}", d);
}

} // namespace velora
