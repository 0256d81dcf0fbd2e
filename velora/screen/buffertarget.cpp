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
                                int columns, int rows, const void* pixels, const void* infoHeader) {
    gdipictures::stretch(page.context(), left, top, width, height, columns, rows, pixels,
                         infoHeader);
    GdiFlush(); // before the canvas writes the same pixels again
    page.raster().markChanged(spanned(left, top, width, height));
}

void BufferTarget::loadFile(PageBuffer& page, const char* name, int left, int top, int width,
                            int height) {
    gdipictures::copyFile(page.context(), name, left, top, width, height);
    GdiFlush();
    page.raster().markChanged(spanned(left, top, width, height));
}

void BufferTarget::drawImage(int left, int top, int width, int height, int columns, int rows,
                             const void* pixels, const void* infoHeader) {
    flushLines();
    stretchImage(page, left, top, width, height, columns, rows, pixels, infoHeader);
}

void BufferTarget::drawFile(const char* name, int left, int top, int width, int height) {
    flushLines();
    loadFile(page, name, left, top, width, height);
}
