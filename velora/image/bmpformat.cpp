#include "image/bmpformat.h"

#include "common/endprocess.h"

#include <iostream>
#include <limits>

namespace velora::bmp {

void fillHeaders(unsigned char* block, int width, int height, int bitsPerPixel) {
    const std::uint32_t imageSize = static_cast<std::uint32_t>(width) *
                                    static_cast<std::uint32_t>(height) *
                                    static_cast<std::uint32_t>(bitsPerPixel / 8);
    block[typeOffset] = 'B';
    block[typeOffset + 1] = 'M';
    put32(block + fileSizeOffset, imageSize + headerBlockSize);
    put32(block + 6, 0);
    put32(block + dataOffsetOffset, headerBlockSize);
    put32(block + infoSizeOffset, infoHeaderSize);
    put32(block + widthOffset, static_cast<std::uint32_t>(width));
    put32(block + heightOffset, static_cast<std::uint32_t>(height));
    put16(block + planesOffset, 1);
    put16(block + bitsOffset, static_cast<std::uint32_t>(bitsPerPixel));
    put32(block + compressionOffset, 0);
    put32(block + imageSizeOffset, imageSize);
    put32(block + xResolutionOffset, resolution);
    put32(block + yResolutionOffset, resolution);
}

std::string fileName(const char* name) {
    std::string result = name ? name : "";
    if (result.find(".bmp") == std::string::npos) result += ".bmp";
    return result;
}

long long pixelBytes(long long width, long long height, int bytesPerPixel) {
    if (width < 0 || height < 0) return -1;
    // Widths and heights are ints, so the product cannot overflow a long long; anything past
    // what a 32-bit process can address is refused before asking for it.
    const long long bytes = width * height * bytesPerPixel;
    if (bytes > std::numeric_limits<int>::max()) return -1;
    return bytes;
}

void failAllocation(long long bytes) {
    std::cout << bytes << std::endl << "BMP: unable to create pict" << std::endl;
    endProcess();
}

void checkWidth(int width) {
    if (width % 8 != 0) {
        std::cout << "BMP: width must be a multiple of 8!";
        endProcess();
    }
}

} // namespace velora::bmp
