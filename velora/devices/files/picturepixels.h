// PicturePixels: a picture as the PDF and SVG writers embed it: rows top first without padding,
// 8-bit pictures as palette indices with their palette, 24-bit pictures as red, green, blue.
#pragma once

#include <string>
#include <vector>

class bitmap;
class bitmap24;

namespace velora {

struct PicturePixels {
    int width = 0, height = 0;
    bool indexed = false;
    // 256 entries of red, green, blue, for indexed pictures.
    unsigned char palette[768] = {};
    std::vector<unsigned char> rows;
    // The palette is a colour map's (bitmap::hascolourpalette): a map of data, often millions
    // of smooth cells, which the PDF compresses at zlib's fastest level.
    bool colourMap = false;

    int bytesPerRow() const { return indexed ? width : 3 * width; }
};

PicturePixels picturePixels(bitmap& b);
PicturePixels picturePixels(bitmap24& b);

// Reads a BMP file as the EPS writer reads it (8 or 24 bits, at most 1024 pixels wide). A file
// it cannot take ends the process with the EPS writer's message, `prefix` naming the writer.
PicturePixels readBmpPicture(const std::string& file, const std::string& prefix);

} // namespace velora
