// The EPS writer: whole files against references, the header box, number forms, colours, and
// a current point before every line.
#include "devices/files/postscript.h"
#include "devices/selector/deviceselect.h"

#include "support/epsfiles.h"
#include "support/fatal.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using eps_test::bodyOf;
using eps_test::name;
using testing_support::fileExists;
using testing_support::ghostscriptProblems;
using testing_support::readFile;

namespace {

// The figure the desk draws for line(10, 10, 20, 20, -1).
void drawLine(deviceselect& devices) {
    devices.np();
    devices.pu();
    devices.pa(10, 10);
    devices.sp(0);
    devices.pd();
    devices.pa(20, 20);
    devices.st_cp();
}

} // namespace

TEST(PostScript, LineFileMatchesReference) {
    deviceselect devices(nullptr);
    devices.in(EPS, name("line"), nullptr);
    drawLine(devices);
    devices.cl();
    EXPECT_EQ(readFile("line.eps"), readFile(testing_support::dataPath("line.eps")));
    EXPECT_EQ(ghostscriptProblems("line.eps"), "");
}

TEST(PostScript, EmptyFileHasABoxReadersAccept) {
    deviceselect devices(nullptr);
    devices.in(EPS, name("empty"), nullptr);
    devices.cl();
    const std::string file = readFile("empty.eps");
    EXPECT_EQ(file, readFile(testing_support::dataPath("empty.eps")));
    EXPECT_NE(file.find("%%BoundingBox: 35 430 36 431\n%%HiResBoundingBox: 35 430 36 431 "),
              std::string::npos);
    // Cropped to its box, as EPS is placed in documents.
    EXPECT_EQ(ghostscriptProblems("empty.eps", true), "");
}

TEST(PostScript, WritesUnderTemporaryNameUntilFinished) {
    testing_support::writeFile("plot.eps", "old drawing");
    deviceselect devices(nullptr);
    devices.in(EPS, name("plot"), nullptr);
    // The old file stays until the new one is complete, then the new one takes its place.
    EXPECT_EQ(testing_support::readFile("plot.eps"), "old drawing");
    EXPECT_TRUE(fileExists("plot.tmp"));
    drawLine(devices);
    devices.cl();
    EXPECT_NE(testing_support::readFile("plot.eps"), "old drawing");
    EXPECT_FALSE(fileExists("plot.tmp"));
}

TEST(PostScript, FileNameIsCutAtTheFirstDotOfItsLastComponent) {
    deviceselect devices(nullptr);
    devices.in(EPS, name("out.dat"), nullptr);
    devices.cl();
    EXPECT_TRUE(fileExists("out.eps"));
    // Dots in folder names are no extensions.
    std::filesystem::create_directories("a.b");
    devices.in(EPS, name("a.b/out"), nullptr);
    devices.cl();
    EXPECT_TRUE(fileExists("a.b/out.eps"));
    EXPECT_FALSE(fileExists("a.eps"));
}

TEST(PostScript, LongFileNamesDoNotOverflow) {
    const std::string longName(3000, 'n');
    deviceselect devices(nullptr);
    // Too long for most file systems: the writer must fail cleanly, not overflow.
    EXPECT_FATAL(devices.in(EPS, const_cast<char*>(longName.c_str()), nullptr), "nicht ge");
    const std::string deep = std::string(200, 'd') + ".eps";
    devices.in(EPS, const_cast<char*>(deep.c_str()), nullptr);
    devices.cl();
    EXPECT_TRUE(fileExists(std::string(200, 'd') + ".eps"));
}

TEST(PostScript, UncreatableFileEndsWithMessageOnErrorStream) {
    EXPECT_FATAL(postscript(name("no/such/dir/x.eps")), "^no/such/dir/x.eps nicht ge\xf6"
                                                        "ffnet\r\n$");
}

TEST(PostScript, DoubleSizeShiftsThePageDown) {
    {
        postscript writer(name("double.eps"));
        writer.setdoublesize();
        writer.moveto(0, 200);
        writer.lineto(0, 0);
    }
    EXPECT_EQ(bodyOf(readFile("double.eps")), "35 830 m\r\n35 30 l\r\n");
    EXPECT_NE(readFile("double.eps").find("%%BoundingBox: 33 28 37 832\n"), std::string::npos);
}

TEST(PostScript, CoordinatesAreCutToHundredthsOfAPoint) {
    {
        postscript writer(name("cut.eps"));
        writer.moveto(133.3319725f, 0.0f);
        writer.lineto(-0.25f, 0.00249f);
    }
    EXPECT_EQ(bodyOf(readFile("cut.eps")), "568.32 430 m\r\n34 430 l\r\n");
}

TEST(PostScript, ColourTableAndOutOfRangeColours) {
    {
        postscript writer(name("colours.eps"));
        for (int colour = 0; colour < 16; ++colour)
            writer.setColor(colour);
        writer.setColor(16);
        writer.setColor(-2);
    }
    EXPECT_EQ(bodyOf(readFile("colours.eps")),
              "0 0 0 shsb\r\n0 1 1 shsb\r\n0.333333 1 1 shsb\r\n0.666667 1 1 shsb\r\n"
              "0.166667 1 1 shsb\r\n0.5 1 1 shsb\r\n0.833333 1 1 shsb\r\n0 0 0 shsb\r\n"
              "0 0 0.125 shsb\r\n0 0 0.25 shsb\r\n0 0 0.375 shsb\r\n0 0 0.5 shsb\r\n"
              "0 0 0.625 shsb\r\n0 0 0.75 shsb\r\n0 0 0.875 shsb\r\n0 0 1 shsb\r\n"
              "0 0 1 shsb\r\n0 0 1 shsb\r\n");
}

TEST(PostScript, PenWidthIsWrittenInPoints) {
    {
        postscript writer(name("widths.eps"));
        writer.pw(0.3f);
        writer.pw(2.0f);
        writer.pw(0.0f);
    }
    EXPECT_EQ(bodyOf(readFile("widths.eps")), "0.525 slw\r\n3.5 slw\r\n0 slw\r\n");
}

// PostScript has no current point after newpath and stroke: a line there would stop the
// interpreter, so the writer first moves to where the pen is.
TEST(PostScript, EveryLineHasACurrentPoint) {
    {
        postscript writer(name("currentpoint.eps"));
        writer.lineto(1, 1);
        writer.st();
        writer.lineto(2, 2);
        writer.np();
        writer.lineto(3, 3);
        writer.st_cp();
        writer.moveto(4, 4);
        writer.lineto(5, 5);
    }
    EXPECT_EQ(bodyOf(readFile("currentpoint.eps")),
              "35 430 m\r\n39 434 l\r\nst\r\n39 434 m\r\n43 438 l\r\nnp\r\n43 438 m\r\n47 442 l\r\n"
              "st\r\ncp\r\n51 446 m\r\n55 450 l\r\n");
    EXPECT_EQ(ghostscriptProblems("currentpoint.eps"), "");
}

TEST(PostScript, OnADoublePageThePenStartsAtTheBottom) {
    {
        postscript writer(name("doublestart.eps"));
        writer.setdoublesize();
        writer.lineto(10, 10);
    }
    EXPECT_EQ(bodyOf(readFile("doublestart.eps")), "35 30 m\r\n75 70 l\r\n");
}

TEST(PostScript, CoordinatesFarOffThePageKeepTheHeaderIntact) {
    {
        postscript writer(name("huge.eps"));
        writer.moveto(-1e9f, -1e9f);
        writer.lineto(1e9f, 1e9f);
    }
    const std::string file = readFile("huge.eps");
    EXPECT_EQ(file.substr(125, 21), "\r\n%%Creator: Velora\r\n");
    EXPECT_NE(file.find("%%BoundingBox: -9999 -9999 99999 99999\n"), std::string::npos);
    EXPECT_EQ(ghostscriptProblems("huge.eps"), "");
}
