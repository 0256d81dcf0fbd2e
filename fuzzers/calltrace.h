// The calls of a drawing program written out as C++, for reading what a failing input does:
// run the harness on it with DRAWING_PRINT=1 in the environment.
#pragma once

#include <string>
#include <vector>

namespace drawing {

// Whether the calls are printed (to the standard error stream, before each is made).
bool tracing();
void setTracing(bool on);
void trace(const std::string& line);

// C++ literals: numbers (NAN, INFINITY, -0.0 spelled out), texts with escapes, arrays.
std::string literal(double value);
std::string literal(const std::string& text);
std::string arrayLiteral(const char* type, const char* name, const std::vector<double>& values);

} // namespace drawing
