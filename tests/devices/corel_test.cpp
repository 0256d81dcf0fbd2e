// The HPGL writer: its lines and number forms, the device selector's scaling and pen rules, the
// outlines that stand for images, and files that end early or cannot be created. Every file
// written here must also be read by hp2xx without complaint.
#include "devices/files/corel.h"
#include "devices/selector/deviceselect.h"
#include "image/bitmap.h"
#include "image/bitmap24.h"

#include "support/epsfiles.h"
#include "support/fatal.h"
#include "support/hpglfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <type_traits>

using eps_test::name;
using hpgl_test::bodyOf;
using testing_support::hp2xxProblems;
using testing_support::readFile;

// The writer owns its file.
static_assert(!std::is_copy_constructible_v<corel> && !std::is_copy_assignable_v<corel>);

TEST(Corel, LinesAndNumberForms) {
    {
        corel writer(name("forms.plt"));
        writer.sp(0);
        writer.sp(15);
        writer.sp(16); // beyond the palette: written as it comes
        writer.pw(1);
        writer.pw(0.25f);
        writer.pw(1e-5f);
        writer.pu();
        writer.pa(720.9f, -36.7f);
        writer.pd();
        writer.pa(9599.76f, 7200);
        // Beyond HP-GL/2's numbers: written at its limit.
        writer.sp(2147483647);
        writer.pw(1e27f);
        writer.pa(1e20f, -1e20f);
    }
    EXPECT_EQ(readFile("forms.plt"), "SP1\r\nPW0.3\r\nSP1\r\nSP16\r\nSP17\r\nPW1\r\nPW0.25\r\n"
                                     "PW0.00001\r\nPU;\r\nPA720,-36\r\nPD;\r\nPA9599,7200\r\n"
                                     "SP1073741823\r\nPW1000000000\r\n"
                                     "PA1073741823,-1073741823\r\n\r\n");
    EXPECT_EQ(hp2xxProblems("forms.plt"), "");
}

TEST(Corel, ReplacesAnExistingFile) {
    testing_support::writeFile("replaced.plt", "an old drawing that is longer than the new one");
    {
        corel writer(name("replaced.plt"));
        // The old drawing stays until the new one, finished, takes its name.
        EXPECT_EQ(readFile("replaced.plt"), "an old drawing that is longer than the new one");
        EXPECT_TRUE(testing_support::fileExists("replaced.plt.tmp"));
    }
    EXPECT_EQ(readFile("replaced.plt"), "SP1\r\nPW0.3\r\n\r\n");
    EXPECT_FALSE(testing_support::fileExists("replaced.plt.tmp"));
}

TEST(Corel, AFileThatCannotTakeItsNameIsReportedAndKept) {
    // A folder with a file in it holds the name.
    std::filesystem::create_directories("held.plt/inside");
    EXPECT_FATAL({ corel writer(name("held.plt")); },
                 "^corel::error : held.plt nicht geschrieben\r\n$");
    EXPECT_EQ(readFile("held.plt.tmp"), "SP1\r\nPW0.3\r\n\r\n");
}

TEST(Corel, UncreatableFileEndsWithMessage) {
    EXPECT_FATAL(corel(name("no/such/dir/x.plt")), "^corel::error : no/such/dir/x.plt nicht ge\xf6"
                                                   "ffnet\r\n$");
}

TEST(Corel, SelectorScalesPageUnitsAndSendsPenChangesOnce) {
    deviceselect devices(nullptr);
    devices.in(PLT, name("selector.dat"), nullptr);
    devices.pu(); // up already after opening
    devices.pa(-0.5f, 133.33f);
    devices.pd();
    devices.pd();
    devices.pa(133.33f, 100);
    devices.np(); // path brackets mean nothing to a plotter
    devices.cp();
    devices.st();
    devices.st_cp();
    devices.pw(2);
    devices.sp(7);
    devices.pu();
    devices.pu();
    devices.pa(0, 0);
    devices.cl();
    EXPECT_EQ(bodyOf(readFile("selector.plt")),
              "PA-36,9599\r\nPD;\r\nPA9599,7200\r\nPW2\r\nSP8\r\nPU;\r\nPA0,0");
    EXPECT_EQ(hp2xxProblems("selector.plt"), "");
}

TEST(Corel, ImagesBecomeOutlinesThatLeaveThePlotterPenUp) {
    bitmap grey(8, 1);
    bitmap24 colour(8, 1);
    deviceselect devices(nullptr);
    devices.in(PLT, name("outlines"), nullptr);
    devices.pd();
    devices.pa(1, 1);
    devices.pb(10, 10, 20, 30, grey);
    // The selector still counts its pen as down: this is a pen-up move on the plotter.
    devices.pa(30, 30);
    devices.pb(0, 0, 1, 1, colour);
    devices.sb(2, 2, 3, 3, name("nowhere.bmp")); // the file is not read
    devices.cl();
    EXPECT_EQ(bodyOf(readFile("outlines.plt")),
              "PD;\r\nPA72,72\r\n"
              "PU;\r\nPA720,720\r\nPD;\r\nPA1440,720\r\nPA1440,2160\r\nPA720,2160\r\nPA720,720\r\n"
              "PU;\r\nPA2160,2160\r\n"
              "PU;\r\nPA0,0\r\nPD;\r\nPA72,0\r\nPA72,72\r\nPA0,72\r\nPA0,0\r\nPU;\r\n"
              "PU;\r\nPA144,144\r\nPD;\r\nPA216,144\r\nPA216,216\r\nPA144,216\r\nPA144,144\r\nPU;");
    EXPECT_EQ(hp2xxProblems("outlines.plt"), "");
}

TEST(Corel, ClearingFinishesThePlotFile) {
    deviceselect devices(nullptr);
    devices.in(PLT, name("clearedplot"), nullptr);
    devices.pa(1, 1);
    devices.cr(0, 0, 10, 10, CLEAR_AND_EMPTY);
    const std::string finished = readFile("clearedplot.plt");
    EXPECT_EQ(finished, "SP1\r\nPW0.3\r\nSP1\r\nPW0.3\r\nPA72,72\r\n\r\n");
    devices.pa(2, 2);
    devices.cl();
    EXPECT_EQ(readFile("clearedplot.plt"), finished);
}

TEST(Corel, FileIsNamedAfterTheTextBeforeTheFirstDot) {
    deviceselect devices(nullptr);
    devices.in(PLT, name("named.old.eps"), nullptr);
    devices.cl();
    EXPECT_EQ(readFile("named.plt"), "SP1\r\nPW0.3\r\nSP1\r\nPW0.3\r\n\r\n");
}
