// The PDF and SVG writers: the same ink as the EPS file for every kind of primitive, files the
// outside programs accept, the selector's file names and endings, and bad input.
#include "devices/selector/deviceselect.h"

#include "desk/desk.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"
#include "plot/boxclass.h"
#include "support/epsfiles.h"
#include "support/fatal.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"
#include "support/vectorfiles.h"
#include "text/fontclass.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <cmath>
#include <limits>
#include <string>

using testing_support::fileExists;
using testing_support::readFile;

namespace {

constexpr int allFiles = EPS | PDF | SVG;

// Lines in every colour and several widths, a dot, rectangles, arrows, a clipped star, symbols,
// text in the three fonts, an 8-bit and a 24-bit picture placed from memory and from a file.
void drawEveryPrimitive(desk& page) {
    for (int c = 0; c < 16; ++c) {
        page.setpenwidth(0.1f + 0.1f * static_cast<float>(c % 5));
        page.line(5, 5 + 5.5f * c, 40, 8 + 5.5f * c, c);
    }
    page.setpenwidth(0.8f);
    page.pset(45, 5, 1);
    page.rec(45, 10, 60, 20, 3);
    page.vector(45, 25, 60, 35, 2, 2);
    page.setviewport(65, 5, 95, 35);
    page.frameviewport(0);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159265 / 6;
        page.line(80, 20, static_cast<float>(80 + 30 * std::cos(a)),
                  static_cast<float>(20 + 30 * std::sin(a)), i % 7);
    }
    page.resetviewport();

    bitmap grey(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            grey[y][x] = static_cast<unsigned char>((x * 16 + y * 64) & 255);
    page.putbmp(100, 5, 130, 20, grey);
    bitmap24 colour(16, 6);
    for (short y = 0; y < 6; ++y)
        for (short x = 0; x < 16; ++x) {
            unsigned char* p = colour(y, x);
            p[0] = static_cast<unsigned char>(x * 20);
            p[1] = static_cast<unsigned char>(y * 40);
            p[2] = 200;
        }
    page.putbmp(100, 25, 130, 40, colour);
    colour.save(const_cast<char*>("vector_every_picture.bmp"));
    page.showbmp(100, 45, 115, 55, "vector_every_picture");

    page.setpenwidth(0.3f);
    boxclass box(page);
    box.init(50, 45, 95, 75, 1, 1);
    box.dim(0, 10, 0, 10, 0, 0, 1, boxclass::TICKS_INSIDE);
    float x[8], y[8];
    for (int i = 0; i < 8; ++i) {
        x[i] = 1.0f + i;
        y[i] = 1.0f + static_cast<float>(i * i) / 6.0f;
    }
    for (int s = 0; s < 4; ++s)
        box.showpoints(x, y, 8, s + 1, static_cast<SYMBOL>(s * 16 + s + 1), 0.8f);
    box.connectpoints(x, y, 8, 2, 0.5f);

    fontclass text(page);
    text.hwrite(5, 96, "Sans: ink 123", 0, FONT_SANS, 0.8f, 0, 0);
    text.hwrite(45, 96, "Roman: Ink 456", 3, FONT_ROMAN, 0.8f, 0, 0);
    text.hwrite(90, 96, "$abgdew$", 1, FONT_GREEK, 0.8f, 0, 0);
}

} // namespace

TEST(VectorPage, EveryPrimitiveHasTheInkOfTheEpsFile) {
    {
        desk page;
        page.setfontpath(testing_support::fontDirectory().c_str());
        page.open(allFiles, "vector_every");
        drawEveryPrimitive(page);
        page.close();
    }
    // The symbols stroked again and again are drawn once and placed by reference.
    EXPECT_NE(readFile("vector_every.pdf").find("/Subtype /Form"), std::string::npos);
    testing_support::expectSameInkAsEps("vector_every");
}

TEST(VectorPage, DoublePageHasTheInkOfTheEpsFile) {
    {
        desk page;
        page.setfontpath(testing_support::fontDirectory().c_str());
        page.open(allFiles | DOUBLESIZE, "vector_double");
        page.setpenwidth(0.6f);
        page.line(0, 0, 133, 200, 1);
        page.rec(10, 150, 60, 190, 3);
        fontclass text(page);
        text.hwrite(20, 100, "double page", 0, FONT_ROMAN, 1.5f, 0, 0);
        page.close();
    }
    testing_support::expectSameInkAsEps("vector_double");
}

#ifdef VELORA_DEMO_PROGRAM
TEST(VectorPage, DemoHasTheInkOfItsEpsFile) {
    ASSERT_EQ(testing_support::runCommand(std::string("'") + VELORA_DEMO_PROGRAM +
                                          "' vector_demo '" + testing_support::fontDirectory() +
                                          "'"),
              0);
    testing_support::expectSameInkAsEps("vector_demo");
}
#endif

TEST(VectorPage, FilesAreNamedAsTheEpsFileAndFinishedByClearing) {
    // Left by an earlier run: an older file keeps its name until the new one is finished.
    std::remove("cleared_vector.pdf");
    desk page;
    page.open(allFiles, "cleared_vector.dat");
    page.line(10, 10, 50, 50, 2);
    EXPECT_TRUE(fileExists("cleared_vector.pdf.tmp"));
    EXPECT_FALSE(fileExists("cleared_vector.pdf"));
    page.clearviewport(CLEAR_AND_EMPTY);
    const std::string pdf = readFile("cleared_vector.pdf"), svg = readFile("cleared_vector.svg");
    EXPECT_FALSE(fileExists("cleared_vector.pdf.tmp"));
    EXPECT_FALSE(fileExists("cleared_vector.svg.tmp"));
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    // Drawing after the clearing reaches no file, and closing leaves them as they are.
    page.line(20, 20, 30, 30, 1);
    page.close();
    EXPECT_EQ(readFile("cleared_vector.pdf"), pdf);
    EXPECT_EQ(readFile("cleared_vector.svg"), svg);
    if (testing_support::haveVectorTools()) {
        EXPECT_EQ(testing_support::pdfProblems("cleared_vector.pdf"), "");
        EXPECT_EQ(testing_support::svgProblems("cleared_vector.svg"), "");
    }
}

TEST(VectorPage, SameDrawingSameBytesAndNoNumberThatIsNoneOnAnyDevice) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const char* name : {"bad_numbers_1", "bad_numbers_2"}) {
        deviceselect devices(nullptr);
        devices.in(EPS | PLT | PDF | SVG, const_cast<char*>(name), nullptr);
        devices.np();
        devices.pa(10, 10);
        devices.pd();
        devices.pa(20, 20);
        devices.pa(25, nan);
        devices.pa(30, 30);
        devices.pa(40, 10);
        devices.pa(inf, 40);
        devices.pa(3e38f, 40); // beyond what the files' numbers hold once mapped
        devices.pw(nan);
        devices.pw(inf);
        devices.st();
        bitmap picture(8, 8);
        devices.pb(nan, 0, 10, 10, picture);
        devices.pb(50, 50, 60, inf, picture);
        devices.pb(-3e38f, 50, 3e38f, 60, picture);
        devices.cl();
    }
    const std::string svg = readFile("bad_numbers_1.svg");
    EXPECT_EQ(svg, readFile("bad_numbers_2.svg"));
    EXPECT_EQ(readFile("bad_numbers_1.pdf"), readFile("bad_numbers_2.pdf"));
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
    // The line breaks at each point that is no number and goes on from the next one, on every
    // device alike; no width and no picture goes where it has no number.
    EXPECT_NE(svg.find("<path d=\"M75-470l40-40M155-550l40 80\"/>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    EXPECT_EQ(eps_test::bodyOf(readFile("bad_numbers_1.eps")),
              "0 0 0 shsb\r\n0.525 slw\r\nnp\r\n75 470 m\r\n115 510 l\r\n155 550 m\r\n195 470 "
              "l\r\nst\r\n");
    EXPECT_EQ(hpgl_test::bodyOf(readFile("bad_numbers_1.plt")),
              "PA720,720\r\nPD;\r\nPA1440,1440\r\nPU;\r\nPA2160,2160\r\nPD;\r\nPA2880,720");
    if (testing_support::haveVectorTools()) {
        EXPECT_EQ(testing_support::ghostscriptProblems("bad_numbers_1.eps"), "");
        EXPECT_EQ(testing_support::hp2xxProblems("bad_numbers_1.plt"), "");
        EXPECT_EQ(testing_support::pdfProblems("bad_numbers_1.pdf"), "");
        EXPECT_EQ(testing_support::svgProblems("bad_numbers_1.svg"), "");
        std::string content;
        testing_support::runCommand("qpdf --qdf --object-streams=disable bad_numbers_1.pdf -",
                                    &content);
        EXPECT_NE(content.find("75 470 m\n115 510 l\n155 550 m\n195 470 l\nS"), std::string::npos)
            << content;
        EXPECT_EQ(content.find("nan"), std::string::npos);
        EXPECT_EQ(content.find("inf"), std::string::npos);
    }
}

TEST(VectorPage, FileThatCannotBeWrittenEndsTheProcess) {
    EXPECT_FATAL(
        {
            desk page;
            page.open(PDF, "no_such_folder/figure");
        },
        "no_such_folder/figure.pdf nicht ge");
    // A picture file that is missing ends the process as on the EPS writer, naming the writer.
    EXPECT_FATAL(
        {
            desk page;
            page.open(SVG, "missing_picture");
            page.showbmp(10, 10, 20, 20, "no_such_picture");
        },
        "svgwriter::error : no_such_picture.bmp nicht ge");
#ifndef _WIN32
    // The temporary file vanishes while it is written: the file is not complete, and no file
    // takes its name.
    EXPECT_FATAL(
        {
            desk page;
            page.open(SVG, "vanished");
            page.line(10, 10, 20, 20, 0);
            std::remove("vanished.svg.tmp");
            page.close();
        },
        "svgwriter::error : vanished.svg nicht geschrieben");
    EXPECT_FALSE(fileExists("vanished.svg"));
#endif
}
