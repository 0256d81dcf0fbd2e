#include "image/bitmap24.h"

#include "common/endprocess.h"
#include "image/bmpformat.h"
#include "image/bmprows.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <new>

using namespace velora;

bitmap24::bitmap24(int width, int height) : width(0), height(0), pixels(nullptr) {
    // Held here until dim has succeeded: a handler that unwinds from a failed dim (a fuzzer's)
    // gets the block back, since the destructor of an unfinished object does not run.
    std::unique_ptr<unsigned char[]> block(
        new (std::nothrow) unsigned char[bmp::headerBlockSize]());
    if (!block) endProcess();
    headerBlock = block.get();
    fileHeader = headerBlock;
    infoHeader = headerBlock + bmp::fileHeaderSize;
    palette = headerBlock + bmp::fileHeaderSize + bmp::infoHeaderSize;
    dim(static_cast<short>(width), static_cast<short>(height));
    block.release();
}

bitmap24::~bitmap24() {
    delete[] headerBlock;
    delete[] pixels;
}

void bitmap24::dim(short newWidth, short newHeight) {
    bmp::checkWidth(newWidth);
    const long long bytes = bmp::pixelBytes(newWidth, newHeight, 3);
    unsigned char* fresh =
        bytes < 0 ? nullptr : new (std::nothrow) unsigned char[bytes > 0 ? bytes : 1]();
    if (!fresh) bmp::failAllocation(3LL * newWidth * newHeight);
    delete[] pixels;
    pixels = fresh;
    width = newWidth;
    height = newHeight;
    bmp::fillHeaders(headerBlock, width, height, 24);
    bmp::put32(headerBlock + bmp::coloursUsedOffset, 0);
    bmp::put32(headerBlock + bmp::coloursImportantOffset, 0);
}

unsigned char* bitmap24::operator()(short row, short column) {
    return pixels + (static_cast<long long>(bmp::wrapRow(row, height)) * width + column) * 3;
}

void bitmap24::load(char* const name) {
    const std::string file = bmp::fileName(name);
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) {
        std::cout << file
                  << " nicht ge\xf6"
                     "ffnet!\n";
        endProcess();
    }
    unsigned char block[bmp::fileHeaderSize + bmp::infoHeaderSize] = {};
    const bool complete = std::fread(block, 1, sizeof block, in) == sizeof block;
    if (block[0] != 'B' || block[1] != 'M') {
        std::fclose(in);
        std::cout << "# BMP24 : " << file << " kein Bitmap!" << std::endl;
        endProcess();
    }
    if (!complete || bmp::get32(block + bmp::infoSizeOffset) != bmp::infoHeaderSize) {
        std::fclose(in);
        std::cout << "#BMP : Header size Error !" << std::endl;
        endProcess();
    }
    if (bmp::get32(block + bmp::compressionOffset) != 0) {
        std::fclose(in);
        std::cout << "#BMP24 : ist kompremiert!" << std::endl;
        endProcess();
    }
    const int fileWidth = bmp::getSigned32(block + bmp::widthOffset);
    const int fileHeight = bmp::getSigned32(block + bmp::heightOffset);
    if (fileWidth != width || fileHeight != height) {
        std::fclose(in);
        std::cout << "#BMP24 : format error expected : [" << width << ";" << height
                  << "] but found [" << fileWidth << ";" << fileHeight << "]" << std::endl;
        endProcess();
    }
    // Rows of another depth would be read as garbage: refuse them.
    if (bmp::get16(block + bmp::bitsOffset) != 24) {
        std::fclose(in);
        std::cout << "#BMP24 : keine 24 Bit Farben!" << std::endl;
        endProcess();
    }
    std::copy(block, block + sizeof block, headerBlock);
    std::fseek(in, static_cast<long>(bmp::get16(block + bmp::dataOffsetOffset)), SEEK_SET);
    // Rows past the end of a short file, or a data offset beyond it, are refused, not made black.
    const bool allRows = bmp::readRows(in, pixels, static_cast<std::size_t>(width) * 3, height);
    std::fclose(in);
    if (!allRows) {
        std::cout << "#BMP24 : " << file << " : Bitmap file format error" << std::endl;
        endProcess();
    }
}

void bitmap24::save(char* const name) {
    bmp::fillHeaders(headerBlock, width, height, 24);
    bmp::put32(headerBlock + bmp::coloursUsedOffset, 256);
    bmp::put32(headerBlock + bmp::coloursImportantOffset, 256);
    const std::string file = bmp::fileName(name);
    if (!bmp::writeFile(file.c_str(), headerBlock, pixels,
                        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3,
                        "#BMP24 : ")) {
        std::cout << file
                  << " nicht ge\xf6"
                     "ffnet\n";
        endProcess();
    }
}
