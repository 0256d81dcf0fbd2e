// symbol: marker shapes (plus, square, triangles, diamond, hexagon, circle, hourglass and the end
// strokes of error bars) drawn on a desk, as one outline or as several concentric ones. The
// outline of the last shape is kept as a small program, so a series of one shape defines it once.
#pragma once

#include "common/api.h"
#include "desk/desk.h"

// A marker: the low four bits choose the shape (0 plus, 1 square, 2 triangle up, 3 diamond,
// 4 hexagon, 5 circle, 6 triangle down, 7 hourglass, 8 vertical stroke, 9 horizontal stroke),
// bits 4 to 6 add 0 to 7 smaller outlines inside the first. Values outside -1 ... 121 draw a
// square; -1 draws nothing.
typedef int SYMBOL;
// Added to a code of a shape with an inside (1 ... 7, any ring bits), the shape's outer outline
// is filled in the colour instead; added to any other code, the code is drawn as it is.
constexpr SYMBOL SYMBOL_FILLED = 0x100;

class VELORA_API symbol {
public:
    explicit symbol(desk& d);
    ~symbol();
    symbol(const symbol&) = delete;
    symbol& operator=(const symbol&) = delete;

    // Draws the marker centred on (x, y); a negative s, c or scale takes the default. The colour
    // stays set on the desk. At scale 1 the largest outline is 1/40 of the viewport's height.
    void put(float x, float y, SYMBOL s, COLOR c, float scale);
    void setcolor(COLOR c) { colour = c; }
    void setscale(float s) { scale = s; }
    void setform(SYMBOL s) { form = s; }

private:
    // Writes the outline program of s into the buffers, unless they hold it already.
    void defform(SYMBOL s);
    // The outer outline of shape s (1 ... 7) as one polygon, unless it is held already.
    void defoutline(int shape);
    void putFilled(float x, float y, int shape, COLOR c, float scale);

    signed char* xcode;
    signed char* ycode;
    float scale;
    SYMBOL form;
    int definedForm;
    COLOR colour;
    desk* theDesk;
    // The filled shape's polygon in symbol units.
    static constexpr int outlineCapacity = 40;
    signed char outlineX[outlineCapacity], outlineY[outlineCapacity];
    int outlineCount;
    int outlineShape;
};
