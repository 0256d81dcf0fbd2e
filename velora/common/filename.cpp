#include "common/filename.h"

namespace velora {

std::size_t fileNameStart(const std::string& name) {
    const std::size_t separator = name.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

std::string withExtension(const char* name, const char* extension) {
    std::string file = name ? name : "";
    const std::size_t dot = file.find('.', fileNameStart(file));
    if (dot != std::string::npos) file.erase(dot);
    return file + extension;
}

} // namespace velora
