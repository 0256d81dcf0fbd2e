// The device flags of desk::open and deviceselect::in, and the clear modes of the screen.
#pragma once

// Flag bits; combine them with |.
enum DEVICEFLAGS {
    SCREEN = 0x0001,     // a screen window
    EPS = 0x0002,        // an Encapsulated PostScript file
    PLT = 0x0004,        // an HPGL plot file
    PDF = 0x0008,        // a PDF file
    SVG = 0x0010,        // an SVG file
    DOUBLESIZE = 0x1000, // a page of double height, 133.33 x 200 units
    MAXIMIZE = 0x2000,   // the screen window maximised
    SMOOTH = 0x4000      // the screen's lines, symbols and text antialiased
};
typedef int DEVICE;

// What clearing a viewport does to the screen's current display list.
enum ClearFlag {
    CLEAR_AND_EMPTY = 0,   // clear the rectangle and empty the layer
    CLEAR_TO_VIEWPORT = 1, // clear, cut the layer back to its viewport mark, repaint
    CUT_TO_VIEWPORT = 2    // only cut the layer back
};
