#include "text/charactermap.h"

namespace velfont {

namespace {

// The slot of the degree sign in every font.
constexpr unsigned char degreeSlot = 0x7F;

// The Latin letters that stand for the Greek ones in the Greek font, from Alpha (U+0391) and
// alpha (U+03B1) on. U+03A2 is no letter; final sigma (U+03C2) is drawn as sigma.
constexpr char greekCapitals[] = "ABGDEZHQIKLMNXOPR\0STUFCYW";
constexpr char greekSmall[] = "abgdezhqiklmnxoprsstufcyw";

} // namespace

TextCharacter readCharacter(const char* text, std::size_t length) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const TextCharacter single{lead, false, 1};
    if (length < 2 || (lead != 0xC2 && lead != 0xC3 && lead != 0xCE && lead != 0xCF)) return single;
    const auto next = static_cast<unsigned char>(text[1]);
    if (next < 0x80 || next > 0xBF) return single;
    const unsigned code = (lead & 0x1Fu) << 6 | (next & 0x3Fu);
    switch (code) {
    case 0xB0:
        return {degreeSlot, false, 2};
    case 0xB5:
        return {'m', true, 2};
    // The Latin-1 code points of the German letters are their Windows code page bytes.
    case 0xC4:
    case 0xD6:
    case 0xDC:
    case 0xE4:
    case 0xF6:
    case 0xFC:
    case 0xDF:
        return {static_cast<unsigned char>(code), false, 2};
    default:
        break;
    }
    if (code >= 0x391 && code <= 0x3A9 && greekCapitals[code - 0x391])
        return {static_cast<unsigned char>(greekCapitals[code - 0x391]), true, 2};
    if (code >= 0x3B1 && code <= 0x3C9)
        return {static_cast<unsigned char>(greekSmall[code - 0x3B1]), true, 2};
    return single;
}

} // namespace velfont
