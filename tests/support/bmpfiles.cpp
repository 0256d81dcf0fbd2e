#include "support/bmpfiles.h"

namespace testing_support {

namespace {
void put32(std::string& bytes, std::size_t at, long value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((static_cast<unsigned long>(value) >> (8 * i)) & 0xff);
}
} // namespace

std::string makeBmp(const BmpSpec& spec) {
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 10, spec.dataOffset);
    put32(bytes, 14, 40);
    put32(bytes, 18, spec.width);
    put32(bytes, 22, spec.height);
    put32(bytes, 26, 1 | (spec.bitsPerPixel << 16));
    put32(bytes, 30, spec.compression);
    if (spec.bitsPerPixel == 8 && spec.dataOffset > 54) {
        std::string palette = spec.palette;
        if (palette.empty())
            for (int i = 0; i < 256; ++i)
                palette += std::string{static_cast<char>(i), static_cast<char>(i),
                                       static_cast<char>(i), '\0'};
        palette.resize(1024, '\0');
        bytes += palette;
    }
    bytes.resize(static_cast<std::size_t>(spec.dataOffset), '\0');
    for (const std::string& row : spec.rows) {
        std::string padded = row;
        padded.resize((row.size() + 3) / 4 * 4, '\0');
        bytes += padded;
    }
    put32(bytes, 2, static_cast<long>(bytes.size()));
    return bytes;
}

} // namespace testing_support
