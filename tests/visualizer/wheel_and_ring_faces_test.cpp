// Face 16, whose eyes and nose-and-mouth travel round wheels, and face 25 with its ring of a mouth.
#include "face_family_support.h"
#include "faces/faces.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(WheelingFace, EyesNoseAndMouthAThirdOfATurnApart)
{
    DrawerCall call;
    const auto start = drawRecorded(drawFace16, call);
    EXPECT_TRUE(placedAt(start[0], {6, -5, 0})) << "the right eye at home";
    EXPECT_TRUE(placedAt(start[1], {-6, -5 + 4.3301, 7.5}));
    EXPECT_TRUE(placedAt(start[4], {0, -2 - 4.3301, -2 + 7.5}));
    EXPECT_TRUE(placedAt(start[5], {0, 0.5 - 4.3301, -1.2 + 7.5}));
    EXPECT_TRUE(placedAt(start[2], {6, -5, -2})) << "the pupil stays";
    call.angle = 15;
    const auto halfTurn = drawRecorded(drawFace16, call);
    EXPECT_TRUE(placedAt(halfTurn[0], {6, -5, 10}, {0, 0, 0}, 1e-3)) << "straight behind home";
    EXPECT_TRUE(placedAt(halfTurn[6], {0, 5, -1})) << "the lips stay";
}

TEST(WheelingFace, AnAngleBeyondAnyTickWrapsRatherThanOverflows)
{
    // 12 x (2^31 - 1) wraps to -12, the wheel angle of angle -1.
    DrawerCall huge;
    huge.angle = std::numeric_limits<std::int32_t>::max();
    DrawerCall minusOne;
    minusOne.angle = -1;
    const auto a = drawRecorded(drawFace16, huge);
    const auto b = drawRecorded(drawFace16, minusOne);
    EXPECT_TRUE(placedAt(a[0], placeOf(b[0])));
    EXPECT_TRUE(placedAt(a[1], placeOf(b[1])));
}

TEST(RingMouthFace, FourRedPiecesInPlaceOfTheLips)
{
    DrawerCall call;
    call.features[8] = 1; // the upper piece and both sides move together
    for (const bool excited : {false, true}) {
        call.meanLevel = excited ? call.threshold + 1 : 0;
        const auto shapes = drawRecorded(drawFace25, call);
        ASSERT_EQ(shapes.size(), excited ? 12U : 10U);
        const double up = excited ? -4 : 0;
        const double back = excited ? -2 : 0;
        EXPECT_TRUE(placedAt(shapes[6], {3, 4.2 + up, -1.2 + back}));
        EXPECT_TRUE(placedAt(shapes[7], {0, excited ? 9.0 : 7.0, excited ? -3.5 : -1.5}));
        EXPECT_TRUE(placedAt(shapes[8], {5, 5.7 + up, -1 + back}));
        EXPECT_TRUE(placedAt(shapes[9], {1, 5.7 + up, -1 + back}));
        // The sides are 1 by 2, turned; excited, the turned piece is stretched by 1.5 along x.
        const double w = excited ? 1.5 : 1;
        const double t = 15 * M_PI / 180;
        EXPECT_TRUE(placedAt(shapes[8], {5 + w * std::cos(t), 5.7 + up + std::sin(t), -1 + back}, {2, 0, 0}));
        for (std::size_t i = 6; i < 10; ++i) {
            EXPECT_NEAR(shapes[i].diffuse[0], 0.8, 1e-6) << i;
            EXPECT_EQ(shapes[i].diffuse[1], 0) << i;
        }
    }
}

} // namespace
