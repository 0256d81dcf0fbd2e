// PageBuffer: what a screen window shows, kept in memory: a 32-bit bitmap of the client area
// with a memory device context for pictures, and a RasterCanvas over its pixels for lines and
// fills. Live drawing and the repaint both draw here; the window gets the changed rectangle in
// one copy. Whoever draws here holds the screen's live-drawing lock.
#pragma once

#include "common/api.h"
#include "devices/raster/linebatch.h"
#include "devices/raster/rastercanvas.h"

#include <windows.h>

class VELORA_API PageBuffer : public LineSink {
public:
    PageBuffer();
    ~PageBuffer() override;
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;

    // A white page of this size; false (and no page) when it cannot be had.
    bool resize(int width, int height);
    int width() const { return canvas.width(); }
    int height() const { return canvas.height(); }
    bool empty() const { return !pixels; }
    // The pixels, rows from the top, blue-green-red-unused; null when empty.
    const std::uint32_t* rows() const { return pixels; }
    HDC context() const { return memory; }
    RasterCanvas& raster() { return canvas; }
    // Everything white, nothing counted as changed.
    void clear();

    // The window context that present() copies to; null for a page that is never shown.
    void showOn(HDC window) { windowContext = window; }
    // False while the window has moved away from the page (scrolled, resized): present() copies
    // nothing until a repaint has drawn the page afresh and says so.
    void setInStep(bool inStep) { showing = inStep; }
    bool inStep() const { return showing; }
    // Copies the area of the page to the same place on `target`.
    void copyTo(HDC target, const RECT& area) const;

    void polylines(const LinePoint* points, const unsigned long* counts, int lines) override;
    // Copies what changed since the last present() to the window.
    void present() override;

private:
    void release();

    HDC memory;
    HBITMAP section;
    HGDIOBJ originalBitmap;
    std::uint32_t* pixels;
    RasterCanvas canvas;
    HDC windowContext;
    bool showing;
};
