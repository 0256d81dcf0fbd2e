// A buffered binary output file for the file devices: every byte of an EPS or HPGL file goes
// through here, so lines end exactly as written and numbers never depend on the locale.
#pragma once

#include "common/api.h"
#include "common/numberformat.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace velora {

class VELORA_API OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates or truncates the file; false if it cannot be created.
    bool open(const char* name);
    bool isOpen() const { return file != nullptr; }
    // Writes what is buffered, then goes to a byte offset for patching.
    void seek(long offset);
    void close();

    void write(const char* text, std::size_t length) {
        if (length > capacity - used) makeRoom(length);
        if (length > capacity - used) {
            std::fwrite(text, 1, length, file);
            return;
        }
        std::memcpy(buffer + used, text, length);
        used += length;
    }
    void put(const char* text) { write(text, std::strlen(text)); }
    void put(char c) {
        if (used == capacity) makeRoom(1);
        buffer[used++] = c;
    }
    void putInt(long long value) { reserveNumber(formatInt(numberSlot(), value)); }
    void putG(float value) { reserveNumber(formatG(numberSlot(), value)); }
    void putHundredths(double points) { reserveNumber(formatHundredths(numberSlot(), points)); }

private:
    static constexpr std::size_t capacity = 1 << 16;

    void makeRoom(std::size_t length);
    char* numberSlot() {
        if (capacity - used < static_cast<std::size_t>(numberTextCapacity))
            makeRoom(numberTextCapacity);
        return buffer + used;
    }
    void reserveNumber(char* end) { used = static_cast<std::size_t>(end - buffer); }

    std::FILE* file = nullptr;
    char buffer[capacity];
    std::size_t used = 0;
};

} // namespace velora
