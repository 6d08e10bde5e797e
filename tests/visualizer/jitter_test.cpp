#include "jitter.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Jitter, StepsRightCentreLeftAndContinuesTheCycleBelowZero)
{
    struct Case {
        std::int32_t angle;
        double offset;
    };
    for (const Case c :
         {Case{0, 0.5}, Case{1, 0}, Case{2, -0.5}, Case{3, 0.5}, Case{359, -0.5}, Case{-1, -0.5},
          Case{-2, 0}, Case{-3, 0.5},
          Case{std::numeric_limits<std::int32_t>::min(), 0},  // -2147483648 = 3 x -715827883 + 1
          Case{std::numeric_limits<std::int32_t>::max(), 0}}) // 2147483647 = 3 x 715827882 + 1
        EXPECT_EQ(jitter(c.angle), c.offset) << c.angle;
}

} // namespace
