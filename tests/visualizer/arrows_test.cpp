#include "decorations/decorations.h"
#include "face_test_support.h"

#include <gtest/gtest.h>

namespace {

using Vertex = std::array<double, 3>;

::testing::AssertionResult at(const Vertex& v, double x, double y)
{
    if (std::fabs(v[0] - x) < 1e-3 && std::fabs(v[1] - y) < 1e-3 && v[2] == -5.5)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << v[0] << ", " << v[1] << ", " << v[2] << ")";
}

TEST(Arrows, TheSpinningArrowPointsRightAtZeroAndUpAtNinety)
{
    DrawerCall call;
    const auto right = drawRecorded(drawDecorA1, call);
    ASSERT_EQ(right.size(), 2U);
    // Head T, P, Q; the corners sit 36 degrees off the axis (acos 0.8 = 36.87 truncated), so P is
    // (5 cos 36, 5 sin 36), not (4, 3).
    EXPECT_TRUE(at(right[0].vertices[0], 8, 0));
    EXPECT_TRUE(at(right[0].vertices[1], 4.045, 2.939));
    EXPECT_TRUE(at(right[0].vertices[2], 4.045, -2.939));
    // Shaft U, Q, P, V: a rectangle inscribed in the circle of radius 5, 4.045 behind the centre.
    EXPECT_TRUE(at(right[1].vertices[0], -4.045, -2.939));
    EXPECT_TRUE(at(right[1].vertices[1], 4.045, -2.939));
    EXPECT_TRUE(at(right[1].vertices[2], 4.045, 2.939));
    EXPECT_TRUE(at(right[1].vertices[3], -4.045, 2.939));
    EXPECT_TRUE(sameFloat(right[0].diffuse[3], 0.7));

    call.angle = 90;
    const auto up = drawRecorded(drawDecorA1, call);
    EXPECT_TRUE(at(up[0].vertices[0], 0, -8)) << "straight up the screen";
    EXPECT_TRUE(at(up[0].vertices[1], 2.939, -4.045));
}

TEST(Arrows, TheFixedArrowsIgnoreTheAngle)
{
    struct Fixed {
        DrawerFunction drawer;
        double tipY;
        std::array<double, 4> colour;
    };
    for (const Fixed f : {Fixed{drawDecorA2, -7.657, {1, 0, 0, 0.8}}, Fixed{drawDecorA3, 7.657, {0, 0, 1, 0.8}}}) {
        DrawerCall call;
        const auto first = drawRecorded(f.drawer, call);
        EXPECT_TRUE(at(first.at(0).vertices[0], 7.657, f.tipY));
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_TRUE(sameFloat(first[0].diffuse[c], f.colour[c]));
        for (const std::int32_t angle : {1, 90, 180, 359, -30}) {
            call.angle = angle;
            const auto later = drawRecorded(f.drawer, call);
            for (std::size_t i = 0; i < first.size(); ++i)
                EXPECT_EQ(later.at(i).vertices, first[i].vertices) << "angle " << angle;
        }
    }
}

} // namespace
