// ReplayMapping: how a replay maps display-list units onto a device: factors and shifts for
// points and rectangles, a vertical offset, and the rule that turns a pen record's width step
// into the total width of the pen. Window, printer and zoom lens differ only here.
#pragma once

#include "common/api.h"

struct VELORA_API ReplayMapping {
    double fx = 1.0, fy = 1.0; // device pixels per display-list unit
    int dx = 0, dy = 0;        // display-list units added to x and y before scaling
    double off = 0.0;          // pixels taken off every device y (the scroll offset)
    // Pen widths: the step plus `penExtra` on the window and the printer, times `penScale` (the
    // monitor's DPI over 96) and rounded; on the zoom lens (step + 1) x `lensPen`, at most 32.
    bool lens = false;
    int penExtra = 0;
    int lensPen = 0;
    float penScale = 1.0f;

    int x(int listX) const { return static_cast<int>((listX + dx) * fx); }
    int y(int listY) const { return static_cast<int>((listY + dy) * fy - off); }
    // Never negative, whatever a record holds.
    int totalWidth(int step) const;
    // A width in pixels of a 96-DPI display on one whose pixels are `penScale` times as fine.
    static int scaledWidth(int width, float penScale);

    // The window and the printer: scales in pixels per virtual unit, `listScale` list units per
    // virtual unit, the scroll offset nPos - nPage in pixels.
    static ReplayMapping window(float xscale, float yscale, float listScale, int penExtra,
                                int scrollOffset, float penScale = 1.0f);
    // The zoom lens: the window's scales, the lens's magnification, pen addition and the
    // upper-left corner of the magnified region in (negated) list units.
    static ReplayMapping zoom(float xscale, float yscale, float listScale, int magnification,
                              int lensPen, int offX, int offY, int scrollOffset);
};
