#include "plot/tickformat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace velora {

namespace {

constexpr int fewestDigits = 1;
constexpr int mostDigits = 12;
// Every float has at most 112 significant decimal digits; with 120 the text is exact.
constexpr int exactPrecision = 119;

// Appends to a fixed buffer and silently stops at its end. The buffer reads as empty from the
// start: a text to which nothing is put must not show what the buffer held before.
class BoundedText {
public:
    BoundedText(char* buffer, int capacity) : text(buffer), room(capacity - 1) { text[0] = '\0'; }
    void put(char c) {
        if (length < room) text[length++] = c;
        text[length] = '\0';
    }
    int size() const { return length; }

private:
    char* text;
    int room;
    int length = 0;
};

// The first n significant digits of value, rounded half up on the digit after them, as the C
// library's ecvt gives them: a carry into a new leading digit keeps n digits and raises the
// point position. `decimalPoint` counts from the first digit (0.05 gives -1).
int significantDigits(double value, int n, char* digits, int& decimalPoint, bool& negative) {
    negative = value < 0;
    char exact[exactPrecision + 16];
    const auto result = std::to_chars(exact, exact + sizeof exact, std::fabs(value),
                                      std::chars_format::scientific, exactPrecision);
    *result.ptr = '\0';
    // "d.ddd...e+XX": the digits without the point, then the exponent.
    char all[exactPrecision + 2];
    int count = 0;
    const char* p = exact;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') all[count++] = *p;
    const int exponent = std::atoi(p + 1);
    decimalPoint = value == 0 ? 0 : exponent + 1;

    for (int i = 0; i < n; ++i)
        digits[i] = i < count ? all[i] : '0';
    if (n < count && all[n] >= '5') {
        int i = n - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            if (n > 0) digits[0] = '1';
            ++decimalPoint;
        }
    }
    digits[n] = '\0';
    return n;
}

bool readsAsZero(const char* text) {
    for (; *text; ++text)
        if (*text >= '1' && *text <= '9') return false;
    return true;
}

} // namespace

char* tickText(float value, int digits) {
    static char sharedTickText[tickTextCapacity];
    char* const out = sharedTickText;
    if (digits < fewestDigits) digits = fewestDigits;
    if (digits > mostDigits) digits = mostDigits;
    if (!std::isfinite(value)) {
        std::strcpy(out, std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf");
        return out;
    }

    const double halfUnit = 0.5 * std::pow(10.0, -digits);
    value = static_cast<float>(value >= 0 ? value + halfUnit : value - halfUnit);
    const double integerPart = std::trunc(value);
    const bool hasIntegerPart = integerPart != 0;
    const int n =
        hasIntegerPart ? static_cast<int>(std::log10(std::fabs(integerPart)) + digits) : digits - 1;

    char rounded[exactPrecision + 2];
    int decimalPoint = 0;
    bool negative = false;
    const int count = significantDigits(value, n, rounded, decimalPoint, negative);

    BoundedText text(out, tickTextCapacity);
    if (negative) text.put('-');
    if (!hasIntegerPart && decimalPoint < 1) text.put('0');
    if (decimalPoint < 0) text.put('.');
    for (int position = decimalPoint; position < 0; ++position)
        text.put('0');
    for (int i = 0; i < count; ++i) {
        if (i == decimalPoint) text.put('.');
        text.put(rounded[i]);
    }
    // A carry that made a whole number of a fraction (0.96 to 1) still shows its decimals.
    if (count == decimalPoint && decimalPoint < digits) {
        text.put('.');
        for (int i = 0; i < digits; ++i)
            text.put('0');
    }
    if (readsAsZero(out)) {
        std::strcpy(out, "0");
        return out;
    }
    if (char* point = std::strchr(out, '.')) {
        if (static_cast<std::size_t>(n) < std::strlen(point + 1)) point[1 + n] = '\0';
    }
    // A tick at zero reached by a float sum from below (-1.5e-8) shows 0.0, not -0.0.
    if (out[0] == '-' && readsAsZero(out)) std::memmove(out, out + 1, std::strlen(out));
    return out;
}

char* skipBlanks(char* text) {
    while (*text == ' ')
        ++text;
    return text;
}

int labelDigits(float accuracy, float step, bool xAxis) {
    char text[128];
    std::to_chars_result printed;
    if (accuracy > 0 && accuracy < 1) {
        // One more than the places up to the first nonzero decimal: 0.01 shows two decimals.
        printed =
            std::to_chars(text, text + sizeof text, accuracy + 5e-10, std::chars_format::fixed, 10);
        *printed.ptr = '\0';
        const char* decimals = std::strchr(text, '.') + 1;
        int places = 0;
        while (decimals[places] && decimals[places] == '0')
            ++places;
        if (decimals[places]) ++places;
        return 1 + places;
    }
    if (xAxis)
        printed = std::to_chars(text, text + sizeof text, static_cast<double>(step),
                                std::chars_format::general, 6);
    else
        printed = std::to_chars(text, text + sizeof text, static_cast<double>(step),
                                std::chars_format::fixed, 6);
    if (printed.ec != std::errc()) return xAxis ? 1 : 0;
    *printed.ptr = '\0';
    const char* point = std::strchr(text, '.');
    if (!point) return xAxis ? 1 : 0;
    int length = static_cast<int>(std::strlen(point));
    while (length > 0 && point[length - 1] == '0')
        --length;
    return length;
}

} // namespace velora
