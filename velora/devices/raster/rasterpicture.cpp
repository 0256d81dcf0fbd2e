// RasterCanvas: 8-bit palette pictures stretched onto the pixels. Each pixel takes the colour
// of one picture pixel, looked up in the palette's 256 colours; the picture pixel is the one the
// window system's StretchDIBits picks in the COLORONCOLOR mode, so that the page buffer and a
// metafile of the page (which plays the picture back through the window system) agree.
#include "devices/raster/rastercanvas.h"

#include <algorithm>
#include <cstring>

namespace {

// An uncompressed 8-bit picture's info header, as laid out in memory (little-endian).
constexpr int infoHeaderSize = 40;
constexpr int paletteEntries = 256;
// Larger pictures go to the window system: the picks below stay well within 64 bits.
constexpr long long largestSide = 1 << 24;

unsigned long read32(const unsigned char* bytes) {
    return static_cast<unsigned long>(bytes[0]) | static_cast<unsigned long>(bytes[1]) << 8 |
           static_cast<unsigned long>(bytes[2]) << 16 | static_cast<unsigned long>(bytes[3]) << 24;
}

long readSigned32(const unsigned char* bytes) {
    const unsigned long value = read32(bytes);
    return value & 0x80000000ul ? -static_cast<long>(~value & 0x7ffffffful) - 1
                                : static_cast<long>(value);
}

unsigned read16(const unsigned char* bytes) {
    return static_cast<unsigned>(bytes[0]) | static_cast<unsigned>(bytes[1]) << 8;
}

// The picture pixel (0 ... source - 1) that pixel `at` of `destination` takes. Stretched, every
// destination pixel takes the source pixel its centre falls on, a centre on a border taking the
// one before. Shrunk, each destination pixel stands for a run of source pixels: the rows take the
// first of their run, the columns the last (the window system keeps a run's first row and
// drops the others, and writes a run's columns over each other).
long long picked(long long at, long long source, long long destination, bool lastOfRun) {
    if (destination >= source) return ((2 * at + 1) * source - 1) / (2 * destination);
    if (lastOfRun) return (2 * source * (at + 1) - destination) / (2 * destination);
    return at == 0 ? 0 : (2 * source * at - destination) / (2 * destination) + 1;
}

} // namespace

bool RasterCanvas::palettePicture(int left, int top, int width, int height, int pictureWidth,
                                  int pictureHeight, const void* picturePixels,
                                  const void* infoHeader) {
    endStroke();
    if (!picturePixels || !infoHeader || width <= 0 || height <= 0) return false;
    const auto* header = static_cast<const unsigned char*>(infoHeader);
    const long headerHeight = readSigned32(header + 8);
    const unsigned long coloursUsed = read32(header + 32);
    if (read32(header) != infoHeaderSize || read16(header + 12) != 1 || read16(header + 14) != 8 ||
        read32(header + 16) != 0 || (coloursUsed != 0 && coloursUsed != paletteEntries))
        return false;
    if (pictureWidth <= 0 || pictureHeight <= 0 || pictureWidth > largestSide ||
        pictureHeight > largestSide || readSigned32(header + 4) != pictureWidth ||
        (headerHeight != pictureHeight && headerHeight != -pictureHeight))
        return false;
    if (!pixels) return true;
    const bool bottomUp = headerHeight > 0;
    const std::size_t stride =
        (static_cast<std::size_t>(pictureWidth) + 3) & ~static_cast<std::size_t>(3);

    const long long x0 = std::max<long long>(left, 0);
    const long long x1 = std::min<long long>(static_cast<long long>(left) + width, columns);
    const long long y0 = std::max<long long>(top, 0);
    const long long y1 = std::min<long long>(static_cast<long long>(top) + height, rows);
    if (x0 >= x1 || y0 >= y1) return true;

    const unsigned char* palette = header + infoHeaderSize;
    for (int k = 0; k < paletteEntries; ++k)
        paletteColours[k] = rgb(palette[4 * k + 2], palette[4 * k + 1], palette[4 * k]);
    pictureColumns.resize(static_cast<std::size_t>(x1 - x0));
    for (long long x = x0; x < x1; ++x)
        pictureColumns[static_cast<std::size_t>(x - x0)] =
            static_cast<int>(picked(x - left, pictureWidth, width, true));

    const auto* source = static_cast<const unsigned char*>(picturePixels);
    const std::size_t span = static_cast<std::size_t>(x1 - x0);
    long long lastRow = -1;
    const std::uint32_t* lastOut = nullptr;
    for (long long y = y0; y < y1; ++y) {
        const long long row = picked(y - top, pictureHeight, height, false);
        std::uint32_t* out = pixels + static_cast<std::size_t>(y) * pitch + x0;
        if (row == lastRow) {
            // A row stretched over several: copied from the one above.
            std::memcpy(out, lastOut, span * sizeof *out);
            continue;
        }
        const unsigned char* in =
            source + stride * static_cast<std::size_t>(bottomUp ? pictureHeight - 1 - row : row);
        for (std::size_t i = 0; i < span; ++i)
            out[i] = paletteColours[in[pictureColumns[i]]];
        lastRow = row;
        lastOut = out;
    }
    return true;
}
