// The checks of the text formats: EPS, HPGL and SVG, and the number grammar they share with PDF.
#include "filechecks.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace fuzz {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsAt(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - at;
}

// A number that readers keep in single precision must fit into a float.
bool fitsFloat(std::string_view number) {
    const double value = numberValue(number);
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text.substr(0, 60)) + (text.size() > 60 ? "...\"" : "\"");
}

// Words that printf-style formatting makes of values that are no numbers.
bool spellsNonNumber(std::string_view word) {
    std::string lower;
    for (char c : word)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

std::vector<std::string_view> linesOf(std::string_view file) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t end = file.find('\n', start);
        if (end == std::string_view::npos) end = file.size();
        std::string_view line = file.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string atLine(std::size_t index) {
    return " (line " + std::to_string(index + 1) + ")";
}

// ---- EPS ----

bool isPostScriptDelimiter(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ')' || c == '<' ||
           c == '>' || c == '[' || c == ']' || c == '{' || c == '}' || c == '/' || c == '%';
}

// One token of a program line: a number where it starts like one, else a name or operator that
// is no spelling of NaN or infinity. Radix numbers are left out: the writer has no use for them.
std::string checkPostScriptToken(std::string_view token, std::size_t line) {
    const char first = token[0];
    if (isDigit(first) || first == '+' || first == '-' || first == '.') {
        if (numberLength(token, true) != token.size())
            return "EPS: " + quoted(token) + " is no PostScript number" + atLine(line);
        if (!fitsFloat(token))
            return "EPS: " + quoted(token) + " is beyond a PostScript real" + atLine(line);
        return {};
    }
    if (spellsNonNumber(token)) return "EPS: the word " + quoted(token) + atLine(line);
    return {};
}

std::string checkPostScriptLine(std::string_view text, std::size_t line) {
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '%') return {};
        if (isPostScriptDelimiter(c)) {
            ++at;
            // A literal name is no number, whatever its characters.
            if (c == '/')
                while (at < text.size() && !isPostScriptDelimiter(text[at]))
                    ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !isPostScriptDelimiter(text[end]))
            ++end;
        std::string fault = checkPostScriptToken(text.substr(at, end - at), line);
        if (!fault.empty()) return fault;
        at = end;
    }
    return {};
}

// "%%BoundingBox: 73 468 117 512": four integers; the high-resolution box four numbers.
std::string checkBoxComment(std::string_view text, std::size_t line, bool integers) {
    std::size_t at = text.find(':') + 1;
    int count = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view token = text.substr(at, end - at);
        const bool integer =
            numberLength(token, false) == token.size() && token.find('.') == std::string_view::npos;
        if ((integers && !integer) || numberLength(token, true) != token.size() ||
            !fitsFloat(token))
            return "EPS: " + quoted(token) + " in the box comment" + atLine(line);
        ++count;
        at = end;
    }
    if (count != 4) return "EPS: a box comment of " + std::to_string(count) + " numbers";
    return {};
}

bool isHexRow(std::string_view text) {
    if (text.size() % 2) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// ---- HPGL ----

// HP-GL/2's coordinate range; a plotter rejects anything beyond it.
constexpr double hpglLimit = 1073741823.0;

std::string checkHpglParameters(std::string_view mnemonic, std::string_view parameters,
                                std::size_t line) {
    std::size_t at = 0;
    while (at <= parameters.size() && !parameters.empty()) {
        std::size_t end = parameters.find(',', at);
        if (end == std::string_view::npos) end = parameters.size();
        const std::string_view number = parameters.substr(at, end - at);
        if (number.empty() || numberLength(number, false) != number.size())
            return "HPGL: " + std::string(mnemonic) + " with the parameter " + quoted(number) +
                   atLine(line);
        if (std::fabs(numberValue(number)) > hpglLimit)
            return "HPGL: " + std::string(mnemonic) + quoted(number) + " beyond HPGL's range" +
                   atLine(line);
        at = end + 1;
    }
    return {};
}

// ---- SVG ----

bool isSvgSeparator(char c) {
    return c == ' ' || c == ',' || c == '\n' || c == '\t' || c == '\r';
}

std::string checkSvgNumberAt(std::string_view value, std::size_t& at, std::string_view name) {
    const std::size_t length = numberLength(value.substr(at), true);
    if (length == 0)
        return "SVG: " + std::string(name) + "=" + quoted(value) + ": no number at " +
               quoted(value.substr(at));
    const std::string_view number = value.substr(at, length);
    if (!fitsFloat(number))
        return "SVG: " + std::string(name) + " holds " + quoted(number) + ", beyond a float";
    at += length;
    return {};
}

std::string checkPathData(std::string_view value) {
    static const std::string_view commands = "MmLlHhVvCcSsQqTtAaZz";
    std::size_t at = 0;
    while (at < value.size()) {
        if (isSvgSeparator(value[at]) || commands.find(value[at]) != std::string_view::npos) {
            ++at;
            continue;
        }
        std::string fault = checkSvgNumberAt(value, at, "d");
        if (!fault.empty()) return fault;
    }
    return {};
}

std::string checkTransform(std::string_view value) {
    static const std::string_view functions[] = {"matrix", "translate", "scale",
                                                 "rotate", "skewX",     "skewY"};
    std::size_t at = 0;
    while (at < value.size()) {
        const char c = value[at];
        if (isSvgSeparator(c) || c == '(' || c == ')') {
            ++at;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) {
            std::size_t end = at;
            while (end < value.size() && std::isalpha(static_cast<unsigned char>(value[end])))
                ++end;
            const std::string_view word = value.substr(at, end - at);
            bool known = false;
            for (std::string_view function : functions)
                known = known || word == function;
            if (!known || value.substr(end, 1) != "(")
                return "SVG: transform=" + quoted(value) + " with " + quoted(word);
            at = end;
            continue;
        }
        std::string fault = checkSvgNumberAt(value, at, "transform");
        if (!fault.empty()) return fault;
    }
    return {};
}

// A length: one number and a unit of SVG, or none.
std::string checkLength(std::string_view value, std::string_view name) {
    static const std::string_view units[] = {"",   "pt", "px", "mm", "cm",
                                             "in", "pc", "em", "ex", "%"};
    std::size_t at = 0;
    std::string fault = checkSvgNumberAt(value, at, name);
    if (!fault.empty()) return fault;
    for (std::string_view unit : units)
        if (value.substr(at) == unit) return {};
    return "SVG: " + std::string(name) + "=" + quoted(value) + " has no unit of SVG";
}

// Four numbers; a negative width or height makes the picture an error.
std::string checkViewBox(std::string_view value) {
    std::vector<double> numbers;
    std::size_t at = 0;
    while (at < value.size()) {
        if (isSvgSeparator(value[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        std::string fault = checkSvgNumberAt(value, at, "viewBox");
        if (!fault.empty()) return fault;
        numbers.push_back(numberValue(value.substr(start, at - start)));
    }
    if (numbers.size() != 4 || numbers[2] < 0 || numbers[3] < 0)
        return "SVG: viewBox=" + quoted(value);
    return {};
}

std::string checkSvgAttribute(std::string_view name, std::string_view value) {
    if (name == "d") return checkPathData(value);
    if (name == "transform") return checkTransform(value);
    if (name == "viewBox") return checkViewBox(value);
    if (name == "width" || name == "height" || name == "stroke-width")
        return checkLength(value, name);
    return {};
}

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':' || c == '_';
}

} // namespace

std::size_t numberLength(std::string_view text, bool exponentAllowed) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t whole = digitsAt(text, at);
    at += whole;
    std::size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        fraction = digitsAt(text, at + 1);
        if (whole == 0 && fraction == 0) return 0;
        at += 1 + fraction;
    }
    if (whole == 0 && fraction == 0) return 0;
    if (exponentAllowed && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t digits = digitsAt(text, exponent);
        if (digits > 0) at = exponent + digits;
    }
    return at;
}

double numberValue(std::string_view number) {
    // from_chars takes no '+' and no locale.
    if (!number.empty() && number[0] == '+') number.remove_prefix(1);
    double value = NAN;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) return INFINITY;
    return result.ec == std::errc() ? value : NAN;
}

std::string checkEps(std::string_view file) {
    const std::vector<std::string_view> lines = linesOf(file);
    bool pictureRows = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (pictureRows) {
            if (line == "grestore") {
                pictureRows = false;
            } else if (!isHexRow(line)) {
                return "EPS: a picture row that is no hex " + quoted(line) + atLine(i);
            }
            continue;
        }
        std::string fault;
        if (line.rfind("%%BoundingBox:", 0) == 0)
            fault = checkBoxComment(line, i, true);
        else if (line.rfind("%%HiResBoundingBox:", 0) == 0)
            fault = checkBoxComment(line, i, false);
        else
            fault = checkPostScriptLine(line, i);
        if (!fault.empty()) return fault;
        pictureRows = endsWith(line, "image");
    }
    if (pictureRows) return "EPS: the file ends inside a picture";
    return {};
}

std::string checkHpgl(std::string_view file) {
    const std::vector<std::string_view> lines = linesOf(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        std::size_t at = 0;
        while (at < line.size()) {
            if (line[at] == ';') {
                ++at;
                continue;
            }
            if (line.size() - at < 2 || !std::isupper(static_cast<unsigned char>(line[at])) ||
                !std::isupper(static_cast<unsigned char>(line[at + 1])))
                return "HPGL: no instruction at " + quoted(line.substr(at)) + atLine(i);
            std::size_t end = line.find(';', at + 2);
            if (end == std::string_view::npos) end = line.size();
            std::string fault =
                checkHpglParameters(line.substr(at, 2), line.substr(at + 2, end - at - 2), i);
            if (!fault.empty()) return fault;
            at = end;
        }
    }
    return {};
}

std::string checkSvg(std::string_view file) {
    std::size_t at = 0;
    while ((at = file.find("=\"", at)) != std::string_view::npos) {
        std::size_t start = at;
        while (start > 0 && isNameCharacter(file[start - 1]))
            --start;
        const std::size_t valueStart = at + 2;
        const std::size_t valueEnd = file.find('"', valueStart);
        if (valueEnd == std::string_view::npos) return "SVG: an attribute value without its end";
        // An attribute name follows a blank; anything else is inside some other text.
        if (start > 0 && std::isspace(static_cast<unsigned char>(file[start - 1]))) {
            std::string fault = checkSvgAttribute(file.substr(start, at - start),
                                                  file.substr(valueStart, valueEnd - valueStart));
            if (!fault.empty()) return fault;
        }
        at = valueEnd + 1;
    }
    return {};
}

} // namespace fuzz
