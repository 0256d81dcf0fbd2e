// DeviceContextTarget: a display-list replay drawn on a Windows device context (the window's
// paint context, the printer's, the zoom lens's memory context) with the window's cached pens.
// The context's own pen is put back when the replay is over.
#pragma once

#include "common/api.h"
#include "devices/displaylist/replaytarget.h"
#include "devices/raster/linebatch.h"
#include "screen/devicecontextlines.h"

#include <windows.h>

class PenStack;

class VELORA_API DeviceContextTarget : public ReplayTarget {
public:
    DeviceContextTarget(HDC dc, PenStack& pens, int* penTable);
    ~DeviceContextTarget() override;
    DeviceContextTarget(const DeviceContextTarget&) = delete;
    DeviceContextTarget& operator=(const DeviceContextTarget&) = delete;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void selectPen(unsigned colour, unsigned width) override;
    // With no pen, by the window system's non-zero rule; the colour laid over white at
    // `alpha`, since a device context has no transparency.
    void fillPolygon(const LinePoint* points, unsigned long count, unsigned colour,
                     unsigned alpha) override;
    void drawImage(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* infoHeader) override;
    void drawCells(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* infoHeader) override;
    void drawFile(const char* name, int left, int top, int width, int height) override;

private:
    // Lines go through one batch, as in live drawing, so that both show the same pixels.
    void flushLines() { lines.flush(); }

    HDC dc;
    PenStack& pens;
    int* penTable;
    HGDIOBJ originalPen;
    HGDIOBJ originalBrush;
    HPEN currentPen = nullptr;
    // The last fill's brush, kept for the fills of the same colour after it.
    HBRUSH brush = nullptr;
    COLORREF brushColour = 0;
    DeviceContextLines sink;
    LineBatch lines;
};
