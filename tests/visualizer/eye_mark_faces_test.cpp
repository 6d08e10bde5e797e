// The faces that draw over their eyes: black bars (12, 13, 14, 17) and face 11's short marks.
#include "face_family_support.h"
#include "faces/faces.h"

#include <gtest/gtest.h>

namespace {

struct BarFace {
    DrawerFunction drawer;
    double length;
    double leftPupilY;
    ScenePoint rightStart, rightEnd, leftStart, leftEnd;
};

// Each bar runs outwards from its start in the pupil's black; at angle 90 both pupils stand 1 to
// the right of their eyes and neither grows when excited.
TEST(EyeBarFaces, BarsAndPupils)
{
    const BarFace faces[] = {
        {drawFace12, 3.6, -5, {3.8, -5.3, -2}, {7.4, -5.3, -2}, {-3.8, -5.3, -2}, {-7.4, -5.3, -2}},
        {drawFace13,
         3.6,
         -5,
         {3.8, -5.3, -2},
         {6.9177, -7.1, -2},
         {-3.8, -5.3, -2},
         {-6.9177, -7.1, -2}},
        {drawFace14,
         4,
         -5,
         {4.5, -6.8, -2},
         {7.9641, -4.8, -2},
         {-4.5, -6.8, -2},
         {-7.9641, -4.8, -2}},
        {drawFace17, 3.6, -7, {3.8, -5.3, -2}, {7.4, -5.3, -2}, {-3.8, -7.3, -2}, {-7.4, -7.3, -2}},
    };
    for (const BarFace& f : faces) {
        for (const bool excited : {false, true}) {
            const auto shapes = drawRecorded(f.drawer, callAt(90, excited));
            ASSERT_EQ(shapes.size(), excited ? 12U : 10U) << f.length;
            for (const std::size_t bar : {std::size_t{3}, std::size_t{5}}) {
                EXPECT_EQ(shapes[bar].params, (std::vector<double>{0.3, 0.3, f.length, 20, 30}));
                EXPECT_FALSE(shapes[bar].colouredInside);
                EXPECT_EQ(shapes[bar].diffuse, (std::array<double, 4>{0, 0, 0, 0.5}));
            }
            EXPECT_TRUE(placedAt(shapes[3], f.rightStart));
            EXPECT_TRUE(placedAt(shapes[3], f.rightEnd, {0, 0, f.length}, 1e-3));
            EXPECT_TRUE(placedAt(shapes[5], f.leftStart));
            EXPECT_TRUE(placedAt(shapes[5], f.leftEnd, {0, 0, f.length}, 1e-3));
            EXPECT_TRUE(placedAt(shapes[2], {7.5, -5, -2}, {0.5, 0, 0}));
            EXPECT_TRUE(placedAt(shapes[4], {-4.5, f.leftPupilY, -2}, {0.5, 0, 0}));
        }
    }
    // Face 17's raised left eye follows its feature; its pupil and bar stay raised.
    DrawerCall call = callAt(0);
    call.features[7] = 1;
    EXPECT_TRUE(placedAt(drawRecorded(drawFace17, call)[1], {-6, -5, 0}));
}

// The marks are face 28's, shorter, from x = 4.7 and at the eyes' front; the disk follows the eye.
TEST(SqueezedEyeFaces, FaceElevensShortMarks)
{
    DrawerCall call = callAt(0, true);
    call.features[4] = 0.5;
    const auto shapes = drawRecorded(drawFace11, call);
    ASSERT_EQ(shapes.size(), 16U);
    EXPECT_TRUE(placedAt(shapes[2], {7, -5, -1.5}));
    EXPECT_NEAR(shapes[4].vertices[2][0], 6.4321, 1e-4);
    EXPECT_NEAR(shapes[4].vertices[2][1], -6.0, 1e-6);
    EXPECT_EQ(shapes[9].vertices[0][0], -4.7);
    EXPECT_EQ(shapes[9].vertices[2][0], -6.7);
    EXPECT_EQ(shapes[9].vertices[2][2], -2);
}

} // namespace
