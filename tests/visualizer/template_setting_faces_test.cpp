// Faces that change settings of the template: 2 and 3 resized, 9 the same as 1, 18 always excited,
// 4 with close-set eyes, 5 and 6 with long eyes and faster pupils.
#include "face_family_support.h"
#include "faces/faces.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(TemplateSettingFaces, NineIsOneAndEighteenIsExcitedWhateverTheLevel)
{
    DrawerCall call = callAt(123, true);
    call.features = {0.1, -0.2, 0.3, 0.4, 0.5, -0.6, 0.7, 0.8, 0.9, -1};
    const auto excitedOne = callsOf(drawFace1, call);
    EXPECT_TRUE(callsOf(drawFace9, call) == excitedOne);
    for (const std::int32_t level : {0, 60, 100, std::numeric_limits<std::int32_t>::min()}) {
        call.meanLevel = level;
        EXPECT_TRUE(callsOf(drawFace18, call) == excitedOne) << level;
    }
    call.threshold = std::numeric_limits<std::int32_t>::max(); // no level lies above it
    EXPECT_EQ(drawRecorded(drawFace18, call).size(), 10U);
}

TEST(TemplateSettingFaces, TwoAndThreeResizeEveryPartAndMoveOnlyTheEyesAndTheMouth)
{
    for (const bool excited : {false, true}) {
        const auto one = drawRecorded(drawFace1, callAt(45, excited));
        for (const auto& [type, factor] : {std::pair{2, 2.0}, std::pair{3, 0.5}}) {
            const auto shapes = drawRecorded(drawFace2, callAt(45, excited, type));
            ASSERT_EQ(shapes.size(), one.size());
            for (std::size_t i = 0; i < one.size(); ++i) {
                EXPECT_EQ(shapes[i].params[0], one[i].params[0] * factor) << type << ": " << i;
                ScenePoint c = placeOf(one[i]);
                c.z += type == 2 && i < 2 ? 2 : 0;     // face 2's eyes set back
                c.y += type == 3 && i == 5 ? -0.7 : 0; // face 3's mouth raised
                EXPECT_TRUE(placedAt(shapes[i], c)) << type << ": " << i;
            }
        }
    }
    // At the threshold face 2 is calm: its pupils keep the scale 1.
    DrawerCall call = callAt(0, false, 2);
    call.meanLevel = call.threshold;
    EXPECT_TRUE(placedAt(drawRecorded(drawFace2, call)[2], {7, -5, -2}, {1, 0, 0}));
}

TEST(TemplateSettingFaces, FourSetsTheEyesCloseAndRaisesTheLips)
{
    const auto shapes = drawRecorded(drawFace4, callAt(90, true));
    EXPECT_TRUE(placedAt(shapes[1], {-3, -2, -3}));
    EXPECT_TRUE(placedAt(shapes[2], {3 + sineOf(90), -2, -5}));
    EXPECT_TRUE(placedAt(shapes[6], {6, -1, -5}, {2, 0, 0})) << "above the mouth, 6 wide";
    EXPECT_TRUE(placedAt(shapes[7], {4.5, 6, -5.5}, {2, 0, 0}));
    EXPECT_TRUE(placedAt(shapes[9], {-0.5, 4, -3.5}));
}

TEST(TemplateSettingFaces, FiveAndSixSwingThePupilsTwiceAsFarAndFasterPastStillLongEyes)
{
    struct Case {
        std::int32_t type, angle;
        double pupilX, mouthHalfWidth;
    };
    for (const Case c :
         {Case{5, 3, 8, 4}, Case{6, 18, 8, 3 + std::sin(18 * M_PI / 180)}, Case{6, 54, 4, 3.809}}) {
        DrawerCall call = callAt(c.angle, false, c.type);
        call.features = {0.5, -0.5, 0.25, 2, 1, -1, 3, 0.5}; // no effect on these eyes
        const auto shapes = drawRecorded(drawFace5, call);
        EXPECT_TRUE(placedAt(shapes[0], {12, -5, 0}, {2, 0, 0})) << c.type;
        EXPECT_TRUE(placedAt(shapes[1], {-6, -3, 0}, {0, 2, 0})) << c.type;
        EXPECT_NEAR(shapes[2].transforms[0].x, c.pupilX, 1e-4) << c.type << " at " << c.angle;
        EXPECT_NEAR(shapes[3].transforms[0].x, -c.pupilX, 1e-4) << c.type << " at " << c.angle;
        EXPECT_NEAR(2 * shapes[5].transforms[1].x, c.mouthHalfWidth, 1e-4)
            << c.type << " at " << c.angle;
    }
}

TEST(TemplateSettingFaces, ATypeTheSharedDrawersDoNotServeDrawsTheirFirstType)
{
    for (const std::int32_t other : {0, 1, 4, -3, 99}) {
        EXPECT_TRUE(callsOf(drawFace2, callAt(7, true, other))
                    == callsOf(drawFace2, callAt(7, true, 2)));
        EXPECT_TRUE(callsOf(drawFace5, callAt(7, true, other))
                    == callsOf(drawFace5, callAt(7, true, 5)));
    }
}

} // namespace
