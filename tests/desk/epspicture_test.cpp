// Pictures in imported EPS files: 8-bit and 24-bit pictures saved as numbered temporary BMP files
// and placed where the file put them, rows cut to the picture, pictures whose pixels the file
// does not hold, and sizes from the file that no picture can have.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include "deskdrawing.h"
#include "epsimportfiles.h"
#include "support/epsfiles.h"
#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using import_test::imported;
using import_test::nextPicture;
using import_test::takePicture;
using testing_support::fileExists;
using testing_support::readFile;

namespace {

// The picture blocks of an EPS body, from "% Picture" to "grestore".
std::vector<std::string> picturesOf(const std::string& body) {
    std::vector<std::string> pictures;
    for (std::size_t at = body.find("% Picture"); at != std::string::npos;
         at = body.find("% Picture", at + 1))
        pictures.push_back(body.substr(at, body.find("grestore", at) - at));
    return pictures;
}

// The pixel bytes of a BMP file the import saved.
std::string pixelsOf(const std::string& bmp) {
    return bmp.size() < 1078 ? "<no BMP file>" : bmp.substr(1078);
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

// The lines of a picture of the writer's form, for a size and row string length of our own.
std::string picture(const std::string& width, const std::string& height, const std::string& picstr,
                    const std::string& op = "image") {
    return "\r\n% Picture\r\n/width " + width + " def\n/height " + height +
           " def\ngsave\r\n/picstr " + picstr + " string def\r\n75 470 translate\r\n4 4 scale\r\n" +
           "width height 8\r\n[1 0 0 1 0 0 ] {currentfile picstr readhexstring pop} " + op + "\r\n";
}

const std::string m = "/m{moveto}def\n";

} // namespace

TEST(EpsPicture, PicturesAreNumberedOverTheProcessAndPlacedWhereTheyWere) {
    const import_test::InFolder folder("pictures-numbered");
    desk_test::drawOn(
        "pictures-original",
        [](desk& d) {
            // A palette that is not grey: the file holds the blue byte of each pixel.
            bitmap grey(8, 2);
            unsigned char* palette = grey.GetInfoHeader() + 40;
            for (int i = 0; i < 256; ++i)
                palette[4 * i] = static_cast<unsigned char>(255 - i);
            for (int k = 0; k < 16; ++k)
                grey[k / 8][k % 8] = static_cast<unsigned char>(k);
            d.putbmp(10, 10, 30, 20, grey);
            bitmap24 colour(8, 3);
            for (short r = 0; r < 3; ++r)
                for (short c = 0; c < 8; ++c) {
                    unsigned char* pixel = colour(r, c);
                    pixel[0] = static_cast<unsigned char>(16 * r + c);   // blue
                    pixel[1] = static_cast<unsigned char>(100 + c);      // green
                    pixel[2] = static_cast<unsigned char>(200 + 16 * r); // red
                }
            d.putbmp(40.5f, 10.25f, 60.1f, 33.3f, colour);
        },
        EPS);
    const std::string original = readFile("pictures-original.eps");

    const std::string first = nextPicture();
    const std::string body = imported("pictures-original", original);
    EXPECT_TRUE(fileExists(first));
    const std::string greyFile = takePicture();
    const std::string second = nextPicture();
    EXPECT_TRUE(fileExists(second));
    const std::string colourFile = takePicture();
    EXPECT_NE(first, second);

    EXPECT_EQ(picturesOf(body), picturesOf(eps_test::bodyOf(original)));
    // The grey bytes as they were written, shown through a grey palette.
    std::string greyPixels;
    for (int k = 0; k < 16; ++k)
        greyPixels += static_cast<char>(255 - k);
    EXPECT_EQ(pixelsOf(greyFile), greyPixels);
    EXPECT_EQ(greyFile.substr(54 + 4 * 200, 4), bytes({200, 200, 200, 0}));
    std::string colourPixels;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 8; ++c)
            colourPixels += bytes({16 * r + c, 100 + c, 200 + 16 * r});
    EXPECT_EQ(pixelsOf(colourFile), colourPixels);

    // The next import goes on counting.
    const std::string third = nextPicture();
    imported("pictures-again", original);
    EXPECT_TRUE(fileExists(third));
    takePicture();
    takePicture();
}

TEST(EpsPicture, APictureWhosePixelsTheFileDoesNotHoldIsLeftOut) {
    const import_test::InFolder folder("pictures-short-file");
    const std::string missing = "# desk::showeps : error : picture data missing : ";
    // Rows missing at the end of the file: reported once, nothing saved, nothing counted.
    const std::string expected = nextPicture();
    testing::internal::CaptureStdout();
    std::string body =
        imported("shortrows", picture("8", "4", "width") + "0102030405060708\r\n0A0b");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), missing + "8 x 4 (picstr 8)\n");
    EXPECT_FALSE(fileExists(expected));
    EXPECT_TRUE(picturesOf(body).empty());
    // The last row may lack its line end; upper-case digits read as lower-case ones.
    body = imported("lastrow", picture("8", "2", "width") + "0102030405060708\r\n0A0B0C0D0E0F1011");
    EXPECT_EQ(pixelsOf(takePicture()),
              bytes({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(picturesOf(body).size(), 1u);
    // The largest picture the import accepts, declared in a tiny file without its rows, makes no
    // large file.
    testing_support::writeFile("tiny.eps", picture("8192", "8192", "width"));
    testing::internal::CaptureStdout();
    desk_test::drawOn("tiny-copy", [](desk& d) { d.showeps("tiny"); });
    EXPECT_EQ(testing::internal::GetCapturedStdout(), missing + "8192 x 8192 (picstr 8192)\n");
    EXPECT_FALSE(fileExists(nextPicture()));
    EXPECT_LT(readFile("tiny-copy.eps").size() + readFile("tiny-copy.plt").size(), 1000u);
}

TEST(EpsPicture, RowStringsAreCutToTheWidthOrLeaveThePictureOut) {
    const import_test::InFolder folder("pictures-row-strings");
    const std::string rows4 = "01020304\r\n05060708\r\n";
    const std::string expected = nextPicture();
    testing::internal::CaptureStdout();
    std::string body =
        imported("shortpicstr", m + picture("8", "2", "4") + rows4 + "grestore\r\n75 470 m\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "# desk::showeps : error : picture data missing : 8 x 2 (picstr 4)\n");
    EXPECT_FALSE(fileExists(expected));
    // Its rows are passed over, not read as lines.
    EXPECT_EQ(body, "75 470 m\r\n");
    const std::string rows12 = "0102030405060708090a0b0c\r\n1112131415161718191a1b1c\r\n";
    body = imported("longpicstr", m + picture("8", "2", "12") + rows12 + "grestore\r\n75 470 m\n");
    EXPECT_EQ(pixelsOf(takePicture()),
              bytes({1, 2, 3, 4, 5, 6, 7, 8, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18}));
    // The rest of each row is passed over, not read as a line.
    EXPECT_EQ(body.substr(body.size() - 10), "75 470 m\r\n");
    // A 24-bit picture whose row string holds fewer pixels than its width.
    testing::internal::CaptureStdout();
    imported("shortcolour", picture("8", "1", "2", "false 3 colorimage") + "a0b0c0d0e0f0\r\n");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("8 x 1 (picstr 2)"), std::string::npos);
    EXPECT_FALSE(fileExists(expected));
}

TEST(EpsPicture, SizesNoPictureCanHaveAreRejectedAndTheirRowsPassedOver) {
    const import_test::InFolder folder("pictures-rejected");
    // Each row below is 10 characters long, as the row string of 4 bytes asks; read as lines,
    // they would move the pen.
    const std::string rows = "75 470 m\r\n75 470 m\r\n";
    const std::string after = "115 510 m\r\n";
    struct Case {
        const char* width;
        const char* height;
        const char* picstr;
        std::string drawn;
    };
    const Case cases[] = {
        {"0", "2", "4", after},
        {"-8", "2", "4", after},
        {"32768", "2", "4", after},
        {"99999999999", "2", "4", after},
        // Too much memory: 8192 x 8200 pixels, of 64 MiB at most.
        {"8192", "8200", "4", ""},
        // The rows the file promises reach past its end.
        {"8", "32768", "4", ""},
        // Without rows or a row length, there is nothing to pass over.
        {"8", "0", "4", rows + after},
        {"8", "-2", "4", rows + after},
        {"8", "2", "-1", rows + after},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " x " + c.height + ", picstr " + c.picstr);
        const std::string expected = nextPicture();
        testing::internal::CaptureStdout();
        const std::string body = imported("rejected", m + picture(c.width, c.height, c.picstr) +
                                                          rows + "grestore\r\n115 510 m\n");
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(fileExists(expected));
        EXPECT_EQ(printed.find("# desk::showeps : error : picture size out of range : "), 0u)
            << printed;
        EXPECT_TRUE(picturesOf(body).empty());
        EXPECT_EQ(body, c.drawn);
    }
}

TEST(EpsPicture, AWidthThatIsNoMultipleOf8IsLeftOutAndReadingGoesOn) {
    const import_test::InFolder folder("pictures-width12");
    const std::string expected = nextPicture();
    testing::internal::CaptureStdout();
    const std::string body =
        imported("width12", m + picture("12", "1", "12") + "0102030405060708090a0b0c\r\n" +
                                "grestore\r\n115 510 m\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "# desk::showeps : Fehler : Bildbreite 12 ist kein Vielfaches von 8, das Bild wird "
              "ausgelassen\n");
    EXPECT_FALSE(fileExists(expected));
    EXPECT_EQ(body, "115 510 m\r\n");
}
