// Checks of the PDF and SVG files by outside programs (qpdf, xmllint, rsvg-convert, pdftoppm,
// Ghostscript), and the comparison of their renders with the EPS file's by ink: a pixel is ink
// when any channel is below 90 %, the mask is reduced 3 x 3 to cells, and a cell differs when no
// cell within one of it in the other mask has its state. Renderers differ by a pixel in line
// width and antialiasing; this measure does not see that, and sees a line missing or moved.
#pragma once

#include <string>

namespace testing_support {

// True when every program the checks need is installed (never under Wine).
bool haveVectorTools();

// Empty when qpdf --check and pdftoppm (without a word of warning), or xmllint --noout and
// rsvg-convert, accept the file; else what they said.
std::string pdfProblems(const std::string& pdfPath);
std::string svgProblems(const std::string& svgPath);

// The share of cells (0 ... 1) whose ink differs between the 300 dpi renders of an EPS file by
// Ghostscript and of a PDF (pdftoppm) or SVG file (rsvg-convert); -1 if a render failed.
double inkDifference(const std::string& epsPath, const std::string& otherPath);
// Test checks: base.pdf and base.svg are accepted and have base.eps's ink (under 1 % of the
// cells differ); skips the test where the programs are missing.
void expectSameInkAsEps(const std::string& base);

} // namespace testing_support
