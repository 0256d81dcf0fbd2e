// LegendEntry: one line of a box's legend: a sample of how a series is drawn (a line, a marker,
// a filled patch, or several of them over each other) and its text.
#pragma once

#include "common/colour.h"
#include "plot/symbol.h"

struct LegendEntry {
    const char* text;
    COLOR colour;
    // A line sample: 1 solid, 0 < dash < 1 dashed as connectpoints draws it; below 0 none.
    float dash = -1.0f;
    // A marker on the middle of the sample; -1 none.
    SYMBOL marker = -1;
    // A filled patch at this opacity; 0 none.
    float patch = 0.0f;

    static LegendEntry line(const char* text, COLOR c, float dash = 1.0f) {
        return {text, c, dash, -1, 0.0f};
    }
    static LegendEntry points(const char* text, COLOR c, SYMBOL s) {
        return {text, c, -1.0f, s, 0.0f};
    }
    static LegendEntry area(const char* text, COLOR c, float opacity = 1.0f) {
        return {text, c, -1.0f, -1, opacity};
    }
};
