#include "fuzzsupport.h"

#include "common/endprocess.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <unistd.h>

namespace fuzz {

namespace {

struct ProcessEnded {};

[[noreturn]] void unwind(int) {
    throw ProcessEnded();
}

std::filesystem::path scratch;

void removeScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}

// The files of one input: everything in the scratch folder goes, folders too.
void clearScratch() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(scratch, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

} // namespace

void prepare(const char* kind) {
    velora::setEndProcessHandler(unwind);
    // The library's messages would only slow the fuzzer down; libFuzzer reports through C stdio.
    std::cout.rdbuf(nullptr);
    std::cerr.rdbuf(nullptr);
    const std::filesystem::path shm = "/dev/shm";
    std::error_code error;
    const std::filesystem::path base =
        std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
    scratch = base / ("velora-fuzz-" + std::string(kind) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    std::atexit(removeScratch);
}

void run(const std::function<void()>& work) {
    // Only the input runs in the scratch folder: libFuzzer keeps reading and writing its corpus
    // and artifacts relative to where it was started.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch);
    try {
        work();
    } catch (const ProcessEnded&) {
    }
    clearScratch();
    std::filesystem::current_path(previous);
}

void writeFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

long long field32(const std::uint8_t* data, std::size_t size, std::size_t offset,
                  long long fallback) {
    if (size < offset + 4) return fallback;
    const std::uint32_t value = static_cast<std::uint32_t>(data[offset]) |
                                static_cast<std::uint32_t>(data[offset + 1]) << 8 |
                                static_cast<std::uint32_t>(data[offset + 2]) << 16 |
                                static_cast<std::uint32_t>(data[offset + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

} // namespace fuzz
