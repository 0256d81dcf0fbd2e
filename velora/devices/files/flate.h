// Flate compression through zlib for the PDF writer's streams and the SVG writer's PNG pictures.
#pragma once

#include "common/outputfile.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velora {

// The bytes as one zlib stream (the form of PDF's FlateDecode and of PNG's image data).
std::string deflateBytes(const unsigned char* data, std::size_t size, int level);

// A zlib stream written into a file as it is produced; counts the bytes it writes. Text is
// gathered in a buffer; a full buffer is compressed on a thread of the stream's own while the
// next one fills, so that a large page costs little more than its drawing. Only the caller's
// thread writes to the file, and zlib sees the same blocks in the same order either way: the
// bytes do not depend on the thread.
class FlateStream {
public:
    FlateStream(OutputFile& out, long long& written, int level);
    ~FlateStream();
    FlateStream(const FlateStream&) = delete;
    FlateStream& operator=(const FlateStream&) = delete;

    void write(const char* text, std::size_t length) {
        if (length > capacity - used) handOver();
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
        if (length > capacity - used) handOver();
        return input + used;
    }
    void commit(char* end) { used = static_cast<std::size_t>(end - input); }
    // Compresses what is left and ends the stream.
    void finish();

private:
    static constexpr std::size_t capacity = 1 << 16;
    // Gives the filled buffer to the compressing thread and goes on in the other one.
    void handOver();
    // Waits for the block in work and writes what it gave.
    void collect();
    // Writes what the blocks compressed so far gave.
    void writeCompressed();
    void compressBlock(const char* block, std::size_t size, bool last);
    void compressing();
    void writeLarge(const char* text, std::size_t length);

    OutputFile& out;
    long long& written;
    void* stream;
    char buffers[2][capacity];
    char* input = buffers[0];
    std::size_t used = 0;
    bool finished = false;

    // The compressing thread, started with the first full buffer, and its one job at a time.
    std::thread worker;
    std::mutex lock;
    std::condition_variable changed;
    const char* job = nullptr;
    std::size_t jobSize = 0;
    bool jobDone = true, stopping = false;
    std::vector<char> compressed;
};

// A picture as PNG: colour type 3 with its palette for indexed pictures, else 2 (RGB).
struct PicturePixels;
std::string encodePng(const PicturePixels& picture);

// Appends the bytes in base64.
void appendBase64(std::string& out, const std::string& bytes);

} // namespace velora
