// Shared by the plot box tests: a desk opened on EPS and PLT for one figure, its EPS body read
// back as steps in page units, and a font whose every character draws a stroke that tells which
// character it is, so that the texts a box writes can be read back with their places.
#pragma once

#include "desk/desk.h"

#include <functional>
#include <string>
#include <vector>

namespace plot_test {

// Draws `figure` on a desk opened on EPS and PLT as `name`, with the fonts of `fontDir`, and
// returns the EPS body; both files must satisfy Ghostscript and hp2xx.
std::string drawn(const std::string& name, const std::function<void(desk&)>& figure,
                  const std::string& fontDir);
std::string drawn(const std::string& name, const std::function<void(desk&)>& figure);

// The body as steps in page units, rounded to hundredths: "m20,30", "l22.5,30", "np", "st",
// "cp", "c" for a colour, "w0.3" for a pen width.
std::vector<std::string> stepsOf(const std::string& body);
// Only the moves and lines (and, with `paths`, np and st), joined by blanks.
std::string pathOf(const std::string& body, bool paths = false);

// Writes the code font once per process into a folder of its own and returns the folder: every
// printable character c draws a stroke of (c - 31) units down from its origin and one of 40 units
// to the right from there; every advance is 10 units.
std::string codeFontDirectory();

struct Text {
    std::string text;
    float x, y;    // the origin of its first character
    float unit;    // one font unit in desk units
    bool vertical; // running upwards
    // The middle of the text along its direction and across it (the nominal height is 24).
    float middleAlong() const;
    float middleAcross() const;
};
// The texts written in the code font, in the order they were drawn.
std::vector<Text> textsOf(const std::string& body);
// Only their texts.
std::vector<std::string> wordsOf(const std::vector<Text>& texts);

} // namespace plot_test
