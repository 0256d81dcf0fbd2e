#include "image/bmprows.h"

#include "image/bmpformat.h"

#include <cstring>

namespace velora::bmp {

void readRows(std::FILE* file, unsigned char* pixels, std::size_t rowBytes, int rows) {
    const std::size_t total = rowBytes * static_cast<std::size_t>(rows > 0 ? rows : 0);
    const std::size_t got = total ? std::fread(pixels, 1, total, file) : 0;
    if (got < total) std::memset(pixels + got, 0, total - got);
}

bool writeFile(const char* name, const unsigned char* headerBlock, const unsigned char* pixels,
               std::size_t pixelBytes) {
    std::FILE* file = std::fopen(name, "wb");
    if (!file) return false;
    std::fwrite(headerBlock, 1, headerBlockSize, file);
    if (pixelBytes) std::fwrite(pixels, 1, pixelBytes, file);
    std::fclose(file);
    return true;
}

} // namespace velora::bmp
