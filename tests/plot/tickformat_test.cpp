// The numbers of an axis apart from any drawing: tick texts, the decimals an axis shows, the
// automatic tick step and the bound on the number of ticks.
#include "plot/axisticks.h"
#include "plot/tickformat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

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

namespace {

// The tick text read step by step from its description, on the C library's own conversions: the
// exact decimal digits from printf, rounded half up on the digit after the n kept, zero judged
// by atof.
std::string tickTextByTheSteps(float value, int digits) {
    const double halfUnit = 0.5 * std::pow(10.0, -digits);
    value = static_cast<float>(value >= 0 ? value + halfUnit : value - halfUnit);
    const double whole = std::trunc(value);
    const int n = whole != 0 ? static_cast<int>(std::log10(std::fabs(whole)) + digits) : digits - 1;

    char exact[200];
    std::snprintf(exact, sizeof exact, "%.150e", std::fabs(static_cast<double>(value)));
    std::string all;
    const char* p = exact;
    for (; *p != 'e'; ++p)
        if (*p != '.') all += *p;
    int decpt = value == 0 ? 0 : std::atoi(p + 1) + 1;
    std::string kept = all.substr(0, n);
    if (all[n] >= '5') {
        int i = n - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else {
            if (n > 0) kept[0] = '1';
            ++decpt;
        }
    }

    std::string text = value < 0 ? "-" : "";
    if (whole == 0 && decpt < 1) text += '0';
    if (decpt < 0) text += '.';
    for (int position = decpt; position < 0; ++position)
        text += '0';
    for (int i = 0; i < n; ++i) {
        if (i == decpt) text += '.';
        text += kept[i];
    }
    if (n == decpt && decpt < digits) text += '.' + std::string(digits, '0');
    if (std::atof(text.c_str()) == 0) return "0";
    const std::size_t point = text.find('.');
    if (point != std::string::npos && text.size() > point + 1 + n) text.resize(point + 1 + n);
    if (text[0] == '-' && std::atof(text.c_str()) == 0) text.erase(0, 1);
    return text;
}

} // namespace

TEST(TickText, AnEmptyTextDoesNotShowThePreviousOne) {
    // One digit for a value in [0.45, 0.95): the rounding carries and no digit is kept.
    velora::tickText(10.0f, 1);
    EXPECT_STREQ(velora::tickText(0.5f, 1), "0");
    velora::tickText(-123.0f, 1);
    EXPECT_STREQ(velora::tickText(-0.9f, 1), "0");
}

TEST(TickText, FollowsItsStepsOnManyValues) {
    std::vector<float> values;
    for (int k = 0; k < 500; ++k) {
        const float v = 0.45f + 0.5f * k / 500;
        values.push_back(v);
        values.push_back(-v);
    }
    for (int e = -8; e <= 9; ++e) {
        const float power = static_cast<float>(std::pow(10.0, e));
        for (const float scale : {0.5f, 0.95f, 0.995f, 0.9999f, 1.0f, 1.05f, 1.5f}) {
            float v = power * scale;
            for (int step = 0; step < 3; ++step) {
                values.push_back(v);
                values.push_back(-v);
                v = std::nextafter(v, 0.0f);
            }
        }
    }
    for (const float v : values)
        for (int digits = 1; digits <= 12; ++digits)
            ASSERT_EQ(velora::tickText(v, digits), tickTextByTheSteps(v, digits))
                << v << " with " << digits;
}
