// 8-bit images: headers, palette, row access, BMP files written and read.
#include "image/bitmap.h"

#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using testing_support::readFile;

namespace {

char* name(const char* text) {
    return const_cast<char*>(text);
}

} // namespace

TEST(Bitmap, WidthMustBeAMultipleOfEight) {
    EXPECT_FATAL(bitmap(12, 10), "^BMP: width must be a multiple of 8!$");
    bitmap fine(16, 10);
    EXPECT_EQ(fine.getwidth(), 16);
    EXPECT_EQ(fine.getheight(), 10);
}

TEST(Bitmap, UnaffordableSizeEndsWithMessageNotCrash) {
    EXPECT_FATAL(bitmap(1 << 16, 1 << 16), "^4294967296\nBMP: unable to create pict\n$");
    EXPECT_FATAL(bitmap(16, -4), "BMP: unable to create pict");
}

TEST(Bitmap, NewImageHasGreyRampAndHeaders) {
    bitmap b(8, 2);
    const unsigned char* header = b.GetHeader();
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(b.GetInfoHeader(), header + 14);
    const unsigned char* palette = b.GetInfoHeader() + 40;
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(palette[4 * i], i);
        ASSERT_EQ(palette[4 * i + 1], i);
        ASSERT_EQ(palette[4 * i + 2], i);
        ASSERT_EQ(palette[4 * i + 3], 0);
    }
}

TEST(Bitmap, SavedFileHasHeaderPaletteAndRows) {
    bitmap b(8, 2);
    b[1][3] = 200;
    b.save(name("g"));
    const std::string file = readFile("g.bmp");
    ASSERT_EQ(file.size(), 1094u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(testing_support::readLe32(file, 2), 1094u);
    EXPECT_EQ(testing_support::readLe32(file, 10), 1078u);
    EXPECT_EQ(testing_support::readLe32(file, 14), 40u);
    EXPECT_EQ(testing_support::readLe32(file, 18), 8u);
    EXPECT_EQ(testing_support::readLe32(file, 22), 2u);
    EXPECT_EQ(testing_support::readLe32(file, 26), 0x00080001u);
    EXPECT_EQ(testing_support::readLe32(file, 34), 16u);
    EXPECT_EQ(testing_support::readLe32(file, 38), 25600u);
    EXPECT_EQ(testing_support::readLe32(file, 46), 256u);
    EXPECT_EQ(static_cast<unsigned char>(file[54 + 4 * 77]), 77);
    EXPECT_EQ(static_cast<unsigned char>(file[1078 + 8 + 3]), 200);
    EXPECT_EQ(file.find_first_not_of('\0', 1078), 1078u + 8 + 3);
}

TEST(Bitmap, NamesWithoutBmpGetTheExtension) {
    bitmap b(8, 1);
    b.save(name("named.bmp"));
    b.save(name("named2"));
    b.save(name("upper.BMP"));
    EXPECT_TRUE(testing_support::fileExists("named.bmp"));
    EXPECT_TRUE(testing_support::fileExists("named2.bmp"));
    EXPECT_TRUE(testing_support::fileExists("upper.BMP.bmp"));
}

TEST(Bitmap, RowsWrapAroundTheHeight) {
    bitmap b(8, 3);
    EXPECT_EQ(b[3], b[0]);
    EXPECT_EQ(b[4], b[1]);
    EXPECT_EQ(b[-1], b[2]);
    EXPECT_EQ(b[1] - b[0], 8);
}

TEST(Bitmap, RowAccessWithoutRowsIsSafe) {
    bitmap empty(8, 0);
    EXPECT_NE(empty[5], nullptr);
}

TEST(Bitmap, SaveAndLoadKeepPixelsAndPalette) {
    bitmap b(16, 4);
    for (int row = 0; row < 4; ++row)
        for (int x = 0; x < 16; ++x)
            b[row][x] = static_cast<unsigned char>(row * 16 + x);
    b.GetInfoHeader()[40 + 4 * 5] = 99;
    b.save(name("roundtrip8"));
    bitmap c(16, 4);
    c.load(name("roundtrip8"));
    for (int row = 0; row < 4; ++row)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(c[row][x], row * 16 + x);
    EXPECT_EQ(c.GetInfoHeader()[40 + 4 * 5], 99);
}

TEST(Bitmap, LoadRejectsWhatItCannotRead) {
    bitmap b(16, 10);
    EXPECT_FATAL(b.load(name("missing-file")), "^missing-file.bmp nicht ge\x94"
                                               "ffnet!\n$");
    testing_support::writeFile("notbmp.bmp", std::string(2000, 'x'));
    EXPECT_FATAL(b.load(name("notbmp")), "^# BMP : notbmp.bmp kein Bitmap!\n$");
    testing_support::writeFile("short.bmp", "BM");
    EXPECT_FATAL(b.load(name("short")), "^#BMP : Header size Error !\n$");
    // A whole header, but not all the rows it announces.
    bitmap(16, 10).save(name("cut8"));
    testing_support::writeFile("cut8.bmp", readFile("cut8.bmp").substr(0, 1078 + 16 * 9));
    EXPECT_FATAL(b.load(name("cut8")), "^#BMP : cut8.bmp : Bitmap file format error\n$");
}

TEST(Bitmap, LoadChecksInTheStatedOrder) {
    bitmap other(8, 2);
    other.save(name("small8"));
    const std::string bytes = readFile("small8.bmp");

    bitmap b(16, 10);
    EXPECT_FATAL(b.load(name("small8")),
                 "^#BMP : format error expected : \\[16;10\\] but found \\[8;2\\]\n$");
    // A shorter palette moves the pixel data: the header size check fails first.
    std::string shortPalette = bytes;
    shortPalette[10] = 54;
    shortPalette[11] = 0;
    shortPalette[30] = 1;
    testing_support::writeFile("shortpal.bmp", shortPalette);
    EXPECT_FATAL(b.load(name("shortpal")), "^#BMP : Header size Error !\n$");
    std::string fourBits = bytes;
    fourBits[28] = 4;
    fourBits[30] = 1;
    testing_support::writeFile("fourbits.bmp", fourBits);
    EXPECT_FATAL(b.load(name("fourbits")), "^#BMP :  keine 256 Farben!\n$");
    std::string compressed = bytes;
    compressed[30] = 1;
    testing_support::writeFile("rle.bmp", compressed);
    EXPECT_FATAL(b.load(name("rle")), "^#BMP : ist kompremiert!\n$");
}

TEST(Bitmap, SaveIntoMissingFolderEndsWithMessage) {
    bitmap b(8, 1);
    EXPECT_FATAL(b.save(name("no/such/folder/x")), "^no/such/folder/x.bmp nicht ge\x94"
                                                   "ffnet\n$");
}

TEST(Bitmap, SavedFileIsReadBackByImageMagick) {
    if (!testing_support::hasTool("convert")) GTEST_SKIP() << "ImageMagick is not installed here";
    bitmap b(8, 3);
    b[0][1] = 10;  // bottom row
    b[2][5] = 250; // top row
    b.save(name("magickcheck8"));
    std::string output;
    ASSERT_EQ(testing_support::runCommand("identify -format '%w %h' magickcheck8.bmp", &output), 0);
    EXPECT_EQ(output, "8 3");
    ASSERT_EQ(testing_support::runCommand("convert magickcheck8.bmp -format "
                                          "'%[pixel:p{1,2}] %[pixel:p{5,0}]' info:",
                                          &output),
              0);
    EXPECT_EQ(output, "srgb(10,10,10) srgb(250,250,250)");
}
