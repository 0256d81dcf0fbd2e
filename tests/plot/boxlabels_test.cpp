// Tick labels and captions: their texts (decimals from the step or the accuracy, moduli) and
// their places beside the frame, read back through a font whose strokes name the characters.
#include "plot/boxclass.h"

#include "plotdrawing.h"

#include <gtest/gtest.h>

using plot_test::Text;
using plot_test::textsOf;
using plot_test::wordsOf;

namespace {

// The frame (25, 30)-(85, 90) has a tick length of 1; at size 1 the label size is 1.5 and the
// nominal text height on the whole page 24 / 8.8 per unit of size.
constexpr float unitHeight = 24.0f / 8.8f;
constexpr float labelSize = 1.5f;

std::vector<Text> labelled(const std::string& name, const std::function<void(boxclass&)>& setup,
                           const char* xtext, const char* ytext, int ywidth = 0) {
    return textsOf(plot_test::drawn(
        name,
        [&](desk& d) {
            boxclass box(d);
            box.init(25, 30, 85, 90, 1, 1);
            setup(box);
            box.label(xtext, ytext, 1, ywidth, FONT_ROMAN, FONT_SANS);
        },
        plot_test::codeFontDirectory()));
}

std::vector<std::string> words(std::initializer_list<const char*> list) {
    return std::vector<std::string>(list.begin(), list.end());
}

} // namespace

TEST(BoxLabels, NumbersBesideTheTicksAndCaptionsBesideThem) {
    const std::vector<Text> texts = labelled(
        "labels_auto", [](boxclass& box) { box.dim(0, 10, 0, 1, 0, 0, 1, 0); }, "t // s", "U");
    EXPECT_EQ(wordsOf(texts), words({"0",   "1",   "2",   "3",     "4",   "5",   "6",   "7",
                                     "8",   "9",   "10",  "t / s", "0.0", "0.1", "0.2", "0.3",
                                     "0.4", "0.5", "0.6", "0.7",   "0.8", "0.9", "1.0", "U"}));
    ASSERT_EQ(texts.size(), 24u);
    const float h = unitHeight * labelSize;
    // x labels centred on their ticks, their middle 1.2 heights below the frame.
    for (int k = 0; k <= 10; ++k) {
        EXPECT_NEAR(texts[k].middleAlong(), 25 + 6 * k, 0.01f) << k;
        EXPECT_NEAR(texts[k].middleAcross(), 30 - 1.2f * h, 0.01f) << k;
        EXPECT_FALSE(texts[k].vertical);
    }
    // The caption centred under the frame, its baseline 3.5 heights below it.
    EXPECT_NEAR(texts[11].middleAlong(), 55, 0.01f);
    EXPECT_NEAR(texts[11].y, 30 - 3.5f * h, 0.01f);
    // y labels ending 0.7 heights left of the frame, centred on their ticks.
    for (int k = 0; k <= 10; ++k) {
        const Text& label = texts[12 + k];
        EXPECT_NEAR(label.x + 30 * label.unit, 25 - 0.7f * h, 0.01f) << k;
        EXPECT_NEAR(label.middleAcross(), 30 + 6 * k, 0.01f) << k;
    }
    // The y caption runs upwards, left of the widest label (3 advances of 10 at size 1).
    const Text& caption = texts[23];
    EXPECT_TRUE(caption.vertical);
    EXPECT_NEAR(caption.middleAlong(), 60, 0.01f);
    EXPECT_NEAR(caption.x, 25 - (30.0f / 8.8f + 1.5f * unitHeight) * labelSize, 0.01f);
}

TEST(BoxLabels, ModulusAndAccuracy) {
    std::vector<Text> texts = labelled(
        "labels_modulo",
        [](boxclass& box) {
            box.dim(0, 720, 0, 1, 90, 0.25f, 1, 0);
            box.setAxisModulo(boxclass::X_AXIS, 360);
            box.setAxisModulo(2, 7); // no such axis: nothing changes
        },
        "x", "y");
    EXPECT_EQ(wordsOf(texts), words({"0", "90", "180", "270", "0", "90", "180", "270", "0", "x",
                                     "0.00", "0.25", "0.50", "0.75", "1.00", "y"}));

    texts = labelled(
        "labels_accuracy",
        [](boxclass& box) {
            box.dim(0, 2, 0, 1, 1, 0.5f, 1, 0);
            box.setaccuracy(0.01f, -1);
        },
        "x", "y");
    EXPECT_EQ(wordsOf(texts), words({"0.00", "1.00", "2.00", "x", "0.0", "0.5", "1.0", "y"}));
}

TEST(BoxLabels, WithoutTicksOnlyTheCaptions) {
    std::vector<Text> texts = labelled(
        "labels_noticks", [](boxclass& box) { box.dim(0, 2, 0, 1, -1, -1, 1, 0); }, "x", "y", 3);
    EXPECT_EQ(wordsOf(texts), words({"x", "y"}));
    // Room for three digits of the caption font left of the frame.
    EXPECT_NEAR(texts[1].x, 25 - (30.0f / 8.8f + 1.5f * unitHeight) * labelSize, 0.01f);

    // Tick labels come only with their axis' caption.
    texts = labelled(
        "labels_empty", [](boxclass& box) { box.dim(0, 2, 0, 1, 1, 1, 1, 0); }, "", nullptr);
    EXPECT_TRUE(texts.empty());
}
