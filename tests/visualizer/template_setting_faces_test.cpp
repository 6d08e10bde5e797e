// The faces that change settings of the template and add nothing: 2 and 3 resized, 9 the same as
// 1, 18 always excited, 4 with close-set eyes, 5 and 6 with long eyes and faster pupils.
#include "face_family_support.h"
#include "faces/faces.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

DrawerCall at(std::int32_t angle, std::int32_t faceType = 1, bool excited = false)
{
    DrawerCall call = excited ? excitedCall(angle) : DrawerCall{};
    call.angle = angle;
    call.faceType = faceType;
    return call;
}

TEST(TemplateSettingFaces, FaceNineDrawsExactlyFaceOne)
{
    for (const bool excited : {false, true}) {
        DrawerCall call = at(123, 9, excited);
        call.features = {0.1, -0.2, 0.3, 0.4, 0.5, -0.6, 0.7, 0.8, 0.9, -1};
        EXPECT_TRUE(callsOf(drawFace9, call) == callsOf(drawFace1, call));
    }
}

TEST(TemplateSettingFaces, FaceEighteenIsExcitedWhateverTheMeanLevel)
{
    const auto excitedOne = callsOf(drawFace1, at(45, 1, true));
    for (const std::int32_t meanLevel : {0, 60, 100, std::numeric_limits<std::int32_t>::min()}) {
        DrawerCall call = at(45, 18);
        call.meanLevel = meanLevel;
        EXPECT_TRUE(callsOf(drawFace18, call) == excitedOne) << meanLevel;
    }
    // No level lies above the largest threshold; the face is still the excited one.
    DrawerCall top = at(45, 18);
    top.threshold = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(drawRecorded(drawFace18, top).size(), 10U);
}

TEST(TemplateSettingFaces, FaceTwoAtTheThresholdIsCalmAndTwiceTheSize)
{
    DrawerCall call = at(0, 2);
    call.meanLevel = call.threshold;
    const auto shapes = drawRecorded(drawFace2, call);
    ASSERT_EQ(shapes.size(), 8U);
    EXPECT_EQ(shapes[0].params[0], 4);
    EXPECT_TRUE(placedAt(shapes[1], {-6, -5, 2})) << "the eyes set back";
    EXPECT_EQ(shapes[2].params[0], 1) << "pupils of radius 1";
    EXPECT_TRUE(placedAt(shapes[2], {7, -5, -2}, {1, 0, 0})) << "calm: the pupil's edge 1 from its centre";
}

TEST(TemplateSettingFaces, FaceThreeHalvesEveryRadiusAndRaisesOnlyTheMouth)
{
    for (const bool excited : {false, true}) {
        const auto one = drawRecorded(drawFace1, at(45, 1, excited));
        const auto three = drawRecorded(drawFace2, at(45, 3, excited));
        ASSERT_EQ(three.size(), one.size());
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(three[i].params[0], one[i].params[0] / 2) << i;
            const ScenePoint c = placeOf(one[i]);
            EXPECT_TRUE(placedAt(three[i], i == 5 ? ScenePoint{0, -0.2, -1.2} : c)) << i;
        }
    }
}

TEST(TemplateSettingFaces, FaceFourSetsTheEyesCloseAndRaisesTheLipsAboveTheMouth)
{
    const double s = sineOf(30);
    const auto shapes = drawRecorded(drawFace4, at(30, 4, true));
    const ScenePoint expected[] = {{3, -2, -3}, {-3, -2, -3}, {3 + s, -2, -5}, {-3 - s, -2, -5},
                                   {0, -2, -2}, {0, 0.5, -1.2}, {0, -1, -5}, {0, 6, -5.5},
                                   {0.5, 4, -3.5}, {-0.5, 4, -3.5}};
    ASSERT_EQ(shapes.size(), 10U);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_TRUE(placedAt(shapes[i], expected[i])) << i;
    EXPECT_TRUE(placedAt(shapes[6], {6, -1, -5}, {2, 0, 0})) << "the upper lip's half-width";
    EXPECT_TRUE(placedAt(shapes[7], {4.5, 6, -5.5}, {2, 0, 0})) << "the lower lip's half-width";
}

TEST(TemplateSettingFaces, FacesFiveAndSixSwingThePupilsTwiceAsFarAndFaster)
{
    struct Case {
        std::int32_t faceType;
        std::int32_t angle;
        double pupilX;
        double mouthHalfWidth;
    };
    for (const Case c : {Case{5, 3, 8, 4}, Case{6, 18, 8, 3 + std::sin(18 * M_PI / 180)},
                         Case{5, 6, 6, 3}, Case{6, 54, 4, 3 + std::sin(54 * M_PI / 180)}}) {
        const auto shapes = drawRecorded(drawFace5, at(c.angle, c.faceType));
        EXPECT_NEAR(shapes[2].transforms[0].x, c.pupilX, 1e-4) << c.faceType << " at " << c.angle;
        EXPECT_NEAR(shapes[3].transforms[0].x, -c.pupilX, 1e-4) << c.faceType << " at " << c.angle;
        EXPECT_NEAR(2 * shapes[5].transforms[1].x, c.mouthHalfWidth, 1e-4) << c.faceType << " at " << c.angle;
    }
}

TEST(TemplateSettingFaces, TheEyeFeaturesDoNotMoveTheLongEyes)
{
    for (const std::int32_t faceType : {5, 6}) {
        DrawerCall moved = at(10, faceType);
        moved.features = {0.5, -0.5, 0.25, 2, 1, -1, 3, 0.5};
        const auto shapes = drawRecorded(drawFace5, moved);
        EXPECT_TRUE(shapesMatch({shapes[0], shapes[1]},
                                {{white, {translate(6, -5, 0), scale(3, 1, 1)}, Sphere{2, 20}},
                                 {white, {translate(-6, -5, 0), scale(3, 1, 1)}, Sphere{2, 20}}}));
    }
}

TEST(TemplateSettingFaces, ATypeTheSharedDrawersDoNotServeDrawsTheirFirstType)
{
    for (const std::int32_t other : {0, 1, 4, -3, 99}) {
        EXPECT_TRUE(callsOf(drawFace2, at(7, other)) == callsOf(drawFace2, at(7, 2))) << other;
        EXPECT_TRUE(callsOf(drawFace5, at(7, other)) == callsOf(drawFace5, at(7, 5))) << other;
    }
}

} // namespace
