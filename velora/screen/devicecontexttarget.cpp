#include "screen/devicecontexttarget.h"

#include "common/colour.h"
#include "devices/selector/palette.h"
#include "devices/selector/penstack.h"
#include "screen/gdipictures.h"

DeviceContextTarget::DeviceContextTarget(HDC dc, PenStack& pens, int* penTable)
    : dc(dc), pens(pens), penTable(penTable), originalPen(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush(GetCurrentObject(dc, OBJ_BRUSH)), sink(dc), lines(sink) {}

DeviceContextTarget::~DeviceContextTarget() {
    flushLines();
    if (originalPen) SelectObject(dc, originalPen);
    if (brush) {
        SelectObject(dc, originalBrush);
        DeleteObject(brush);
    }
}

void DeviceContextTarget::moveTo(int x, int y) {
    lines.moveTo(x, y);
}

void DeviceContextTarget::lineTo(int x, int y) {
    lines.lineTo(x, y);
}

void DeviceContextTarget::selectPen(unsigned colour, unsigned width) {
    lines.setPointsPerCall(width > 0 ? LineBatch::widePenPoints : LineBatch::maxPoints);
    currentPen = pens.penFor(penTable, colour, width);
    SelectObject(dc, currentPen);
}

void DeviceContextTarget::fillPolygon(const LinePoint* points, unsigned long count, unsigned colour,
                                      unsigned alpha) {
    flushLines();
    const PaletteColour c = velora::isTrueColour(static_cast<int>(colour))
                                ? Palette::of(colour)
                                : Palette::colour(Palette::clamp(colour & 0xffffu));
    const COLORREF wanted = RGB(velora::overWhite(c.red, alpha), velora::overWhite(c.green, alpha),
                                velora::overWhite(c.blue, alpha));
    if (!brush || wanted != brushColour) {
        HBRUSH made = CreateSolidBrush(wanted);
        if (!made) return;
        SelectObject(dc, made);
        if (brush) DeleteObject(brush);
        brush = made;
        brushColour = wanted;
    }
    SelectObject(dc, GetStockObject(NULL_PEN));
    SetPolyFillMode(dc, WINDING);
    // POINT and LinePoint are laid out alike.
    const int n = count > 0x7fffffffUL ? 0x7fffffff : static_cast<int>(count);
    Polygon(dc, reinterpret_cast<const POINT*>(points), n);
    SelectObject(dc, currentPen ? static_cast<HGDIOBJ>(currentPen) : originalPen);
}

void DeviceContextTarget::drawImage(int left, int top, int width, int height, int columns, int rows,
                                    const void* pixels, const void* infoHeader) {
    flushLines();
    gdipictures::stretch(dc, left, top, width, height, columns, rows, pixels, infoHeader);
}

void DeviceContextTarget::drawCells(int left, int top, int width, int height, int columns, int rows,
                                    const void* pixels, const void* infoHeader) {
    flushLines();
    gdipictures::stretch(dc, left, top, width, height, columns, rows, pixels, infoHeader, true);
}

void DeviceContextTarget::drawFile(const char* name, int left, int top, int width, int height) {
    flushLines();
    gdipictures::copyFile(dc, name, left, top, width, height);
}
