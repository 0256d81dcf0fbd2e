// The byte layout of an uncompressed BMP file, shared by the 8-bit and the 24-bit image and by
// the EPS writer, which reads BMP files itself.
#pragma once

#include <cstdint>
#include <string>

namespace velora::bmp {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr int paletteSize = 1024;
// File header, info header and 256 palette entries: the block every image keeps in front.
constexpr int headerBlockSize = fileHeaderSize + infoHeaderSize + paletteSize; // 1078
constexpr int resolution = 25600;

// Offsets in the header block.
constexpr int typeOffset = 0;
constexpr int fileSizeOffset = 2;
constexpr int dataOffsetOffset = 10;
constexpr int infoSizeOffset = 14;
constexpr int widthOffset = 18;
constexpr int heightOffset = 22;
constexpr int planesOffset = 26;
constexpr int bitsOffset = 28;
constexpr int compressionOffset = 30;
constexpr int imageSizeOffset = 34;
constexpr int xResolutionOffset = 38;
constexpr int yResolutionOffset = 42;
constexpr int coloursUsedOffset = 46;
constexpr int coloursImportantOffset = 50;

inline void put16(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}
inline void put32(unsigned char* at, std::uint32_t value) {
    put16(at, value);
    put16(at + 2, value >> 16);
}
inline std::uint32_t get16(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8;
}
inline std::uint32_t get32(const unsigned char* at) {
    return get16(at) | get16(at + 2) << 16;
}
inline std::int32_t getSigned32(const unsigned char* at) {
    return static_cast<std::int32_t>(get32(at));
}

// Fills the file and info headers of an image of width x height pixels of the given depth.
void fillHeaders(unsigned char* block, int width, int height, int bitsPerPixel);

// The file name load and save use: unchanged when it holds ".bmp", else with ".bmp" appended.
std::string fileName(const char* name);

// Pixel bytes of an image, or -1 when the count is negative or too large to allocate.
long long pixelBytes(long long width, long long height, int bytesPerPixel);

// Ends the process with the message of an image whose pixel memory cannot be had.
[[noreturn]] void failAllocation(long long bytes);

// Ends the process when the width is not a multiple of 8.
void checkWidth(int width);

} // namespace velora::bmp
