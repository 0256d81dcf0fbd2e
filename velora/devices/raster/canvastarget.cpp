#include "devices/raster/canvastarget.h"

#include "devices/selector/palette.h"

#include <climits>

CanvasTarget::CanvasTarget(RasterCanvas& canvas) : canvas(canvas), lines(canvas) {}

CanvasTarget::~CanvasTarget() {
    flushLines();
}

void CanvasTarget::moveTo(int x, int y) {
    lines.moveTo(x, y);
}

void CanvasTarget::lineTo(int x, int y) {
    lines.lineTo(x, y);
}

void CanvasTarget::selectPen(RasterCanvas& canvas, unsigned colour, unsigned width) {
    const PaletteColour c = Palette::colour(Palette::clamp(colour & 0xffffu));
    canvas.setPen(RasterCanvas::rgb(c.red, c.green, c.blue),
                  width < INT_MAX ? static_cast<int>(width) + 1 : INT_MAX);
}

void CanvasTarget::selectPen(unsigned colour, unsigned width) {
    flushLines();
    selectPen(canvas, colour, width);
}

void CanvasTarget::drawImage(int, int, int, int, int, int, const void*, const void*) {
    flushLines();
}

void CanvasTarget::drawFile(const char*, int, int, int, int) {
    flushLines();
}
