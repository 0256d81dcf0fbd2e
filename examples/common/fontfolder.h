// Where the examples find the stroke font file: beside the program (the build puts it there), in
// ../lib beside it (an install or an unpacked Windows package), else where the build wrote it.
#pragma once

#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velora_examples {

inline std::string programFolder(const char* argv0) {
    std::string path = argv0 ? argv0 : "";
#ifdef _WIN32
    char module[MAX_PATH] = "";
    if (GetModuleFileNameA(nullptr, module, sizeof module) > 0) path = module;
#endif
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

inline std::string fontFolder(const char* argv0, const char* builtFolder) {
    const std::string folder = programFolder(argv0);
    for (const std::string& candidate : {folder, folder + "/../lib"})
        if (std::ifstream(candidate + "/Velfont.bin")) return candidate;
    return builtFolder;
}

} // namespace velora_examples
