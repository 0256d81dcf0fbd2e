// The EPS import, line by line: definition lines fill the abbreviation dictionary, every other
// line is split into words on the operand stack and acted on from its last word backwards.
// Pictures are read in desk/epspicture.cpp.
#include "desk/epsimport.h"

#include "common/filename.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>

namespace velora::eps {

double readNumber(const char* word) {
    const char* p = word;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')
        ++p;
    if (*p == '+' && p[1] != '-') ++p;
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(p, p + std::strlen(p), value);
    // Every operand ends up in a float.
    if (result.ec != std::errc() || !(std::fabs(value) <= std::numeric_limits<float>::max()))
        return 0.0;
    return value;
}

int readInteger(const char* word) {
    const char* p = word;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long value = 0;
    const long long limit = std::numeric_limits<int>::max();
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = 10 * value + (*p - '0');
        if (value > limit) value = limit + 1; // saturates below
    }
    if (negative) value = -value;
    if (value > limit) return std::numeric_limits<int>::max();
    if (value < -limit) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace velora::eps

using namespace velora::eps;

namespace {

// The colours of the EPS writer as it prints them, in thousandths: hue, saturation, brightness.
const int epsColourTable[16][3] = {
    {0, 0, 0},         {0, 1000, 1000},   {333, 1000, 1000}, {666, 1000, 1000},
    {166, 1000, 1000}, {500, 1000, 1000}, {833, 1000, 1000}, {0, 0, 0},
    {0, 0, 125},       {0, 0, 250},       {0, 0, 375},       {0, 0, 500},
    {0, 0, 625},       {0, 0, 750},       {0, 0, 875},       {0, 0, 1000}};

// Copies [from, to) into out, cut to the length of a label.
void copyPart(char* out, const char* from, const char* to) {
    std::size_t length = to > from ? static_cast<std::size_t>(to - from) : 0;
    if (length > labelCapacity) length = labelCapacity;
    std::memcpy(out, from, length);
    out[length] = '\0';
}

// The end of the text on a line that starts at p: its line feed or its end.
const char* lineEnd(const char* p) {
    const char* feed = std::strchr(p, '\n');
    return feed ? feed : p + std::strlen(p);
}

// The EPS writer cuts every coordinate to hundredths of a point. The page value nearest to a
// coordinate may map back just below its hundredth, which the writer would then cut to the
// hundredth beneath; one float step restores it, so a file read and written again keeps its
// coordinates.
float pointsToPage(double points, double origin) {
    const float page = static_cast<float>((points - origin) / 4.0);
    const double hundredths = std::round(100.0 * points);
    if (!std::isfinite(page) || std::fabs(hundredths) > 1e15 ||
        std::fabs(100.0 * points - hundredths) > 1e-6)
        return page;
    const auto written = [origin](float v) { return std::trunc(100.0 * (4.0 * v + origin)); };
    const double got = written(page);
    if (got == hundredths) return page;
    const float step = got < hundredths ? std::numeric_limits<float>::infinity()
                                        : -std::numeric_limits<float>::infinity();
    const float nudged = std::nextafter(page, step);
    return written(nudged) == hundredths ? nudged : page;
}

enum class EpsCommand {
    newpath,
    closepath,
    stroke,
    moveto,
    lineto,
    setlinewidth,
    sethsbcolor,
    setrgbcolor,
    gsave,
    grestore,
    fill,
    translate,
    scale,
    image,
    colorimage,
    other
};

EpsCommand commandOf(const char* word) {
    static const struct {
        const char* word;
        EpsCommand command;
    } vocabulary[] = {{"newpath", EpsCommand::newpath},
                      {"closepath", EpsCommand::closepath},
                      {"stroke", EpsCommand::stroke},
                      {"moveto", EpsCommand::moveto},
                      {"lineto", EpsCommand::lineto},
                      {"setlinewidth", EpsCommand::setlinewidth},
                      {"sethsbcolor", EpsCommand::sethsbcolor},
                      {"setrgbcolor", EpsCommand::setrgbcolor},
                      {"gsave", EpsCommand::gsave},
                      {"grestore", EpsCommand::grestore},
                      {"fill", EpsCommand::fill},
                      {"translate", EpsCommand::translate},
                      {"scale", EpsCommand::scale},
                      {"image", EpsCommand::image},
                      {"colorimage", EpsCommand::colorimage}};
    for (const auto& entry : vocabulary) {
        if (std::strcmp(word, entry.word) == 0) return entry.command;
    }
    return EpsCommand::other;
}

// Pops the next operand; on an empty stack the word popped last is read again.
double operand(StringStack& stack, char* word, std::size_t size) {
    stack.pop(word, size);
    return readNumber(word);
}

} // namespace

void desk::showeps(const char* name) {
    delete[] epscolours;
    epscolours = new int[16 * 3];
    std::memcpy(epscolours, epsColourTable, sizeof epsColourTable);
    // plot, plot.eps and plot.old.eps all name plot.eps, as the EPS writer names its file.
    const std::string file = velora::withExtension(name, ".eps");
    std::ifstream in(file, std::ios::binary);
    if (!in) std::cout << "# desk::showeps : error : unable to open file  " << file << std::endl;
    // A stream that did not open gives no line.
    readEps(in);
    in.close();
    delete[] epscolours;
    epscolours = nullptr;
}

void desk::readEps(std::istream& in) {
    EpsImport state(in);
    std::streambuf* buffer = in.rdbuf();
    if (!buffer) return;
    char line[lineCapacity + 1];
    char label[labelCapacity + 1];
    char command[labelCapacity + 1];
    while (!in.fail()) {
        std::size_t length = 0;
        while (length < lineCapacity) {
            const int c = buffer->sbumpc();
            if (c == std::char_traits<char>::eof()) {
                in.setstate(std::ios::eofbit | std::ios::failbit);
                break;
            }
            line[length++] = static_cast<char>(c);
            if (c == '\n') break;
        }
        line[length] = '\0';
        // CR LF and LF lines end alike.
        if (char* cr = static_cast<char*>(std::memchr(line, '\r', length))) {
            if (line[length - 1] == '\n') line[--length] = '\0';
            *cr = '\n';
        }
        // A last line without a line feed is not used.
        if (!in.good() || length == 0) continue;
        if (line[0] == '/') {
            if (std::strstr(line, "def")) {
                getLabel(label, line);
                getCommand(command, line);
                state.defines.Load(label, command);
            }
            continue;
        }
        if (makeBuffer(state.stack, line)) interpretEps(state);
    }
}

void desk::getLabel(char* label, const char* line) {
    const char* slash = std::strchr(line, '/');
    if (!slash) {
        *label = '\0';
        return;
    }
    const char* start = slash + 1;
    const char* brace = std::strchr(start, '{');
    const char* blank = std::strchr(start, ' ');
    const char* end = brace ? brace : blank ? blank : lineEnd(start);
    copyPart(label, start, end);
}

void desk::getCommand(char* command, const char* line) {
    const char* slash = std::strchr(line, '/');
    const char* start = nullptr;
    const char* end = nullptr;
    if (const char* brace = slash ? std::strchr(slash + 1, '{') : nullptr) {
        // A definition without its closing brace ends with its line.
        start = brace + 1;
        const char* close = std::strchr(start, '}');
        end = close ? close : lineEnd(start);
    } else if (const char* blank = std::strchr(line, ' ')) {
        start = blank + 1;
        const char* def = std::strstr(start, "def");
        end = def ? def : lineEnd(start);
    }
    if (!start) {
        *command = '\0';
        return;
    }
    copyPart(command, start, end);
}

int desk::makeBuffer(StringStack& stack, const char* line) {
    if (line[0] == '%' || std::strcmp(line, "\n") == 0) return 0;
    const char* p = line;
    while (*p == ' ')
        ++p;
    char word[lineCapacity + 1];
    const char* wordStart = p;
    for (; *p; ++p) {
        if (*p != ' ' && *p != '\n') continue;
        std::size_t length = static_cast<std::size_t>(p - wordStart);
        if (length > lineCapacity) length = lineCapacity;
        std::memcpy(word, wordStart, length);
        word[length] = '\0';
        stack << word;
        wordStart = p + 1;
    }
    return 1;
}

unsigned char desk::getColorFromHSB(float h, float s, float b) const {
    if (!epscolours) return 0;
    const double key[3] = {std::trunc(1000.0 * h), std::trunc(1000.0 * s), std::trunc(1000.0 * b)};
    for (int i = 0; i < 16; ++i) {
        const int* entry = epscolours + 3 * i;
        if (entry[0] == key[0] && entry[1] == key[1] && entry[2] == key[2])
            return static_cast<unsigned char>(i);
    }
    return 0;
}

float desk::x_(double v) {
    return pointsToPage(v, 35.0);
}

float desk::y_(double v) {
    return pointsToPage(v, 430.0);
}

void desk::interpretEps(EpsImport& s) {
    const char* top = s.stack;
    // A line that ends in a number leaves its words as operands for a later line.
    if (!top || (*top >= '0' && *top <= '9')) return;
    char* word = s.word;
    const std::size_t size = sizeof s.word;
    while (s.stack.pop(word, size)) {
        EpsCommand command = commandOf(s.defines(word));
        // A fill of the EPS writer is bracketed by its own "g" ... "gr"; a gsave spelled out
        // (a picture's, another program's) is passed over as before.
        if ((command == EpsCommand::gsave && std::strcmp(word, "g") != 0) ||
            (command == EpsCommand::grestore && !s.inFill))
            command = EpsCommand::other;
        switch (command) {
        case EpsCommand::newpath:
            if (!s.inFill) np();
            break;
        case EpsCommand::closepath:
            if (!s.inFill) cp();
            break;
        case EpsCommand::stroke:
            st();
            break;
        case EpsCommand::moveto: {
            const double y = operand(s.stack, word, size);
            const double x = operand(s.stack, word, size);
            if (s.inFill) {
                s.fillX.assign(1, x_(x));
                s.fillY.assign(1, y_(y));
            } else {
                move(x_(x), y_(y));
            }
            break;
        }
        case EpsCommand::lineto: {
            const double y = operand(s.stack, word, size);
            const double x = operand(s.stack, word, size);
            if (s.inFill) {
                s.fillX.push_back(x_(x));
                s.fillY.push_back(y_(y));
            } else {
                draw(x_(x), y_(y), s.colour);
            }
            break;
        }
        case EpsCommand::gsave:
            s.inFill = true;
            s.colourBeforeFill = s.colour;
            s.fillX.clear();
            s.fillY.clear();
            break;
        case EpsCommand::fill:
            fill(s.fillX.data(), s.fillY.data(), static_cast<int>(s.fillX.size()), s.colour);
            s.fillX.clear();
            s.fillY.clear();
            break;
        case EpsCommand::grestore:
            if (s.inFill && s.colour != s.colourBeforeFill) {
                s.colour = s.colourBeforeFill;
                setcolor(s.colour);
            }
            s.inFill = false;
            break;
        case EpsCommand::setrgbcolor: {
            const double b = operand(s.stack, word, size);
            const double g = operand(s.stack, word, size);
            const double r = operand(s.stack, word, size);
            const auto byte = [](double v) {
                return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
            };
            s.colour = velora::rgb(byte(r), byte(g), byte(b));
            if (!s.inFill) setcolor(s.colour);
            break;
        }
        case EpsCommand::setlinewidth:
            // The writer puts out 1.75 points a pen unit; the import reads 2.7.
            setpenwidth(static_cast<float>(operand(s.stack, word, size) / 2.7));
            break;
        case EpsCommand::sethsbcolor: {
            const double b = operand(s.stack, word, size);
            const double sat = operand(s.stack, word, size);
            const double h = operand(s.stack, word, size);
            s.colour = getColorFromHSB(static_cast<float>(h), static_cast<float>(sat),
                                       static_cast<float>(b));
            if (!s.inFill) setcolor(s.colour);
            break;
        }
        case EpsCommand::translate: {
            const double ty = operand(s.stack, word, size);
            const double tx = operand(s.stack, word, size);
            s.x0 = static_cast<float>((tx - 35.0) / 4.0);
            s.y0 = static_cast<float>((ty - 430.0) / 4.0);
            break;
        }
        case EpsCommand::scale: {
            const double sy = operand(s.stack, word, size);
            const double sx = operand(s.stack, word, size);
            s.sx = static_cast<float>(sx);
            s.sy = static_cast<float>(sy);
            break;
        }
        case EpsCommand::image:
            readEpsPicture(s, false);
            break;
        case EpsCommand::colorimage:
            readEpsPicture(s, true);
            break;
        case EpsCommand::other:
            // Words the import does not act on take their operands with them.
            while (s.stack.pop(word, size)) {
            }
            break;
        }
    }
}
