// bitmap: an 8-bit image with a 256-entry palette, held in memory in the layout of a BMP file so
// that files load and save unchanged and every device takes it without conversion.
#pragma once

#include "common/api.h"

class VELORA_API bitmap {
public:
    // width must be a multiple of 8; the palette starts as a grey ramp.
    bitmap(int width, int height);
    ~bitmap();
    bitmap(const bitmap&) = delete;
    bitmap& operator=(const bitmap&) = delete;

    // The first byte of row `row` modulo the height; row 0 is the bottom row.
    unsigned char* operator[](int row);
    int getwidth() const { return width; }
    int getheight() const { return height; }
    // The file header; the info header and the palette follow it.
    unsigned char* GetHeader() { return fileHeader; }
    // The info header; the palette begins 40 bytes after it.
    unsigned char* GetInfoHeader() { return infoHeader; }

    // Whether the palette holds colours (a colour map) rather than greys: the EPS writer then
    // writes the picture in colour. A picture starts grey, as files and clients make them.
    void setcolourpalette(bool on) { colourPalette = on; }
    bool hascolourpalette() const { return colourPalette; }

    void load(char* const name);
    void save(char* const name);

private:
    int width;
    int height;
    unsigned char* pixels;
    unsigned char* headerBlock;
    unsigned char* palette;
    unsigned char* fileHeader;
    unsigned char* infoHeader;
    bool colourPalette = false;
};
