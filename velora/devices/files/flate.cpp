#include "devices/files/flate.h"

#include "devices/files/picturepixels.h"

#include <zlib.h>

#include <vector>

namespace velora {

std::string deflateBytes(const unsigned char* data, std::size_t size, int level) {
    uLongf bound = compressBound(static_cast<uLong>(size));
    std::string result(bound, '\0');
    compress2(reinterpret_cast<Bytef*>(result.data()), &bound, data, static_cast<uLong>(size),
              level);
    result.resize(bound);
    return result;
}

FlateStream::FlateStream(OutputFile& out, long long& written, int level)
    : out(out), written(written), stream(new z_stream{}) {
    deflateInit(static_cast<z_stream*>(stream), level);
}

FlateStream::~FlateStream() {
    if (worker.joinable()) {
        {
            const std::lock_guard<std::mutex> guard(lock);
            stopping = true;
        }
        changed.notify_all();
        worker.join();
    }
    deflateEnd(static_cast<z_stream*>(stream));
    delete static_cast<z_stream*>(stream);
}

void FlateStream::compressBlock(const char* block, std::size_t size, bool last) {
    z_stream& z = *static_cast<z_stream*>(stream);
    unsigned char output[1 << 16];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block));
    z.avail_in = static_cast<uInt>(size);
    int status;
    do {
        z.next_out = output;
        z.avail_out = sizeof output;
        status = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
        compressed.insert(compressed.end(), output, output + (sizeof output - z.avail_out));
    } while (z.avail_out == 0 || (last && status == Z_OK));
}

void FlateStream::compressing() {
    std::unique_lock<std::mutex> guard(lock);
    while (true) {
        changed.wait(guard, [this] { return stopping || !jobDone; });
        if (stopping) return;
        const char* block = job;
        const std::size_t size = jobSize;
        guard.unlock();
        compressBlock(block, size, false);
        guard.lock();
        jobDone = true;
        changed.notify_all();
    }
}

void FlateStream::writeCompressed() {
    // A block may give nothing yet (zlib holds it back): an empty vector has no data to copy.
    if (compressed.empty()) return;
    out.write(compressed.data(), compressed.size());
    written += static_cast<long long>(compressed.size());
    compressed.clear();
}

void FlateStream::collect() {
    {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [this] { return jobDone; });
    }
    writeCompressed();
}

void FlateStream::handOver() {
    collect();
    {
        const std::lock_guard<std::mutex> guard(lock);
        job = input;
        jobSize = used;
        jobDone = false;
    }
    if (!worker.joinable())
        worker = std::thread(&FlateStream::compressing, this);
    else
        changed.notify_all();
    input = input == buffers[0] ? buffers[1] : buffers[0];
    used = 0;
}

void FlateStream::writeLarge(const char* text, std::size_t length) {
    while (length > 0) {
        const std::size_t chunk = std::min(length, capacity - used);
        std::memcpy(input + used, text, chunk);
        used += chunk;
        text += chunk;
        length -= chunk;
        if (used == capacity) handOver();
    }
}

void FlateStream::finish() {
    if (finished) return;
    finished = true;
    collect();
    compressBlock(input, used, true);
    writeCompressed();
    used = 0;
}

namespace {

void putBig32(std::string& out, unsigned long value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

void putChunk(std::string& png, const char* type, const std::string& data) {
    putBig32(png, static_cast<unsigned long>(data.size()));
    const std::size_t start = png.size();
    png.append(type, 4);
    png += data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + start),
                            static_cast<uInt>(png.size() - start));
    putBig32(png, crc);
}

} // namespace

std::string encodePng(const PicturePixels& picture) {
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    putBig32(header, static_cast<unsigned long>(picture.width));
    putBig32(header, static_cast<unsigned long>(picture.height));
    header += '\x08';                            // 8 bits per sample
    header += picture.indexed ? '\x03' : '\x02'; // palette or RGB
    header.append(3, '\0');                      // deflate, adaptive filters, no interlace
    putChunk(png, "IHDR", header);
    if (picture.indexed)
        putChunk(
            png, "PLTE",
            std::string(reinterpret_cast<const char*>(picture.palette), sizeof picture.palette));
    // Each row is preceded by its filter type, 0: none.
    const std::size_t rowBytes = static_cast<std::size_t>(picture.bytesPerRow());
    std::vector<unsigned char> filtered((rowBytes + 1) * picture.height);
    for (int row = 0; row < picture.height; ++row) {
        unsigned char* to = filtered.data() + (rowBytes + 1) * row;
        to[0] = 0;
        std::memcpy(to + 1, picture.rows.data() + rowBytes * row, rowBytes);
    }
    putChunk(png, "IDAT", deflateBytes(filtered.data(), filtered.size(), Z_DEFAULT_COMPRESSION));
    putChunk(png, "IEND", std::string());
    return png;
}

void appendBase64(std::string& out, const std::string& bytes) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::size_t i = 0;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned long v = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += digits[(v >> 6) & 63];
        out += digits[v & 63];
    }
    if (i < bytes.size()) {
        const bool two = i + 1 < bytes.size();
        const unsigned long v = byte(i) << 16 | (two ? byte(i + 1) << 8 : 0);
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += two ? digits[(v >> 6) & 63] : '=';
        out += '=';
    }
}

} // namespace velora
