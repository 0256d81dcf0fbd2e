#include "image/bmprows.h"

#include "common/outputfile.h"
#include "image/bmpformat.h"

#include <cstring>
#include <memory>

namespace velora::bmp {

bool readRows(std::FILE* file, unsigned char* pixels, std::size_t rowBytes, int rows) {
    const std::size_t total = rowBytes * static_cast<std::size_t>(rows > 0 ? rows : 0);
    const std::size_t got = total ? std::fread(pixels, 1, total, file) : 0;
    if (got < total) std::memset(pixels + got, 0, total - got);
    return got == total;
}

bool writeFile(const char* name, const unsigned char* headerBlock, const unsigned char* pixels,
               std::size_t pixelBytes, const char* failurePrefix) {
    // Its buffer is too large for the stack of every thread that may save a picture.
    const auto out = std::make_unique<OutputFile>();
    if (!out->open(name)) return false;
    out->describeFailure(failurePrefix, name, "\n");
    out->write(reinterpret_cast<const char*>(headerBlock), headerBlockSize);
    if (pixelBytes) out->write(reinterpret_cast<const char*>(pixels), pixelBytes);
    out->close();
    return true;
}

} // namespace velora::bmp
