#include "frame_angle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int32_t intMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t intMin = std::numeric_limits<std::int32_t>::min();

struct AngleCase {
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

INSTANTIATE_TEST_SUITE_P(Cases, FrameAngle,
                         ::testing::Values(
                             // The tick's scale 1.0 keeps the angle.
                             AngleCase{0, 1.0F, 0}, AngleCase{1, 1.0F, 1},
                             AngleCase{359, 1.0F, 359}, AngleCase{360, 1.0F, 0},
                             AngleCase{200, 2.0F, 40},
                             // Truncation toward zero, remainder with the sign of the product.
                             AngleCase{7, 0.5F, 3}, AngleCase{-7, 0.5F, -3},
                             AngleCase{-370, 1.0F, -10}, AngleCase{-360, 1.0F, 0},
                             AngleCase{1, -1.0F, -1},
                             // Products far outside the 32-bit range are reduced exactly.
                             AngleCase{intMax, 1.0F, 127}, AngleCase{intMin, 1.0F, -128},
                             AngleCase{1, 1e10F, 280}, AngleCase{-1, 1e10F, -280},
                             // A scale that is not a finite number gives the angle 0.
                             AngleCase{90, std::numeric_limits<float>::quiet_NaN(), 0},
                             AngleCase{90, std::numeric_limits<float>::infinity(), 0},
                             AngleCase{90, -std::numeric_limits<float>::infinity(), 0},
                             AngleCase{0, std::numeric_limits<float>::infinity(), 0}));

TEST(FrameAngle, StaysWithinATurnForHugeScales)
{
    for (std::int32_t angle : {intMin, -359, -1, 1, 359, intMax}) {
        const std::int32_t frame = frameAngle(angle, std::numeric_limits<float>::max());
        EXPECT_GE(frame, -359);
        EXPECT_LE(frame, 359);
    }
}

} // namespace
