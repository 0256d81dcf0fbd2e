#include "image/bitmap.h"

#include "common/endprocess.h"
#include "image/bmpformat.h"
#include "image/bmprows.h"

#include <cstdio>
#include <iostream>
#include <new>

using namespace velora;

bitmap::bitmap(int width, int height) : width(width), height(height) {
    bmp::checkWidth(width);
    const long long bytes = bmp::pixelBytes(width, height, 1);
    pixels = bytes < 0 ? nullptr : new (std::nothrow) unsigned char[bytes > 0 ? bytes : 1]();
    if (!pixels) bmp::failAllocation(static_cast<long long>(width) * height);
    headerBlock = new (std::nothrow) unsigned char[bmp::headerBlockSize]();
    if (!headerBlock) endProcess();
    fileHeader = headerBlock;
    infoHeader = headerBlock + bmp::fileHeaderSize;
    palette = headerBlock + bmp::fileHeaderSize + bmp::infoHeaderSize;
    bmp::fillHeaders(headerBlock, width, height, 8);
    bmp::put32(headerBlock + bmp::coloursUsedOffset, 256);
    bmp::put32(headerBlock + bmp::coloursImportantOffset, 256);
    for (int i = 0; i < 256; ++i) {
        palette[4 * i] = palette[4 * i + 1] = palette[4 * i + 2] = static_cast<unsigned char>(i);
    }
}

bitmap::~bitmap() {
    delete[] headerBlock;
    delete[] pixels;
}

unsigned char* bitmap::operator[](int row) {
    return pixels + static_cast<long long>(bmp::wrapRow(row, height)) * width;
}

void bitmap::load(char* const name) {
    const std::string file = bmp::fileName(name);
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) {
        std::cout << file
                  << " nicht ge\x94"
                     "ffnet!\n";
        endProcess();
    }
    // A short file leaves its header incomplete: that is the header size error below.
    unsigned char block[bmp::headerBlockSize] = {};
    const bool complete = std::fread(block, 1, sizeof block, in) == sizeof block;
    if (block[0] != 'B' || block[1] != 'M') {
        std::fclose(in);
        std::cout << "# BMP : " << file << " kein Bitmap!" << std::endl;
        endProcess();
    }
    if (!complete || bmp::get16(block + bmp::dataOffsetOffset) != bmp::headerBlockSize ||
        bmp::get32(block + bmp::infoSizeOffset) != bmp::infoHeaderSize) {
        std::fclose(in);
        std::cout << "#BMP : Header size Error !" << std::endl;
        endProcess();
    }
    if (bmp::get32(block + bmp::planesOffset) != 0x00080001) {
        std::fclose(in);
        std::cout << "#BMP :  keine 256 Farben!" << std::endl;
        endProcess();
    }
    if (bmp::get32(block + bmp::compressionOffset) != 0) {
        std::fclose(in);
        std::cout << "#BMP : ist kompremiert!" << std::endl;
        endProcess();
    }
    const int fileWidth = bmp::getSigned32(block + bmp::widthOffset);
    const int fileHeight = bmp::getSigned32(block + bmp::heightOffset);
    if (fileWidth != width || fileHeight != height) {
        std::fclose(in);
        std::cout << "#BMP : format error expected : [" << width << ";" << height << "] but found ["
                  << fileWidth << ";" << fileHeight << "]" << std::endl;
        endProcess();
    }
    std::copy(block, block + sizeof block, headerBlock);
    // A short file would leave rows black that the picture never had: refused like a bad header.
    const bool allRows = bmp::readRows(in, pixels, static_cast<std::size_t>(width), height);
    std::fclose(in);
    if (!allRows) {
        std::cout << "#BMP : " << file << " : Bitmap file format error" << std::endl;
        endProcess();
    }
}

void bitmap::save(char* const name) {
    bmp::fillHeaders(headerBlock, width, height, 8);
    bmp::put32(headerBlock + bmp::coloursUsedOffset, 256);
    bmp::put32(headerBlock + bmp::coloursImportantOffset, 256);
    const std::string file = bmp::fileName(name);
    if (!bmp::writeFile(file.c_str(), headerBlock, pixels,
                        static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                        "#BMP : ")) {
        std::cout << file
                  << " nicht ge\x94"
                     "ffnet\n";
        endProcess();
    }
}
