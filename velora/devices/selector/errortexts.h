// The texts of the library's error codes. A screen shows them in a message box; without a screen
// deviceselect::errorHandel writes them to the error stream beside their code.
#pragma once

#include "common/api.h"

namespace velora {

// The font file cannot be read (raised by the text renderer).
constexpr unsigned short errorFontFile = 0x1000;
// The outline buffers of a plot symbol cannot be allocated.
constexpr unsigned short errorSymbolMemory = 0x1001;
// A plot box was given an x or a y range it cannot draw.
constexpr unsigned short errorRangeX = 0x1002;
constexpr unsigned short errorRangeY = 0x1003;
// A colour map too large for one picture (a side of more than 16,384 cells, or 2^26 in all).
constexpr unsigned short errorMapSize = 0x1004;

// A short German text for the code; unknown codes get a text too.
VELORA_API const char* errorText(unsigned short id);

} // namespace velora
