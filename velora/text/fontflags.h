// The font argument of the text renderer: the font number in bits 0-3 and the pen weight in
// bits 4 and 5. Plot boxes pass these values for their labels and captions.
#pragma once

enum FONTFLAGS {
    FONT_SANS = 0,  // font 0: a clean sans serif
    FONT_ROMAN = 1, // font 1: a heavier Roman for captions
    FONT_GREEK = 2, // font 2: Greek letters ($ switches to it inside a text)
    FONT_THIN = 16, // pen 0.6 times the normal width
    FONT_BOLD = 32  // pen twice the normal width (FONT_THIN wins when both are set)
};
typedef int FONT;
