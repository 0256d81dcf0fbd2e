// A buffered binary output file for the file devices: every byte of an EPS, HPGL or BMP file goes
// through here, so lines end exactly as written and numbers never depend on the locale. A write,
// flush or close that fails (a full disk) is never taken for success: the file is removed, the
// writer's message names it, and the process ends. When the process ends, for whatever reason,
// every file still open is unfinished: it is removed, and nothing is written to it afterwards.
#pragma once

#include "common/api.h"
#include "common/numberformat.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace velora {

class VELORA_API OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates or truncates the file; false if it cannot be created.
    bool open(const char* name);
    // Creates `temporaryName` for writing; close gives it `finalName` once every byte is written
    // (an older file of that name is replaced only then), so that a file the process could not
    // finish never carries the final name, and an older one is never lost to a failed run. A
    // folder of the final name is never replaced: the file fails. False if the temporary file
    // cannot be created.
    bool openReplacing(const char* temporaryName, const char* finalName);
    bool isOpen() const { return file != nullptr; }
    // Writes what is buffered, then goes to a byte offset for patching.
    void seek(long offset);
    void close();

    // How a failed write is reported on the standard output: `prefix`, then `shownName` (the
    // name the user knows the file by; the file's own name when empty), " nicht geschrieben"
    // and `lineEnd`. Without this the message is the file's name and " nicht geschrieben".
    void describeFailure(const char* prefix, const char* shownName, const char* lineEnd = "\r\n");

    void write(const char* text, std::size_t length) {
        if (length > capacity - used) makeRoom(length);
        if (length > capacity - used) {
            writeThrough(text, length);
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
    void putPlain(float value) { reserveNumber(formatPlain(numberSlot(), value)); }
    void putHundredths(double points) { reserveNumber(formatHundredths(numberSlot(), points)); }

    // Called as the process ends: every file still open is closed and removed, and writes to it
    // are dropped from then on.
    static void abandonAll();

private:
    static constexpr std::size_t capacity = 1 << 16;

    // The files open in the process, for abandonAll.
    void enlist();
    void delist();

    void makeRoom(std::size_t length);
    void writeThrough(const char* text, std::size_t length);
    // Removes the unfinished file (unless told otherwise), prints the writer's message and ends
    // the process.
    [[noreturn]] void fail(bool removeFile = true);
    char* numberSlot() {
        if (capacity - used < static_cast<std::size_t>(numberTextCapacity))
            makeRoom(numberTextCapacity);
        return buffer + used;
    }
    void reserveNumber(char* end) { used = static_cast<std::size_t>(end - buffer); }

    std::FILE* file = nullptr;
    std::string path;
    std::string finalPath;
    std::string failurePrefix;
    std::string failureName;
    std::string failureLineEnd = "\r\n";
    char buffer[capacity];
    std::size_t used = 0;
};

} // namespace velora
