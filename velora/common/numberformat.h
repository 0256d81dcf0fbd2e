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

// A path coordinate in points, cut (towards zero) to hundredths and then written in the "%g"
// form: 568.32789 gives 568.32. Most coordinates take an integer-only fast path.
VELORA_API char* formatHundredths(char* out, double points);

// A fixed-point value given in thousandths, written with the digits it needs: 12345 gives
// 12.345, -1500 gives -1.5, 7 gives 0.007. With leadingZero false a fraction drops its zero
// (.007), as the compact numbers of SVG path data may.
VELORA_API char* formatThousandths(char* out, long long thousandths, bool leadingZero = true);

// Truncation towards zero into an int, saturating instead of overflowing; NaN gives 0.
VELORA_API int truncateToInt(double value);

} // namespace velora
