// Checks of the files the writers make, as the programs that read them see them: every number in
// the grammar of its format and finite, the structure around the numbers as the format has it.
// Each check returns a description of the first fault it finds, or an empty string.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fuzz {

// The length of the longest prefix of `text` that is a decimal number: an optional sign, digits
// with at most one '.', at least one digit, and with `exponentAllowed` an optional exponent
// ("e-5", "E+10"). 0 when the text does not start with a number.
std::size_t numberLength(std::string_view text, bool exponentAllowed);

// The value of a number that numberLength accepted; NaN where it has none.
double numberValue(std::string_view number);

// EPS: the tokens of the program and of the bounding-box comments; picture rows are hex digits.
std::string checkEps(std::string_view file);
// HPGL: lines of two-letter instructions whose parameters are plain decimals in HPGL's range.
std::string checkHpgl(std::string_view file);
// PDF: the cross-reference table, the objects it points to, the numbers of their dictionaries
// and, inflated, the numbers and operators of every stream that is not a picture.
std::string checkPdf(std::string_view file);
// SVG: the numbers of the attributes d, transform, width, height, viewBox and stroke-width.
std::string checkSvg(std::string_view file);

} // namespace fuzz
