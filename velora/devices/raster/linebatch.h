// LineBatch: lines on their way to a device, gathered so that the device gets many polylines in
// one call instead of one call per segment. Used by live drawing and by every replay, so that
// both put the same pixels on the screen.
//
// A dense polyline (a data series of a million points on a window a thousand pixels wide) visits
// each pixel column many times. The lines within one column cover one unbroken span, so a run of
// points in one column is sent as the way to its two extremes and its last point: the same
// pixels with a thin pen, a handful of segments instead of hundreds.
#pragma once

#include "common/api.h"

// Laid out as the Windows POINT and the counts as DWORD, so that a batch goes to GDI as it is.
struct LinePoint {
    long x;
    long y;
};

// Where a batch goes: `lines` polylines, polyline k of counts[k] points (at least 2), one after
// the other in `points`.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void polylines(const LinePoint* points, const unsigned long* counts, int lines) = 0;
    // What was drawn should now be seen: a sink that draws off the screen shows it here.
    virtual void present() {}
};

class VELORA_API LineBatch {
public:
    // The current point starts at (0, 0), as on a fresh device context.
    explicit LineBatch(LineSink& sink);
    LineBatch(const LineBatch&) = delete;
    LineBatch& operator=(const LineBatch&) = delete;

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // Sends everything gathered; the current point stays, and lines go on from it.
    void flush();
    // At most this many points go to the sink in one call (2 ... maxPoints). A device may draw
    // wide pens through a shape that grows with every segment of one call, at a cost that grows
    // faster than the segments: short calls keep it small.
    void setPointsPerCall(int points);
    // True when nothing waits to be sent.
    bool empty() const { return pointCount == 0 && !(run.open && run.points > 0); }

    static constexpr int maxPoints = 256;
    static constexpr int maxLines = 128;
    // Points a call for pens wider than a pixel.
    static constexpr int widePenPoints = 16;

private:
    struct ColumnRun {
        bool open = false;
        int x = 0;
        int minY = 0, maxY = 0, lastY = 0;
        long minAt = 0, maxAt = 0, points = 0; // when each extreme was first reached
    };
    void startRun(int x, int y);
    // Sends the run on; `continued` when the next line starts at its last point.
    void closeRun(bool continued);
    void emit(int x, int y);
    void send();

    LineSink& sink;
    ColumnRun run;
    LinePoint position; // the last point emitted, or the point moved to
    // The polyline being filled starts at points[lineStart]; it holds no point before the first
    // line leaves `position`.
    int lineStart;
    int pointCount;
    int lineCount;
    int pointsPerCall;
    LinePoint points[maxPoints];
    unsigned long counts[maxLines];
};
