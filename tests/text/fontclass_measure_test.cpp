// Measuring text: the markup decides where the pen ends, and getlength reports that distance.
// The simple font gives exact figures: at size 10 on a viewport 88 high, I advances 10 units in
// font 0, 12 in font 1, 14 in font 2; every other slot advances 8.
#include "text/fontclass.h"

#include "textdrawing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using font_test::TextDesk;

namespace {

class Measure : public testing::Test {
protected:
    float length(const char* text, int font = 0) { return renderer.getlength(text, font, 10.0f); }

    TextDesk page{testing::UnitTest::GetInstance()->current_test_info()->name(),
                  font_test::simpleFontFolder()};
    fontclass renderer{page.surface};
};

constexpr float script = 10.0f * 2 / 3; // an I at two thirds of the size

} // namespace

TEST_F(Measure, PlainTextAdvancesByItsWidths) {
    EXPECT_FLOAT_EQ(length(""), 0.0f);
    EXPECT_FLOAT_EQ(length("I"), 10.0f);
    EXPECT_FLOAT_EQ(length("II"), 20.0f);
    EXPECT_FLOAT_EQ(length("I I"), 28.0f); // the space advances by its width
    EXPECT_FLOAT_EQ(length("I", 1), 12.0f);
    EXPECT_FLOAT_EQ(renderer.getlength("II", 0, 2.5f), 5.0f); // size scales the result
}

TEST_F(Measure, ControlCharactersAndUnmappedHighBytesNeitherDrawNorMove) {
    EXPECT_FLOAT_EQ(length("I\nI"), 20.0f);
    EXPECT_FLOAT_EQ(length("I\t\r\x01\x1fI"), 20.0f);
    EXPECT_FLOAT_EQ(length("\x80\xA0\xFF"), 0.0f);
    EXPECT_FLOAT_EQ(length("\xC4\x8E\xDF"), 24.0f); // umlauts and sharp s are slots of their own
}

TEST_F(Measure, Utf8TextMeasuresLikeItsCodePageForm) {
    EXPECT_FLOAT_EQ(length("Intensit\xC3\xA4t"), length("Intensit\xE4t"));
    EXPECT_FLOAT_EQ(length("\xC3\x84\xC3\x9F\xC2\xB0"), 24.0f);
    // Greek letters and the micro sign come from the Greek font, whatever the font given.
    EXPECT_FLOAT_EQ(length("\xCE\x99"), length("$I$"));
    EXPECT_FLOAT_EQ(length("I\xCE\x99I", 1), 12.0f + 14.0f + 12.0f);
    // A literal and a script take the whole sequence.
    EXPECT_FLOAT_EQ(length("/\xCE\x99"), 14.0f);
    EXPECT_FLOAT_EQ(length("I^\xCE\x99I"), 10.0f + 14.0f * 2 / 3 + 10.0f);
}

TEST_F(Measure, ScriptsStartAtTheEndOfTheBaseAndRunsShareTheirStart) {
    EXPECT_FLOAT_EQ(length("I^I"), 10.0f + script);
    EXPECT_FLOAT_EQ(length("I_I"), 10.0f + script);
    EXPECT_FLOAT_EQ(length("I_I^I"), 10.0f + script);    // both from the same start
    EXPECT_FLOAT_EQ(length("I_{II}^I"), 10.0f + script); // the pen ends where the last one ended
    EXPECT_FLOAT_EQ(length("I_I$^I"), 10.0f + 14.0f * 2 / 3); // $ keeps the run, Greek I is wider
    EXPECT_FLOAT_EQ(length("I^II^I"), 20.0f + 2 * script);    // a plain character ends the run
    EXPECT_FLOAT_EQ(length("I^I^{II}"), 10.0f + 2 * script);
}

TEST_F(Measure, GroupsInBracesAreOneScript) {
    EXPECT_FLOAT_EQ(length("I^{II}I"), 20.0f + 2 * script);
    EXPECT_FLOAT_EQ(length("^{I^I}"), script + script * 2 / 3); // groups nest their markup
    // Braces do not nest: the first } ends the group, and the second is the glyph of its slot.
    EXPECT_FLOAT_EQ(length("^{I{I}}"), 2 * script + 8.0f * 2 / 3 + 8.0f);
}

TEST_F(Measure, OddMarkupAtTheEdges) {
    EXPECT_FLOAT_EQ(length("I^"), 10.0f);      // a trailing ^ is ignored
    EXPECT_FLOAT_EQ(length("I^I_"), 10.0f);    // a trailing _ is an empty group of the run
    EXPECT_FLOAT_EQ(length("I^{I"), 20.0f);    // { without } is an empty group
    EXPECT_FLOAT_EQ(length("{I"), 10.0f);      // a leading { is dropped
    EXPECT_FLOAT_EQ(length("{I}"), 18.0f);     // ... and a } drawn as its slot
    EXPECT_FLOAT_EQ(length("I/"), 10.0f);      // / at the end takes the terminating zero
    EXPECT_FLOAT_EQ(length("/^/$//"), 24.0f);  // three literal characters
    EXPECT_FLOAT_EQ(length("$I$I"), 24.0f);    // Greek I, then font 0 again
    EXPECT_FLOAT_EQ(length("$I$I", 1), 26.0f); // ... or the font given
    EXPECT_FLOAT_EQ(length("$I$I", 2), 28.0f); // $ in Greek stays Greek
}

TEST_F(Measure, UnclosedGroupsTakeTimeInProportionToTheText) {
    // Each "^{" without its "}" once searched the rest of the text: three megabytes took half a
    // minute.
    std::string text;
    for (int i = 0; i < 1000000; ++i)
        text += "I^{";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FLOAT_EQ(length(text.c_str()) / 1000000, 10.0f);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    // The groups that are closed still end at their own braces: an unclosed one inside a group
    // is empty there, and the first group ends at the first brace.
    EXPECT_FLOAT_EQ(length("^{I^{I}I^{II}"), 2 * script + 10.0f + 2 * script);
}

TEST_F(Measure, FontArgumentSelectsTheFontByItsLowBits) {
    EXPECT_FLOAT_EQ(length("I", 17), 12.0f); // font 1, thin
    EXPECT_FLOAT_EQ(length("I", 48), 10.0f); // font 0, thin and bold
    EXPECT_FLOAT_EQ(length("I", 34), 14.0f); // font 2, bold
    EXPECT_FLOAT_EQ(length("I", 64 + 1), 12.0f);
    // Font numbers the file does not hold fall back to font 0.
    for (int font = 3; font < 16; ++font)
        EXPECT_FLOAT_EQ(length("I", font), 10.0f) << font;
}

TEST_F(Measure, LengthIsTheSameInBothDirections) {
    const char* text = "II^I_{I$I}/^";
    renderer.setangle(0.0f);
    const float along = length(text);
    renderer.setangle(1.5708f);
    EXPECT_FLOAT_EQ(length(text), along);
}

TEST_F(Measure, HeightIsTheNominalHeightAndFollowsTheViewport) {
    EXPECT_FLOAT_EQ(renderer.getheight("anything", 2, 10.0f), 24.0f);
    page.surface.setviewport(0.0f, 0.0f, 133.33f, 44.0f);
    EXPECT_FLOAT_EQ(renderer.getheight("", 0, 10.0f), 12.0f);
    EXPECT_FLOAT_EQ(length("I"), 5.0f);
}

TEST(MeasureDefaults, NewRendererUsesTheFullPageUnitUntilItMeasures) {
    TextDesk page{"defaults", font_test::simpleFontFolder(), false};
    fontclass renderer(page.surface);
    float x = 0, y = 0;
    renderer.puttext(x, y, "I", 0, 0, 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(x, 10 * 0.11363637f);
    EXPECT_FLOAT_EQ(renderer.getheight("", 0, 1.0f), 24 * 100.0f / 880);
}
