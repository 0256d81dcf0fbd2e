#include "fontfiles.h"

#include "support/testfiles.h"
#include "text/strokeprogram.h"

#include <cstdio>
#include <random>
#include <string>

namespace font_test {

std::string generatedFontPath() {
    return testing_support::fontDirectory() + "/Velfont.bin";
}

FontFile::FontFile() : bytes(velfont::fileBytes, '\0') {}

void FontFile::setWidth(int font, int slot, int width) {
    bytes[velfont::widthTableOffset(font) + 2 * (slot - velfont::firstSlot) + 1] =
        static_cast<char>(width);
}

void FontFile::setProgram(int font, int slot, const std::vector<unsigned char>& pairs) {
    const long offset = velfont::programOffset(font, slot);
    for (std::size_t i = 0; i < pairs.size(); ++i)
        bytes[offset + i] = static_cast<char>(pairs[i]);
}

void FontFile::save(const std::string& path) const {
    // Test cases run as parallel processes that share their fixture files: a reader must never
    // see a half-written font, so the file appears whole under its name or not at all.
    const std::string partial = path + "." + std::to_string(std::random_device{}()) + ".part";
    testing_support::writeFile(partial, bytes);
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(path.c_str());
        std::rename(partial.c_str(), path.c_str());
    }
}

Drawing drawingOf(const unsigned char* program) {
    Drawing drawing;
    bool down = false;
    Point at{0, 0};
    bool lineOpen = false;
    for (int i = 0; i < velfont::maxPairs; ++i) {
        const unsigned char a = program[2 * i];
        const unsigned char b = program[2 * i + 1];
        drawing.pairs = i + 1;
        if (a == velfont::command) {
            if (b == velfont::end) {
                drawing.ended = true;
                break;
            }
            if (b == velfont::penUp || b == velfont::penDown) {
                down = b == velfont::penDown;
                lineOpen = false;
            }
            continue;
        }
        const Point p{velfont::decode(a), velfont::decode(b)};
        if (down) {
            if (!lineOpen) drawing.lines.push_back({at});
            drawing.lines.back().push_back(p);
            lineOpen = true;
        }
        at = p;
    }
    return drawing;
}

} // namespace font_test
