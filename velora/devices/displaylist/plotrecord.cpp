#include "devices/displaylist/plotrecord.h"

#include "common/colour.h"
#include "devices/displaylist/plotpuffer.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace plotrecord {

namespace {

short clampedShort(double value) {
    if (!(value == value)) return 0; // NaN
    constexpr double lowest = std::numeric_limits<short>::min();
    constexpr double highest = std::numeric_limits<short>::max();
    if (value < lowest) return std::numeric_limits<short>::min();
    if (value > highest) return std::numeric_limits<short>::max();
    return static_cast<short>(value); // truncates toward zero
}

} // namespace

short listUnits(float value) {
    return clampedShort(static_cast<double>(value) * listScale);
}

int widthStep(float width) {
    const double scaled = 2.1 * width;
    if (!(scaled > 0.0)) return 0;
    if (scaled > widestStep) return widestStep;
    return static_cast<int>(scaled);
}

void splitAddress(const void* address, short items[addressItems]) {
    auto bits = reinterpret_cast<std::uintptr_t>(address);
    for (int k = addressItems - 1; k >= 0; --k) {
        items[k] = static_cast<short>(static_cast<unsigned short>(bits & 0xFFFFu));
        bits >>= 16;
    }
}

const void* joinAddress(const short items[addressItems]) {
    std::uintptr_t bits = 0;
    for (int k = 0; k < addressItems; ++k) {
        // Each half is unsigned: a low half of 0x8000 or more is not sign-extended.
        bits = (bits << 16) | static_cast<unsigned short>(items[k]);
    }
    return reinterpret_cast<const void*>(bits);
}

void appendPoint(PlotPuffer& list, PlotItemCode code, float x, float y) {
    list.addRecord(code, listUnits(x), listUnits(y));
}

void appendPen(PlotPuffer& list, int colour, int step) {
    if (velora::isTrueColour(colour)) {
        list.addItem(PI_RGBPEN);
        list.addItem(static_cast<short>(velora::redOf(colour)));
        list.addItem(static_cast<short>(colour & 0xffff));
        list.addItem(static_cast<short>(step));
        return;
    }
    list.addItem(PI_PEN);
    list.addItem(static_cast<short>(colour));
    list.addItem(static_cast<short>(step));
}

void appendFill(PlotPuffer& list, int colour, unsigned alpha, const float* x, const float* y,
                unsigned long count) {
    if (count > maxFillPoints) count = maxFillPoints;
    list.addItem(PI_FILL);
    list.addItem(static_cast<short>(static_cast<unsigned>(colour) >> 16));
    list.addItem(static_cast<short>(colour & 0xffff));
    list.addItem(static_cast<short>(alpha > 255 ? 255 : alpha));
    list.addItem(static_cast<short>(count >> 15));
    list.addItem(static_cast<short>(count & 0x7fff));
    for (unsigned long i = 0; i < count; ++i) {
        list.addItem(listUnits(x[i]));
        list.addItem(listUnits(y[i]));
    }
}

void appendBitmap(PlotPuffer& list, float x1, float y1, float x2, float y2, int columns, int rows,
                  const void* pixels, const void* infoHeader, bool cells) {
    list.addItem(cells ? PI_CELLS : PI_BITMAP);
    list.addItem(listUnits(x1));
    list.addItem(listUnits(y1));
    list.addItem(listUnits(x2));
    list.addItem(listUnits(y2));
    list.addItem(static_cast<short>(columns));
    list.addItem(static_cast<short>(rows));
    short address[addressItems];
    for (const void* part : {pixels, infoHeader}) {
        splitAddress(part, address);
        for (short item : address)
            list.addItem(item);
    }
}

void appendShowBmp(PlotPuffer& list, float x1, float y1, float x2, float y2, const char* fileName) {
    list.addItem(PI_SHOWBMP);
    list.addItem(listUnits(x1));
    list.addItem(listUnits(y1));
    list.addItem(listUnits(x2));
    list.addItem(listUnits(y2));
    list.addString(fileName);
    list.addItem(0);
}

} // namespace plotrecord
