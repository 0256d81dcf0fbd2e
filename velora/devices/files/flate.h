// Flate compression through zlib for the PDF writer's streams and the SVG writer's PNG pictures.
#pragma once

#include "common/outputfile.h"

#include <cstddef>
#include <string>

namespace velora {

// The bytes as one zlib stream (the form of PDF's FlateDecode and of PNG's image data).
std::string deflateBytes(const unsigned char* data, std::size_t size, int level);

// A zlib stream written into a file as it is produced; counts the bytes it writes. Text is
// gathered in a buffer and compressed a block at a time.
class FlateStream {
public:
    FlateStream(OutputFile& out, long long& written, int level);
    ~FlateStream();
    FlateStream(const FlateStream&) = delete;
    FlateStream& operator=(const FlateStream&) = delete;

    void write(const char* text, std::size_t length) {
        if (length > capacity - used) compress(false);
        if (length > capacity - used) {
            writeLarge(text, length);
            return;
        }
        std::memcpy(input + used, text, length);
        used += length;
    }
    void put(const char* text) { write(text, std::strlen(text)); }
    // Room for `length` bytes to be filled in place; `commit` takes what was filled.
    char* reserve(std::size_t length) {
        if (length > capacity - used) compress(false);
        return input + used;
    }
    void commit(char* end) { used = static_cast<std::size_t>(end - input); }
    // Compresses what is left and ends the stream.
    void finish();

private:
    static constexpr std::size_t capacity = 1 << 16;
    void compress(bool last);
    void writeLarge(const char* text, std::size_t length);

    OutputFile& out;
    long long& written;
    void* stream;
    char input[capacity];
    std::size_t used = 0;
    bool finished = false;
};

// A picture as PNG: colour type 3 with its palette for indexed pictures, else 2 (RGB).
struct PicturePixels;
std::string encodePng(const PicturePixels& picture);

// Appends the bytes in base64.
void appendBase64(std::string& out, const std::string& bytes);

} // namespace velora
