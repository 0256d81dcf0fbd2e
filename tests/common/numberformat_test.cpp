// The numbers of the output files: the "%g" form and the cut to hundredths.
#include "common/numberformat.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

std::string g(float value) {
    char text[velora::numberTextCapacity];
    return std::string(text, velora::formatG(text, value));
}

std::string hundredths(double points) {
    char text[velora::numberTextCapacity];
    return std::string(text, velora::formatHundredths(text, points));
}

} // namespace

TEST(NumberFormat, GeneralFormHasSixSignificantDigits) {
    EXPECT_EQ(g(35.0f), "35");
    EXPECT_EQ(g(0.525f), "0.525");
    EXPECT_EQ(g(568.32f), "568.32");
    EXPECT_EQ(g(1.0f / 3.0f), "0.333333");
    EXPECT_EQ(g(1e-05f), "1e-05");
    EXPECT_EQ(g(1234567.0f), "1.23457e+06");
    EXPECT_EQ(g(-0.125f), "-0.125");
}

TEST(NumberFormat, CoordinatesAreCutTowardsZeroToHundredths) {
    EXPECT_EQ(hundredths(568.32789), "568.32");
    EXPECT_EQ(hundredths(75.0), "75");
    EXPECT_EQ(hundredths(470.5), "470.5");
    EXPECT_EQ(hundredths(-3.019), "-3.01");
    EXPECT_EQ(hundredths(0.004), "0");
    EXPECT_EQ(hundredths(-0.004), "0");
    EXPECT_EQ(hundredths(12345678.9), "1.23457e+07");
    // On both sides of a million hundredths, where the general form takes over.
    EXPECT_EQ(hundredths(9999.999), "9999.99");
    EXPECT_EQ(hundredths(-9999.999), "-9999.99");
    EXPECT_EQ(hundredths(10000.0), "10000");
    EXPECT_EQ(hundredths(-10000.009), "-10000");
    EXPECT_EQ(hundredths(std::numeric_limits<double>::quiet_NaN()),
              g(std::numeric_limits<float>::quiet_NaN()));
}

// The integer fast path must give exactly what the general form gives for the cut value.
TEST(NumberFormat, FastPathAgreesWithGeneralFormForEveryHundredth) {
    for (long long k = -999999; k <= 999999; ++k) {
        if (k == 0) continue;
        const double points = static_cast<double>(k) / 100.0;
        const std::string expected = g(static_cast<float>(std::trunc(100.0 * points) / 100.0));
        ASSERT_EQ(hundredths(points), expected) << "k = " << k;
    }
}

TEST(NumberFormat, TruncationSaturatesInsteadOfOverflowing) {
    EXPECT_EQ(velora::truncateToInt(9599.76), 9599);
    EXPECT_EQ(velora::truncateToInt(-36.9), -36);
    EXPECT_EQ(velora::truncateToInt(1e20), INT_MAX);
    EXPECT_EQ(velora::truncateToInt(-1e20), INT_MIN);
    EXPECT_EQ(velora::truncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}
