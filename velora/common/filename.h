// File names as the devices and the EPS import take them: a name's extension is that of its
// last path component, so dots in folder names ("./fig", "out.d/fig") are never extensions.
#pragma once

#include "common/api.h"

#include <string>

namespace velora {

// Where the last path component of `name` begins: after its last '/' or '\'.
VELORA_API std::size_t fileNameStart(const std::string& name);

// `name` cut at the first '.' of its last path component, then `extension` appended: "plot",
// "plot.eps" and "plot.old.eps" all give "plot.eps"; "out.d/fig" gives "out.d/fig.eps".
VELORA_API std::string withExtension(const char* name, const char* extension);

} // namespace velora
