// The font file object: opening once per name, the fatal message, switching files, and reading
// glyph programs from whole, switched and truncated files.
#include "text/velfont.h"

#include "fontfiles.h"
#include "support/fatal.h"
#include "text/strokeprogram.h"

#include <gtest/gtest.h>

#include <cstring>

using font_test::FontFile;

namespace {
// A font file whose slot A in font 0 is the single point (x, 0): tells the files apart.
std::string fileMarked(const char* path, unsigned char x) {
    FontFile file;
    file.setProgram(0, 'A', {x, 0, 64, 2});
    file.setWidth(0, 'A', x);
    file.save(path);
    return path;
}
} // namespace

TEST(VelFont, OpensTheFileForReadingWidthTables) {
    VelFont font;
    font.setFileName(font_test::generatedFontPath().c_str());
    EXPECT_FALSE(!font);
    std::ifstream& stream = font;
    char table[velfont::widthTableBytes];
    stream.seekg(velfont::widthTableOffset(1));
    stream.read(table, sizeof table);
    EXPECT_FALSE(!font);
    EXPECT_GT(table[2 * ('A' - 32) + 1], 0);
}

TEST(VelFont, TheSameNameAgainLeavesTheStreamAlone) {
    const std::string path = fileMarked("same.bin", 5);
    VelFont font;
    font.setFileName(path.c_str());
    std::ifstream& stream = font;
    stream.seekg(1000);
    testing::internal::CaptureStdout();
    std::string again = path; // another buffer with the same bytes
    font.setFileName(again.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(static_cast<long>(stream.tellg()), 1000);
}

TEST(VelFont, MissingFileEndsTheProcessNamingItTwice) {
    VelFont font;
    EXPECT_FATAL(font.setFileName("nowhere/Velfont.bin"),
                 "# VelFont::setFontPath\\(nowhere/Velfont.bin\\) error : can't open file "
                 "nowhere/Velfont.bin");
}

TEST(VelFont, SwitchingFilesReadsTheNewFileAndNotTheKeptPrograms) {
    const std::string first = fileMarked("first.bin", 7);
    const std::string second = fileMarked("second.bin", 9);
    VelFont font;
    font.setFileName(first.c_str());
    ASSERT_NE(font.program(0, 'A'), nullptr);
    EXPECT_EQ(font.program(0, 'A')[0], 7);
    EXPECT_EQ(font.program(0, 'A')[0], 7); // kept
    font.setFileName(second.c_str());
    ASSERT_NE(font.program(0, 'A'), nullptr);
    EXPECT_EQ(font.program(0, 'A')[0], 9);
    font.setFileName(first.c_str());
    EXPECT_EQ(font.program(0, 'A')[0], 7);
}

TEST(VelFont, TruncatedFileFailsOnItsMissingRecordsAndFromThenOn) {
    FontFile file;
    file.setProgram(0, 'B', {3, 3, 64, 2});
    file.bytes.resize(velfont::blockBytes + 1000); // font 1 is cut short, font 2 missing
    file.save("short.bin");
    VelFont font;
    font.setFileName("short.bin");
    ASSERT_NE(font.program(0, 'B'), nullptr);
    EXPECT_EQ(font.program(1, 'z'), nullptr);
    EXPECT_TRUE(!font);
    // The stream stays failed: no record is read any more, even one read before.
    EXPECT_EQ(font.program(0, 'B'), nullptr);
    // Another file starts afresh.
    const std::string good = fileMarked("good.bin", 4);
    font.setFileName(good.c_str());
    EXPECT_FALSE(!font);
    ASSERT_NE(font.program(0, 'A'), nullptr);
}

TEST(VelFont, ProgramsOutsideTheFontsAndSlotsAreNotRead) {
    VelFont font;
    font.setFileName(font_test::generatedFontPath().c_str());
    EXPECT_EQ(font.program(3, 'A'), nullptr);
    EXPECT_EQ(font.program(-1, 'A'), nullptr);
    EXPECT_EQ(font.program(0, 31), nullptr);
    EXPECT_EQ(font.program(0, 128), nullptr);
    EXPECT_FALSE(!font);
}

TEST(VelFont, SharedFontIsOneObjectForTheLibrary) {
    sharedFont.setFileName(font_test::generatedFontPath().c_str());
    EXPECT_FALSE(!sharedFont);
    EXPECT_NE(sharedFont.program(2, 'a'), nullptr);
}
