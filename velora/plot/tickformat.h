// The numbers of tick labels: a value as text with a given number of decimals (rounded half up,
// without "-0"), and how many decimals an axis shows, from its accuracy or its tick step.
#pragma once

#include "common/api.h"

namespace velora {

// Room for the longest tick text, its end included.
constexpr int tickTextCapacity = 52;

// The value with digits - 1 decimals (digits 1 to 12; others are taken as the nearest of
// these): 12.345 with 3 gives "12.35", 0.96 with 2 gives "1.0", 0.3 with 1 gives "0". The text
// lies in one buffer shared by all plot boxes, which the next call overwrites.
VELORA_API char* tickText(float value, int digits);

// The text past its leading blanks.
VELORA_API char* skipBlanks(char* text);

// The digits argument of tickText for an axis: from an accuracy between 0 and 1 (0.01 gives 3,
// two decimals), otherwise from the tick step as "%g" prints it on the x axis and "%f" on the
// y axis (0.25 gives 3, 5 gives 1).
VELORA_API int labelDigits(float accuracy, float step, bool xAxis);

} // namespace velora
