// A file system of a few hundred kilobytes in a folder of its own, for the tests of a full disk:
// a tmpfs mounted there when the tests run as root on Linux, unmounted again at the end.
// Elsewhere it is not available, and says why.
#pragma once

#include <string>

namespace testing_support {

class SmallFileSystem {
public:
    SmallFileSystem(const std::string& folder, int kilobytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool available() const { return whyNot.empty(); }
    // Why there is no small file system here.
    const std::string& reason() const { return whyNot; }
    // The absolute path of a file on it.
    std::string path(const std::string& name) const { return folder + "/" + name; }
    // Whether a file of that name is on it.
    bool holds(const std::string& name) const;

private:
    std::string folder;
    std::string whyNot;
    bool mounted = false;
};

} // namespace testing_support
