#include "screen/devicecontexttarget.h"

#include "devices/penstack.h"

DeviceContextTarget::DeviceContextTarget(HDC dc, PenStack& pens, int* penTable)
    : dc(dc), pens(pens), penTable(penTable), originalPen(GetCurrentObject(dc, OBJ_PEN)),
      positionKnown(false), position{0, 0}, waitingCount(0) {}

DeviceContextTarget::~DeviceContextTarget() {
    closeRun(false);
    flushLines();
    if (originalPen) SelectObject(dc, originalPen);
}

void DeviceContextTarget::flushLines() {
    if (waitingCount == 0) return;
    PolylineTo(dc, waiting, static_cast<DWORD>(waitingCount));
    waitingCount = 0;
}

void DeviceContextTarget::emit(int x, int y) {
    if (positionKnown && position.x == x && position.y == y) return; // draws nothing
    if (waitingCount == batch) flushLines();
    waiting[waitingCount++] = POINT{x, y};
    position = POINT{x, y};
    positionKnown = true;
}

void DeviceContextTarget::startRun(int x, int y) {
    run.open = true;
    run.x = x;
    run.minY = run.maxY = run.lastY = y;
    run.minAt = run.maxAt = run.points = 0;
}

void DeviceContextTarget::closeRun(bool continued) {
    if (!run.open) return;
    run.open = false;
    if (run.minY == run.maxY) return emit(run.x, run.lastY);
    const bool minFirst = run.minAt <= run.maxAt;
    const int first = minFirst ? run.minY : run.maxY;
    const int second = minFirst ? run.maxY : run.minY;
    const bool lastIsMin = run.lastY == run.minY, lastIsMax = run.lastY == run.maxY;
    if (continued || (!lastIsMin && !lastIsMax)) {
        // Every pixel between the extremes is covered; the last one by the next line too.
        emit(run.x, first);
        emit(run.x, second);
        emit(run.x, run.lastY);
        return;
    }
    // The polyline ends here, and a line leaves out its end point: the last point stays out
    // only where the lines before never reached it.
    const bool reachedBefore = lastIsMin ? run.minAt < run.points : run.maxAt < run.points;
    const int other = lastIsMin ? run.maxY : run.minY;
    if (reachedBefore) emit(run.x, run.lastY);
    emit(run.x, other);
    emit(run.x, run.lastY);
}

void DeviceContextTarget::moveTo(int x, int y) {
    closeRun(false);
    flushLines();
    MoveToEx(dc, x, y, nullptr);
    position = POINT{x, y};
    positionKnown = true;
    startRun(x, y);
}

void DeviceContextTarget::lineTo(int x, int y) {
    if (run.open && x == run.x) {
        ++run.points;
        if (y < run.minY) {
            run.minY = y;
            run.minAt = run.points;
        }
        if (y > run.maxY) {
            run.maxY = y;
            run.maxAt = run.points;
        }
        run.lastY = y;
        return;
    }
    closeRun(true);
    emit(x, y);
    startRun(x, y);
}

void DeviceContextTarget::selectPen(unsigned colour, unsigned width) {
    closeRun(false);
    flushLines();
    SelectObject(dc, pens.penFor(penTable, colour, width));
    if (positionKnown) startRun(position.x, position.y);
}

void DeviceContextTarget::drawImage(int left, int top, int width, int height, int columns, int rows,
                                    const void* pixels, const void* infoHeader) {
    closeRun(false);
    flushLines();
    if (pixels && infoHeader) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, left, top, width, height, 0, 0, columns, rows, pixels,
                      static_cast<const BITMAPINFO*>(infoHeader), DIB_RGB_COLORS, SRCCOPY);
    }
    if (positionKnown) startRun(position.x, position.y);
}

void DeviceContextTarget::drawFile(const char* name, int left, int top, int width, int height) {
    closeRun(false);
    flushLines();
    if (positionKnown) startRun(position.x, position.y);
    if (width <= 0 || height <= 0) return;
    // Loaded afresh at the size of this replay and released after: not shared, since every
    // repaint may ask for another size.
    HANDLE image = LoadImageA(nullptr, name, IMAGE_BITMAP, width, height,
                              LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!image) return; // a file that cannot be loaded leaves its rectangle undrawn
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, image);
        BitBlt(dc, left, top, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(image);
}
