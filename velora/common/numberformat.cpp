#include "common/numberformat.h"

#include <algorithm>
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

char* formatPlain(char* out, float value) {
    if (!std::isfinite(value) || (value != 0.0f && std::fabs(value) < 1e-9f)) {
        *out = '0';
        return out + 1;
    }
    char* end = formatG(out, value);
    if (std::find(out, end, 'e') == end) return end;
    // Plain digits of the shortest value that reads back as the float; even FLT_MAX takes 39.
    return std::to_chars(out, out + numberTextCapacity, value, std::chars_format::fixed).ptr;
}

char* formatLargeHundredths(char* out, double hundredths) {
    return formatG(out, static_cast<float>(std::trunc(hundredths) / 100.0));
}

char* formatThousandths(char* out, long long thousandths, bool leadingZero) {
    unsigned long long k = static_cast<unsigned long long>(thousandths);
    if (thousandths < 0) {
        *out++ = '-';
        k = 0 - k;
    }
    const unsigned long long whole = k / 1000;
    unsigned fraction = static_cast<unsigned>(k % 1000);
    if (whole != 0 || leadingZero || fraction == 0)
        out = whole < 10000 ? formatSmall(out, static_cast<unsigned>(whole))
                            : std::to_chars(out, out + numberTextCapacity, whole).ptr;
    if (fraction != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + fraction / 100);
        fraction %= 100;
        if (fraction != 0) {
            *out++ = static_cast<char>('0' + fraction / 10);
            if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
        }
    }
    return out;
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
