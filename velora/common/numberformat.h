// The numbers of the EPS and HPGL files, formatted in one place and independent of the locale.
#pragma once

#include "common/api.h"

namespace velora {

// Room enough for any number these functions write.
constexpr int numberTextCapacity = 48;

// Decimal integer.
VELORA_API char* formatInt(char* out, long long value);

// The "%g" form with 6 significant digits: 35, 0.525, 568.32, 0.333333, 1e-05.
VELORA_API char* formatG(char* out, float value);

// The "%g" form where it has no exponent, else the value written out in plain decimal digits
// (1.75e-05 gives 0.0000175; below 1e-9 in magnitude, 0): the numbers of formats that have no
// exponent form, PDF and HPGL. A value that is not finite gives 0.
VELORA_API char* formatPlain(char* out, float value);

// The "%g" text of hundredths / 100 for hundredths of a million or more (or NaN): the rare case
// of formatHundredths.
VELORA_API char* formatLargeHundredths(char* out, double hundredths);

// A value below 10,000 in decimal.
inline char* formatSmall(char* out, unsigned value) {
    if (value >= 1000) *out++ = static_cast<char>('0' + value / 1000);
    if (value >= 100) *out++ = static_cast<char>('0' + value / 100 % 10);
    if (value >= 10) *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

// A path coordinate in points, cut (towards zero) to hundredths and then written in the "%g"
// form: 568.32789 gives 568.32. Inline, as the file writers call it for every point.
inline char* formatHundredths(char* out, double points) {
    const double scaled = 100.0 * points;
    // Below a million hundredths the value has at most six significant digits, so the "%g" text
    // is the exact decimal: integer part, then the hundredths without trailing zeros. The int
    // conversion truncates towards zero as std::trunc does, but needs neither a library call nor
    // a 64-bit division on 32-bit processors; two comparisons rather than std::fabs, which 32-bit
    // builds compute on the x87 stack.
    if (!(scaled > -1e6 && scaled < 1e6)) return formatLargeHundredths(out, scaled);
    const int k = static_cast<int>(scaled);
    unsigned magnitude = static_cast<unsigned>(k);
    if (k < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
    }
    out = formatSmall(out, magnitude / 100);
    const unsigned fraction = magnitude % 100;
    if (fraction != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
    }
    return out;
}

// A fixed-point value given in thousandths, written with the digits it needs: 12345 gives
// 12.345, -1500 gives -1.5, 7 gives 0.007. With leadingZero false a fraction drops its zero
// (.007), as the compact numbers of SVG path data may.
VELORA_API char* formatThousandths(char* out, long long thousandths, bool leadingZero = true);

// Truncation towards zero into an int, saturating instead of overflowing; NaN gives 0.
VELORA_API int truncateToInt(double value);

} // namespace velora
