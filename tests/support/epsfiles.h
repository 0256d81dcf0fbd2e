// Shared by the EPS writer tests: the body of a finished file after its fixed prologue.
#pragma once

#include <string>

namespace eps_test {

// Everything between the prologue and the trailer of a finished EPS file.
std::string bodyOf(const std::string& file);

char* name(const char* text);

} // namespace eps_test
