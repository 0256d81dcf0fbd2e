// ReplayTarget: what a display-list replay draws on. The window, the printer and the zoom lens
// each give one (a device context behind it); the tests give one that writes down the calls.
// Coordinates arrive in device pixels, already mapped.
#pragma once

#include "devices/raster/linebatch.h"

class ReplayTarget {
public:
    virtual ~ReplayTarget() = default;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // The pen of `colour` (a palette index, taken as a 16-bit value, or a true colour of
    // common/colour.h), `width` the total width step.
    virtual void selectPen(unsigned colour, unsigned width) = 0;
    // A polygon filled by the non-zero rule in `colour` (as a pen's) with opacity `alpha`
    // (0 ... 255); at least 3 points. The pen and the current point stay.
    virtual void fillPolygon(const LinePoint* points, unsigned long count, unsigned colour,
                             unsigned alpha) = 0;
    // An image held in memory: columns x rows pixels stretched into the rectangle.
    virtual void drawImage(int left, int top, int width, int height, int columns, int rows,
                           const void* pixels, const void* infoHeader) = 0;
    // A picture of cells (a colour map): each pixel takes the colour of one picture pixel,
    // nothing smoothed. A target that smooths no picture draws it as any other.
    virtual void drawCells(int left, int top, int width, int height, int columns, int rows,
                           const void* pixels, const void* infoHeader) {
        drawImage(left, top, width, height, columns, rows, pixels, infoHeader);
    }
    // A BMP file loaded at width x height pixels and copied to (left, top).
    virtual void drawFile(const char* name, int left, int top, int width, int height) = 0;
};
