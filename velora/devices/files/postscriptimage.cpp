// The image operations of the EPS writer: in-memory images and BMP files become hex image data.
#include "devices/files/postscript.h"

#include "common/endprocess.h"
#include "devices/files/bmpname.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "image/bmpformat.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct HexDigits {
    char pairs[512];
    HexDigits() {
        const char* digits = "0123456789abcdef";
        for (int i = 0; i < 256; ++i) {
            pairs[2 * i] = digits[i >> 4];
            pairs[2 * i + 1] = digits[i & 15];
        }
    }
};
const HexDigits hexDigits;

[[noreturn]] void failBitmap(std::FILE* file, const char* message) {
    if (file) std::fclose(file);
    std::cout << message;
    velora::endProcess();
}

} // namespace

void postscript::putHexRow(const unsigned char* bytes, std::size_t count) {
    char line[2 * 256 + 2];
    std::size_t done = 0;
    while (done < count) {
        const std::size_t chunk = std::min<std::size_t>(count - done, 256);
        char* p = line;
        for (std::size_t i = 0; i < chunk; ++i, p += 2)
            std::memcpy(p, hexDigits.pairs + 2 * bytes[done + i], 2);
        out.write(line, static_cast<std::size_t>(p - line));
        done += chunk;
    }
    out.put("\r\n");
}

bool postscript::beginImage(float x1, float y1, float x2, float y2, int width, int height,
                            bool colour) {
    y1 = static_cast<float>(static_cast<double>(y1) + yshift);
    y2 = static_cast<float>(static_cast<double>(y2) + yshift);
    checkbb(x1, y1);
    checkbb(x2, y2);
    // An image without pixels has nothing to show, and its pixel size would divide by zero.
    if (width <= 0 || height <= 0) return false;
    out.put("\r\n% Picture\r\n/width ");
    out.putInt(width);
    out.put(" def\n/height ");
    out.putInt(height);
    out.put(" def\ngsave\r\n/picstr width string def\r\n");
    out.putG(static_cast<float>(4.0 * x1 + 35.0));
    out.put(' ');
    out.putG(static_cast<float>(4.0 * y1 + yorigin));
    out.put(" translate\r\n");
    out.putG(static_cast<float>(4.0 * (static_cast<double>(x2) - x1) / width));
    out.put(' ');
    out.putG(static_cast<float>(4.0 * (static_cast<double>(y2) - y1) / height));
    out.put(" scale\r\nwidth height 8\r\n");
    if (colour)
        out.put("[1 0 0 1 0 0 ] {currentfile picstr readhexstring pop} false 3 colorimage\r\n");
    else
        out.put("[1 0 0 1 0 0 ] {currentfile picstr readhexstring pop} image\r\n");
    return true;
}

void postscript::endImage() {
    out.put("grestore\r\n\r\n");
}

void postscript::pb(float x1, float y1, float x2, float y2, bitmap& b) {
    const int width = b.getwidth(), height = b.getheight();
    const bool colour = b.hascolourpalette();
    if (!beginImage(x1, y1, x2, y2, width, height, colour)) return;
    const unsigned char* palette = b.GetInfoHeader() + 40;
    if (colour) {
        std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * 3);
        for (int row = 0; row < height; ++row) {
            const unsigned char* pixels = b[row];
            for (int x = 0; x < width; ++x) {
                const unsigned char* entry = palette + 4 * pixels[x];
                rgb[3 * x] = entry[2];
                rgb[3 * x + 1] = entry[1];
                rgb[3 * x + 2] = entry[0];
            }
            putHexRow(rgb.data(), rgb.size());
        }
        endImage();
        return;
    }
    std::vector<unsigned char> grey(static_cast<std::size_t>(width));
    for (int row = 0; row < height; ++row) {
        const unsigned char* pixels = b[row];
        for (int x = 0; x < width; ++x)
            grey[x] = palette[4 * pixels[x]];
        putHexRow(grey.data(), grey.size());
    }
    endImage();
}

void postscript::pb(float x1, float y1, float x2, float y2, bitmap24& b) {
    const int width = b.getwidth(), height = b.getheight();
    if (!beginImage(x1, y1, x2, y2, width, height, true)) return;
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * 3);
    for (int row = 0; row < height; ++row) {
        const unsigned char* pixels = b(static_cast<short>(row), 0);
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = pixels[i + 2];
            rgb[i + 1] = pixels[i + 1];
            rgb[i + 2] = pixels[i];
        }
        putHexRow(rgb.data(), rgb.size());
    }
    endImage();
}

void postscript::sb(float x1, float y1, float x2, float y2, char name[]) {
    const std::string file = velora::bmpName(name);
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) {
        std::cout << "postscript::error : " << file
                  << " nicht ge\xf6"
                     "ffnet!\r\n";
        velora::endProcess();
    }
    unsigned char header[velora::bmp::fileHeaderSize + velora::bmp::infoHeaderSize] = {};
    const bool complete = std::fread(header, 1, sizeof header, in) == sizeof header;
    if (header[0] != 'B' || header[1] != 'M') {
        std::fclose(in);
        std::cout << "postscript::error : kein Bitmap! " << std::hex << velora::bmp::get16(header)
                  << std::dec << "\r" << std::endl;
        velora::endProcess();
    }
    using namespace velora::bmp;
    const std::uint32_t dataOffset = get16(header + dataOffsetOffset);
    if (!complete || (dataOffset != 1078 && dataOffset != 54) ||
        get32(header + infoSizeOffset) != 40)
        failBitmap(in, "postscript::error  : Bitmap file format error\n");
    const std::uint32_t planes = get16(header + planesOffset);
    const std::uint32_t bits = get16(header + bitsOffset);
    if (planes != 1 || (bits != 8 && bits != 24))
        failBitmap(in, "postscript::error : ung\xfcltiges Bitmap Format!");
    const long long width = getSigned32(header + widthOffset);
    if (width > 1024) failBitmap(in, "postscript::error : max 1024 Pixel Breite!\r\n");
    if (get32(header + compressionOffset) != 0)
        failBitmap(in, "postscript::error : ist kompremiert!\r\n");
    // A negative height stores the rows top-down; the image data goes out bottom row first.
    const long long fileHeight = getSigned32(header + heightOffset);
    const bool topDown = fileHeight < 0;
    const long long height = topDown ? -fileHeight : fileHeight;
    const long long bytesPerPixel = bits / 8;
    const long long stride = (width * bytesPerPixel + 3) / 4 * 4;
    std::fseek(in, 0, SEEK_END);
    const long long fileSize = std::ftell(in);
    if (width <= 0 || height <= 0 || dataOffset + stride * height > fileSize)
        failBitmap(in, "postscript::error  : Bitmap file format error\n");

    unsigned char palette[paletteSize] = {};
    if (bits == 8) {
        std::fseek(in, fileHeaderSize + infoHeaderSize, SEEK_SET);
        if (std::fread(palette, 1, sizeof palette, in) != sizeof palette)
            std::memset(palette, 0, sizeof palette);
    }
    beginImage(x1, y1, x2, y2, static_cast<int>(width), static_cast<int>(height), bits == 24);
    std::vector<unsigned char> row(static_cast<std::size_t>(stride));
    std::vector<unsigned char> data(static_cast<std::size_t>(width * bytesPerPixel));
    std::fseek(in, static_cast<long>(dataOffset), SEEK_SET);
    for (long long r = 0; r < height; ++r) {
        if (topDown)
            std::fseek(in, static_cast<long>(dataOffset + (height - 1 - r) * stride), SEEK_SET);
        if (std::fread(row.data(), 1, row.size(), in) != row.size())
            std::memset(row.data(), 0, row.size());
        if (bits == 8) {
            for (long long x = 0; x < width; ++x)
                data[x] = palette[4 * row[x]];
        } else {
            for (long long x = 0; x < width * 3; x += 3) {
                data[x] = row[x + 2];
                data[x + 1] = row[x + 1];
                data[x + 2] = row[x];
            }
        }
        putHexRow(data.data(), data.size());
    }
    std::fclose(in);
    endImage();
}
