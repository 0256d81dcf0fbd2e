#include "screen/buffertarget.h"

#include "screen/gdipictures.h"

#include <algorithm>

namespace {

// The rectangle a picture was drawn in, whichever way its sizes point.
PixelBounds spanned(int left, int top, int width, int height) {
    return PixelBounds{std::min(left, left + width), std::min(top, top + height),
                       std::max(left, left + width), std::max(top, top + height)};
}

} // namespace

BufferTarget::BufferTarget(PageBuffer& page) : CanvasTarget(page.raster()), page(page) {}

void BufferTarget::stretchImage(PageBuffer& page, int left, int top, int width, int height,
                                int columns, int rows, const void* pixels, const void* infoHeader,
                                bool cells) {
    page.raster().endStroke();
    // A picture of cells is drawn here, with the window system's pixels for crisp stretching
    // and at a small part of its cost; any other picture, or one this code does not take, goes
    // to the window system.
    if (!cells || !page.raster().palettePicture(left, top, width, height, columns, rows, pixels,
                                                infoHeader)) {
        gdipictures::stretch(page.context(), left, top, width, height, columns, rows, pixels,
                             infoHeader, cells);
        GdiFlush(); // before the canvas writes the same pixels again
    }
    page.raster().markChanged(spanned(left, top, width, height));
}

void BufferTarget::loadFile(PageBuffer& page, const char* name, int left, int top, int width,
                            int height) {
    page.raster().endStroke();
    gdipictures::copyFile(page.context(), name, left, top, width, height);
    GdiFlush();
    page.raster().markChanged(spanned(left, top, width, height));
}

void BufferTarget::drawImage(int left, int top, int width, int height, int columns, int rows,
                             const void* pixels, const void* infoHeader) {
    flushLines();
    stretchImage(page, left, top, width, height, columns, rows, pixels, infoHeader);
}

void BufferTarget::drawCells(int left, int top, int width, int height, int columns, int rows,
                             const void* pixels, const void* infoHeader) {
    flushLines();
    stretchImage(page, left, top, width, height, columns, rows, pixels, infoHeader, true);
}

void BufferTarget::drawFile(const char* name, int left, int top, int width, int height) {
    flushLines();
    loadFile(page, name, left, top, width, height);
}
