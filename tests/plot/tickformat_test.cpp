// The numbers of an axis apart from any drawing: tick texts, the decimals an axis shows, the
// automatic tick step and the bound on the number of ticks.
#include "plot/axisticks.h"
#include "plot/tickformat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

TEST(TickText, RoundsHalfUpToTheDecimalsAsked) {
    const struct {
        float value;
        int digits;
        const char* text;
    } table[] = {
        {12.345f, 3, "12.35"}, {0.5f, 3, "0.50"},    {0.0123f, 3, "0.01"},
        {-2.0f, 3, "-2.00"},   {0.0004f, 3, "0.00"}, {0.0f, 2, "0.0"},
        {0.96f, 2, "1.0"},     {5.6f, 1, "6"},       {12.0f, 1, "12"},
        {0.3f, 1, "0"},        {-0.3f, 1, "0"},      {9.96f, 2, "10"},
        {720.0f, 1, "720"},    {-0.25f, 3, "-0.25"}, {-1.4901161e-8f, 2, "0.0"},
    };
    for (const auto& row : table)
        EXPECT_STREQ(velora::tickText(row.value, row.digits), row.text)
            << row.value << " with " << row.digits;
}

TEST(TickText, EveryFloatFitsTheSharedBuffer) {
    const float values[] = {FLT_MAX,
                            -FLT_MAX,
                            1e30f,
                            -3.4e38f,
                            FLT_MIN,
                            -FLT_TRUE_MIN,
                            std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    for (const float v : values)
        for (int digits : {-5, 0, 1, 3, 11, 12, 40}) {
            const char* text = velora::tickText(v, digits);
            EXPECT_LT(std::strlen(text), static_cast<std::size_t>(velora::tickTextCapacity));
        }
    // Beyond the range of int the whole part is still written in full.
    EXPECT_STREQ(velora::tickText(1e30f, 1), "1000000015047466219876688855040");
    EXPECT_STREQ(velora::tickText(-3e9f, 2), "-3000000000.0");
    EXPECT_STREQ(velora::tickText(-std::numeric_limits<float>::infinity(), 2), "-inf");
}

TEST(LabelDigits, FromTheAccuracyOrTheStep) {
    // Accuracies 0.01 and 0.5; steps 0.25, 5 and 2.5 on x ("%g") and y ("%f").
    EXPECT_EQ(velora::labelDigits(0.01f, 1.0f, true), 3);
    EXPECT_EQ(velora::labelDigits(0.5f, 1.0f, false), 2);
    EXPECT_EQ(velora::labelDigits(-1.0f, 0.25f, true), 3);
    EXPECT_EQ(velora::labelDigits(-1.0f, 5.0f, false), 1);
    EXPECT_EQ(velora::labelDigits(1.0f, 2.5f, true), 2);
    // "%g" writes 1e-05: whole numbers only on the x axis; "%f" writes 0.000010 on y.
    EXPECT_EQ(velora::labelDigits(-1.0f, 0.00001f, true), 1);
    EXPECT_EQ(velora::labelDigits(-1.0f, 0.00001f, false), 6);
}

TEST(TickStep, ChosenForTheExamples) {
    const struct {
        float min, max;
        float step, widenedMin, widenedMax;
    } cases[] = {
        {0, 10, 1, 0, 10},     {0, 1, 0.1f, 0, 1},    {0, 3, 0.5f, 0, 3}, {0.3f, 9.7f, 1, 0, 10},
        {0, 720, 100, 0, 800}, {-1, 1, 0.25f, -1, 1}, {0, 7, 1, 0, 7},    {0, 40, 5, 0, 40},
    };
    for (const auto& c : cases) {
        float min = c.min, max = c.max, step = 0;
        velora::chooseTickStep(min, max, step);
        EXPECT_FLOAT_EQ(step, c.step) << c.min << " ... " << c.max;
        EXPECT_FLOAT_EQ(min, c.widenedMin) << c.min << " ... " << c.max;
        EXPECT_FLOAT_EQ(max, c.widenedMax) << c.min << " ... " << c.max;
    }
}

TEST(TickStep, CountKeepsTheLastTickDespiteRounding) {
    EXPECT_EQ(velora::tickCount(0, 1, 0.1f), 11);
    EXPECT_EQ(velora::tickCount(0, 3, 0.5f), 7);
    EXPECT_EQ(velora::tickCount(0, 9999, 1), velora::maxTicks);
    EXPECT_EQ(velora::tickCount(0, 10000, 1), -1);
    // Steps that never reach the end: backwards, too small to move on, infinite.
    EXPECT_EQ(velora::tickCount(0, 1, -2), -1);
    EXPECT_EQ(velora::tickCount(1e8f, 1e8f + 16, 0.01f), -1);
    EXPECT_EQ(velora::tickCount(0, 1, std::numeric_limits<float>::infinity()), -1);
}
