// Faces 7 and 8, the face looking up and down, and face 27 with its four variants.
#include "face_family_support.h"
#include "faces/faces.h"
#include "scene_dispatch.h"

#include <gtest/gtest.h>

namespace {

ScenePoint mirrored(ScenePoint p)
{
    return {-p.x, p.y, p.z};
}

struct View {
    DrawerFunction drawer;
    double eyeHalfWidth;
    // Eye, right pupil, left pupil, nose, upper lip, lower lip; calm.
    std::array<ScenePoint, 6> calm;
    // Upper lip, lower lip, right inner shape; excited.
    std::array<ScenePoint, 3> excited;
};

// The eyes and pupils follow no feature and the pupils no angle; the sideways shift of the lips
// comes after their excited stretch.
TEST(FaceViews, SevenEightAndTheVariantsOfTwentySevenPlaceEachPart)
{
    const ScenePoint o{0, 0, 0};
    const View views[] = {
        {withNinth<drawFace7, 1>,
         3,
         {{{6, -5, -2}, {6, -9, -4}, {-6, -9, -4}, {0, -6, -2}, {0, 1, -2}, {0, 2, -2.5}}},
         {{{0, -3, -4}, {0, 4, -4.5}, {0.5, 2, -1.5}}}},
        {withNinth<drawFace7, 2>,
         3,
         {{{6, 1, -2}, {6, 5, -4}, {-6, 5, -4}, {0, 2, -2}, {0, 9, -3}, {0, 9.5, -1.5}}},
         {{{0, 5, -5}, {0, 11.5, -3.5}, {0.5, 10, -1.5}}}},
        {withNinth<drawFace27, 2>,
         3,
         {{{6, 1, -2}, {6, 0, -4}, {-6, 0, -4}, {0, 2, -2}, {0, 9, -3}, {0, 9.5, -1.5}}},
         {{{0, 5, -5}, {0, 11.5, -3.5}, {0.5, 10, -1.5}}}},
        {withNinth<drawFace27, 3>,
         5,
         {{{6, -5, -2}, {3, -5, -4}, {-9, -5, -4}, {0, -2, -2}, {-2, 5, -1}, {-2, 6, -1.5}}},
         {{{-3, 1, -3}, {-3, 8, -3.5}, {0.5, 6, -1.5}}}},
        {withNinth<drawFace27, 4>,
         5,
         {{{6, -5, -2}, {9, -5, -4}, {-3, -5, -4}, {0, -2, -2}, {2, 5, -1}, {2, 6, -1.5}}},
         {{{3, 1, -3}, {3, 8, -3.5}, {0.5, 6, -1.5}}}},
        {withNinth<drawFace27, 0>,
         2,
         {{{6, -5, -2}, o, o, {0, -2, -2}, {0, 5, -1}, {0, 6, -1.5}}},
         {{{0, 1, -3}, {0, 8, -3.5}, {0.5, 6, -1.5}}}},
    };
    // Face 27's variant 1 is face 7's view with the larger pupils.
    EXPECT_TRUE(placedAt(drawRecorded(withNinth<drawFace27, 1>, callAt(0))[3], {-7.5, -9, -4},
                         {-1.5, 0, 0}));
    for (std::size_t v = 0; v < std::size(views); ++v) {
        for (const std::int32_t angle : {0, 90}) {
            DrawerCall call = callAt(angle);
            call.features = {0.5, 0.5, -0.5, 2, 1, -1, 1, 1};
            const auto calm = drawRecorded(views[v].drawer, call);
            const auto& e = views[v].calm;
            ASSERT_EQ(calm.size(), 8U) << v;
            EXPECT_TRUE(placedAt(calm[0], e[0])) << v;
            EXPECT_TRUE(placedAt(calm[1], mirrored(e[0]))) << v;
            EXPECT_TRUE(
                placedAt(calm[0], {e[0].x + views[v].eyeHalfWidth, e[0].y, e[0].z}, {2, 0, 0}))
                << v;
            constexpr std::array<std::size_t, 6> shapeOf{0, 2, 3, 4, 6, 7};
            for (std::size_t j = 1; j < 6; ++j)
                EXPECT_TRUE(placedAt(calm[shapeOf[j]], e[j])) << v << ": " << shapeOf[j];
        }
        const auto excited = drawRecorded(views[v].drawer, callAt(0, true));
        ASSERT_EQ(excited.size(), 10U) << v;
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(placedAt(excited[6 + i], views[v].excited[i])) << v << ": " << 6 + i;
        EXPECT_EQ(excited[2].params[0], v < 2 ? 0.5 : 1.5) << v;
    }
}

TEST(FaceViews, TheTableBindsTheDirectionsAndTheVariantAndAnyOtherDirectionLooksUp)
{
    const std::array<double, 20> features{};
    const auto throughTable = [&features](std::int32_t faceType) {
        glrecord::reset();
        Toge surface;
        faceDrawer(faceType)({surface, 45, 14, features.data(), 20, 60, faceType, 0, 7});
        return glrecord::calls();
    };
    const auto up = callsOf(withNinth<drawFace7, 1>, callAt(45));
    EXPECT_TRUE(throughTable(7) == up);
    EXPECT_TRUE(throughTable(8) == callsOf(withNinth<drawFace7, 2>, callAt(45)));
    EXPECT_TRUE(throughTable(27) == callsOf(withNinth<drawFace27, 2>, callAt(45)));
    EXPECT_TRUE(callsOf(withNinth<drawFace7, 0>, callAt(45)) == up);
    EXPECT_TRUE(callsOf(withNinth<drawFace7, 3>, callAt(45)) == up);
}

} // namespace
