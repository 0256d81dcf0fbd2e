// The colour maps: their tables against the published values, the steady lightness a sequential
// map promises, the entry a value falls into, and the range of an array with holes in it.
#include "plot/colormaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// CIE L* of an sRGB colour.
double lightness(COLOR c) {
    const auto linear = [](unsigned v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const double y = 0.2126 * linear(velora::redOf(c)) + 0.7152 * linear(velora::greenOf(c)) +
                     0.0722 * linear(velora::blueOf(c));
    return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : 24389.0 / 27 * y;
}

} // namespace

TEST(ColourMapTables, PublishedEntriesSmoothStepsAndGrowingLightness) {
    // Entries 0, 128 and 255 of the published float tables.
    const struct {
        COLORMAPS map;
        double published[9];
    } maps[] = {
        {MAP_VIRIDIS,
         {.267004, .004874, .329415, .127568, .566949, .550556, .993248, .906157, .143936}},
        {MAP_MAGMA,
         {.001462, .000466, .013866, .716387, .214982, .47529, .987053, .991438, .749504}},
        {MAP_CIVIDIS, {0, .135112, .304751, .488697, .485318, .471008, .995737, .909344, .217772}},
        {MAP_GREY, {0, 0, 0, 128 / 255.0, 128 / 255.0, 128 / 255.0, 1, 1, 1}},
        {MAP_COOLWARM,
         {.2298057, .298717966, .753683153, .867427635, .8643766, .862602462, .705673158, .01555616,
          .150232812}},
        {MAP_TURBO, {.18995, .07176, .23217, .64362, .98999, .23356, .4796, .01583, .01055}},
    };
    for (const auto& m : maps) {
        const velora::ColourMap map(m.map);
        const auto byte = [&](int k) {
            return static_cast<int>(std::lround(m.published[k] * 255));
        };
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(map.colour(k * 128 - k / 2),
                      velora::rgb(byte(3 * k), byte(3 * k + 1), byte(3 * k + 2)))
                << "map " << m.map << " entry " << k;
        // A row copied wrongly jumps away from its neighbours: no channel of a published table
        // moves by more than 8 from one entry to the next, and the sequential maps never lose
        // more lightness than the rounding to bytes costs.
        const unsigned char* rgb = map.rgbTriples();
        int largestStep = 0;
        double largestDrop = 0;
        for (int k = 3; k < 768; ++k) {
            largestStep = std::max(largestStep, std::abs(rgb[k] - rgb[k - 3]));
            if (k % 3 == 0)
                largestDrop = std::max(largestDrop, lightness(map.colour(k / 3 - 1)) -
                                                        lightness(map.colour(k / 3)));
        }
        EXPECT_LE(largestStep, 8) << "map " << m.map;
        const bool sequential = m.map != MAP_COOLWARM && m.map != MAP_TURBO;
        EXPECT_LT(sequential ? largestDrop : 0, 0.05) << "map " << m.map;
    }
}

TEST(ColourMapTables, ClientTablesAndTheViridisFallback) {
    unsigned char client[768];
    for (int k = 0; k < 768; ++k)
        client[k] = static_cast<unsigned char>(k * 7);
    const velora::ColourMap own(client), viridis(MAP_VIRIDIS);
    EXPECT_TRUE(std::equal(client, client + 768, own.rgbTriples()));
    EXPECT_EQ(own.colour(1), velora::rgb(21, 28, 35));
    EXPECT_EQ(own.colour(-1), own.colour(0));
    EXPECT_EQ(own.colour(1 << 30), own.colour(255));
    for (const velora::ColourMap& fallback :
         {velora::ColourMap(static_cast<COLORMAPS>(7)), velora::ColourMap(nullptr)})
        EXPECT_TRUE(
            std::equal(viridis.rgbTriples(), viridis.rgbTriples() + 768, fallback.rgbTriples()));
}

TEST(ColourMapIndex, EndsClampingNaNsAndLogScales) {
    const velora::ColourMap map(MAP_GREY);
    const struct {
        double z, zmin, zmax;
        bool log;
        int index;
    } cases[] = {
        {0, 0, 1, false, 0},           {1, 0, 1, false, 255},
        {-5, 0, 1, false, 0},          {7, 0, 1, false, 255},
        {0.5, 0, 1, false, 128},       {0.4999, 0, 1, false, 127},
        {-inf, 0, 1, false, -1},       {inf, 0, 1, false, -1},
        {notANumber, 0, 1, false, -1}, {0, -1e308, 1e308, false, 128},
        {1, notANumber, 2, false, 0},  {1, 0, inf, false, 0},
        {10, 1, 1000, true, 85},       {1e-4, 1e-6, 1, true, 85},
        {99, 1, 100, true, 255},       {1, 1, 100, true, 0},
        {-3, 1, 100, true, 0},         {notANumber, 1, 100, true, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(map.index(c.z, c.zmin, c.zmax, c.log), c.index)
            << c.z << " in " << c.zmin << " ... " << c.zmax << (c.log ? " log" : "");
    // Every entry takes an equal share of the range.
    std::vector<int> counts(256);
    for (int k = 0; k < 256 * 16; ++k)
        ++counts[map.index((k + 0.5) / (256 * 16), 0, 1, false)];
    EXPECT_EQ(counts, std::vector<int>(256, 16));
}

TEST(ColourMapRange, FiniteValuesAmongNaNsAndInfinities) {
    const float f = std::numeric_limits<float>::quiet_NaN(), fi = 1 / 0.0f;
    const float floats[] = {f, fi, 3.5f, -fi, -2.25f, f, 7.0f, 0.0f, fi};
    const double doubles[] = {notANumber, -inf, 1e300, notANumber, -1e-300};
    double lo = 0, hi = 0, dlo = 0, dhi = 0;
    ASSERT_TRUE(velora::finiteRange(floats, 9, lo, hi) &&
                velora::finiteRange(doubles, 5, dlo, dhi));
    EXPECT_EQ(std::vector<double>({lo, hi, dlo, dhi}),
              std::vector<double>({-2.25, 7, -1e-300, 1e300}));
    // Nothing finite leaves the range as it was.
    const bool none = velora::finiteRange(doubles, 2, lo, hi) ||
                      velora::finiteRange(floats, 0, lo, hi) ||
                      velora::finiteRange(static_cast<const float*>(nullptr), 9, lo, hi) ||
                      velora::finiteRange(static_cast<const double*>(nullptr), 9, lo, hi);
    EXPECT_FALSE(none);
    EXPECT_EQ(lo, -2.25);
}
