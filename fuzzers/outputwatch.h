// A watch on the files an input writes while it runs. A drawing that never ends may fill the
// disk long before libFuzzer's timeout: a thread looks at the sizes of the files in the folder
// every few milliseconds and ends the process as soon as one outgrows the input's bound.
#pragma once

#include <filesystem>

namespace fuzz {

// Starts the thread (once) and watches `folder` until stopWatching, each file against `bound`
// bytes.
void watchOutput(const std::filesystem::path& folder, long long bound);
void stopWatching();

// The largest file in the folder and its size (0 and an empty path in an empty folder).
struct LargestFile {
    std::filesystem::path path;
    long long size = 0;
};
LargestFile largestFile(const std::filesystem::path& folder);

} // namespace fuzz
