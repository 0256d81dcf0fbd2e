#include "processfigures.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <malloc.h>
#else
#include <malloc.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#endif

namespace peers {

#ifdef _WIN32

double processorSeconds() {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return -1.0;
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    // FILETIME counts 100 ns.
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

long peakKilobytes() {
    PROCESS_MEMORY_COUNTERS counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    // The private bytes: the working set would count the system's DLLs and fonts mapped into
    // the process as well, which Linux's resident size largely leaves out.
    return static_cast<long>(counters.PeakPagefileUsage / 1024);
}

void restartPeak() {
    _heapmin();
}

bool peakRestarts() {
    return false;
}

#else

double processorSeconds() {
    timespec now;
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) != 0) return -1.0;
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long peakKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

void restartPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

bool peakRestarts() {
    return true;
}

#endif

} // namespace peers
