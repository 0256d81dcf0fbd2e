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

char* formatLargeHundredths(char* out, double hundredths) {
    return formatG(out, static_cast<float>(std::trunc(hundredths) / 100.0));
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
