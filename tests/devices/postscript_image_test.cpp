// Images in EPS files: in-memory images and BMP files become hex rows, bottom row first.
#include "devices/files/postscript.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include "support/bmpfiles.h"
#include "support/epsfiles.h"
#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

using eps_test::bodyOf;
using eps_test::name;
using testing_support::BmpSpec;
using testing_support::ghostscriptProblems;
using testing_support::makeBmp;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

std::string imageBlock(const char* size, const char* place, const char* scale, bool colour,
                       const std::string& rows) {
    return std::string("\r\n% Picture\r\n") + size + "gsave\r\n/picstr width string def\r\n" +
           place + " translate\r\n" + scale + " scale\r\nwidth height 8\r\n" +
           (colour ? "[1 0 0 1 0 0 ] {currentfile picstr readhexstring pop} false 3 colorimage\r\n"
                   : "[1 0 0 1 0 0 ] {currentfile picstr readhexstring pop} image\r\n") +
           rows + "grestore\r\n\r\n";
}

} // namespace

TEST(PostScriptImage, GreyImageTakesTheBlueByteOfThePalette) {
    bitmap image(8, 2);
    image[0][0] = 1;
    image[1][7] = 255;
    unsigned char* palette = image.GetInfoHeader() + 40;
    palette[4 * 1] = 0xab; // blue of entry 1
    palette[4 * 1 + 2] = 0x11;
    {
        postscript writer(name("grey.eps"));
        writer.pb(10, 10, 30, 20, image);
    }
    const std::string file = readFile("grey.eps");
    EXPECT_EQ(bodyOf(file), imageBlock("/width 8 def\n/height 2 def\n", "75 470", "10 20", false,
                                       "ab00000000000000\r\n00000000000000ff\r\n"));
    EXPECT_NE(file.find("%%BoundingBox: 73 468 157 512\n"), std::string::npos);
    EXPECT_EQ(ghostscriptProblems("grey.eps"), "");
}

TEST(PostScriptImage, ColourImageIsWrittenRedGreenBlue) {
    bitmap24 image(8, 1);
    unsigned char* pixel = image(0, 2);
    pixel[0] = 0x01; // blue
    pixel[1] = 0x02; // green
    pixel[2] = 0x03; // red
    {
        postscript writer(name("colour.eps"));
        writer.pb(0, 0, 2, 1, image);
    }
    EXPECT_EQ(bodyOf(readFile("colour.eps")),
              imageBlock("/width 8 def\n/height 1 def\n", "35 430", "1 4", true,
                         "000000000000030201000000000000000000000000000000\r\n"));
    EXPECT_EQ(ghostscriptProblems("colour.eps"), "");
}

TEST(PostScriptImage, ImagesWithoutPixelsWriteNothing) {
    bitmap none(8, 0);
    {
        postscript writer(name("noimage.eps"));
        writer.pb(0, 0, 2, 1, none);
    }
    EXPECT_EQ(bodyOf(readFile("noimage.eps")), "");
    EXPECT_EQ(ghostscriptProblems("noimage.eps"), "");
}

TEST(PostScriptImage, BmpFileRowsSkipTheirPadding) {
    BmpSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.rows = {"\x01\x02\x03", "\x04\x05\x06"};
    writeFile("three.bmp", makeBmp(spec));
    {
        postscript writer(name("three.eps"));
        writer.sb(0, 0, 3, 2, name("three"));
    }
    EXPECT_EQ(bodyOf(readFile("three.eps")), imageBlock("/width 3 def\n/height 2 def\n", "35 430",
                                                        "4 4", false, "010203\r\n040506\r\n"));
    EXPECT_EQ(ghostscriptProblems("three.eps"), "");
}

TEST(PostScriptImage, TopDownBmpFileIsWrittenBottomRowFirst) {
    BmpSpec spec;
    spec.width = 3;
    spec.height = -2;
    spec.rows = {"\x04\x05\x06", "\x01\x02\x03"}; // top row first
    writeFile("topdown.bmp", makeBmp(spec));
    {
        postscript writer(name("topdown.eps"));
        writer.sb(0, 0, 3, 2, name("topdown.bmp"));
    }
    EXPECT_EQ(bodyOf(readFile("topdown.eps")), imageBlock("/width 3 def\n/height 2 def\n", "35 430",
                                                          "4 4", false, "010203\r\n040506\r\n"));
}

TEST(PostScriptImage, ColourBmpFileFromAnotherProgram) {
    {
        postscript writer(name("magick.eps"));
        const std::string file = testing_support::dataPath("magick24");
        writer.sb(0, 0, 16, 2, const_cast<char*>(file.c_str()));
    }
    const std::string body = bodyOf(readFile("magick.eps"));
    EXPECT_NE(body.find("false 3 colorimage\r\n" +
                        [] {
                            std::string red;
                            for (int i = 0; i < 16; ++i)
                                red += "ff0000";
                            return red;
                        }() +
                        "\r\n000000000010"),
              std::string::npos);
    EXPECT_EQ(ghostscriptProblems("magick.eps"), "");
}

TEST(PostScriptImage, BmpFileNamesTakeTheirExtensionFromTheLastFourCharacters) {
    BmpSpec spec;
    spec.rows = {std::string(8, '\x10'), std::string(8, '\x20')};
    writeFile("pic.bmp", makeBmp(spec));
    writeFile("picture.bmp", makeBmp(spec));
    postscript writer(name("names.eps"));
    writer.sb(0, 0, 1, 1, name("pic"));
    writer.sb(0, 0, 1, 1, name("pic.bmp"));
    writer.sb(0, 0, 1, 1, name("pic.xyz"));
    writer.sb(0, 0, 1, 1, name("picture.old")); // opens picture.bmp
    writer.sb(0, 0, 1, 1, name("pic.bm"));
}

TEST(PostScriptImage, UnreadableBmpFilesEndWithTheirMessages) {
    // Each end removes the unfinished file: every failure has a writer of its own.
    const auto place = [](const char* picture) {
        postscript writer(name("failures.eps"));
        writer.sb(0, 0, 1, 1, name(picture));
    };
    EXPECT_FATAL(place("absent"), "^postscript::error : absent.bmp nicht ge\xf6"
                                  "ffnet!\r\n$");
    writeFile("magic.bmp", "PK" + std::string(60, '\0'));
    EXPECT_FATAL(place("magic"), "^postscript::error : kein Bitmap! 4b50\r\n$");

    BmpSpec good;
    good.rows = {std::string(8, 'a'), std::string(8, 'b')};
    BmpSpec offset = good;
    offset.dataOffset = 100;
    writeFile("offset.bmp", makeBmp(offset));
    EXPECT_FATAL(place("offset"), "^postscript::error  : Bitmap file format error\n$");
    BmpSpec fourBits = good;
    fourBits.bitsPerPixel = 4;
    writeFile("fourbit.bmp", makeBmp(fourBits));
    EXPECT_FATAL(place("fourbit"), "^postscript::error : ung\xfc"
                                   "ltiges Bitmap Format!$");
    BmpSpec wide = good;
    wide.width = 1032;
    wide.rows = {std::string(1032, 'w')};
    wide.height = 1;
    writeFile("wide.bmp", makeBmp(wide));
    EXPECT_FATAL(place("wide"), "^postscript::error : max 1024 Pixel Breite!\r\n$");
    BmpSpec compressed = good;
    compressed.compression = 1;
    writeFile("packed.bmp", makeBmp(compressed));
    EXPECT_FATAL(place("packed"), "^postscript::error : ist kompremiert!\r\n$");
    // A height the file does not hold is refused, not read past the end.
    BmpSpec tall = good;
    tall.height = 1 << 30;
    writeFile("tall.bmp", makeBmp(tall));
    EXPECT_FATAL(place("tall"), "^postscript::error  : Bitmap file format error\n$");
}
