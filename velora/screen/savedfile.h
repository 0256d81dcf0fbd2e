// writeWholeFile: a file written all at once or not at all. The bytes go to a temporary file
// beside it, which takes the name only when every byte was written; a failed write leaves
// neither the temporary file nor a part of the file behind (an older file of the name stays).
#pragma once

#include <vector>

bool writeWholeFile(const char* name, const std::vector<unsigned char>& bytes);
