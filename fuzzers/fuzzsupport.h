// Shared by the fuzz harnesses: the library's fatal ends become an exception that ends only the
// current input, its messages are silenced, and every input runs in a scratch folder, where the
// files it writes (temporary pictures included) are cleared away after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace fuzz {

// Once per process, from LLVMFuzzerInitialize: the end handler, a silent standard output, and
// the scratch folder velora-fuzz-<kind>-<pid> (in /dev/shm where there is one).
void prepare(const char* kind);

// Runs `work` in the scratch folder. An end of the process that the library asks for (a bad
// file, as the library sees it) ends `work` by unwinding, so its objects are freed.
void run(const std::function<void()>& work);

void writeFile(const std::string& name, const std::uint8_t* data, std::size_t size);

// A little-endian 32-bit field of the input, or `fallback` when the input is shorter.
long long field32(const std::uint8_t* data, std::size_t size, std::size_t offset,
                  long long fallback);

} // namespace fuzz
