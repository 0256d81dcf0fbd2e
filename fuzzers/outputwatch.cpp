#include "outputwatch.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>

namespace fuzz {

namespace {

constexpr auto pollInterval = std::chrono::milliseconds(5);

std::mutex watchedLock;
std::filesystem::path watchedFolder;
// 0 between inputs.
std::atomic<long long> watchedBound{0};

void watchLoop() {
    for (;;) {
        std::this_thread::sleep_for(pollInterval);
        const long long bound = watchedBound.load();
        if (bound == 0) continue;
        std::filesystem::path folder;
        {
            std::lock_guard<std::mutex> hold(watchedLock);
            folder = watchedFolder;
        }
        const LargestFile largest = largestFile(folder);
        // The input may have ended while the folder was read.
        if (largest.size > bound && watchedBound.load() == bound) {
            std::fprintf(stderr,
                         "drawing: %s grew to %lld bytes while the input ran, beyond its "
                         "bound of %lld bytes\n",
                         largest.path.filename().c_str(), largest.size, bound);
            std::abort();
        }
    }
}

} // namespace

LargestFile largestFile(const std::filesystem::path& folder) {
    LargestFile largest;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code sizeError;
        const auto size = it->file_size(sizeError);
        if (!sizeError && static_cast<long long>(size) > largest.size) {
            largest.size = static_cast<long long>(size);
            largest.path = it->path();
        }
    }
    return largest;
}

void watchOutput(const std::filesystem::path& folder, long long bound) {
    static std::once_flag started;
    std::call_once(started, [] { std::thread(watchLoop).detach(); });
    {
        std::lock_guard<std::mutex> hold(watchedLock);
        watchedFolder = folder;
    }
    watchedBound.store(bound);
}

void stopWatching() {
    watchedBound.store(0);
}

} // namespace fuzz
