// The seed corpus of the drawing harness: small programs of every call, and programs that drew
// hostile values wrongly once (a hang, a runaway file, a number no reader takes).
#pragma once

#include <filesystem>

void writeDrawingSeeds(const std::filesystem::path& corpus);
