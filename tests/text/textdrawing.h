// Shared by the renderer tests: a desk that writes an EPS file with a chosen font file, and a
// reader that turns the file's body back into page-unit strokes.
#pragma once

#include "desk/desk.h"
#include "fontfiles.h"

#include <ostream>
#include <string>
#include <vector>

namespace font_test {

// One line of the EPS body: "m" or "l" with its point in page units, "slw" with the pen width
// in pen-width units, or a bare command ("np", "st", "cp", "shsb" for any colour).
struct EpsStep {
    std::string op;
    float x = 0, y = 0;
    float width = 0;
    // Points to the hundredth of a point the file holds, widths closely.
    bool operator==(const EpsStep& other) const;
};
void PrintTo(const EpsStep& step, std::ostream* out);
std::vector<EpsStep> stepsOf(const std::string& epsFile);

// A straight piece drawn by the file: from, to, and the pen width then.
struct Segment {
    float x0, y0, x1, y1, width;
};
std::vector<Segment> segmentsOf(const std::vector<EpsStep>& steps);

// A desk opened on "<name>.eps" that reads its fonts from `fontDir`. Its viewport is 88 units
// high, so that one font unit at size 10 is one page unit.
struct TextDesk {
    TextDesk(const char* name, const std::string& fontDir, bool unitScaleOne = true);
    ~TextDesk();
    // Finishes the file and returns its steps.
    std::vector<EpsStep> finish();
    desk surface;
    std::string file;
};

// A font file of simple glyphs for exact positions: in every font, I is a vertical stroke of 10
// units at x = font number; L is (0,10)-(0,0)-(5,0); slot 0x5E a dash (0,5)-(6,5) and $ a
// diagonal (0,0)-(6,6). Advance widths: 10, 12, 14 for I in fonts 0, 1, 2, and 8 for every
// other slot. Written into a folder of this process named after `dir`; returns that folder.
std::string writeSimpleFont(const std::string& dir);
// The folder of the simple font shared by this process's tests, written at the first call.
const std::string& simpleFontFolder();

FontFile simpleFont();

} // namespace font_test
