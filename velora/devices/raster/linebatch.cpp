#include "devices/raster/linebatch.h"

LineBatch::LineBatch(LineSink& sink)
    : sink(sink), position{0, 0}, lineStart(0), pointCount(0), lineCount(0),
      pointsPerCall(maxPoints) {}

void LineBatch::setPointsPerCall(int points) {
    flush();
    pointsPerCall = points < 2 ? 2 : points > maxPoints ? maxPoints : points;
}

void LineBatch::send() {
    if (pointCount - lineStart >= 2) counts[lineCount++] = pointCount - lineStart;
    if (lineCount > 0) sink.polylines(points, counts, lineCount);
    lineStart = pointCount = lineCount = 0;
}

void LineBatch::emit(int x, int y) {
    if (position.x == x && position.y == y) return; // draws nothing
    // Room for the point and, in a fresh polyline, its start; a full batch is sent, and the
    // polyline goes on from its last point in the next one.
    if (pointCount + 2 > pointsPerCall || lineCount == maxLines) send();
    if (pointCount == lineStart) points[pointCount++] = position;
    position = LinePoint{x, y};
    points[pointCount++] = position;
}

void LineBatch::startRun(int x, int y) {
    run.open = true;
    run.x = x;
    run.minY = run.maxY = run.lastY = y;
    run.minAt = run.maxAt = run.points = 0;
}

void LineBatch::closeRun(bool continued) {
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

void LineBatch::moveTo(int x, int y) {
    closeRun(false);
    // The polyline ends; the next one starts at the new point.
    if (pointCount - lineStart >= 2) {
        counts[lineCount++] = pointCount - lineStart;
        lineStart = pointCount;
        if (lineCount == maxLines) send();
    } else {
        pointCount = lineStart;
    }
    position = LinePoint{x, y};
    startRun(x, y);
}

void LineBatch::lineTo(int x, int y) {
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

void LineBatch::flush() {
    closeRun(false);
    send();
    startRun(position.x, position.y);
}
