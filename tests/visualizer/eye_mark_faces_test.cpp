// The faces that draw over their eyes: black bars across them (12, 13, 14, 17) and face 11's short
// squeezing marks.
#include "face_family_support.h"
#include "faces/faces.h"

#include <gtest/gtest.h>

namespace {

using Kind = glrecord::DrawnShape::Kind;

struct BarFace {
    DrawerFunction drawer;
    double length;
    ScenePoint rightStart, rightEnd, leftStart, leftEnd;
};

TEST(EyeBarFaces, BarsRunOutwardsInThePupilsBlack)
{
    const BarFace faces[] = {
        {drawFace12, 3.6, {3.8, -5.3, -2}, {7.4, -5.3, -2}, {-3.8, -5.3, -2}, {-7.4, -5.3, -2}},
        {drawFace13, 3.6, {3.8, -5.3, -2}, {6.9177, -7.1, -2}, {-3.8, -5.3, -2}, {-6.9177, -7.1, -2}},
        {drawFace14, 4, {4.5, -6.8, -2}, {7.9641, -4.8, -2}, {-4.5, -6.8, -2}, {-7.9641, -4.8, -2}},
        {drawFace17, 3.6, {3.8, -5.3, -2}, {7.4, -5.3, -2}, {-3.8, -7.3, -2}, {-7.4, -7.3, -2}},
    };
    for (std::size_t f = 0; f < std::size(faces); ++f) {
        const BarFace& e = faces[f];
        for (const bool excited : {false, true}) {
            const auto shapes = drawRecorded(e.drawer, excited ? excitedCall() : DrawerCall{});
            ASSERT_EQ(shapes.size(), excited ? 12U : 10U) << f;
            for (const std::size_t bar : {std::size_t{3}, std::size_t{5}}) {
                EXPECT_EQ(shapes[bar].kind, Kind::cylinder) << f;
                EXPECT_EQ(shapes[bar].params, (std::vector<double>{0.3, 0.3, e.length, 20, 30})) << f;
                EXPECT_FALSE(shapes[bar].colouredInside) << "the bar keeps the pupil's black";
                EXPECT_EQ(shapes[bar].diffuse, (std::array<double, 4>{0, 0, 0, 0.5}));
            }
            EXPECT_TRUE(placedAt(shapes[3], e.rightStart)) << f;
            EXPECT_TRUE(placedAt(shapes[3], e.rightEnd, {0, 0, e.length}, 1e-3)) << f;
            EXPECT_TRUE(placedAt(shapes[5], e.leftStart)) << f;
            EXPECT_TRUE(placedAt(shapes[5], e.leftEnd, {0, 0, e.length}, 1e-3)) << f;
            // The pupils have no scale at all, calm or excited.
            EXPECT_EQ(shapes[2].transforms.size(), 1U);
            EXPECT_EQ(shapes[4].transforms.size(), 1U);
        }
    }
}

TEST(EyeBarFaces, BothPupilsSwingTheSameWay)
{
    DrawerCall call;
    call.angle = 90;
    for (const DrawerFunction drawer : {drawFace12, drawFace13, drawFace14, drawFace17}) {
        const auto shapes = drawRecorded(drawer, call);
        EXPECT_NEAR(shapes[2].transforms[0].x, 7, 1e-4);
        EXPECT_NEAR(shapes[4].transforms[0].x, -5, 1e-4);
    }
}

TEST(EyeBarFaces, FaceSeventeensRaisedLeftEyeFollowsItsFeature)
{
    DrawerCall call;
    call.features[7] = 1;
    const auto shapes = drawRecorded(drawFace17, call);
    EXPECT_TRUE(placedAt(shapes[1], {-6, -5, 0})) << "level with the right eye";
    EXPECT_TRUE(placedAt(shapes[4], {-6, -7, -2})) << "the pupil stays raised";
    EXPECT_TRUE(placedAt(shapes[5], {-3.8, -7.3, -2})) << "and so does the bar";
}

TEST(SqueezedEyeFaces, FaceElevensShortMarksLieAtTheEyesFront)
{
    DrawerCall excited = excitedCall();
    excited.features[4] = 0.5; // moves the eye and its disk, not the marks
    const auto shapes = drawRecorded(drawFace11, excited);
    ASSERT_EQ(shapes.size(), 16U);
    EXPECT_TRUE(placedAt(shapes[2], {7, -5, -1.5})) << "the right eye's disk";
    EXPECT_EQ(shapes[2].params[1], 0.6);
    const double right[3][4][2] = {
        {{4.7, -4.4}, {4.7, -5.0}, {6.4321, -6.0}, {6.4321, -5.4}},
        {{4.7, -4.4}, {4.7, -5.0}, {6.4321, -4.0}, {6.4321, -3.4}},
        {{4.7, -4.4}, {4.7, -5.0}, {6.7, -5.0}, {6.7, -4.4}},
    };
    for (std::size_t bar = 0; bar < 6; ++bar) {
        const auto& mark = shapes[4 + bar];
        const double side = bar < 3 ? 1 : -1;
        ASSERT_EQ(mark.kind, Kind::polygon);
        for (std::size_t v = 0; v < 4; ++v) {
            EXPECT_NEAR(mark.vertices[v][0], side * right[bar % 3][v][0], 1e-4) << bar << "/" << v;
            EXPECT_NEAR(mark.vertices[v][1], right[bar % 3][v][1], 1e-4) << bar << "/" << v;
            EXPECT_EQ(mark.vertices[v][2], -2);
        }
    }
    EXPECT_EQ(shapes[10].params[0], 2) << "the template's nose follows";
}

} // namespace
