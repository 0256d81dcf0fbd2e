// BufferTarget: a display-list replay drawn into a page buffer: lines and pens on its pixels
// (CanvasTarget), pictures through the window system on its memory context.
#pragma once

#include "common/api.h"
#include "devices/raster/canvastarget.h"
#include "screen/pagebuffer.h"

class VELORA_API BufferTarget : public CanvasTarget {
public:
    explicit BufferTarget(PageBuffer& page);

    void drawImage(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* infoHeader) override;
    void drawCells(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* infoHeader) override;
    void drawFile(const char* name, int left, int top, int width, int height) override;

    // The same two, for live drawing: both draw a picture at the same pixels.
    static void stretchImage(PageBuffer& page, int left, int top, int width, int height,
                             int columns, int rows, const void* pixels, const void* infoHeader,
                             bool cells = false);
    static void loadFile(PageBuffer& page, const char* name, int left, int top, int width,
                         int height);

private:
    PageBuffer& page;
};
