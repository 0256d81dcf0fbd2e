// Which glyph slot each byte of a text draws.
#include "text/charactermap.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(CharacterMap, Utf8SequencesOfTheFontsCharactersAreOneCharacter) {
    const struct {
        const char* text;
        unsigned char byte;
        bool greek;
        int length;
    } cases[] = {
        {"\xC3\x84", 0xC4, false, 2},
        {"\xC3\x96", 0xD6, false, 2},
        {"\xC3\x9C", 0xDC, false, 2},
        {"\xC3\xA4", 0xE4, false, 2},
        {"\xC3\xB6", 0xF6, false, 2},
        {"\xC3\xBC", 0xFC, false, 2},
        {"\xC3\x9F", 0xDF, false, 2},
        {"\xC2\xB0", 0x7F, false, 2},
        {"\xC2\xB5", 'm', true, 2},
        {"\xCE\x91", 'A', true, 2},
        {"\xCE\xA9", 'W', true, 2},
        {"\xCE\xB1", 'a', true, 2},
        {"\xCE\xB8", 'q', true, 2},
        {"\xCF\x80", 'p', true, 2},
        {"\xCF\x82", 's', true, 2},
        {"\xCF\x89", 'w', true, 2},
        // Everything else is one byte of the code pages: no letter of the fonts, no sequence.
        {"\xC3\xA9", 0xC3, false, 1},
        {"\xCE\xA2", 0xCE, false, 1},
        {"\xCF\x8A", 0xCF, false, 1},
        {"\xC3"
         "A",
         0xC3, false, 1},
        {"\xC3\xC4", 0xC3, false, 1},
        {"\xC4\x84", 0xC4, false, 1},
        {"\xE4", 0xE4, false, 1},
        {"a", 'a', false, 1},
    };
    for (const auto& c : cases) {
        const velfont::TextCharacter read = velfont::readCharacter(c.text, std::strlen(c.text));
        EXPECT_EQ(read.byte, c.byte) << c.text;
        EXPECT_EQ(read.greek, c.greek) << c.text;
        EXPECT_EQ(read.length, c.length) << c.text;
    }
    // A lead byte at the end of the text is a byte of its own.
    EXPECT_EQ(velfont::readCharacter("\xC3\xA4", 1).length, 1);
}
