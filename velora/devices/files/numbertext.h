// Numbers as strings for the PDF and SVG writers, which build their lines from strings: the same
// locale-independent forms the EPS writer puts into its file.
#pragma once

#include "common/numberformat.h"

#include <string>

namespace velora {

// The "%g" form of the value as a float, as the EPS writer writes its numbers.
inline std::string numberText(double value) {
    char text[numberTextCapacity];
    return std::string(text, formatG(text, static_cast<float>(value)));
}

// A number in plain decimal digits, as PDF's grammar has them: the "%g" form without exponent.
inline std::string plainNumberText(double value) {
    char text[numberTextCapacity];
    return std::string(text, formatPlain(text, static_cast<float>(value)));
}

// Decimal integer.
inline std::string integerText(long long value) {
    char text[numberTextCapacity];
    return std::string(text, formatInt(text, value));
}

} // namespace velora
