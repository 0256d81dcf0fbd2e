// The state of one EPS import, shared by the line reader (desk/epsreader.cpp) and the picture
// reader (desk/epspicture.cpp), and the number reading both use.
#pragma once

#include "desk/defines.h"
#include "desk/desk.h"
#include "desk/stringstack.h"

#include <cstddef>
#include <istream>
#include <vector>

namespace velora::eps {

// Lines longer than this are read in pieces of this length.
constexpr std::size_t lineCapacity = 1000;
// Labels and commands of definition lines are cut to this length.
constexpr std::size_t labelCapacity = 79;
// Words a file may leave waiting on the operand stack.
constexpr unsigned operandCapacity = 10000;

// A word as a decimal number, as atof reads it but independent of the locale; anything that is
// not a number within the range of float reads as 0.
double readNumber(const char* word);
// A word as a decimal integer, as atoi reads it, saturating at the range of int.
int readInteger(const char* word);

} // namespace velora::eps

struct desk::EpsImport {
    explicit EpsImport(std::istream& stream) : in(stream), stack(velora::eps::operandCapacity) {}

    std::istream& in;
    Defines defines;
    StringStack stack;
    int colour = 0;
    // Between gsave and grestore the path is a fill's outline, gathered here until `fill`; the
    // colour comes back at grestore.
    bool inFill = false;
    int colourBeforeFill = 0;
    std::vector<float> fillX, fillY;
    // Placement of the next picture: its origin from the last translate, in page units, and the
    // size of one pixel in points from the last scale. A picture with neither sits at the page
    // origin with one point a pixel.
    float x0 = 0.0f, y0 = 0.0f;
    float sx = 1.0f, sy = 1.0f;
    // The word popped last: a missing operand repeats it.
    char word[velora::eps::lineCapacity + 1] = {};
};
