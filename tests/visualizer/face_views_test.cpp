// Faces 7 and 8, the face looking up and down, and face 27 with its four variants: the places the
// views give each part, which the composer's table selects.
#include "face_family_support.h"
#include "faces/faces.h"
#include "scene_dispatch.h"

#include <gtest/gtest.h>

namespace {

ScenePoint mirrored(ScenePoint p) { return {-p.x, p.y, p.z}; }

DrawerCall at(std::int32_t angle, bool excited)
{
    DrawerCall call = excited ? excitedCall() : DrawerCall{};
    call.angle = angle;
    return call;
}

struct View {
    DrawerFunction drawer;
    ScenePoint eye, pupil, nose, mouth, upperLip, excitedUpperLip, lowerLip, excitedLowerLip, innerShape;
};

TEST(FaceViews, FacesSevenAndEightPlaceEveryPartDifferentlyAndThePupilsStayStill)
{
    const View views[] = {
        {withNinth<drawFace7, 1>, {6, -5, -2}, {6, -9, -4}, {0, -6, -2}, {0, -3.5, -1.2}, {0, 1, -2},
         {0, -3, -4}, {0, 2, -2.5}, {0, 4, -4.5}, {0.5, 2, -1.5}},
        {withNinth<drawFace7, 2>, {6, 1, -2}, {6, 5, -4}, {0, 2, -2}, {0, 4.5, -1.2}, {0, 9, -3},
         {0, 5, -5}, {0, 9.5, -1.5}, {0, 11.5, -3.5}, {0.5, 10, -1.5}},
    };
    for (const View& v : views) {
        for (const std::int32_t angle : {0, 90, 270}) {
            const auto calm = drawRecorded(v.drawer, at(angle, false));
            ASSERT_EQ(calm.size(), 8U);
            const ScenePoint places[] = {v.eye, mirrored(v.eye), v.pupil, mirrored(v.pupil),
                                         v.nose, v.mouth, v.upperLip, v.lowerLip};
            for (std::size_t i = 0; i < 8; ++i)
                EXPECT_TRUE(placedAt(calm[i], places[i])) << "shape " << i << " at " << angle;
            // Tall eyes, 3 wide and 6 high: the turn about x comes last and leaves x alone.
            EXPECT_TRUE(placedAt(calm[0], {v.eye.x + 3, v.eye.y, v.eye.z}, {2, 0, 0}));
        }
        const auto excited = drawRecorded(v.drawer, at(0, true));
        ASSERT_EQ(excited.size(), 10U);
        EXPECT_TRUE(placedAt(excited[6], v.excitedUpperLip));
        EXPECT_TRUE(placedAt(excited[7], v.excitedLowerLip));
        EXPECT_TRUE(placedAt(excited[8], v.innerShape));
        EXPECT_TRUE(placedAt(excited[9], mirrored(v.innerShape)));
    }
}

TEST(FaceViews, OnlyTheLipFeaturesAct)
{
    DrawerCall call = at(0, false);
    call.features = {0.5, 0.5, -0.5, 2, 1, -1, 1, 1, 1, -1};
    const auto shapes = drawRecorded(withNinth<drawFace7, 2>, call);
    EXPECT_TRUE(placedAt(shapes[0], {6, 1, -2}));
    EXPECT_TRUE(placedAt(shapes[0], {9, 1, -2}, {2, 0, 0}));
    EXPECT_TRUE(placedAt(shapes[1], {-6, 1, -2}));
    EXPECT_TRUE(placedAt(shapes[6], {3, 9, -3}));
    EXPECT_TRUE(placedAt(shapes[7], {-3, 9.5, -1.5}));
}

TEST(FaceViews, TheTableBindsTheDirectionsAndFaceTwentySevensVariant)
{
    const std::array<double, 20> features{};
    const auto throughTable = [&features](std::int32_t faceType) {
        glrecord::reset();
        Toge surface;
        faceDrawer(faceType)({surface, 45, 14, features.data(), 20, 60, faceType, 0, 7});
        return glrecord::calls();
    };
    EXPECT_TRUE(throughTable(7) == callsOf(withNinth<drawFace7, 1>, at(45, false)));
    EXPECT_TRUE(throughTable(8) == callsOf(withNinth<drawFace7, 2>, at(45, false)));
    EXPECT_TRUE(throughTable(27) == callsOf(withNinth<drawFace27, 2>, at(45, false)));
}

TEST(FaceViews, AnyOtherDirectionLooksUp)
{
    const auto up = callsOf(withNinth<drawFace7, 1>, at(45, true));
    EXPECT_TRUE(callsOf(withNinth<drawFace7, 0>, at(45, true)) == up);
    EXPECT_TRUE(callsOf(withNinth<drawFace7, 3>, at(45, true)) == up);
    EXPECT_TRUE(callsOf(withNinth<drawFace7, -1>, at(45, true)) == up);
}

struct Variant {
    DrawerFunction drawer;
    ScenePoint eye, eyeSide, rightPupil, leftPupil, nose, upperLip, lowerLip;
};

TEST(FaceViews, FaceTwentySevensFourVariantsAndNone)
{
    const ScenePoint origin{0, 0, 0};
    const Variant variants[] = {
        {withNinth<drawFace27, 1>, {6, -5, -2}, {9, -5, -2}, {6, -9, -4}, {-6, -9, -4}, {0, -6, -2}, {0, 1, -2}, {0, 2, -2.5}},
        {withNinth<drawFace27, 2>, {6, 1, -2}, {9, 1, -2}, {6, 0, -4}, {-6, 0, -4}, {0, 2, -2}, {0, 9, -3}, {0, 9.5, -1.5}},
        {withNinth<drawFace27, 3>, {6, -5, -2}, {11, -5, -2}, {3, -5, -4}, {-9, -5, -4}, {0, -2, -2}, {-2, 5, -1}, {-2, 6, -1.5}},
        {withNinth<drawFace27, 4>, {6, -5, -2}, {11, -5, -2}, {9, -5, -4}, {-3, -5, -4}, {0, -2, -2}, {2, 5, -1}, {2, 6, -1.5}},
        {withNinth<drawFace27, 0>, {6, -5, -2}, {8, -5, -2}, origin, origin, {0, -2, -2}, {0, 5, -1}, {0, 6, -1.5}},
        {withNinth<drawFace27, 5>, {6, -5, -2}, {8, -5, -2}, origin, origin, {0, -2, -2}, {0, 5, -1}, {0, 6, -1.5}},
    };
    for (std::size_t v = 0; v < std::size(variants); ++v) {
        const Variant& e = variants[v];
        const auto shapes = drawRecorded(e.drawer, at(90, false));
        ASSERT_EQ(shapes.size(), 8U);
        EXPECT_TRUE(placedAt(shapes[0], e.eye)) << v;
        EXPECT_TRUE(placedAt(shapes[0], e.eyeSide, {2, 0, 0})) << v;
        EXPECT_TRUE(placedAt(shapes[1], mirrored(e.eye))) << v;
        EXPECT_TRUE(placedAt(shapes[2], e.rightPupil)) << v << ": still at angle 90";
        EXPECT_TRUE(placedAt(shapes[3], e.leftPupil)) << v;
        EXPECT_EQ(shapes[2].params[0], 1.5);
        EXPECT_TRUE(placedAt(shapes[4], e.nose)) << v;
        EXPECT_TRUE(placedAt(shapes[6], e.upperLip)) << v;
        EXPECT_TRUE(placedAt(shapes[7], e.lowerLip)) << v;
    }
}

TEST(FaceViews, ExcitedTheSidewaysShiftOfTheLipsIsStretched)
{
    const auto shapes = drawRecorded(withNinth<drawFace27, 4>, at(0, true));
    ASSERT_EQ(shapes.size(), 10U);
    EXPECT_TRUE(placedAt(shapes[2], {12, -5, -4}, {1.5, 0, 0})) << "the pupil grows to 3 wide";
    EXPECT_TRUE(placedAt(shapes[6], {3, 1, -3}));
    EXPECT_TRUE(placedAt(shapes[7], {3, 8, -3.5}));
    EXPECT_TRUE(placedAt(shapes[8], {0.5, 6, -1.5}));
}

} // namespace
