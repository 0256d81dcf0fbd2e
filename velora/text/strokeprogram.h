// The layout of the stroke font file Velfont.bin: three font blocks of 98 records of 256 bytes,
// a width table in record 1 of each block, and one stroke program of byte pairs per character.
#pragma once

namespace velfont {

constexpr int fontCount = 3;
constexpr int recordBytes = 256;
constexpr int recordsPerFont = 98;
constexpr long blockBytes = static_cast<long>(recordsPerFont) * recordBytes;
constexpr long fileBytes = fontCount * blockBytes;

// Character slots of a font: the codes 32 to 127.
constexpr int firstSlot = 32;
constexpr int lastSlot = 127;
constexpr int slotCount = lastSlot - firstSlot + 1;

// Width table: entry k (two bytes) for slot 32 + k; the second byte is the advance width.
constexpr long widthTableOffset(int font) {
    return font * blockBytes + recordBytes;
}
constexpr int widthTableBytes = 2 * slotCount;

constexpr long programOffset(int font, int slot) {
    return (static_cast<long>(font) * recordsPerFont + slot - 30) * recordBytes;
}

// A program is at most 128 pairs (a, b). a == 64 escapes a command in b; anything else is a
// point.
constexpr int maxPairs = recordBytes / 2;
constexpr unsigned char command = 64;
constexpr unsigned char penUp = 0;
constexpr unsigned char penDown = 1;
constexpr unsigned char end = 2;

// A coordinate byte: 0 ... 64 as they stand, 65 ... 255 are -1 ... -191.
constexpr int decode(unsigned char v) {
    return v <= 64 ? v : 64 - v;
}

} // namespace velfont
