#include "textdrawing.h"

#include "fontfiles.h"
#include "support/testfiles.h"

#include <cmath>
#include <sstream>

namespace font_test {

bool EpsStep::operator==(const EpsStep& other) const {
    return op == other.op && std::fabs(x - other.x) < 0.003f && std::fabs(y - other.y) < 0.003f &&
           std::fabs(width - other.width) < 1e-5f;
}

void PrintTo(const EpsStep& step, std::ostream* out) {
    *out << step.op;
    if (step.op == "m" || step.op == "l") *out << "(" << step.x << ", " << step.y << ")";
    if (step.op == "slw") *out << "(" << step.width << ")";
}

std::vector<EpsStep> stepsOf(const std::string& epsFile) {
    const std::string prologueEnd = "10.0 sml\r\n\r\n";
    const std::string trailer = "0 0 m\r\nst\r\ncp\r\nsp\r\n%%EOF";
    const std::size_t begin = epsFile.find(prologueEnd);
    const std::size_t end = epsFile.rfind(trailer);
    std::vector<EpsStep> steps;
    if (begin == std::string::npos || end == std::string::npos) return steps;
    std::istringstream body(
        epsFile.substr(begin + prologueEnd.size(), end - begin - prologueEnd.size()));
    std::string line;
    while (std::getline(body, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;)
            parts.push_back(word);
        if (parts.empty()) continue;
        EpsStep step;
        step.op = parts.back();
        if ((step.op == "m" || step.op == "l") && parts.size() == 3) {
            step.x = (std::stof(parts[0]) - 35.0f) / 4.0f;
            step.y = (std::stof(parts[1]) - 430.0f) / 4.0f;
        } else if (step.op == "slw" && parts.size() == 2) {
            step.width = std::stof(parts[0]) / 1.75f;
        }
        steps.push_back(step);
    }
    return steps;
}

std::vector<Segment> segmentsOf(const std::vector<EpsStep>& steps) {
    std::vector<Segment> segments;
    float x = 0, y = 0, width = 0;
    for (const EpsStep& step : steps) {
        if (step.op == "slw") width = step.width;
        if (step.op == "l") segments.push_back({x, y, step.x, step.y, width});
        if (step.op == "m" || step.op == "l") {
            x = step.x;
            y = step.y;
        }
    }
    return segments;
}

TextDesk::TextDesk(const char* name, const std::string& fontDir, bool unitScaleOne)
    : file(std::string(name) + ".eps") {
    surface.setfontpath(fontDir.c_str());
    surface.open(EPS, name);
    if (unitScaleOne) surface.setviewport(0.0f, 0.0f, 133.33f, 88.0f);
}

TextDesk::~TextDesk() {
    surface.close();
}

std::vector<EpsStep> TextDesk::finish() {
    surface.close();
    return stepsOf(testing_support::readFile(file));
}

std::string writeSimpleFont(const std::string& dir) {
    const std::string folder = testing_support::processFolder(dir);
    simpleFont().save(folder + "/Velfont.bin");
    return folder;
}

const std::string& simpleFontFolder() {
    static const std::string folder = writeSimpleFont("simple");
    return folder;
}

FontFile simpleFont() {
    FontFile font;
    for (int n = 0; n < 3; ++n) {
        for (int slot = 32; slot <= 127; ++slot)
            font.setWidth(n, slot, 8);
        const unsigned char x = static_cast<unsigned char>(n);
        font.setProgram(n, 'I', {x, 0, 64, 1, x, 10, 64, 2});
        font.setWidth(n, 'I', 10 + 2 * n);
        font.setProgram(n, 'L', {0, 10, 64, 1, 0, 0, 5, 0, 64, 2});
        font.setProgram(n, 0x5E, {0, 5, 64, 1, 6, 5, 64, 2}); // a dash at half height
        font.setProgram(n, '$', {0, 0, 64, 1, 6, 6, 64, 2});  // a diagonal
    }
    return font;
}

} // namespace font_test
