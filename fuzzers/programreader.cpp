#include "programreader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace drawing {

double ProgramReader::inRange(std::uint8_t tag, Range usual) {
    const unsigned v = static_cast<unsigned>(tag) << 8 | byte();
    return usual.low + (usual.high - usual.low) * (static_cast<double>(v) / rangeSteps);
}

template <typename T> T ProgramReader::rawValue() {
    unsigned char bytes[sizeof(T)];
    for (unsigned char& b : bytes)
        b = byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

namespace {

template <typename T> T clamped(T value, Range usual) {
    if (std::isnan(static_cast<double>(value))) return value;
    return static_cast<T>(std::clamp(static_cast<double>(value), usual.low, usual.high));
}

} // namespace

float ProgramReader::number(Range usual, bool rawInRange) {
    const std::uint8_t tag = byte();
    if (tag >= hostileTag) return static_cast<float>(hostileValues[tag - hostileTag]);
    if (tag == rawTag) return rawInRange ? clamped(rawValue<float>(), usual) : rawValue<float>();
    return static_cast<float>(inRange(tag, usual));
}

double ProgramReader::doubleNumber(Range usual, bool rawInRange) {
    const std::uint8_t tag = byte();
    if (tag >= hostileTag) return hostileValues[tag - hostileTag];
    if (tag == rawTag) return rawInRange ? clamped(rawValue<double>(), usual) : rawValue<double>();
    return inRange(tag, usual);
}

int ProgramReader::integer(Range usual, bool rawInRange) {
    const std::uint8_t tag = byte();
    if (tag >= hostileTag) return hostileInts[tag - hostileTag];
    if (tag == rawTag) return rawInRange ? clamped(rawValue<int>(), usual) : rawValue<int>();
    const double v = std::round(inRange(tag, usual));
    return static_cast<int>(
        std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

int ProgramReader::smallInt(int offset, int modulus) {
    const std::uint8_t b = byte();
    if (b >= hostileTag) return hostileInts[b - hostileTag];
    return b % modulus - offset;
}

std::vector<double> ProgramReader::values(int type, std::size_t count, Range usual) {
    std::vector<double> result(count);
    for (double& v : result) {
        if (type == IntArray)
            v = integer(usual, true);
        else if (type == FloatArray)
            v = number(usual, true);
        else
            v = doubleNumber(usual, true);
    }
    return result;
}

std::string ProgramReader::text() {
    std::size_t length = byte();
    if (length == 0xFF) {
        length = byte();
        length |= static_cast<std::size_t>(byte()) << 8;
        length = std::min<std::size_t>(length, maxTextLength);
    }
    length = std::min(length, size - std::min(at, size));
    std::string t(reinterpret_cast<const char*>(data) + std::min(at, size), length);
    at += length;
    return t;
}

} // namespace drawing
