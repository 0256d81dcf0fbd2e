#include "calltrace.h"

#include <cmath>
#include <cstdio>

namespace drawing {

namespace {

bool printing = false;

} // namespace

bool tracing() {
    return printing;
}

void setTracing(bool on) {
    printing = on;
}

void trace(const std::string& line) {
    if (printing) std::fprintf(stderr, "    %s\n", line.c_str());
}

std::string literal(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INFINITY" : "-INFINITY";
    if (value == 0) return std::signbit(value) ? "-0.0" : "0";
    char text[32];
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    }
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string literal(const std::string& text) {
    std::string result = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += static_cast<char>(c);
        } else if (c >= 32 && c < 127) {
            result += static_cast<char>(c);
        } else {
            // Octal: a hex escape would swallow the digits after it.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            result += escape;
        }
    }
    return result + "\"";
}

std::string arrayLiteral(const char* type, const char* name, const std::vector<double>& values) {
    std::string result =
        std::string(type) + " " + name + "[" + std::to_string(values.size()) + "] = {";
    for (std::size_t i = 0; i < values.size(); ++i)
        result += (i ? ", " : "") + literal(values[i]);
    return result + "};";
}

} // namespace drawing
