// bitmap24: a 24-bit true-colour image held in memory in the layout of a BMP file (pixels blue,
// green, red), with the same 1,078-byte header block as the 8-bit image.
#pragma once

#include "common/api.h"

class VELORA_API bitmap24 {
public:
    // width must be a multiple of 8; both are taken as 16-bit values.
    bitmap24(int width, int height);
    ~bitmap24();
    bitmap24(const bitmap24&) = delete;
    bitmap24& operator=(const bitmap24&) = delete;

    // Resizes the image and clears it to black.
    void dim(short width, short height);
    // The blue byte of the pixel at `column` in row `row` modulo the height; green, red follow.
    unsigned char* operator()(short row, short column);
    int getwidth() const { return width; }
    int getheight() const { return height; }
    unsigned char* GetHeader() { return fileHeader; }
    unsigned char* GetInfoHeader() { return infoHeader; }

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
};
