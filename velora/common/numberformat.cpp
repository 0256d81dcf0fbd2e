#include "common/numberformat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace velora {

namespace {

// "00" to "99": two digits at a time for the small integers of path coordinates.
struct DigitPairs {
    char text[200];
    DigitPairs() {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
};
const DigitPairs digitPairs;

// A value below 10,000 in decimal.
char* formatSmall(char* out, unsigned value) {
    if (value >= 100) {
        const unsigned high = value / 100;
        if (high >= 10) {
            std::memcpy(out, digitPairs.text + 2 * high, 2);
            out += 2;
        } else {
            *out++ = static_cast<char>('0' + high);
        }
        std::memcpy(out, digitPairs.text + 2 * (value % 100), 2);
        return out + 2;
    }
    if (value >= 10) {
        std::memcpy(out, digitPairs.text + 2 * value, 2);
        return out + 2;
    }
    *out++ = static_cast<char>('0' + value);
    return out;
}

} // namespace

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
        out = formatSmall(out, static_cast<unsigned>(k / 100));
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
