// CanvasTarget: a display-list replay drawn into pixels in memory (a RasterCanvas), through the
// same line batch as live drawing, so that both give the same pixels. The screen's page buffer
// draws its pictures with the window system (BufferTarget); here they are left out.
#pragma once

#include "common/api.h"
#include "devices/displaylist/replaytarget.h"
#include "devices/raster/linebatch.h"
#include "devices/raster/rastercanvas.h"

class VELORA_API CanvasTarget : public ReplayTarget {
public:
    explicit CanvasTarget(RasterCanvas& canvas);
    ~CanvasTarget() override;
    CanvasTarget(const CanvasTarget&) = delete;
    CanvasTarget& operator=(const CanvasTarget&) = delete;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void selectPen(unsigned colour, unsigned width) override;
    void fillPolygon(const LinePoint* points, unsigned long count, unsigned colour,
                     unsigned alpha) override;
    void drawImage(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* infoHeader) override;
    void drawFile(const char* name, int left, int top, int width, int height) override;

    // The pen a replay's (colour, total width step) stands for: the palette or true colour, one
    // pixel wider than the step, as the window system's pens are made.
    static void selectPen(RasterCanvas& canvas, unsigned colour, unsigned width);

    // A replay's colour value in the canvas's pixels.
    static std::uint32_t pixelColour(unsigned colour);

protected:
    // Lines drawn before anything else is.
    void flushLines() { lines.flush(); }

private:
    RasterCanvas& canvas;
    LineBatch lines;
};
