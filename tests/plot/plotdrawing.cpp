#include "plotdrawing.h"

#include "support/epsfiles.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"
#include "text/strokeprogram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace plot_test {

namespace {

constexpr int codeAdvance = 10;
constexpr int codeReference = 40;

float pageX(double points) {
    return static_cast<float>((points - 35.0) / 4.0);
}
float pageY(double points) {
    return static_cast<float>((points - 430.0) / 4.0);
}

// Hundredths of a page unit, without trailing zeros: 22.5, 30, -0.25.
std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::round(v * 100.0) / 100.0);
    std::string s = text;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

struct Step {
    std::string op;
    float x = 0, y = 0;
};

std::vector<Step> rawSteps(const std::string& body) {
    std::vector<Step> steps;
    std::istringstream lines(body);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;)
            parts.push_back(word);
        if (parts.empty()) continue;
        Step step{parts.back()};
        if ((step.op == "m" || step.op == "l") && parts.size() == 3) {
            step.x = pageX(std::stod(parts[0]));
            step.y = pageY(std::stod(parts[1]));
        } else if (step.op == "slw" && parts.size() == 2) {
            step.op = "w" + number(std::stod(parts[0]) / 1.75);
        } else if (step.op == "shsb") {
            step.op = "c";
        }
        steps.push_back(step);
    }
    return steps;
}

double distance(const Step& a, const Step& b) {
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

} // namespace

std::string drawn(const std::string& name, const std::function<void(desk&)>& figure,
                  const std::string& fontDir) {
    {
        desk d;
        d.setfontpath(fontDir.c_str());
        d.open(EPS | PLT, name.c_str());
        figure(d);
        d.close();
    }
    EXPECT_EQ(testing_support::ghostscriptProblems(name + ".eps"), "") << name;
    EXPECT_EQ(testing_support::hp2xxProblems(name + ".plt"), "") << name;
    return eps_test::bodyOf(testing_support::readFile(name + ".eps"));
}

std::string drawn(const std::string& name, const std::function<void(desk&)>& figure) {
    return drawn(name, figure, testing_support::fontDirectory());
}

std::vector<std::string> stepsOf(const std::string& body) {
    std::vector<std::string> steps;
    for (const Step& step : rawSteps(body)) {
        if (step.op == "m" || step.op == "l")
            steps.push_back(step.op + number(step.x) + "," + number(step.y));
        else
            steps.push_back(step.op);
    }
    return steps;
}

std::string pathOf(const std::string& body, bool paths) {
    std::string path;
    for (const std::string& step : stepsOf(body)) {
        const bool point = step[0] == 'm' || step[0] == 'l';
        if (!point && !(paths && (step == "np" || step == "st"))) continue;
        path += (path.empty() ? "" : " ") + step;
    }
    return path;
}

namespace {

std::string codeFontBytes() {
    std::string bytes(velfont::fileBytes, '\0');
    for (int font = 0; font < velfont::fontCount; ++font) {
        for (int slot = velfont::firstSlot; slot <= velfont::lastSlot; ++slot) {
            bytes[velfont::widthTableOffset(font) + 2 * (slot - velfont::firstSlot) + 1] =
                static_cast<char>(codeAdvance);
            // (0, 0), pen down, (0, -k), (40, -k), end: a byte of 64 + k is -k.
            const char down = static_cast<char>(64 + slot - 31);
            const char program[] = {0, 0, 64, 1, 0, down, codeReference, down, 64, 2};
            bytes.replace(velfont::programOffset(font, slot), sizeof program, program,
                          sizeof program);
        }
    }
    return bytes;
}

} // namespace

std::string codeFontDirectory() {
    static const std::string folder = [] {
        const std::string folder = testing_support::processFolder("codefont");
        testing_support::writeFile(folder + "/Velfont.bin", codeFontBytes());
        return folder;
    }();
    return folder;
}

float Text::middleAlong() const {
    const float half = static_cast<float>(text.size()) * codeAdvance * unit / 2;
    return vertical ? y + half : x + half;
}

float Text::middleAcross() const {
    // The nominal height lies above the baseline: left of it for text running upwards.
    return vertical ? x - 12 * unit : y + 12 * unit;
}

std::vector<Text> textsOf(const std::string& body) {
    const std::vector<Step> steps = rawSteps(body);
    std::vector<Text> texts;
    // A glyph is a path of a move to its origin, a move there again, two lines and a move.
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].op != "np") continue;
        std::vector<Step> points;
        std::string ops;
        for (++i; i < steps.size() && steps[i].op != "st"; ++i)
            if (steps[i].op == "m" || steps[i].op == "l") {
                points.push_back(steps[i]);
                ops += steps[i].op;
            }
        if (ops != "mmllm") continue;
        const Step &origin = points[1], &corner = points[2], &end = points[3];
        const float unit = static_cast<float>(distance(corner, end) / codeReference);
        const char c = static_cast<char>(31 + std::lround(distance(origin, corner) / unit));
        const bool vertical = std::fabs(corner.y - origin.y) < std::fabs(corner.x - origin.x);
        // The next character of a text starts one advance further on, or a few after blanks.
        if (!texts.empty()) {
            Text& last = texts.back();
            const float along = vertical ? origin.y - last.y : origin.x - last.x;
            const float across = vertical ? origin.x - last.x : origin.y - last.y;
            const float blanks = along / (codeAdvance * unit) - last.text.size();
            if (last.vertical == vertical && std::fabs(across) < 0.1f * unit && blanks > -0.01f &&
                blanks < 3.01f && std::fabs(blanks - std::round(blanks)) < 0.01f) {
                last.text += std::string(static_cast<std::size_t>(std::lround(blanks)), ' ') + c;
                continue;
            }
        }
        texts.push_back({std::string(1, c), origin.x, origin.y, unit, vertical});
    }
    return texts;
}

std::vector<std::string> wordsOf(const std::vector<Text>& texts) {
    std::vector<std::string> words;
    for (const Text& t : texts)
        words.push_back(t.text);
    return words;
}

} // namespace plot_test
