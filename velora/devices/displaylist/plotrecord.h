// The record format of the screen's display lists: the record codes, their lengths, the unit
// conversions and the writers of whole records. A record is one negative code item followed by
// its operands; coordinates are virtual page units with y flipped (959 - y), times 4, truncated.
#pragma once

#include "common/api.h"

class PlotPuffer;

enum PlotItemCode : short {
    PI_MOVETO = -77, // x, y
    PI_LINETO = -76, // x, y
    PI_PEN = -80,    // colour, width step
    PI_RGBPEN = -81, // red, green << 8 | blue, width step: a pen of a true colour
    PI_FILL = -83,   // colour high, colour low, alpha, count high, count low, count x (x, y)
    PI_BITMAP = -98, // x1, y1, x2, y2, columns, rows, pixel address, info header address
    PI_CELLS = -99,  // as PI_BITMAP: a picture of cells (a colour map), stretched without smoothing
    PI_SHOWBMP = -66 // x1, y1, x2, y2, file name as a string, 0
};

namespace plotrecord {

// Display-list units per virtual page unit.
constexpr float listScale = 4.0f;
// The width steps a pen record can carry.
constexpr int widestStep = 62;

// An address is kept in 16-bit items, the highest bits first: two halves where pointers are 32
// bits wide (the Windows product), four on a 64-bit build.
constexpr int addressItems = static_cast<int>(sizeof(void*) / 2);
static_assert(sizeof(void*) % 2 == 0, "an address fills whole 16-bit items");
static_assert(sizeof(void*) != 4 || addressItems == 2,
              "with 32-bit pointers an address is stored as a high and a low 16-bit half");

constexpr unsigned long pointLength = 3;
constexpr unsigned long penLength = 3;
constexpr unsigned long rgbPenLength = 4;
// Code, colour, alpha and count; the points follow.
constexpr unsigned long fillHeadLength = 6;
constexpr unsigned long bitmapLength = 7 + 2 * addressItems;
static_assert(sizeof(void*) != 4 || bitmapLength == 11,
              "the image record of the 32-bit build is 11 items: code, 6 values, 2 x 2 halves");
// Code and corners; the string and the closing 0 follow.
constexpr unsigned long showBmpHeadLength = 5;

// A virtual page coordinate in list units: times 4, truncated toward zero, held to 16 bits.
VELORA_API short listUnits(float value);
// The width step of a client pen width: w x 2.1, truncated, within 0 ... 62.
VELORA_API int widthStep(float width);

VELORA_API void splitAddress(const void* address, short items[addressItems]);
VELORA_API const void* joinAddress(const short items[addressItems]);

// Writers; y values are already flipped.
VELORA_API void appendPoint(PlotPuffer& list, PlotItemCode code, float x, float y);
// A palette colour as a pen record, a true colour as a true-colour pen record.
VELORA_API void appendPen(PlotPuffer& list, int colour, int step);
// A filled polygon: `count` points (virtual page units, y flipped) at most maxFillPoints.
VELORA_API void appendFill(PlotPuffer& list, int colour, unsigned alpha, const float* x,
                           const float* y, unsigned long count);
constexpr unsigned long maxFillPoints = 0x3fffffff;
// `cells` records a picture of cells (PI_CELLS), whose pixels every replay keeps crisp.
VELORA_API void appendBitmap(PlotPuffer& list, float x1, float y1, float x2, float y2, int columns,
                             int rows, const void* pixels, const void* infoHeader,
                             bool cells = false);
VELORA_API void appendShowBmp(PlotPuffer& list, float x1, float y1, float x2, float y2,
                              const char* fileName);

} // namespace plotrecord
