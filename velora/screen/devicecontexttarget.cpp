#include "screen/devicecontexttarget.h"

#include "devices/selector/penstack.h"
#include "screen/gdipictures.h"

DeviceContextTarget::DeviceContextTarget(HDC dc, PenStack& pens, int* penTable)
    : dc(dc), pens(pens), penTable(penTable), originalPen(GetCurrentObject(dc, OBJ_PEN)), sink(dc),
      lines(sink) {}

DeviceContextTarget::~DeviceContextTarget() {
    flushLines();
    if (originalPen) SelectObject(dc, originalPen);
}

void DeviceContextTarget::moveTo(int x, int y) {
    lines.moveTo(x, y);
}

void DeviceContextTarget::lineTo(int x, int y) {
    lines.lineTo(x, y);
}

void DeviceContextTarget::selectPen(unsigned colour, unsigned width) {
    lines.setPointsPerCall(width > 0 ? LineBatch::widePenPoints : LineBatch::maxPoints);
    SelectObject(dc, pens.penFor(penTable, colour, width));
}

void DeviceContextTarget::drawImage(int left, int top, int width, int height, int columns, int rows,
                                    const void* pixels, const void* infoHeader) {
    flushLines();
    gdipictures::stretch(dc, left, top, width, height, columns, rows, pixels, infoHeader);
}

void DeviceContextTarget::drawFile(const char* name, int left, int top, int width, int height) {
    flushLines();
    gdipictures::copyFile(dc, name, left, top, width, height);
}
