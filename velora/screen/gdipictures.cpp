#include "screen/gdipictures.h"

namespace gdipictures {

void stretch(HDC dc, int left, int top, int width, int height, int columns, int rows,
             const void* pixels, const void* infoHeader, bool cells) {
    if (!dc || !pixels || !infoHeader) return;
    SetStretchBltMode(dc, cells ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, left, top, width, height, 0, 0, columns, rows, pixels,
                  static_cast<const BITMAPINFO*>(infoHeader), DIB_RGB_COLORS, SRCCOPY);
}

void copyFile(HDC dc, const char* name, int left, int top, int width, int height) {
    if (!dc || width <= 0 || height <= 0) return;
    // Loaded afresh at the size asked for and released after: every repaint may ask for another.
    HANDLE image = LoadImageA(nullptr, name, IMAGE_BITMAP, width, height,
                              LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!image) return;
    if (HDC source = CreateCompatibleDC(dc)) {
        HGDIOBJ previous = SelectObject(source, image);
        BitBlt(dc, left, top, width, height, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    DeleteObject(image);
}

} // namespace gdipictures
