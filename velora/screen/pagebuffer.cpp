#include "screen/pagebuffer.h"

#include <algorithm>
#include <vector>

namespace {

// The round dot of a wide pen as this window system makes it: the region it caps and joins
// lines with, the ellipse in the box from -(width / 2) to (width + 1) / 2 + 1.
void regionDot(int width, std::vector<DotRow>& rows) {
    rows.clear();
    HRGN dot =
        CreateEllipticRgn(-(width / 2), -(width / 2), (width + 1) / 2 + 1, (width + 1) / 2 + 1);
    const DWORD size = dot ? GetRegionData(dot, 0, nullptr) : 0;
    std::vector<unsigned char> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (size && GetRegionData(dot, size, data) == size) {
        const RECT* rect = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD k = 0; k < data->rdh.nCount; ++k, ++rect)
            for (LONG y = rect->top; y < rect->bottom; ++y)
                rows.push_back(DotRow{static_cast<int>(y), static_cast<int>(rect->left),
                                      static_cast<int>(rect->right) - 1});
    }
    if (dot) DeleteObject(dot);
    if (rows.empty()) RasterCanvas::roundDot(width, rows);
}

} // namespace

PageBuffer::PageBuffer()
    : memory(nullptr), section(nullptr), originalBitmap(nullptr), pixels(nullptr),
      windowContext(nullptr), showing(true) {
    canvas.setDotShaper(&regionDot);
}

PageBuffer::~PageBuffer() {
    release();
}

void PageBuffer::release() {
    canvas.attach(nullptr, 0, 0, 0);
    if (memory && originalBitmap) SelectObject(memory, originalBitmap);
    if (section) DeleteObject(section);
    if (memory) DeleteDC(memory);
    memory = nullptr;
    section = nullptr;
    originalBitmap = nullptr;
    pixels = nullptr;
}

bool PageBuffer::resize(int width, int height) {
    if (pixels && width == canvas.width() && height == canvas.height()) {
        clear();
        return true;
    }
    release();
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    memory = CreateCompatibleDC(nullptr);
    section = memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!section || !bits) {
        release();
        return false;
    }
    originalBitmap = SelectObject(memory, section);
    pixels = static_cast<std::uint32_t*>(bits);
    canvas.attach(pixels, width, height, width);
    clear();
    return true;
}

void PageBuffer::clear() {
    if (!pixels) return;
    GdiFlush();
    canvas.fill(PixelBounds{0, 0, canvas.width(), canvas.height()},
                RasterCanvas::rgb(255, 255, 255));
    canvas.takeChanged();
}

void PageBuffer::copyTo(HDC target, const RECT& area) const {
    if (!pixels || !target) return;
    const int left = std::max(0, static_cast<int>(area.left));
    const int top = std::max(0, static_cast<int>(area.top));
    const int right = std::min(canvas.width(), static_cast<int>(area.right));
    const int bottom = std::min(canvas.height(), static_cast<int>(area.bottom));
    if (left >= right || top >= bottom) return;
    BitBlt(target, left, top, right - left, bottom - top, memory, left, top, SRCCOPY);
}

void PageBuffer::polylines(const LinePoint* points, const unsigned long* counts, int lines) {
    canvas.polylines(points, counts, lines);
}

void PageBuffer::present() {
    const PixelBounds changed = canvas.takeChanged();
    if (!showing || changed.empty()) return;
    GdiFlush();
    copyTo(windowContext, RECT{changed.left, changed.top, changed.right, changed.bottom});
    GdiFlush();
}
