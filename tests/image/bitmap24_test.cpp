// 24-bit images: headers, resizing, BMP files of our own and of other programs.
#include "image/bitmap24.h"

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

void paintGradient(bitmap24& b) {
    for (int row = 0; row < b.getheight(); ++row)
        for (int x = 0; x < b.getwidth(); ++x) {
            unsigned char* pixel = b(static_cast<short>(row), static_cast<short>(x));
            pixel[0] = static_cast<unsigned char>(x * 10);        // blue
            pixel[1] = static_cast<unsigned char>(row * 20);      // green
            pixel[2] = static_cast<unsigned char>(255 - x - row); // red
        }
}

} // namespace

TEST(Bitmap24, DimChecksWidthAndClearsToBlack) {
    EXPECT_FATAL(bitmap24(12, 2), "^BMP: width must be a multiple of 8!$");
    bitmap24 b(8, 2);
    *b(1, 7) = 9;
    b.dim(16, 3);
    EXPECT_EQ(b.getwidth(), 16);
    EXPECT_EQ(b.getheight(), 3);
    for (int row = 0; row < 3; ++row)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(*b(static_cast<short>(row), static_cast<short>(x)), 0);
    EXPECT_EQ(
        testing_support::readLe32(std::string(reinterpret_cast<char*>(b.GetHeader()), 54), 46), 0u);
}

TEST(Bitmap24, SavedFileCarriesZeroPaletteBeforeThePixels) {
    bitmap24 b(8, 2);
    b.save(name("c24"));
    const std::string file = readFile("c24.bmp");
    ASSERT_EQ(file.size(), 1078u + 48);
    EXPECT_EQ(testing_support::readLe32(file, 2), 1126u);
    EXPECT_EQ(testing_support::readLe32(file, 10), 1078u);
    EXPECT_EQ(testing_support::readLe32(file, 34), 48u);
    EXPECT_EQ(testing_support::readLe32(file, 26), 0x00180001u);
    EXPECT_EQ(testing_support::readLe32(file, 46), 256u);
    EXPECT_EQ(file.find_first_not_of('\0', 54), std::string::npos);
}

TEST(Bitmap24, PixelsAreBlueGreenRedAndRowsWrap) {
    bitmap24 b(8, 2);
    EXPECT_EQ(b(2, 0), b(0, 0));
    EXPECT_EQ(b(1, 0) - b(0, 0), 24);
    EXPECT_EQ(b(0, 3) - b(0, 0), 9);
}

TEST(Bitmap24, SaveAndLoadRoundTrip) {
    bitmap24 b(16, 5);
    paintGradient(b);
    b.save(name("roundtrip24.bmp"));
    bitmap24 c(16, 5);
    c.load(name("roundtrip24.bmp"));
    for (int row = 0; row < 5; ++row)
        for (int x = 0; x < 16; ++x)
            for (int k = 0; k < 3; ++k)
                ASSERT_EQ(c(static_cast<short>(row), static_cast<short>(x))[k],
                          b(static_cast<short>(row), static_cast<short>(x))[k]);
}

// A file written by ImageMagick (data offset 54, bottom-up rows): 16 x 2 pixels, the bottom row
// pure red, the top row a blue ramp.
TEST(Bitmap24, LoadsFilesOfOtherProgramsWithDataOffset54) {
    bitmap24 b(16, 2);
    b.load(name(testing_support::dataPath("magick24.bmp").c_str()));
    for (int x = 0; x < 16; ++x) {
        const unsigned char* bottom = b(0, static_cast<short>(x));
        EXPECT_EQ(bottom[0], 0);
        EXPECT_EQ(bottom[1], 0);
        EXPECT_EQ(bottom[2], 255);
        const unsigned char* top = b(1, static_cast<short>(x));
        EXPECT_EQ(top[0], x * 16);
        EXPECT_EQ(top[1], 0);
        EXPECT_EQ(top[2], 0);
    }
}

TEST(Bitmap24, LoadRejectsWhatItCannotRead) {
    bitmap24 b(8, 2);
    EXPECT_FATAL(b.load(name("nothing-here")), "^nothing-here.bmp nicht ge\xf6"
                                               "ffnet!\n$");
    testing_support::writeFile("junk24.bmp", std::string(100, 'j'));
    EXPECT_FATAL(b.load(name("junk24")), "^# BMP24 : junk24.bmp kein Bitmap!\n$");
    bitmap24 other(16, 4);
    other.save(name("other24"));
    EXPECT_FATAL(b.load(name("other24")),
                 "^#BMP24 : format error expected : \\[8;2\\] but found \\[16;4\\]\n$");
    std::string bytes = readFile("other24.bmp");
    bytes[30] = 1;
    testing_support::writeFile("rle24.bmp", bytes);
    EXPECT_FATAL(b.load(name("rle24")), "^#BMP24 : ist kompremiert!\n$");
    // Rows the file does not hold: cut short, or behind a data offset past its end.
    bitmap24(8, 2).save(name("cut24"));
    bytes = readFile("cut24.bmp");
    testing_support::writeFile("cut24.bmp", bytes.substr(0, bytes.size() - 1));
    EXPECT_FATAL(b.load(name("cut24")), "^#BMP24 : cut24.bmp : Bitmap file format error\n$");
    bytes[10] = static_cast<char>(0xff);
    bytes[11] = static_cast<char>(0xff);
    testing_support::writeFile("far24.bmp", bytes);
    EXPECT_FATAL(b.load(name("far24")), "^#BMP24 : far24.bmp : Bitmap file format error\n$");
}

TEST(Bitmap24, SavedFileIsReadBackByImageMagick) {
    if (!testing_support::hasTool("convert")) GTEST_SKIP() << "ImageMagick is not installed here";
    bitmap24 b(16, 4);
    paintGradient(b);
    b.save(name("magickcheck24"));
    std::string output;
    ASSERT_EQ(testing_support::runCommand("identify -format '%w %h' magickcheck24.bmp", &output),
              0);
    EXPECT_EQ(output, "16 4");
    // ImageMagick's row 0 is the top of the picture: our row 3. Pixel (x 2): blue 20, green 60,
    // red 255 - 2 - 3.
    ASSERT_EQ(testing_support::runCommand(
                  "convert magickcheck24.bmp -format '%[pixel:p{2,0}]' info:", &output),
              0);
    EXPECT_EQ(output, "srgb(250,60,20)");
}
