#include "frame_angle.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();

struct AngleCase {
    const char* name;
    std::int32_t angle;
    float scale;
    std::int32_t frame;
};

class FrameAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(FrameAngle, IsTheTruncatedScaledAngleModulo360)
{
    const AngleCase c = GetParam();
    EXPECT_EQ(frameAngle(c.angle, c.scale), c.frame) << c.angle << " x " << c.scale;
}

constexpr float nanScale = std::numeric_limits<float>::quiet_NaN();
constexpr float infScale = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Cases, FrameAngle,
                         ::testing::Values(
                             // The tick's scale 1.0 keeps the angle.
                             AngleCase{"TickKeepsZero", 0, 1.0F, 0},
                             AngleCase{"TickKeepsOne", 1, 1.0F, 1},
                             AngleCase{"TickKeeps359", 359, 1.0F, 359},
                             AngleCase{"FullTurnIsZero", 360, 1.0F, 0},
                             AngleCase{"DoubledPastAFullTurn", 200, 2.0F, 40},
                             // Truncation toward zero, remainder with the sign of the product.
                             AngleCase{"HalfOfSevenTruncates", 7, 0.5F, 3},
                             AngleCase{"HalfOfMinusSevenTruncatesTowardZero", -7, 0.5F, -3},
                             AngleCase{"NegativeAngleWrapsKeepingItsSign", -370, 1.0F, -10},
                             AngleCase{"NegativeFullTurnIsZero", -360, 1.0F, 0},
                             AngleCase{"NegativeScaleTurnsBackwards", 1, -1.0F, -1},
                             // Products far outside the 32-bit range are reduced exactly.
                             AngleCase{"LargestAngleReducedExactly", intMax, 1.0F, 127},
                             AngleCase{"SmallestAngleReducedExactly", intMin, 1.0F, -128},
                             AngleCase{"HugeScaleReducedExactly", 1, 1e10F, 280},
                             AngleCase{"HugeScaleOfNegativeAngle", -1, 1e10F, -280},
                             // A scale that is not a finite number gives the angle 0.
                             AngleCase{"NanScaleGivesZero", 90, nanScale, 0},
                             AngleCase{"InfiniteScaleGivesZero", 90, infScale, 0},
                             AngleCase{"NegativeInfiniteScaleGivesZero", 90, -infScale, 0},
                             AngleCase{"ZeroAngleTimesInfinityGivesZero", 0, infScale, 0}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(FrameAngle, StaysWithinATurnForHugeScales)
{
    for (std::int32_t angle : {intMin, -359, -1, 1, 359, intMax}) {
        const std::int32_t frame = frameAngle(angle, std::numeric_limits<float>::max());
        EXPECT_GE(frame, -359);
        EXPECT_LE(frame, 359);
    }
}

} // namespace
