// BMP files made byte by byte for the tests, including forms the library never writes itself.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct BmpSpec {
    int width = 8;
    int height = 2; // negative: rows stored top-down
    int bitsPerPixel = 8;
    int dataOffset = 1078; // 54 for files without a palette
    int compression = 0;
    // Rows as stored in the file order, unpadded; padding to 4 bytes is added here.
    std::vector<std::string> rows;
    // Palette entries (blue, green, red, 0) for 8-bit files; grey ramp if empty.
    std::string palette;
};

std::string makeBmp(const BmpSpec& spec);

} // namespace testing_support
