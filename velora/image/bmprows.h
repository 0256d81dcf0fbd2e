// Row access shared by both image kinds.
#pragma once

#include <cstddef>
#include <cstdio>

namespace velora::bmp {

// Index of `row` wrapped into 0 .. height - 1; an image without rows gives 0.
inline int wrapRow(int row, int height) {
    if (height <= 0) return 0;
    const int wrapped = row % height;
    return wrapped < 0 ? wrapped + height : wrapped;
}

// Reads `rows` rows of `rowBytes` bytes; false when the file does not hold them all (what it
// does not hold is then zero).
bool readRows(std::FILE* file, unsigned char* pixels, std::size_t rowBytes, int rows);

// Writes the header block and the rows; false when the file cannot be created. A write that
// fails removes the file and ends the process with `failurePrefix`, the name and
// " nicht geschrieben".
bool writeFile(const char* name, const unsigned char* headerBlock, const unsigned char* pixels,
               std::size_t pixelBytes, const char* failurePrefix);

} // namespace velora::bmp
