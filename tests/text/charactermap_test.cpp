// Which glyph slot each byte of a text draws.
#include "text/charactermap.h"

#include <gtest/gtest.h>

TEST(CharacterMap, GermanLettersOfBothCodePagesAndTheBracketsHaveTheirSlots) {
    const struct {
        unsigned char byte;
        int slot;
    } cases[] = {{0x5B, 0x5E}, {0x5D, 0x5F}, {0x8E, 0x5B}, {0xC4, 0x5B}, {0x99, 0x5C}, {0xD6, 0x5C},
                 {0x9A, 0x5D}, {0xDC, 0x5D}, {0x84, 0x7B}, {0xE4, 0x7B}, {0x94, 0x7C}, {0xF6, 0x7C},
                 {0x81, 0x7D}, {0xFC, 0x7D}, {0xE1, 0x7E}, {0xDF, 0x7E}};
    for (const auto& c : cases)
        EXPECT_EQ(velfont::slotOf(c.byte), c.slot) << int(c.byte);
}

TEST(CharacterMap, EveryOtherByteIsItsOwnSlot) {
    for (int byte : {0, 10, 31, 32, 0x41, 0x5C, 0x5E, 0x5F, 0x7B, 0x7E, 127, 0x80, 0xA0, 0xFF})
        EXPECT_EQ(velfont::slotOf(static_cast<unsigned char>(byte)), byte);
}
