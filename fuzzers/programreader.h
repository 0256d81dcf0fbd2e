// Reads the arguments of a drawing program (the format is in drawingprogram.h): numbers in the
// range an argument usually has or from the hostile values, colours, arrays and texts.
#pragma once

#include "drawingprogram.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace drawing {

// A range of usual values, [low, high].
struct Range {
    double low, high;
};

class ProgramReader {
public:
    ProgramReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    bool atEnd() const { return at >= size; }
    std::uint8_t byte() { return at < size ? data[at++] : 0; }

    // With rawInRange, a value given by its own bytes is clamped into the usual range: for the
    // arguments whose usual range is what keeps the output of a call small (see the size bound
    // of the harness). Hostile values pass as they are.
    float number(Range usual, bool rawInRange = false);
    double doubleNumber(Range usual, bool rawInRange = false);
    int integer(Range usual, bool rawInRange = false);
    // A colour, a symbol or another small int: the byte minus `offset`, or a hostile int.
    int smallInt(int offset, int modulus);

    // The elements of an array of the given type as doubles (an int array holds whole values),
    // raw values clamped into the usual range.
    std::vector<double> values(int type, std::size_t count, Range usual);
    std::size_t arrayLength() { return byte() % (maxArrayLength + 1); }
    std::string text();

private:
    // The fraction of the range the next two bytes give.
    double inRange(std::uint8_t tag, Range usual);
    template <typename T> T rawValue();

    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
};

} // namespace drawing
