#include "devices/files/bmpname.h"

#include "common/filename.h"

#include <algorithm>

namespace velora {

std::string bmpName(const char* name) {
    std::string result = name ? name : "";
    if (result.size() > 4) {
        // Only the last path component has an extension.
        const std::size_t from = std::max(result.size() - 4, fileNameStart(result));
        const std::size_t dot = result.find('.', from);
        if (dot != std::string::npos) result.erase(dot);
    }
    return result + ".bmp";
}

} // namespace velora
