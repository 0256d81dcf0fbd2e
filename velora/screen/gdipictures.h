// The two ways a picture reaches a device context, shared by live drawing and every replay:
// an image in memory stretched into a rectangle, and a BMP file loaded at a size and copied.
#pragma once

#include <windows.h>

namespace gdipictures {

// Smoothed (HALFTONE); a picture of cells (a colour map) keeps its cells crisp (COLORONCOLOR).
void stretch(HDC dc, int left, int top, int width, int height, int columns, int rows,
             const void* pixels, const void* infoHeader, bool cells = false);
// A file that cannot be loaded leaves its rectangle undrawn.
void copyFile(HDC dc, const char* name, int left, int top, int width, int height);

} // namespace gdipictures
