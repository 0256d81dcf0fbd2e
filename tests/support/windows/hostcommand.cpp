#include "hostcommand.h"

#include "windowchecks.h"

#include <cstdio>

namespace window_checks {

bool runOnHost(const std::string& command, const char* result) {
    std::string line = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return waitUntil(
        [&] {
            std::FILE* file = std::fopen(result, "rb");
            if (file) std::fclose(file);
            return file != nullptr;
        },
        60000);
}

} // namespace window_checks
