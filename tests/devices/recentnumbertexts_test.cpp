// The pen width texts the EPS writer keeps: each is the "%g" text of exactly its value.
#include "devices/files/recentnumbertexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string textOf(velora::RecentNumberTexts& texts, float value) {
    std::size_t length = 0;
    const char* text = texts.text(value, length);
    return std::string(text, length);
}

} // namespace

TEST(RecentNumberTexts, AlternatingValuesKeepTheirOwnTexts) {
    velora::RecentNumberTexts texts;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(textOf(texts, 0.525f), "0.525");
        EXPECT_EQ(textOf(texts, 0.696023f), "0.696023");
    }
    // A third value replaces the one used longest ago, not the one used last.
    EXPECT_EQ(textOf(texts, 1.75f), "1.75");
    EXPECT_EQ(textOf(texts, 0.696023f), "0.696023");
    EXPECT_EQ(textOf(texts, 0.525f), "0.525");
    EXPECT_EQ(textOf(texts, 1.75f), "1.75");
}

TEST(RecentNumberTexts, ZeroAndNegativeZeroAreDifferentTexts) {
    velora::RecentNumberTexts texts;
    EXPECT_EQ(textOf(texts, 0.0f), "0");
    EXPECT_EQ(textOf(texts, -0.0f), "-0");
    EXPECT_EQ(textOf(texts, 0.0f), "0");
}
