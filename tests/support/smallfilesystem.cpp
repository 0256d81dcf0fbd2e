#include "support/smallfilesystem.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__linux__)
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace testing_support {

SmallFileSystem::SmallFileSystem(const std::string& name, int kilobytes) {
    std::error_code error;
    folder = std::filesystem::absolute(name, error).string();
#if defined(__linux__)
    if (geteuid() != 0) {
        whyNot = "mounting a small tmpfs needs root, and /dev/full cannot stand in for the "
                 "temporary and final names the writers use";
        return;
    }
    std::filesystem::create_directories(folder, error);
    // Left over by a run that was killed.
    umount2(folder.c_str(), MNT_DETACH);
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder, error);
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        whyNot = "cannot mount a tmpfs on " + folder + ": " + std::strerror(errno);
        return;
    }
    mounted = true;
#else
    (void)kilobytes;
    whyNot = "a small file system is mounted on Linux only";
#endif
}

SmallFileSystem::~SmallFileSystem() {
#if defined(__linux__)
    if (mounted) umount2(folder.c_str(), MNT_DETACH);
    std::error_code error;
    std::filesystem::remove(folder, error);
#endif
}

bool SmallFileSystem::holds(const std::string& name) const {
    std::error_code error;
    return std::filesystem::exists(path(name), error);
}

} // namespace testing_support
