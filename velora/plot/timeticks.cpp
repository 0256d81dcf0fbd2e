#include "plot/timeticks.h"

#include "plot/axisticks.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace velora {

namespace {

constexpr double day = 86400.0;
// Times further from 1970 than this (about 300 million years) are not drawn: their whole
// seconds and months stay far inside 64-bit integers.
constexpr double farthest = 1e16;
constexpr std::int64_t monday = 4; // 1970-01-01 was a Thursday

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    std::int64_t year;
    int month, day;
};

Civil civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

// A time of the axis split into whole local seconds and a fraction: the origin's whole local
// seconds `base` plus an offset, so that a microsecond survives beside 1.7e9 seconds.
struct Split {
    std::int64_t base; // whole local seconds of the origin
    double fraction;   // the origin's part of a second
};

Split splitOrigin(const TimeFrame& frame) {
    const double whole = std::floor(frame.origin);
    return {static_cast<std::int64_t>(whole) + std::int64_t{frame.zoneMinutes} * 60,
            frame.origin - whole};
}

bool withinReach(const TimeFrame& frame, double v) {
    return std::isfinite(v) && std::fabs(frame.origin) < farthest && std::fabs(v) < farthest &&
           std::abs(frame.zoneMinutes) < 100000;
}

// The decimals a step below a second shows: 0.25 gives 2, 0.1 gives 1.
int decimalsOf(double seconds) {
    int decimals = 0;
    for (double s = seconds; decimals < 9 && std::fabs(s - std::nearbyint(s)) > 1e-6 * s; s *= 10.0)
        ++decimals;
    return decimals;
}

// The local whole seconds of a tick at v, and its fraction rounded to `decimals`.
std::int64_t localSeconds(const TimeFrame& frame, double v, int decimals, double& fraction) {
    const Split s = splitOrigin(frame);
    const double offset = s.fraction + v;
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::nearbyint(offset * scale) / scale;
    const double whole = std::floor(rounded);
    fraction = rounded - whole;
    return s.base + static_cast<std::int64_t>(whole);
}

void putMonthTicks(const Split& s, double lo, double hi, int months, std::vector<ScaleTick>& ticks,
                   bool& tooMany) {
    const std::int64_t firstDay =
        floorDiv(s.base + static_cast<std::int64_t>(std::floor(s.fraction + lo)),
                 static_cast<std::int64_t>(day));
    const Civil c = civilFromDays(firstDay);
    std::int64_t index = c.year * 12 + (c.month - 1);
    index = floorDiv(index, months) * months;
    for (;; index += months) {
        const std::int64_t start = daysFromCivil(
            floorDiv(index, 12), static_cast<int>(index - floorDiv(index, 12) * 12) + 1, 1);
        const double v = static_cast<double>(start * 86400 - s.base) - s.fraction;
        if (v > hi) return;
        if (v < lo) continue;
        if (static_cast<int>(ticks.size()) >= maxTicks) {
            tooMany = true;
            return;
        }
        ticks.push_back({v, true});
    }
}

} // namespace

TimeStep chooseTimeStep(double span) {
    static const double seconds[] = {1,     2,     5,     10,  15,      30,     60,
                                     120,   300,   600,   900, 1800,    3600,   7200,
                                     10800, 21600, 43200, day, 2 * day, 7 * day};
    static const int months[] = {1, 3, 6};
    constexpr double month = 365.2425 * day / 12;
    if (!(span > 0.0)) return {1.0, 0};
    if (span < 10.0) {
        for (int e = -9; e <= 0; ++e)
            for (double f : {1.0, 2.0, 5.0}) {
                const double step = f * std::pow(10.0, e);
                if (span / step <= 10.0) return {step, 0};
            }
    }
    for (double s : seconds)
        if (span / s <= 10.0) return {s, 0};
    for (int m : months)
        if (span / (m * month) <= 10.0) return {0.0, m};
    // Up to 10^8 years, whose months still fit an int.
    for (int years = 1; years <= 100000000; years *= 10)
        for (int f : {1, 2, 5})
            if (years * static_cast<double>(f) <= 1e8 && span / (years * f * 12.0 * month) <= 10.0)
                return {0.0, years * f * 12};
    return {0.0, 1200000000};
}

bool timeTicks(const TimeFrame& frame, double lo, double hi, TimeStep step,
               std::vector<ScaleTick>& ticks) {
    ticks.clear();
    if (!withinReach(frame, lo) || !withinReach(frame, hi) || !(hi >= lo)) return false;
    const Split s = splitOrigin(frame);
    bool tooMany = false;
    if (step.months > 0) {
        putMonthTicks(s, lo, hi, step.months, ticks, tooMany);
        return !tooMany;
    }
    if (!(step.seconds > 0.0) || (hi - lo) / step.seconds > maxTicks) return false;
    const double whole = std::floor(s.fraction + lo);
    double first; // the first tick as an offset from the origin's whole local second
    const bool wholeStep = step.seconds >= 1.0 && step.seconds == std::floor(step.seconds);
    if (wholeStep) {
        // On whole multiples of the step in local time, weeks from a Monday.
        const auto n = static_cast<std::int64_t>(step.seconds);
        const std::int64_t anchor = n == 7 * 86400 ? monday * 86400 : 0;
        const std::int64_t t = s.base + static_cast<std::int64_t>(whole) - anchor;
        const std::int64_t above = floorDiv(t + n - 1, n) * n;
        first = static_cast<double>(above - t) + whole;
    } else {
        // Other steps count from the whole second at lo.
        first = whole + std::floor((s.fraction + lo - whole) / step.seconds) * step.seconds;
    }
    // Far from the origin the offsets lose their last digits; the walk stops all the same.
    for (int k = 0; k <= maxTicks + 2; ++k) {
        const double v = first + k * step.seconds - s.fraction;
        if (v > hi + step.seconds / 1000.0) return true;
        if (v < lo - step.seconds / 1000.0) continue;
        if (static_cast<int>(ticks.size()) >= maxTicks) return false;
        ticks.push_back({v, true});
    }
    return false;
}

void timeLabel(const TimeFrame& frame, double v, TimeStep step, char* text, int capacity) {
    const int decimals = step.months == 0 && step.seconds < 1.0 ? decimalsOf(step.seconds) : 0;
    double fraction = 0.0;
    const std::int64_t t = localSeconds(frame, v, decimals, fraction);
    const std::int64_t days = floorDiv(t, 86400);
    const std::int64_t ofDay = t - days * 86400;
    const Civil c = civilFromDays(days);
    const int h = static_cast<int>(ofDay / 3600), m = static_cast<int>(ofDay / 60 % 60),
              sec = static_cast<int>(ofDay % 60);
    if (step.months >= 12) {
        std::snprintf(text, capacity, "%lld", static_cast<long long>(c.year));
    } else if (step.months > 0) {
        std::snprintf(text, capacity, "%lld-%02d", static_cast<long long>(c.year), c.month);
    } else if (step.seconds >= day) {
        std::snprintf(text, capacity, "%02d.%02d.", c.day, c.month);
    } else if (step.seconds >= 60.0) {
        std::snprintf(text, capacity, "%02d:%02d", h, m);
    } else if (decimals == 0) {
        std::snprintf(text, capacity, "%02d:%02d:%02d", h, m, sec);
    } else {
        // The fraction's digits after "0.".
        char digits[16];
        std::snprintf(digits, sizeof digits, "%.*f", decimals, fraction);
        std::snprintf(text, capacity, "%02d:%02d:%02d%s", h, m, sec, digits + 1);
    }
}

void dateLine(const TimeFrame& frame, double v, double previous, TimeStep step, char* text,
              int capacity) {
    text[0] = '\0';
    if (step.months > 0) return;
    const int decimals = step.seconds < 1.0 ? decimalsOf(step.seconds) : 0;
    double fraction = 0.0;
    const Civil now = civilFromDays(floorDiv(localSeconds(frame, v, decimals, fraction), 86400));
    if (!std::isnan(previous)) {
        const Civil before =
            civilFromDays(floorDiv(localSeconds(frame, previous, decimals, fraction), 86400));
        const bool same =
            step.seconds >= day
                ? before.year == now.year
                : before.year == now.year && before.month == now.month && before.day == now.day;
        if (same) return;
    }
    if (step.seconds >= day)
        std::snprintf(text, capacity, "%lld", static_cast<long long>(now.year));
    else
        std::snprintf(text, capacity, "%04lld-%02d-%02d", static_cast<long long>(now.year),
                      now.month, now.day);
}

} // namespace velora
