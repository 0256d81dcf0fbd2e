#include "devices/files/picturepixels.h"

#include "common/endprocess.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "image/bmpformat.h"

#include <cstdio>
#include <cstring>
#include <iostream>

namespace velora {

namespace {

// BMP palettes hold blue, green, red and a spare byte.
void takePalette(unsigned char* rgb, const unsigned char* bgrx) {
    for (int i = 0; i < 256; ++i) {
        rgb[3 * i] = bgrx[4 * i + 2];
        rgb[3 * i + 1] = bgrx[4 * i + 1];
        rgb[3 * i + 2] = bgrx[4 * i];
    }
}

// One row of stored pixels into the picture's row, swapping blue and red of 24-bit pixels.
void takeRow(PicturePixels& p, int topRow, const unsigned char* pixels) {
    unsigned char* row = p.rows.data() + static_cast<std::size_t>(topRow) * p.bytesPerRow();
    if (p.indexed) {
        std::memcpy(row, pixels, static_cast<std::size_t>(p.width));
        return;
    }
    for (int i = 0; i < 3 * p.width; i += 3) {
        row[i] = pixels[i + 2];
        row[i + 1] = pixels[i + 1];
        row[i + 2] = pixels[i];
    }
}

void allocate(PicturePixels& p, int width, int height, bool indexed) {
    p.width = width > 0 && height > 0 ? width : 0;
    p.height = width > 0 && height > 0 ? height : 0;
    p.indexed = indexed;
    p.rows.assign(static_cast<std::size_t>(p.bytesPerRow()) * p.height, 0);
}

[[noreturn]] void failBitmap(std::FILE* file, const std::string& message) {
    if (file) std::fclose(file);
    std::cout << message;
    endProcess();
}

} // namespace

PicturePixels picturePixels(bitmap& b) {
    PicturePixels p;
    allocate(p, b.getwidth(), b.getheight(), true);
    takePalette(p.palette, b.GetInfoHeader() + bmp::infoHeaderSize);
    p.colourMap = b.hascolourpalette();
    // Stored rows go bottom first.
    for (int row = 0; row < p.height; ++row)
        takeRow(p, p.height - 1 - row, b[row]);
    return p;
}

PicturePixels picturePixels(bitmap24& b) {
    PicturePixels p;
    allocate(p, b.getwidth(), b.getheight(), false);
    for (int row = 0; row < p.height; ++row)
        takeRow(p, p.height - 1 - row, b(static_cast<short>(row), 0));
    return p;
}

PicturePixels readBmpPicture(const std::string& file, const std::string& prefix) {
    const std::string error = prefix + "::error : ";
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) failBitmap(nullptr, error + file + " nicht geöffnet!\r\n");
    unsigned char header[bmp::fileHeaderSize + bmp::infoHeaderSize] = {};
    const bool complete = std::fread(header, 1, sizeof header, in) == sizeof header;
    if (header[0] != 'B' || header[1] != 'M') {
        char magic[16];
        std::snprintf(magic, sizeof magic, "%x", static_cast<unsigned>(bmp::get16(header)));
        failBitmap(in, error + "kein Bitmap! " + magic + "\r\n");
    }
    const std::string formatError = prefix + "::error  : Bitmap file format error\n";
    const std::uint32_t dataOffset = bmp::get16(header + bmp::dataOffsetOffset);
    if (!complete || (dataOffset != 1078 && dataOffset != 54) ||
        bmp::get32(header + bmp::infoSizeOffset) != 40)
        failBitmap(in, formatError);
    const std::uint32_t bits = bmp::get16(header + bmp::bitsOffset);
    if (bmp::get16(header + bmp::planesOffset) != 1 || (bits != 8 && bits != 24))
        failBitmap(in, error + "ungültiges Bitmap Format!");
    const long long width = bmp::getSigned32(header + bmp::widthOffset);
    if (width > 1024) failBitmap(in, error + "max 1024 Pixel Breite!\r\n");
    if (bmp::get32(header + bmp::compressionOffset) != 0)
        failBitmap(in, error + "ist kompremiert!\r\n");
    const long long fileHeight = bmp::getSigned32(header + bmp::heightOffset);
    const bool topDown = fileHeight < 0;
    const long long height = topDown ? -fileHeight : fileHeight;
    const long long stride = (width * (bits / 8) + 3) / 4 * 4;
    std::fseek(in, 0, SEEK_END);
    const long long fileSize = std::ftell(in);
    if (width <= 0 || height <= 0 || height > 1 << 20 || dataOffset + stride * height > fileSize)
        failBitmap(in, formatError);

    PicturePixels p;
    allocate(p, static_cast<int>(width), static_cast<int>(height), bits == 8);
    if (bits == 8) {
        unsigned char palette[bmp::paletteSize] = {};
        std::fseek(in, bmp::fileHeaderSize + bmp::infoHeaderSize, SEEK_SET);
        if (std::fread(palette, 1, sizeof palette, in) != sizeof palette)
            std::memset(palette, 0, sizeof palette);
        takePalette(p.palette, palette);
    }
    std::vector<unsigned char> row(static_cast<std::size_t>(stride));
    std::fseek(in, static_cast<long>(dataOffset), SEEK_SET);
    for (long long r = 0; r < height; ++r) {
        if (std::fread(row.data(), 1, row.size(), in) != row.size())
            std::memset(row.data(), 0, row.size());
        // Bottom-up files store the bottom row first.
        const long long top = topDown ? r : height - 1 - r;
        takeRow(p, static_cast<int>(top), row.data());
    }
    std::fclose(in);
    return p;
}

} // namespace velora
