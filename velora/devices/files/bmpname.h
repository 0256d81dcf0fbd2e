// The name of the BMP file the EPS writer opens for a picture file, which the PDF and SVG writers
// must open too.
#pragma once

#include <string>

namespace velora {

// A '.' among the last four characters starts the extension that ".bmp" replaces; short names
// get ".bmp" appended.
std::string bmpName(const char* name);

} // namespace velora
