#include "devices/bmpname.h"

namespace velora {

std::string bmpName(const char* name) {
    std::string result = name ? name : "";
    if (result.size() > 4) {
        const std::size_t dot = result.find('.', result.size() - 4);
        if (dot != std::string::npos) result.erase(dot);
    }
    return result + ".bmp";
}

} // namespace velora
