// The pictures of the EPS import: the hex rows that follow an "image" or "colorimage" line become
// a bitmap or bitmap24, saved as a numbered temporary BMP file and placed on the desk. A picture
// whose pixels the file does not hold is reported and left out.
#include "desk/epsimport.h"

#include "image/bitmap.h"
#include "image/bitmap24.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <vector>

using namespace velora::eps;

namespace {

// Numbers the temporary picture files of every import in the process; never reset.
unsigned sharedTempCounter = 0;

// The largest picture an import builds: the sides a 24-bit image takes, and 64 MiB of pixels.
constexpr long long maxPictureSide = 32767;
constexpr long long maxPictureBytes = 64LL << 20;

// Placement values from the file may be far outside any page, but never outside a float.
float toFloat(double value) {
    const double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -limit, limit));
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

// Reads up to `count` characters straight from the file; at its end the stream fails.
std::size_t readChars(std::istream& in, char* to, std::size_t count) {
    std::streambuf* buffer = in.rdbuf();
    const std::streamsize got =
        in.good() && buffer ? buffer->sgetn(to, static_cast<std::streamsize>(count)) : 0;
    if (got < static_cast<std::streamsize>(count))
        in.setstate(std::ios::eofbit | std::ios::failbit);
    return static_cast<std::size_t>(got);
}

void skipChars(std::istream& in, long long count) {
    char scratch[4096];
    while (count > 0 && in.good()) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<long long>(count, sizeof scratch));
        readChars(in, scratch, chunk);
        count -= static_cast<long long>(chunk);
    }
}

// Reads `rows` rows of `rowChars` characters; the first bytes of each row, as many as `bytes`
// holds, are decoded from their hex pairs and handed to `store`. False when the file ends before
// the hex digits of every row (the line end of the last row may be missing).
template <class Store>
bool readHexRows(std::istream& in, int rows, long long rowChars, std::vector<unsigned char>& bytes,
                 Store store) {
    std::vector<char> hex(2 * bytes.size());
    for (int r = 0; r < rows; ++r) {
        if (!in.good()) return false;
        const std::size_t got = readChars(in, hex.data(), hex.size());
        if (got < hex.size()) return false;
        for (std::size_t k = 0; k < bytes.size(); ++k)
            bytes[k] =
                static_cast<unsigned char>(16 * hexValue(hex[2 * k]) + hexValue(hex[2 * k + 1]));
        skipChars(in, rowChars - static_cast<long long>(hex.size()));
        store(r);
    }
    return true;
}

void reportMissingRows(int w, int h, long long perRow) {
    std::cout << "# desk::showeps : error : picture data missing : " << w << " x " << h
              << " (picstr " << perRow << ")" << std::endl;
}

} // namespace

void desk::readEpsPicture(EpsImport& s, bool colour) {
    char picstr[] = "picstr";
    char height[] = "height";
    char width[] = "width";
    // The hex string of one row holds this many bytes; the writer makes it the width.
    const long long perRow = readInteger(s.defines(picstr));
    if (!colour) {
        while (s.stack.getnMax() > 1)
            s.stack.pop(s.word, sizeof s.word);
    }
    const int h = readInteger(s.defines(height));
    if (!colour) s.stack.pop(s.word, sizeof s.word);
    const int w = readInteger(s.defines(width));
    const int bytesPerPixel = colour ? 3 : 1;
    const long long rowChars = 2 * bytesPerPixel * perRow + 2;

    if (w <= 0 || h <= 0 || w > maxPictureSide || h > maxPictureSide || perRow < 0 ||
        static_cast<long long>(w) * h * bytesPerPixel > maxPictureBytes) {
        std::cout << "# desk::showeps : error : picture size out of range : " << w << " x " << h
                  << " (picstr " << perRow << ")" << std::endl;
        // Its rows are passed over, so that they are not read as lines.
        for (int r = 0; r < h && perRow >= 0 && s.in.good(); ++r)
            skipChars(s.in, rowChars);
        return;
    }
    // Pictures in memory are a multiple of 8 pixels wide; a file may hold any width.
    if (w % 8 != 0) {
        std::cout << "# desk::showeps : Fehler : Bildbreite " << w
                  << " ist kein Vielfaches von 8, das Bild wird ausgelassen" << std::endl;
        for (int r = 0; r < h && s.in.good(); ++r)
            skipChars(s.in, rowChars);
        return;
    }
    // A picture is made only of pixels the file holds: what is saved and written again stays
    // within a small multiple of what was read. A row string shorter than the width leaves the
    // picture out; a longer one is cut.
    if (perRow < w) {
        reportMissingRows(w, h, perRow);
        for (int r = 0; r < h && s.in.good(); ++r)
            skipChars(s.in, rowChars);
        return;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(w) * bytesPerPixel);
    char name[32];
    if (colour) {
        bitmap24 picture(w, h);
        const bool complete = readHexRows(s.in, h, rowChars, bytes, [&](int r) {
            for (int c = 0; c < w; ++c) {
                unsigned char* pixel = picture(static_cast<short>(r), static_cast<short>(c));
                pixel[0] = bytes[3 * c + 2];
                pixel[1] = bytes[3 * c + 1];
                pixel[2] = bytes[3 * c];
            }
        });
        if (!complete) return reportMissingRows(w, h, perRow);
        std::snprintf(name, sizeof name, "tmp%u.bmp", sharedTempCounter++);
        picture.save(name);
    } else {
        // The grey ramp the picture starts with shows the writer's grey bytes as they were.
        bitmap picture(w, h);
        const bool complete = readHexRows(s.in, h, rowChars, bytes, [&](int r) {
            std::copy(bytes.begin(), bytes.end(), picture[r]);
        });
        if (!complete) return reportMissingRows(w, h, perRow);
        std::snprintf(name, sizeof name, "tmp%u.bmp", sharedTempCounter++);
        picture.save(name);
    }
    showbmp(s.x0, s.y0, toFloat(s.x0 + w / 4.0 * s.sx), toFloat(s.y0 + h / 4.0 * s.sy), name);
}
