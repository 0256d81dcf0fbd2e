// The input format of the drawing harness: a short program of calls on a desk opened on every
// file device, on a plot box and on a text renderer. Shared by the harness, which reads and runs
// programs, and by the seed writer, which writes them.
//
// Byte 0: bit 0 opens the page in double size. Then calls, one after the other, each an opcode
// byte (taken modulo the number of calls) and its arguments; bytes past the end read as 0.
// A number is one byte t: t >= 0xF0 takes entry t - 0xF0 of the hostile values; t == 0xEF reads
// the value's own bytes (a little-endian int, float or double as the argument has it); else t and
// the next byte make v = 256 t + b, the fraction v / 0xEEFF of the argument's usual range.
// An array is a type byte (modulo 3: int, float, double), a length byte (modulo 65) and the x,
// y (and error) values. A text is a length byte (0xFF: two more bytes of length, little-endian,
// up to 4096) and the bytes themselves.
#pragma once

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace drawing {

enum Call : std::uint8_t {
    Move,
    Draw,
    Line,
    Rec,
    Pset,
    Vector,
    SetColor,
    SetPenWidth,
    SetViewport,
    ResetViewport,
    PutGreyPicture,
    PutColourPicture,
    ShowBmpFile,
    BoxInit,
    BoxDim,
    BoxLabel,
    BoxAccuracy,
    BoxModulo,
    BoxPoints,
    BoxErrorBars,
    BoxHistogram,
    BoxPolyline,
    BoxVectors,
    BoxLine,
    BoxVector,
    BoxText,
    TextWrite,
    TextLength,
    BoxClear,
    BoxScale,
    BoxTimeFrame,
    BoxRange,
    BoxDimRight,
    BoxLabelRight,
    BoxUseRight,
    CallCount
};

constexpr std::uint8_t doubleSizeFlag = 1;

// Limits that keep each input fast and its files small (see the size bound of the harness).
constexpr int maxCalls = 64;
constexpr int maxArrayLength = 64;
constexpr int maxTextLength = 4096;
constexpr int maxPictureWidth = 32;

// The number tags.
constexpr std::uint8_t rawTag = 0xEF;
constexpr std::uint8_t hostileTag = 0xF0;
constexpr unsigned rangeSteps = 0xEEFF;

// Values that have broken arithmetic before: no numbers, infinities, values whose float is
// infinite, the ends of the float range, values near zero, denormals, and far points.
inline const double hostileValues[16] = {
    NAN,   INFINITY, -INFINITY, 1e300,        -1e300,       3e38, -3e38, FLT_MAX,
    1e-30, 0.0,      -0.0,      FLT_TRUE_MIN, DBL_TRUE_MIN, 1e10, -1e10, -FLT_MAX};
inline const int hostileInts[16] = {INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, -1,         0,
                                    1,       1 << 24, -(1 << 24),  1 << 30,     -(1 << 30), 100000,
                                    -100000, 65535,   65536,       -65536};
enum Hostile : std::uint8_t {
    NaN,
    PlusInf,
    MinusInf,
    Huge,
    MinusHuge,
    NearFloatMax,
    MinusNearFloatMax,
    FloatMax,
    Tiny,
    Zero,
    MinusZero,
    FloatDenormal,
    DoubleDenormal,
    Far,
    MinusFar,
    MinusFloatMax
};
enum ArrayType : std::uint8_t { IntArray, FloatArray, DoubleArray };

// Writes programs in the format above, for the seed corpus.
class ProgramWriter {
public:
    explicit ProgramWriter(std::uint8_t flags = 0) { bytes.push_back(flags); }

    ProgramWriter& call(Call c) { return byte(c); }
    ProgramWriter& byte(std::uint8_t b) {
        bytes.push_back(b);
        return *this;
    }
    // The fraction of the argument's usual range.
    ProgramWriter& fraction(double f) {
        const unsigned v = static_cast<unsigned>(std::lround(f * rangeSteps));
        return byte(static_cast<std::uint8_t>(v >> 8)).byte(static_cast<std::uint8_t>(v));
    }
    ProgramWriter& hostile(Hostile h) { return byte(static_cast<std::uint8_t>(hostileTag + h)); }
    ProgramWriter& rawFloat(float value) {
        byte(rawTag);
        return raw(&value, sizeof value);
    }
    ProgramWriter& rawDouble(double value) {
        byte(rawTag);
        return raw(&value, sizeof value);
    }
    ProgramWriter& rawInt(int value) {
        byte(rawTag);
        return raw(&value, sizeof value);
    }
    ProgramWriter& text(const std::string& t) {
        if (t.size() < 0xFF) {
            byte(static_cast<std::uint8_t>(t.size()));
        } else {
            byte(0xFF)
                .byte(static_cast<std::uint8_t>(t.size()))
                .byte(static_cast<std::uint8_t>(t.size() >> 8));
        }
        bytes.insert(bytes.end(), t.begin(), t.end());
        return *this;
    }
    const std::vector<std::uint8_t>& program() const { return bytes; }

private:
    ProgramWriter& raw(const void* value, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(value);
        bytes.insert(bytes.end(), p, p + size);
        return *this;
    }
    std::vector<std::uint8_t> bytes;
};

} // namespace drawing
