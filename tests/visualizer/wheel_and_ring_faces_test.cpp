// Face 16, whose eyes and nose-and-mouth travel round wheels, and face 25 with its ring of a mouth.
#include "face_family_support.h"
#include "faces/faces.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(WheelingFace, EyesNoseAndMouthAThirdOfATurnApartWhilePupilsAndLipsStay)
{
    const auto start = drawRecorded(drawFace16, callAt(0));
    EXPECT_TRUE(placedAt(start[0], {6, -5, 0}));
    EXPECT_TRUE(placedAt(start[1], {-6, -5 + 4.3301, 7.5}));
    EXPECT_TRUE(placedAt(start[4], {0, -2 - 4.3301, -2 + 7.5}));
    EXPECT_TRUE(placedAt(start[5], {0, 0.5 - 4.3301, -1.2 + 7.5}));
    const auto halfTurn = drawRecorded(drawFace16, callAt(15));
    EXPECT_TRUE(placedAt(halfTurn[0], {6, -5, 10}, {0, 0, 0}, 1e-3)) << "straight behind home";
    EXPECT_TRUE(placedAt(halfTurn[2], {6 + sineOf(15), -5, -2}));
    EXPECT_TRUE(placedAt(halfTurn[6], {0, 5, -1}));
    // 12 x (2^31 - 1) wraps to -12, the wheel angle of angle -1, rather than overflowing.
    const auto wrapped = drawRecorded(drawFace16, callAt(std::numeric_limits<std::int32_t>::max()));
    EXPECT_TRUE(placedAt(wrapped[1], placeOf(drawRecorded(drawFace16, callAt(-1))[1])));
}

TEST(RingMouthFace, FourRedPiecesInPlaceOfTheLips)
{
    for (const bool excited : {false, true}) {
        DrawerCall call = callAt(0, excited);
        call.features[8] = 1; // the upper piece and both sides move together
        const auto shapes = drawRecorded(drawFace25, call);
        ASSERT_EQ(shapes.size(), excited ? 12U : 10U);
        const double up = excited ? -4 : 0;
        const double back = excited ? -2 : 0;
        const double t = 15 * M_PI / 180;
        EXPECT_TRUE(placedAt(shapes[6], {3, 4.2 + up, -1.2 + back}));
        EXPECT_TRUE(placedAt(shapes[7], {0, excited ? 9.0 : 7.0, excited ? -3.5 : -1.5}));
        EXPECT_TRUE(placedAt(
            shapes[8], {5 + (excited ? 1.5 : 1) * std::cos(t), 5.7 + up + std::sin(t), -1 + back},
            {2, 0, 0}))
            << "1 by 2, turned, stretched when excited";
        EXPECT_TRUE(placedAt(shapes[9], {1, 5.7 + up, -1 + back}));
        EXPECT_NEAR(shapes[9].diffuse[0], 0.8, 1e-6);
    }
}

} // namespace
