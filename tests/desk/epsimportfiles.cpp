#include "epsimportfiles.h"

#include "deskdrawing.h"
#include "support/testfiles.h"

#include <cstdio>

namespace import_test {

namespace {
// Pictures imported so far by the tests of this program.
unsigned picturesImported = 0;
} // namespace

const std::string opened = "0 0 0 shsb\r\n0.525 slw\r\n";

std::string imported(const std::string& name, const std::string& file,
                     const std::function<void(desk&)>& after) {
    testing_support::writeFile(name + ".eps", file);
    const std::string copy = name + "-copy";
    const std::string body = desk_test::drawOn(
                                 copy.c_str(),
                                 [&](desk& d) {
                                     d.showeps(name.c_str());
                                     if (after) after(d);
                                 },
                                 EPS)
                                 .eps;
    if (body.compare(0, opened.size(), opened) != 0) return "<not opened: " + body + ">";
    return body.substr(opened.size());
}

InFolder::InFolder(const std::string& name) : previous(std::filesystem::current_path()) {
    std::filesystem::create_directories(name);
    std::filesystem::current_path(name);
}

InFolder::~InFolder() {
    std::filesystem::current_path(previous);
}

std::string nextPicture() {
    return "tmp" + std::to_string(picturesImported) + ".bmp";
}

std::string takePicture() {
    const std::string name = nextPicture();
    ++picturesImported;
    const std::string bytes = testing_support::readFile(name);
    std::remove(name.c_str());
    return bytes;
}

} // namespace import_test
