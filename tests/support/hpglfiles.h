// Shared by the HPGL tests: the drawing commands of a finished plot file.
#pragma once

#include <string>

namespace hpgl_test {

// The lines between the opening pen and width (written twice: by the writer and by the device
// selector) and the empty last line, without the line end of the last one; "<not a finished
// HPGL file>" when the opening or the empty last line is missing.
std::string bodyOf(const std::string& file);

} // namespace hpgl_test
