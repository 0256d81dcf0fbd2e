#include "screen/devicecontexttarget.h"

#include "devices/penstack.h"

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
    if (pixels && infoHeader) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, left, top, width, height, 0, 0, columns, rows, pixels,
                      static_cast<const BITMAPINFO*>(infoHeader), DIB_RGB_COLORS, SRCCOPY);
    }
}

void DeviceContextTarget::drawFile(const char* name, int left, int top, int width, int height) {
    flushLines();
    if (width <= 0 || height <= 0) return;
    // Loaded afresh at the size of this replay and released after: not shared, since every
    // repaint may ask for another size.
    HANDLE image = LoadImageA(nullptr, name, IMAGE_BITMAP, width, height,
                              LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!image) return; // a file that cannot be loaded leaves its rectangle undrawn
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, image);
        BitBlt(dc, left, top, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(image);
}
