// Reading EPS files onto the desk, line by line: abbreviations, operands waiting for a later
// line, the order of the words of a line, colours and pen widths, the lines that are passed over,
// file names, and input that is too long or malformed.
#include "desk/desk.h"

#include "deskdrawing.h"
#include "epsimportfiles.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using import_test::imported;
using testing_support::dataPath;
using testing_support::readFile;

namespace {
const std::string m = "/m{moveto}def\n";
const std::string l = "/l{lineto}def\n";
const std::string shsb = "/shsb{sethsbcolor}def\n";
} // namespace

TEST(EpsImport, AbbreviationsStandForTheirCommands) {
    EXPECT_EQ(imported("abbreviated", m + l + "75 470 m\n115 510 l\n"),
              "75 470 m\r\n0 0 0 shsb\r\n115 510 l\r\n");
    // The full words work without a definition.
    EXPECT_EQ(imported("fullwords", "75 470 moveto\n115 510 lineto\n"),
              "75 470 m\r\n0 0 0 shsb\r\n115 510 l\r\n");
}

TEST(EpsImport, LinesGoToPagePointsInTheCurrentColour) {
    // 100 200 is (16.25, -57.5), below the page: only the part of the next line above the page's
    // lower edge is seen, and where it crosses the edge shows where the first line ended.
    const std::string body = imported("pagepoint", shsb + l + "0 1 1 shsb\n100 200 l\n35 630 l\n");
    EXPECT_NE(body.find("65.23 430 m\r\n35 630 l\r\n"), std::string::npos) << body;
    EXPECT_EQ(body.find("0 1 1 shsb\r\n"), 0u) << body;
}

TEST(EpsImport, PenWidthsAreDividedBy2point7) {
    float width = 0;
    EXPECT_EQ(imported("penwidth", "/slw{setlinewidth}def\n0.5 slw\n",
                       [&](desk& d) { width = d.getpenwidth(); }),
              "0.324074 slw\r\n");
    EXPECT_FLOAT_EQ(width, 0.5f / 2.7f);
}

TEST(EpsImport, ColoursComeFromTheWritersTableAndUnknownOnesAreBlack) {
    EXPECT_EQ(imported("colours", shsb + "0 0 0.125 shsb\n"       // 8
                                         "0.333333 1 1 shsb\n"    // 2
                                         "0 0 0 shsb\n"           // 0 (or 7)
                                         "0.4 0.5 0.6 shsb\n"     // none
                                         "0.833333 1 1 shsb\n"    // 6
                                         "0.3333 1 1 shsb\n"      // none: 333 but not the writer's
                                         "0 0 1 shsb\n"           // 15
                                         "0 0 0.9999999 shsb\n"), // truncated: 999, none
              "0 0 0.125 shsb\r\n0.333333 1 1 shsb\r\n0 0 0 shsb\r\n0 0 0 shsb\r\n"
              "0.833333 1 1 shsb\r\n0.333333 1 1 shsb\r\n0 0 1 shsb\r\n0 0 0 shsb\r\n");
}

TEST(EpsImport, NumbersWaitForTheCommandOfALaterLine) {
    EXPECT_EQ(imported("waiting", m + "75 470\n% a comment between\n\nm\n"), "75 470 m\r\n");
    EXPECT_EQ(imported("waitingpart", m + "75\n470 m\n"), "75 470 m\r\n");
}

TEST(EpsImport, TheWordsOfALineAreActedOnFromTheLastOne) {
    EXPECT_EQ(imported("lineorder", m + "newpath 75 470 m\n"), "75 470 m\r\nnp\r\n");
    EXPECT_EQ(imported("closeandstroke", "closepath stroke\n"), "st\r\ncp\r\n");
}

TEST(EpsImport, AMissingOperandRepeatsTheWordPoppedLast) {
    // 475 l goes from the page origin, where an opened desk starts, to (110, 11.25).
    EXPECT_EQ(imported("missing", l + "475 l\n75 470 l\n"),
              "0 0 0 shsb\r\n35 430 m\r\n475 475 l\r\n0 0 0 shsb\r\n75 470 l\r\n");
}

TEST(EpsImport, OtherWordsTakeTheirOperandsWithThem) {
    EXPECT_EQ(imported("others", m + "1 2 3 foo\n1 slc\ngsave\n10.0 sml\n75 470 m\n"),
              "75 470 m\r\n");
    // A word that does not start with a digit is a command, even a negative number.
    EXPECT_EQ(imported("negative", m + "75 470 -1\nm\n"), "");
}

TEST(EpsImport, CommentsEmptyLinesAndDefinitionsWithoutDefArePassedOver) {
    EXPECT_EQ(imported("passedover", "% 75 470 moveto\n\n\r\n/x{moveto}\n75 470 x\n"), "");
    EXPECT_EQ(imported("notdef", "/x 5\n/y{moveto} de f\n75 470 y\n"), "");
}

TEST(EpsImport, CrLfAndLfLinesAreAlikeAndAnUnfinishedLastLineIsNotUsed) {
    EXPECT_EQ(imported("lineends", "/m{moveto}def\r\n75 470 m\r\n" + l + "115 510 l"),
              "75 470 m\r\n");
}

TEST(EpsImport, AMissingFileDrawsNothingAndSaysSo) {
    testing::internal::CaptureStdout();
    float width = 0;
    EXPECT_EQ(imported("present", "",
                       [&](desk& d) {
                           d.showeps("absent");
                           width = d.getpenwidth();
                       }),
              "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "# desk::showeps : error : unable to open file  absent.eps\n");
    EXPECT_FLOAT_EQ(width, 0.3f);
}

TEST(EpsImport, TheExtensionOfTheNameBecomesEps) {
    testing_support::writeFile("named.eps", m + "75 470 m\n");
    std::filesystem::create_directories("dotted.folder");
    testing_support::writeFile("dotted.folder/named.eps", m + "115 510 m\n");
    const std::string body = desk_test::drawOn(
                                 "named-copy",
                                 [](desk& d) {
                                     d.showeps("named");
                                     d.showeps("named.old.eps");
                                     d.showeps("named.eps");
                                     d.showeps("dotted.folder/named.txt");
                                 },
                                 EPS)
                                 .eps;
    EXPECT_EQ(body, import_test::opened + "75 470 m\r\n75 470 m\r\n75 470 m\r\n115 510 m\r\n");
}

TEST(EpsImport, AFileOfADoublePageComesBack100UnitsLower) {
    desk_test::drawOn(
        "doublepage", [](desk& d) { d.line(10, 150, 20, 160, 3); }, EPS | DOUBLESIZE);
    const std::string body = imported("doublepage-import", readFile("doublepage.eps"));
    EXPECT_NE(body.find("np\r\n75 630 m\r\n"), std::string::npos) << body;
    EXPECT_NE(body.find("0.666667 1 1 shsb\r\n115 670 l\r\n"), std::string::npos) << body;
}

TEST(EpsImport, TheLibrarysOwnLineFileReadsBackAsTheReference) {
    desk_test::drawOn(
        "line-imported", [](desk& d) { d.showeps(dataPath("line.eps").c_str()); }, EPS);
    EXPECT_EQ(readFile("line-imported.eps"), readFile(dataPath("line-imported.eps")));
}

// Input the writer never produces is cut, never written past a buffer.
TEST(EpsImport, LongLinesAreReadInPiecesOf1000Characters) {
    std::string ones;
    for (int i = 0; i < 600; ++i)
        ones += "1 ";
    // The first piece ends inside the run of ones; the second brings the command.
    EXPECT_EQ(imported("longline", m + ones + "75 470 m\n"), "75 470 m\r\n");
    // A word across the cut is read as two.
    const std::string word(995, 'x');
    EXPECT_EQ(imported("cutword", m + "75 470 " + word + "moveto\n"), "");
    // Characters after the last blank of a piece are dropped: "ab" and "cd" are no words.
    EXPECT_EQ(imported("cutword2", m + "1 " + std::string(996, 'x') + "abcd 75 470 m\n"),
              "75 470 m\r\n");
}

TEST(EpsImport, LabelsAndCommandsAreCutTo79Characters) {
    const std::string label(100, 'a');
    EXPECT_EQ(imported("longlabel", "/" + label + "{moveto}def\n75 470 " + label.substr(0, 79) +
                                        "\n115 510 " + label + "\n"),
              "75 470 m\r\n");
    const std::string command = "moveto" + std::string(200, ' ') + "x";
    EXPECT_EQ(imported("longcommand", "/q{" + command + "}def\n/w " + command + " def\n" +
                                          "75 470 q\n115 510 w\n"),
              "75 470 m\r\n115 510 m\r\n");
}

TEST(EpsImport, ADefinitionWithoutItsClosingBraceEndsWithItsLine) {
    // "moveto def" begins with moveto, so q stands for moveto.
    EXPECT_EQ(imported("openbrace", "/q{moveto def\n75 470 q\n"), "75 470 m\r\n");
    // A closing brace before the opening one belongs to the label.
    EXPECT_EQ(imported("bracesswapped", "/q}{moveto def\n/r{}def\n75 470 q}\n1 r\n"),
              "75 470 m\r\n");
    EXPECT_EQ(imported("noblank", "/qdef\n/def\n/{def\n75 470 q\n"), "");
}

TEST(EpsImport, AFullOperandStackDropsWordsWithAMessage) {
    // 10,500 numbers waiting for a command: the last 500 find the stack full.
    std::string file;
    for (int line = 0; line < 21; ++line) {
        for (int i = 0; i < 500; ++i)
            file += "1 ";
        file += "\n";
    }
    file += "75 470 moveto\n";
    testing::internal::CaptureStdout();
    const std::string body = imported("fullstack", file);
    const std::string printed = testing::internal::GetCapturedStdout();
    // The command found no room either: nothing can be drawn any more.
    EXPECT_EQ(body, "");
    const std::string message = "# StringStack::error : overflow ! ( StackSize : 10000 )\n";
    std::size_t messages = 0;
    for (std::size_t at = printed.find(message); at != std::string::npos;
         at = printed.find(message, at + 1))
        ++messages;
    EXPECT_EQ(messages, 503u);
    EXPECT_EQ(printed.size(), 503 * message.size());
}

TEST(EpsImport, NumbersOutsideTheRangeOfFloatReadAsZero) {
    EXPECT_EQ(imported("hugenumbers", "/slw{setlinewidth}def\n1e39 slw\n-1e999 slw\nnan slw\n"
                                      "inf slw\n0x10 slw\n+2.7 slw\n"),
              "0 slw\r\n0 slw\r\n0 slw\r\n0 slw\r\n0 slw\r\n1.75 slw\r\n");
}
