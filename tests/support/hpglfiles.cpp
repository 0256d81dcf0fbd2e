#include "support/hpglfiles.h"

namespace hpgl_test {

std::string bodyOf(const std::string& file) {
    const std::string opening = "SP1\r\nPW0.3\r\nSP1\r\nPW0.3\r\n";
    const std::string ending = "\r\n";
    if (file.size() < opening.size() + ending.size() || file.compare(0, opening.size(), opening) ||
        file.compare(file.size() - ending.size(), ending.size(), ending))
        return "<not a finished HPGL file>";
    std::string body = file.substr(opening.size(), file.size() - opening.size() - ending.size());
    if (body.size() >= ending.size() &&
        body.compare(body.size() - ending.size(), ending.size(), ending) == 0)
        body.resize(body.size() - ending.size());
    return body;
}

} // namespace hpgl_test
