// A full disk: every file the library writes notices the failed write, names the file in its
// writer's message, ends the process with status 1 and leaves nothing unfinished under the final
// name. The disk is a small tmpfs; where none can be mounted the tests say why and skip.
#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include "support/fatal.h"
#include "support/smallfilesystem.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using testing_support::SmallFileSystem;

namespace {

// Far more than fits: each line takes some 30 bytes in either file.
constexpr int diskKilobytes = 256;

void drawTooMuch(desk& d) {
    for (int i = 0; i < 40000; ++i)
        d.line(static_cast<float>(i % 97), 10, 50, static_cast<float>(i % 89), i % 16);
}

void drawFigure(int devices, const std::string& name) {
    desk d;
    d.open(devices, name.c_str());
    drawTooMuch(d);
    d.close();
}

} // namespace

TEST(FullDisk, EpsAndHpglFilesAreReportedAndNeverTakeTheirNames) {
    {
        SmallFileSystem disk("fulldisk-eps", diskKilobytes);
        if (!disk.available()) GTEST_SKIP() << disk.reason();
        const std::string name = disk.path("figure");
        const std::string message = "^postscript::error : " + name + ".eps nicht geschrieben\r\n$";
        EXPECT_FATAL(drawFigure(EPS, name), message.c_str());
        EXPECT_FALSE(disk.holds("figure.eps"));
        EXPECT_FALSE(disk.holds("figure.tmp"));
    }
    {
        SmallFileSystem disk("fulldisk-plt", diskKilobytes);
        const std::string name = disk.path("figure");
        const std::string message = "^corel::error : " + name + ".plt nicht geschrieben\r\n$";
        EXPECT_FATAL(drawFigure(PLT, name), message.c_str());
        EXPECT_FALSE(disk.holds("figure.plt"));
        EXPECT_FALSE(disk.holds("figure.plt.tmp"));
    }
    {
        // Whichever file fills the disk first, the other one is unfinished too.
        SmallFileSystem disk("fulldisk-both", diskKilobytes);
        const std::string name = disk.path("figure");
        EXPECT_FATAL(drawFigure(EPS | PLT, name),
                     "^(postscript|corel)::error : .* nicht geschrieben\r\n$");
        EXPECT_FALSE(disk.holds("figure.eps"));
        EXPECT_FALSE(disk.holds("figure.plt"));
    }
}

TEST(FullDisk, SavedImagesAreReportedAndRemoved) {
    SmallFileSystem disk("fulldisk-bmp", diskKilobytes);
    if (!disk.available()) GTEST_SKIP() << disk.reason();
    std::string name = disk.path("grey");
    std::string message = "^#BMP : " + name + ".bmp nicht geschrieben\n$";
    EXPECT_FATAL(bitmap(1024, 512).save(name.data()), message.c_str());
    EXPECT_FALSE(disk.holds("grey.bmp"));
    name = disk.path("colour");
    message = "^#BMP24 : " + name + ".bmp nicht geschrieben\n$";
    EXPECT_FATAL(bitmap24(512, 256).save(name.data()), message.c_str());
    EXPECT_FALSE(disk.holds("colour.bmp"));
}

TEST(FullDisk, ImportedPicturesAreReportedWhereTheyAreSaved) {
    SmallFileSystem disk("fulldisk-import", diskKilobytes);
    if (!disk.available()) GTEST_SKIP() << disk.reason();
    // A 512 x 600 grey picture: 300 KB of pixels, more than the disk holds.
    std::string file = "\r\n% Picture\r\n/width 512 def\n/height 600 def\ngsave\r\n"
                       "/picstr width string def\r\n75 470 translate\r\n4 4 scale\r\n"
                       "width height 8\r\n"
                       "[1 0 0 1 0 0 ] {currentfile picstr readhexstring pop} image\r\n";
    const std::string row = std::string(1024, '7') + "\r\n";
    for (int r = 0; r < 600; ++r)
        file += row;
    testing_support::writeFile("fulldisk-picture.eps", file);
    const std::string source = std::filesystem::absolute("fulldisk-picture").string();
    const std::string copy = std::filesystem::absolute("fulldisk-picture-copy").string();
    EXPECT_FATAL(
        {
            // The import saves its pictures in the working folder.
            std::filesystem::current_path(disk.path("."));
            desk d;
            d.open(EPS, copy.c_str());
            d.showeps(source.c_str());
        },
        "^#BMP : tmp[0-9]+\\.bmp nicht geschrieben\n$");
    for (const auto& entry : std::filesystem::directory_iterator(disk.path(".")))
        ADD_FAILURE() << "left on the disk: " << entry.path();
}
