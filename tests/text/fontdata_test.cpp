// The generated font file Velfont.bin: its layout, and glyphs of the size and in the slots the
// text renderer expects.
#include "fontfiles.h"
#include "support/testfiles.h"
#include "text/strokeprogram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using font_test::Drawing;
using font_test::drawingOf;

namespace {

class FontData : public testing::Test {
protected:
    void SetUp() override { bytes = testing_support::readFile(font_test::generatedFontPath()); }

    const unsigned char* program(int font, int slot) const {
        return reinterpret_cast<const unsigned char*>(bytes.data()) +
               velfont::programOffset(font, slot);
    }
    int width(int font, int slot) const {
        return static_cast<unsigned char>(
            bytes[velfont::widthTableOffset(font) + 2 * (slot - velfont::firstSlot) + 1]);
    }
    struct Box {
        int xmin = INT_MAX, xmax = INT_MIN, ymin = INT_MAX, ymax = INT_MIN;
    };
    Box inkOf(int font, int slot) const {
        Box box;
        for (const auto& line : drawingOf(program(font, slot)).lines)
            for (const auto& [x, y] : line) {
                box.xmin = std::min(box.xmin, x);
                box.xmax = std::max(box.xmax, x);
                box.ymin = std::min(box.ymin, y);
                box.ymax = std::max(box.ymax, y);
            }
        return box;
    }

    // The mean x of the vertical segments of a glyph.
    double verticalsAt(int font, int slot) const {
        double sum = 0;
        int count = 0;
        for (const auto& line : drawingOf(program(font, slot)).lines)
            for (std::size_t i = 1; i < line.size(); ++i)
                if (line[i].first == line[i - 1].first && line[i].second != line[i - 1].second) {
                    sum += line[i].first;
                    ++count;
                }
        return count ? sum / count : -1000;
    }

    std::string bytes;
};

} // namespace

TEST_F(FontData, HoldsExactlyThreeFontBlocks) {
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(velfont::fileBytes));
}

TEST_F(FontData, EveryPrintableSlotDrawsAndEndsWithinItsRecord) {
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(velfont::fileBytes));
    for (int font = 0; font < velfont::fontCount; ++font)
        for (int slot = 33; slot <= velfont::lastSlot; ++slot) {
            SCOPED_TRACE(testing::Message() << "font " << font << " slot " << slot);
            const Drawing drawing = drawingOf(program(font, slot));
            EXPECT_TRUE(drawing.ended);
            EXPECT_FALSE(drawing.lines.empty());
            EXPECT_GT(width(font, slot), 0);
            const Box ink = inkOf(font, slot);
            // Ink stays within the advance, give or take the overhang of a slanted letter.
            EXPECT_GE(ink.xmin, 0);
            EXPECT_LE(ink.xmax, width(font, slot) + 2);
        }
}

TEST_F(FontData, SpaceOnlyAdvances) {
    for (int font = 0; font < velfont::fontCount; ++font)
        EXPECT_GT(width(font, ' '), 0);
}

TEST_F(FontData, CapitalsStandNearTheNominalHeightAndDescendersGoBelow) {
    for (int font = 0; font < velfont::fontCount; ++font) {
        for (int slot : {'E', 'H', 'T'}) {
            const Box ink = inkOf(font, slot);
            EXPECT_EQ(ink.ymin, 0) << font << " " << char(slot);
            EXPECT_GE(ink.ymax, 21);
            EXPECT_LE(ink.ymax, 24);
        }
        // y and o are psi and omicron in the Greek font, in the same places.
        EXPECT_LT(inkOf(font, 'y').ymin, -4);
        EXPECT_LE(inkOf(font, 'o').ymin, 0);
        EXPECT_LT(inkOf(font, 'o').ymax, 16); // the x-height lies well below the capitals
    }
}

TEST_F(FontData, UmlautsAreTheLetterWithTwoDotsAbove) {
    const struct {
        int umlaut;
        char letter;
    } pairs[] = {{0x5B, 'A'}, {0x5C, 'O'}, {0x5D, 'U'}, {0x7B, 'a'}, {0x7C, 'o'}, {0x7D, 'u'}};
    for (int font = 0; font < velfont::fontCount; ++font)
        for (const auto& pair : pairs) {
            SCOPED_TRACE(testing::Message() << "font " << font << " " << pair.letter);
            // The Greek font takes them from the Roman, as its own letters differ.
            const int letterFont = font == 2 ? 0 : font;
            const Drawing letter = drawingOf(program(letterFont, pair.letter));
            const Drawing umlaut = drawingOf(program(font, pair.umlaut));
            ASSERT_GE(umlaut.lines.size(), letter.lines.size() + 2);
            EXPECT_TRUE(std::equal(letter.lines.begin(), letter.lines.end(), umlaut.lines.begin()));
            const Box letterInk = inkOf(letterFont, pair.letter);
            const int middle = (letterInk.xmin + letterInk.xmax) / 2;
            int left = 0, right = 0;
            for (auto dot = umlaut.lines.begin() + letter.lines.size(); dot != umlaut.lines.end();
                 ++dot)
                for (const auto& [x, y] : *dot) {
                    EXPECT_GT(y, letterInk.ymax);
                    (x < middle ? left : right) += 1;
                }
            EXPECT_GT(left, 0);
            EXPECT_GT(right, 0);
        }
}

TEST_F(FontData, BracketsAndSharpSHaveTheirSlots) {
    for (int font = 0; font < velfont::fontCount; ++font) {
        // [ has its vertical on the left, ] on the right; both reach below the baseline.
        const Box open = inkOf(font, 0x5E), close = inkOf(font, 0x5F);
        EXPECT_LT(open.ymin, 0);
        EXPECT_GT(open.ymax, 21);
        EXPECT_EQ(close.ymin, open.ymin);
        EXPECT_LT(verticalsAt(font, 0x5E), (open.xmin + open.xmax) / 2.0);
        EXPECT_GT(verticalsAt(font, 0x5F), (close.xmin + close.xmax) / 2.0);
        // Sharp s: an ascender like the l, standing on the baseline without descending.
        const Box sharp = inkOf(font, 0x7E);
        EXPECT_EQ(sharp.ymin, 0);
        EXPECT_GE(sharp.ymax, inkOf(font, 'l').ymax - 2);
    }
}

TEST_F(FontData, GreekFontHasGreekLettersAndRomanFiguresAndSigns) {
    for (int slot : {'a', 'b', 'm', 'p', 'D', 'W'})
        EXPECT_NE(bytes.substr(velfont::programOffset(2, slot), velfont::recordBytes),
                  bytes.substr(velfont::programOffset(0, slot), velfont::recordBytes))
            << char(slot);
    for (int slot : {'0', '9', '+', '=', '('})
        EXPECT_EQ(bytes.substr(velfont::programOffset(2, slot), velfont::recordBytes),
                  bytes.substr(velfont::programOffset(0, slot), velfont::recordBytes))
            << char(slot);
}
