#include "plot/axisscale.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace velora {

namespace {

// ln m for m in [1, 2) by the series of 2 artanh((m - 1) / (m + 1)), taken far enough for every
// digit of a double; evaluated once, when the library is compiled.
constexpr double seriesLn(double m) {
    const double s = (m - 1.0) / (m + 1.0);
    const double s2 = s * s;
    double term = s, sum = 0.0;
    for (int k = 0; k < 40; ++k) {
        sum += term / (2 * k + 1);
        term *= s2;
    }
    return 2.0 * sum;
}

// The mantissa's first six bits choose a centre c of [1, 2); ln c comes from the table and the
// rest from three terms of the series around c.
constexpr int centres = 64;
struct LnTable {
    double centre[centres] = {};
    double lnCentre[centres] = {};
};

constexpr LnTable makeTable() {
    LnTable t;
    for (int i = 0; i < centres; ++i) {
        t.centre[i] = 1.0 + (i + 0.5) / centres;
        t.lnCentre[i] = seriesLn(t.centre[i]);
    }
    return t;
}

constexpr LnTable lnTable = makeTable();

} // namespace

double decimalLog(double v) {
    if (!(v > 0.0) || !(v <= std::numeric_limits<double>::max()))
        return std::numeric_limits<double>::quiet_NaN();
    int exponent = 0;
    // Subnormal values are scaled into the normal range first.
    if (v < std::numeric_limits<double>::min()) {
        v *= 18014398509481984.0; // 2^54
        exponent = -54;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    exponent += static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    const int index = static_cast<int>((bits >> 46) & (centres - 1));
    bits = (bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL;
    double m;
    std::memcpy(&m, &bits, sizeof m);
    // |s| <= 1/256, so that s^7 / 7 is far below a double's last digit.
    const double c = lnTable.centre[index];
    const double s = (m - c) / (m + c);
    const double s2 = s * s;
    const double lnM = lnTable.lnCentre[index] + 2.0 * s * (1.0 + s2 * (1.0 / 3.0 + s2 * 0.2));
    constexpr double ln2 = 0.6931471805599453;
    constexpr double log10e = 0.4342944819032518;
    return (exponent * ln2 + lnM) * log10e;
}

double decadeOf(double v) {
    const double decade = decimalLog(v);
    const double whole = std::nearbyint(decade);
    // A float carries 24 bits: 1e-6 of a decade is about 20 times its rounding.
    return std::fabs(decade - whole) < 1e-6 ? whole : decade;
}

} // namespace velora
