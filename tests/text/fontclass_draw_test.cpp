// Drawing text: every glyph is one path of desk moves and draws in the text's colour and pen,
// scripts lifted and shrunk, vertical text turned a quarter counter-clockwise, alignment about
// the point, and glyph programs walked exactly as the font file lays them out.
#include "text/fontclass.h"

#include "fontfiles.h"
#include "support/fatal.h"
#include "support/testfiles.h"
#include "text/velfont.h"
#include "textdrawing.h"

#include <gtest/gtest.h>

using font_test::EpsStep;
using font_test::Segment;
using font_test::segmentsOf;
using font_test::TextDesk;

namespace {

EpsStep width(float w) {
    return {"slw", 0, 0, w};
}
EpsStep at(const char* op, float x, float y) {
    return {op, x, y, 0};
}
EpsStep bare(const char* op) {
    return {op, 0, 0, 0};
}

void expectSegment(const Segment& s, float x0, float y0, float x1, float y1) {
    EXPECT_NEAR(s.x0, x0, 0.01f);
    EXPECT_NEAR(s.y0, y0, 0.01f);
    EXPECT_NEAR(s.x1, x1, 0.01f);
    EXPECT_NEAR(s.y1, y1, 0.01f);
}

class Draw : public testing::Test {
protected:
    // Everything after the pen and colour that opening the file writes.
    std::vector<EpsStep> drawn() {
        std::vector<EpsStep> steps = page.finish();
        steps.erase(steps.begin(), steps.begin() + 2);
        return steps;
    }

    TextDesk page{testing::UnitTest::GetInstance()->current_test_info()->name(),
                  font_test::simpleFontFolder()};
    fontclass renderer{page.surface};
};

} // namespace

TEST_F(Draw, OneCharacterIsOnePathInItsColourAndPen) {
    renderer.hwrite(10, 20, "I", 1, 0, 10.0f, 1, 1);
    EXPECT_FLOAT_EQ(page.surface.getpenwidth(), 0.3f);
    const std::vector<EpsStep> expected = {width(3.5f),     bare("np"),      at("m", 10, 20),
                                           bare("shsb"),    at("m", 10, 20), bare("shsb"),
                                           at("l", 10, 30), at("m", 10, 30), bare("st"),
                                           bare("cp"),      width(0.3f)};
    EXPECT_EQ(drawn(), expected);
}

TEST_F(Draw, SpacesAndControlCharactersOnlySetThePen) {
    renderer.hwrite(10, 20, " \n", 0, 0, 10.0f, 1, 1);
    const std::vector<EpsStep> expected = {width(3.5f), width(0.3f), width(3.5f), width(0.3f)};
    EXPECT_EQ(drawn(), expected);
}

TEST_F(Draw, PenWeightsFollowTheFontBits) {
    const struct {
        int font;
        float pen;
        float x;
    } cases[] = {{0, 3.5f, 10},  {16, 2.1f, 10}, {32, 7.0f, 10}, {48, 2.1f, 10},
                 {17, 2.1f, 11}, {33, 7.0f, 11}, {2, 3.5f, 12},  {7, 3.5f, 10}};
    for (const auto& c : cases)
        renderer.hwrite(10, 20, "I", 0, c.font, 10.0f, 1, 1);
    const std::vector<EpsStep> steps = drawn();
    std::vector<Segment> segments = segmentsOf(steps);
    ASSERT_EQ(segments.size(), std::size(cases));
    for (std::size_t i = 0; i < segments.size(); ++i) {
        SCOPED_TRACE(cases[i].font);
        EXPECT_NEAR(segments[i].width, cases[i].pen, 1e-5f);
        expectSegment(segments[i], cases[i].x, 20, cases[i].x, 30);
    }
}

TEST_F(Draw, ScriptsAreSmallerAndLiftedOrLoweredFromTheSameStart) {
    renderer.hwrite(10, 20, "I_I^I", 0, 0, 10.0f, 1, 1);
    const std::vector<Segment> segments = segmentsOf(drawn());
    ASSERT_EQ(segments.size(), 3u);
    const float s = 10.0f * 2 / 3 * 0.1f;
    expectSegment(segments[0], 10, 20, 10, 30);
    expectSegment(segments[1], 20, 20 - 10 * s, 20, 20);
    expectSegment(segments[2], 20, 20 + 25 * s, 20, 20 + 35 * s);
    EXPECT_NEAR(segments[2].width, 3.5f * 2 / 3, 1e-5f);
}

TEST_F(Draw, GroupsAndLiteralsAndGreek) {
    renderer.hwrite(10, 20, "^{II}$I$I", 0, 0, 10.0f, 1, 1);
    const std::vector<Segment> segments = segmentsOf(drawn());
    ASSERT_EQ(segments.size(), 4u);
    const float s = 10.0f * 2 / 3 * 0.1f;
    expectSegment(segments[0], 10, 20 + 25 * s, 10, 20 + 35 * s);
    expectSegment(segments[1], 10 + 10 * s, 20 + 25 * s, 10 + 10 * s, 20 + 35 * s);
    expectSegment(segments[2], 10 + 20 * s + 2, 20, 10 + 20 * s + 2, 30); // Greek I sits at x 2
    expectSegment(segments[3], 10 + 20 * s + 14, 20, 10 + 20 * s + 14, 30);
}

TEST_F(Draw, Utf8GreekLettersDrawFromTheGreekFont) {
    renderer.hwrite(10, 20, "\xCE\x99I", 0, 33, 10.0f, 1, 1); // Iota, a bold I in font 1
    const std::vector<Segment> segments = segmentsOf(drawn());
    ASSERT_EQ(segments.size(), 2u);
    expectSegment(segments[0], 12, 20, 12, 30);  // the Greek I sits at x 2 and advances 14
    expectSegment(segments[1], 25, 20, 25, 30);  // font 1 draws its I at x 1
    EXPECT_NEAR(segments[0].width, 3.5f, 1e-5f); // the Greek font has no pen weight of its own
    EXPECT_NEAR(segments[1].width, 7.0f, 1e-5f);
}

TEST_F(Draw, SlashDrawsTheNextCharacterAsItsSlot) {
    renderer.hwrite(10, 20, "/^/$", 0, 0, 10.0f, 1, 1); // the slot of ^ and a dollar sign
    const std::vector<Segment> segments = segmentsOf(drawn());
    ASSERT_EQ(segments.size(), 2u);
    expectSegment(segments[0], 10, 25, 16, 25);
    expectSegment(segments[1], 18, 20, 24, 26);
}

TEST_F(Draw, VerticalTextRunsUpwardsWithGlyphsTurnedCounterClockwise) {
    renderer.vwrite(50, 20, "LI", 0, 0, 10.0f, 1, 1);
    const std::vector<Segment> segments = segmentsOf(drawn());
    ASSERT_EQ(segments.size(), 3u);
    expectSegment(segments[0], 40, 20, 50, 20); // the stem of the L, lying to the left
    expectSegment(segments[1], 50, 20, 50, 25); // its foot, along the line
    expectSegment(segments[2], 50, 28, 40, 28); // the I, one advance of 8 further up
}

TEST_F(Draw, AlignmentPlacesTheTextAboutThePoint) {
    renderer.hwrite(50, 50, "II", 0, 0, 10.0f, 0, 0); // 20 long, 24 high
    renderer.hwrite(50, 50, "II", 0, 0, 10.0f, -1, -1);
    renderer.hwrite(50, 50, "II", 0, 0, 10.0f, 0.5f, 1);
    renderer.vwrite(50, 50, "II", 0, 0, 10.0f, 0, 0);
    renderer.vwrite(50, 50, "II", 0, 0, 10.0f, -1, -1);
    std::vector<EpsStep> starts;
    const std::vector<EpsStep> steps = drawn();
    for (std::size_t i = 0; i + 1 < steps.size(); ++i)
        if (steps[i].op == "np") starts.push_back(steps[i + 1]);
    ASSERT_EQ(starts.size(), 10u);
    EXPECT_EQ(starts[0], at("m", 40, 38));
    EXPECT_EQ(starts[2], at("m", 30, 26));
    EXPECT_EQ(starts[4], at("m", 45, 50));
    EXPECT_EQ(starts[6], at("m", 62, 40)); // centred along an upward line
    EXPECT_EQ(starts[8], at("m", 74, 30)); // ends at the point, its top on the point
}

TEST_F(Draw, AnglesUpToHalfARadianAreHorizontal) {
    const struct {
        float angle;
        bool vertical;
    } cases[] = {{0.5f, false}, {-0.5f, false}, {0.51f, true}, {-3.14f, true}, {1.5708f, true}};
    for (const auto& c : cases) {
        renderer.setangle(c.angle);
        float x = 0, y = 0;
        renderer.puttext(x, y, "I", 0, 0, 1.0f, 0.0f);
        EXPECT_EQ(x == 0, c.vertical) << c.angle;
        EXPECT_EQ(y == 0, !c.vertical) << c.angle;
    }
}

TEST_F(Draw, TextIsClippedToTheViewport) {
    page.surface.setviewport(0, 0, 133.33f, 25);
    renderer.hwrite(10, 20, "I", 0, 0, 10.0f, 1, 1); // a unit scale of 25 / 880 now
    const std::vector<Segment> segments = segmentsOf(drawn());
    ASSERT_EQ(segments.size(), 1u);
    const float s = 10.0f * 25 / 880;
    expectSegment(segments[0], 10, 20, 10, std::min(25.0f, 20 + 10 * s));
}

namespace {
// Glyph programs with the odd cases of the layout, in font 0 of a file in a "walker" folder of this
// process.
std::string writeWalkerFont() {
    font_test::FontFile font = font_test::simpleFont();
    font.setProgram(0, 'a', {0, 0, 64, 1, 64, 3, 0, 10, 64, 2}); // 64,3 does nothing
    font.setProgram(0, 'b', {0, 0, 64, 1, 0, 64, 64, 2});        // b = 64 is +64
    font.setProgram(0, 'c', {0, 0, 64, 1, 0, 10, 64, 0, 5, 0, 64, 1, 5, 10, 64, 0, 9, 9, 64, 2});
    font.setProgram(0, 'd', {65, 65, 64, 1, 74, 70, 64, 2}); // negative coordinates
    std::vector<unsigned char> full = {0, 0, 64, 1};
    for (int i = 0; i < 126; ++i) { // 128 pairs and no end
        full.push_back(static_cast<unsigned char>(i % 2));
        full.push_back(0);
    }
    font.setProgram(0, 'e', full);
    font.setProgram(0, 'f', {50, 50, 64, 2}); // read only if the walk ran past the 128th pair
    const std::string folder = testing_support::processFolder("walker");
    font.save(folder + "/Velfont.bin");
    return folder;
}
} // namespace

TEST(GlyphPrograms, CommandsAndCoordinatesAreWalkedAsLaidOut) {
    TextDesk page("walker", writeWalkerFont());
    fontclass renderer(page.surface);
    const float y = 20;
    renderer.hwrite(10, y, "a", 0, 0, 10.0f, 1, 1);
    renderer.hwrite(10, y, "b", 0, 0, 10.0f, 1, 1);
    renderer.hwrite(10, y, "c", 0, 0, 10.0f, 1, 1);
    renderer.hwrite(60, 60, "d", 0, 0, 10.0f, 1, 1);
    renderer.hwrite(10, y, "e", 0, 0, 10.0f, 1, 1);
    const std::vector<EpsStep> steps = page.finish();
    const std::vector<Segment> segments = segmentsOf(steps);
    ASSERT_EQ(segments.size(), 1u + 1u + 2u + 1u + 126u);
    expectSegment(segments[0], 10, 20, 10, 30);
    expectSegment(segments[1], 10, 20, 10, 84);
    expectSegment(segments[2], 10, 20, 10, 30);
    expectSegment(segments[3], 15, 20, 15, 30); // the pen lifted in between
    expectSegment(segments[4], 59, 59, 50, 54);
    for (std::size_t i = 5; i < segments.size(); ++i)
        EXPECT_EQ(segments[i].y1, 20) << "the walk ran into the next record";
    // After a glyph the pen moves back to the last point drawn, not the last point moved to.
    bool sawReturn = false;
    for (std::size_t i = 0; i + 2 < steps.size(); ++i)
        if (steps[i] == at("m", 19, 29) && steps[i + 1] == at("m", 15, 30)) sawReturn = true;
    EXPECT_TRUE(sawReturn);
}

TEST(FontFiles, MissingFontFileEndsTheProcessWhenTheRendererIsBuilt) {
    desk surface;
    surface.setfontpath("no/such/folder");
    EXPECT_FATAL(fontclass renderer(surface),
                 "^# VelFont::setFontPath\\(no/such/folder/Velfont.bin\\) error : can't open "
                 "file no/such/folder/Velfont.bin\n$");
}

TEST(FontFiles, ShortFileIsReportedAndItsMissingPartsDrawAndAdvanceNothing) {
    const std::string folder = font_test::writeSimpleFont("short");
    {
        std::string bytes = testing_support::readFile(folder + "/Velfont.bin");
        bytes.resize(25088 + 256 + 40); // font 1's widths cut short, font 2 missing
        testing_support::writeFile(folder + "/Velfont.bin", bytes);
    }
    TextDesk page("short", folder);
    fontclass renderer(page.surface);
    testing::internal::CaptureStderr();
    EXPECT_FLOAT_EQ(renderer.getlength("I", 0, 10.0f), 10.0f); // read before the cut
    EXPECT_FLOAT_EQ(renderer.getlength("I", 1, 10.0f), 0.0f);  // its width lies beyond
    EXPECT_FLOAT_EQ(renderer.getlength("I", 2, 10.0f), 0.0f);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("4096"), std::string::npos);
    renderer.hwrite(10, 20, "I", 0, 0, 10.0f, 1, 1);
    EXPECT_TRUE(segmentsOf(page.finish()).empty());
}

TEST(FontFiles, ASecondFileServesEveryRendererButWidthsStayAsLoaded) {
    const std::string walker = writeWalkerFont();
    TextDesk page("switched", font_test::simpleFontFolder());
    fontclass first(page.surface);
    first.hwrite(10, 20, "a", 0, 0, 10.0f, 1, 1); // simple: no strokes for a; widths loaded
    desk other;
    other.setfontpath(walker.c_str());
    fontclass second(other); // switches sharedFont
    first.hwrite(10, 20, "aI", 0, 0, 10.0f, 1, 1);
    const std::vector<Segment> segments = segmentsOf(page.finish());
    ASSERT_EQ(segments.size(), 2u);
    expectSegment(segments[0], 10, 20, 10, 30); // walker's a
    expectSegment(segments[1], 18, 20, 18, 30); // I after the width of a in the simple font
}

TEST(GeneratedFont, RichTextRendersInGhostscript) {
    TextDesk page("richtext", testing_support::fontDirectory(), false);
    fontclass renderer(page.surface);
    renderer.hwrite(5, 80, "Temperatur T/[K/] = 2.5 10^{-3} \xC4\xD6\xDC\xE4\xF6\xFC\xDF", 0, 0,
                    1.0f, 1, 1);
    renderer.hwrite(5, 60, "$abgdDW$ x_i^2 e^{i$p$}", 3, 17, 2.0f, 1, 1);
    renderer.vwrite(120, 50, "Intensit\x84t / a.u.", 1, 32, 1.5f, 0, 0);
    EXPECT_GT(segmentsOf(page.finish()).size(), 200u);
    EXPECT_EQ(testing_support::ghostscriptProblems("richtext.eps"), "");
}
