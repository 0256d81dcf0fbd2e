#include "screen/devicecontexttarget.h"

#include "devices/penstack.h"

DeviceContextTarget::DeviceContextTarget(HDC dc, PenStack& pens, int* penTable)
    : dc(dc), pens(pens), penTable(penTable), originalPen(GetCurrentObject(dc, OBJ_PEN)),
      waitingCount(0) {}

DeviceContextTarget::~DeviceContextTarget() {
    flushLines();
    if (originalPen) SelectObject(dc, originalPen);
}

void DeviceContextTarget::flushLines() {
    if (waitingCount == 0) return;
    PolylineTo(dc, waiting, static_cast<DWORD>(waitingCount));
    waitingCount = 0;
}

void DeviceContextTarget::moveTo(int x, int y) {
    flushLines();
    MoveToEx(dc, x, y, nullptr);
}

void DeviceContextTarget::lineTo(int x, int y) {
    if (waitingCount == batch) flushLines();
    waiting[waitingCount++] = POINT{x, y};
}

void DeviceContextTarget::selectPen(unsigned colour, unsigned width) {
    flushLines();
    SelectObject(dc, pens.penFor(penTable, colour, width));
}

void DeviceContextTarget::drawImage(int left, int top, int width, int height, int columns, int rows,
                                    const void* pixels, const void* infoHeader) {
    flushLines();
    if (!pixels || !infoHeader) return;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, left, top, width, height, 0, 0, columns, rows, pixels,
                  static_cast<const BITMAPINFO*>(infoHeader), DIB_RGB_COLORS, SRCCOPY);
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
