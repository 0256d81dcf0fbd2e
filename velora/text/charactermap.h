// Which glyph slot of the font file draws a byte of text: the German letters of the DOS and
// Windows code pages and the brackets have slots of their own; everything else is its own slot.
// And how a text is cut into characters: a UTF-8 sequence of a character the fonts have is one
// character, every other byte one of the code pages.
#pragma once

#include "common/api.h"

#include <cstddef>

namespace velfont {

// The slot of a text byte; outside 32 ... 127 when the font has no glyph for it.
constexpr int slotOf(unsigned char c) {
    switch (c) {
    case 0x5B:
        return 0x5E; // [
    case 0x5D:
        return 0x5F; // ]
    case 0x8E:
    case 0xC4:
        return 0x5B; // Ä
    case 0x99:
    case 0xD6:
        return 0x5C; // Ö
    case 0x9A:
    case 0xDC:
        return 0x5D; // Ü
    case 0x84:
    case 0xE4:
        return 0x7B; // ä
    case 0x94:
    case 0xF6:
        return 0x7C; // ö
    case 0x81:
    case 0xFC:
        return 0x7D; // ü
    case 0xE1:
    case 0xDF:
        return 0x7E; // ß
    default:
        return c;
    }
}

// One character of a text: the byte that the mapping above draws it as, whether it comes from
// the Greek font (as between $ signs), and how many bytes of the text it takes.
struct TextCharacter {
    unsigned char byte;
    bool greek;
    int length;
};

// The character at the start of a text of `length` bytes (at least 1). Read as one character
// are the UTF-8 sequences of the German letters, the degree sign, the micro sign (drawn as the
// Greek mu) and the Greek letters; each other byte keeps its code-page meaning.
VELORA_API TextCharacter readCharacter(const char* text, std::size_t length);

} // namespace velfont
