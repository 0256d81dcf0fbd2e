#include "common/numberformat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velora {

char* formatInt(char* out, long long value) {
    return std::to_chars(out, out + numberTextCapacity, value).ptr;
}

char* formatG(char* out, float value) {
    return std::to_chars(out, out + numberTextCapacity, value, std::chars_format::general, 6).ptr;
}

char* formatHundredths(char* out, double points) {
    const double hundredths = std::trunc(100.0 * points);
    // Below a million hundredths the value has at most six significant digits, so the "%g" text
    // is the exact decimal: integer part, then the hundredths without trailing zeros.
    if (std::fabs(hundredths) < 1e6) {
        long long k = static_cast<long long>(hundredths);
        if (k < 0) {
            *out++ = '-';
            k = -k;
        }
        out = formatInt(out, k / 100);
        const int fraction = static_cast<int>(k % 100);
        if (fraction != 0) {
            *out++ = '.';
            *out++ = static_cast<char>('0' + fraction / 10);
            if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
        }
        return out;
    }
    return formatG(out, static_cast<float>(hundredths / 100.0));
}

int truncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace velora
