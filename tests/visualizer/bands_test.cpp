#include "bands.h"
#include "toge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct ConditionCase {
    const char* name;
    double value;
    double conditioned;
    bool flips;
};

class BandConditioning : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(BandConditioning, ClampsAndFlipsTheSign)
{
    const ConditionCase c = GetParam();
    Toge surface;
    double values[] = {c.value};
    conditionBands(surface, 1, values);
    EXPECT_EQ(values[0], c.conditioned);
    EXPECT_EQ(surface.bandSign[0], c.flips ? -1 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BandConditioning,
    ::testing::Values(
        // Values beyond 100 either way are clamped to it; what is not a number counts as -100.
        ConditionCase{"AboveHundredClamped", 150, 100, false},
        ConditionCase{"BelowMinusHundredClamped", -150, -100, false},
        ConditionCase{"NanToMinusHundred", nan, -100, false},
        ConditionCase{"InfinityToHundred", inf, 100, false},
        ConditionCase{"MinusInfinityToMinusHundred", -inf, -100, false},
        ConditionCase{"HundredKept", 100, 100, false},
        ConditionCase{"MinusHundredKept", -100, -100, false},
        // Values strictly between -1 and 1 are kept and flip their band's sign.
        ConditionCase{"HalfFlipsTheSign", 0.5, 0.5, true},
        ConditionCase{"JustAboveMinusOneFlipsTheSign", -0.99, -0.99, true},
        ConditionCase{"ZeroFlipsTheSign", 0.0, 0.0, true},
        ConditionCase{"OneKeepsTheSign", 1.0, 1.0, false},
        ConditionCase{"MinusOneKeepsTheSign", -1.0, -1.0, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(BandConditioning, TheTicksZeroBandsFlipTheirSignsEveryFrame)
{
    Toge surface;
    std::vector<double> zeros(14, 0.0);
    conditionBands(surface, 14, zeros.data());
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(surface.bandSign[i], i < 14 ? -1 : 1) << "band " << i;
    conditionBands(surface, 14, zeros.data());
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(surface.bandSign[i], 1) << "band " << i;
}

TEST(BandCount, IsClampedToTheTwentyBandsThereAreSignsFor)
{
    EXPECT_EQ(clampBandCount(-1), 0);
    EXPECT_EQ(clampBandCount(std::numeric_limits<std::int32_t>::min()), 0);
    EXPECT_EQ(clampBandCount(0), 0);
    EXPECT_EQ(clampBandCount(14), 14);
    EXPECT_EQ(clampBandCount(20), 20);
    EXPECT_EQ(clampBandCount(21), 20);
    EXPECT_EQ(clampBandCount(std::numeric_limits<std::int32_t>::max()), 20);
}

TEST(BandFeatures, FollowTheBandsAndStayZeroBeyondTheCount)
{
    const double values[] = {10, -10, 0.5};
    const BandFeatures f = deriveBandFeatures(3, values);
    EXPECT_DOUBLE_EQ(f.features[0], 0.1);
    EXPECT_DOUBLE_EQ(f.features[1], -0.1);
    EXPECT_DOUBLE_EQ(f.features[2], 0.005);
    for (std::size_t i = 3; i < 20; ++i)
        EXPECT_EQ(f.features[i], 0.0);
    EXPECT_DOUBLE_EQ(f.bandSum, 20.5);
    EXPECT_EQ(f.loudCount, 3);
    EXPECT_DOUBLE_EQ(f.mean, 20.5 / 3);
    EXPECT_EQ(meanLevelOf(f.mean), 6);
}

TEST(BandFeatures, AllBandsAtHundredExciteEveryFigure)
{
    const std::vector<double> values(14, 100.0);
    const BandFeatures f = deriveBandFeatures(14, values.data());
    EXPECT_DOUBLE_EQ(f.bandSum, 1400);
    EXPECT_EQ(f.loudCount, 15);
    EXPECT_DOUBLE_EQ(f.mean, 1400.0 / 15);
    EXPECT_EQ(meanLevelOf(f.mean), 93);
    EXPECT_TRUE(isExcited(meanLevelOf(f.mean), 60));
    EXPECT_DOUBLE_EQ(f.features[13], 1.0);
}

TEST(BandFeatures, TheTicksZerosGiveMeanLevelZero)
{
    const std::vector<double> values(14, 0.0);
    const BandFeatures f = deriveBandFeatures(14, values.data());
    EXPECT_EQ(f.bandSum, 0.0);
    EXPECT_EQ(f.loudCount, 1);
    EXPECT_EQ(meanLevelOf(f.mean), 0);
    for (double feature : f.features)
        EXPECT_EQ(feature, 0.0);
}

TEST(BandFeatures, OnlyBandsLouderThanFiveCount)
{
    const double values[] = {5.0, -5.0, 5.5};
    EXPECT_EQ(deriveBandFeatures(3, values).loudCount, 2);
}

TEST(MeanLevel, TruncatesTowardZeroAndIsDefinedForEveryDouble)
{
    EXPECT_EQ(meanLevelOf(6.999), 6);
    EXPECT_EQ(meanLevelOf(-6.999), -6);
    EXPECT_EQ(meanLevelOf(nan), 0);
    EXPECT_EQ(meanLevelOf(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(meanLevelOf(-inf), std::numeric_limits<std::int32_t>::min());
}

TEST(Excitement, IsStrictlyAboveTheThresholdComparedSigned)
{
    EXPECT_FALSE(isExcited(60, 60));
    EXPECT_TRUE(isExcited(61, 60));
    EXPECT_FALSE(isExcited(0, 60));
    EXPECT_TRUE(isExcited(-1, -2));
}

} // namespace
