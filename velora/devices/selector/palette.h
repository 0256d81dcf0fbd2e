// Palette: the sixteen fixed colours of the screen, the printer and the zoom lens, by index:
// black, red, green, blue, yellow, cyan, magenta, black, then eight greys from dark to white.
#pragma once

#include "common/api.h"

struct PaletteColour {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

class VELORA_API Palette {
public:
    static constexpr unsigned colours = 16;
    // The colour of `index`; indexes above 15 are drawn as 15.
    static PaletteColour colour(unsigned index);
    static unsigned clamp(unsigned index) { return index < colours ? index : colours - 1; }
    // The colour of a palette index or a true colour (common/colour.h); other values as 15.
    static PaletteColour of(unsigned colour);
    // The index whose colour is nearest a true colour (least sum of squared differences, the
    // first of equals); any other value is returned as it is.
    static int nearest(int colour);
};
