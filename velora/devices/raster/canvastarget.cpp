#include "devices/raster/canvastarget.h"

#include "common/colour.h"
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

std::uint32_t CanvasTarget::pixelColour(unsigned colour) {
    const PaletteColour c = velora::isTrueColour(static_cast<int>(colour))
                                ? Palette::of(colour)
                                : Palette::colour(Palette::clamp(colour & 0xffffu));
    return RasterCanvas::rgb(c.red, c.green, c.blue);
}

void CanvasTarget::selectPen(RasterCanvas& canvas, unsigned colour, unsigned width) {
    canvas.setPen(pixelColour(colour), width < INT_MAX ? static_cast<int>(width) + 1 : INT_MAX);
}

void CanvasTarget::fillPolygon(const LinePoint* points, unsigned long count, unsigned colour,
                               unsigned alpha) {
    flushLines();
    canvas.fillPolygon(points, count, pixelColour(colour), alpha);
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
