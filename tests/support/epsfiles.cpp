#include "support/epsfiles.h"

namespace eps_test {

std::string bodyOf(const std::string& file) {
    const std::string prologueEnd = "10.0 sml\r\n\r\n";
    const std::string trailer = "0 0 m\r\nst\r\ncp\r\nsp\r\n%%EOF";
    const std::size_t begin = file.find(prologueEnd);
    const std::size_t end = file.rfind(trailer);
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        return "<not a finished EPS file>";
    return file.substr(begin + prologueEnd.size(), end - begin - prologueEnd.size());
}

char* name(const char* text) {
    return const_cast<char*>(text);
}

} // namespace eps_test
