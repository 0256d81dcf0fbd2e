// DeviceContextTarget: a display-list replay drawn on a Windows device context (the window's
// paint context, the printer's, the zoom lens's memory context) with the window's cached pens.
// The context's own pen is put back when the replay is over.
#pragma once

#include "common/api.h"
#include "devices/replaytarget.h"

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
    void drawImage(int left, int top, int width, int height, int columns, int rows,
                   const void* pixels, const void* infoHeader) override;
    void drawFile(const char* name, int left, int top, int width, int height) override;

private:
    // A dense polyline (a data series of a million points on a window a thousand pixels wide)
    // visits each pixel column many times. The lines within one column cover one unbroken span,
    // so a run of points in one column is drawn as the way to its two extremes and its last
    // point: the same pixels with a thin pen, a handful of segments instead of hundreds.
    struct ColumnRun {
        bool open = false;
        int x = 0;
        int minY = 0, maxY = 0, lastY = 0;
        long minAt = 0, maxAt = 0, points = 0; // when each extreme was first reached
    };
    void startRun(int x, int y);
    // Draws the run; `continued` when the next line starts at its last point.
    void closeRun(bool continued);
    void emit(int x, int y);
    // Runs of lines go to GDI as one PolylineTo, which draws what the LineTo calls would.
    void flushLines();

    HDC dc;
    PenStack& pens;
    int* penTable;
    HGDIOBJ originalPen;
    ColumnRun run;
    bool positionKnown;
    POINT position; // the last point sent to GDI
    static constexpr int batch = 256;
    POINT waiting[batch];
    int waitingCount;
};
