// DeviceContextLines: batches of lines drawn on a Windows device context, each batch one
// PolyPolyline call with the context's current pen.
#pragma once

#include "common/api.h"
#include "devices/raster/linebatch.h"

#include <windows.h>

class VELORA_API DeviceContextLines : public LineSink {
public:
    explicit DeviceContextLines(HDC dc) : dc(dc) {}
    void polylines(const LinePoint* points, const unsigned long* counts, int lines) override;

private:
    HDC dc;
};
