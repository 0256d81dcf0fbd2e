// DashedLine: a polyline drawn on a desk in dashes and gaps of fixed lengths. The pattern starts
// with a full dash at the first point and runs on across the vertices; a piece ends exactly where
// its length runs out, with a draw for a dash and a move for a gap.
#pragma once

#include "common/api.h"

class desk;

class VELORA_API DashedLine {
public:
    // Lengths in desk units. The rectangle is the visible part of the desk: a stretch outside it
    // of more than 100,000 pieces is passed over by arithmetic instead of piece by piece.
    DashedLine(desk& d, float dash, float gap, int colour, float visibleX1, float visibleY1,
               float visibleX2, float visibleY2);

    // Whether a pattern of these lengths can be walked: finite, a dash above 0, a gap not below
    // 0 and a period
    // (dash + gap) long enough to be seen at all. Other patterns are drawn solid by the callers.
    static bool usable(float dash, float gap);

    // Moves to the first point with a full dash ahead.
    void start(float x, float y);
    // Walks the pattern from the current point to (x, y). A segment with an end that is not
    // finite is left out, and the pattern starts again at the next point.
    void to(float x, float y);

private:
    float& left() { return drawing ? dashLeft : gapLeft; }
    void toggle();
    // Puts the pen at the current point: a draw while in a dash, a move in a gap.
    void emit();
    // Moves the pattern on by a distance without drawing it piece by piece.
    void advance(double distance);
    // How far along the segment from the current point to (x, y) it enters the visible
    // rectangle, as a fraction; 2 when it misses the rectangle.
    double entryFraction(float x, float y) const;

    desk* theDesk;
    float dash, gap;
    int colour;
    float vx1, vy1, vx2, vy2;
    float curx = 0, cury = 0;
    bool drawing = true;
    float dashLeft, gapLeft;
};
