// Faces 20 to 36 of the catalogue (all but 24, 27, 28 and 31): the cases that tell each one
// from the template, through the recording GL.
#include "face_test_support.h"
#include "faces/faces.h"
#include "scene_dispatch.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Shapes = std::vector<glrecord::DrawnShape>;

Shapes drawn(DrawerFunction drawer, std::int32_t angle, bool excited = false)
{
    DrawerCall call = excited ? excitedCall(angle) : DrawerCall{};
    call.angle = angle;
    return drawRecorded(drawer, call);
}
const Transform& firstMove(const glrecord::DrawnShape& shape)
{
    return shape.transforms[0];
}
double radians(double degrees)
{
    return static_cast<double>(degrees * 3.14159 * (1.0L / 180));
}

TEST(ShakenFace, EveryPartStepsRightCentreLeftCalmAndExcited)
{
    for (const auto& [angle, offset] :
         {std::pair{0, 0.5}, {1, 0.0}, {2, -0.5}, {3, 0.5}, {359, -0.5}})
        for (const bool excited : {false, true}) {
            const Shapes shaken = drawn(drawFace20, angle, excited),
                         still = drawn(drawFace1, angle, excited);
            ASSERT_EQ(shaken.size(), still.size());
            for (std::size_t i = 0; i < still.size(); ++i) {
                EXPECT_TRUE(sameFloat(firstMove(shaken[i]).x, firstMove(still[i]).x + offset))
                    << angle << "/" << i;
                EXPECT_EQ(firstMove(shaken[i]).y, firstMove(still[i]).y);
            }
        }
}

TEST(GazingFace, TheExtraArgumentTurnsBothPupilsTheSameWayWhateverTheAngle)
{
    for (const std::int32_t gaze : {0, 90, 180, 270})
        for (const std::int32_t angle : {0, 90}) {
            DrawerCall c = excitedCall(angle);
            glrecord::reset();
            Toge surface;
            faceDrawer(21)(
                {surface, angle, 14, c.features.data(), 20, c.threshold, 21, c.meanLevel, gaze});
            const Shapes shapes = glrecord::shapes();
            for (const auto& [index, eyeX] : {std::pair{2U, 6.0}, {3U, -6.0}}) {
                const Transform& pupil = firstMove(shapes[index]);
                EXPECT_TRUE(sameFloat(pupil.x, 1.3 * std::sin(radians(gaze)) + eyeX))
                    << gaze << "/" << angle;
                EXPECT_TRUE(sameFloat(pupil.y, -5 - 1.3 * std::cos(radians(gaze))));
                // 0 looks up the screen, 90 to the viewer's right.
                EXPECT_NEAR(pupil.x - eyeX, gaze == 90 ? 1.3 : gaze == 270 ? -1.3 : 0, 1e-4);
                EXPECT_NEAR(pupil.y + 5, gaze == 0 ? -1.3 : gaze == 180 ? 1.3 : 0, 1e-4);
            }
        }
}

TEST(SwingingFace, EyesPupilsAndLipsSwingInDepthEveryFortyFiveFrames)
{
    for (const std::int32_t angle : {0, 11, 34, 45}) {
        const double w = 4 * std::sin(radians(8 * angle));
        const Shapes face = drawn(drawFace36, angle);
        const double depths[] = {w, w, w - 4, w - 4, -2, -1.2, w - 1, w - 1.5};
        const double radii[] = {5, 5, 1.5, 1.5, 2, 2, 4, 4};
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_TRUE(sameFloat(firstMove(face[i]).z, depths[i])) << angle << "/" << i;
            EXPECT_EQ(face[i].params[0], radii[i]);
        }
    }
    const auto eyeDepth = [](std::int32_t angle) {
        return firstMove(drawn(drawFace36, angle)[0]).z;
    };
    EXPECT_GT(eyeDepth(11), 3.99);
    EXPECT_NE(eyeDepth(45), 0) << "360 degrees from 3.14159 is not a whole turn";
    EXPECT_EQ(eyeDepth(-11), -eyeDepth(11));
    EXPECT_EQ(eyeDepth(std::numeric_limits<std::int32_t>::max()), eyeDepth(-1))
        << "8 x angle wraps";
}

TEST(ShiftedAndResizedFaces, WhereThePartsGoHowLargeTheyAreAndTheInnerShapesStay)
{
    using Place = std::array<double, 4>; // x, y, z where a part ends up, excited, and its radius
    const Place rightInner{0.5, 6, -1.5, 1}, leftInner{-0.5, 6, -1.5, 1};
    struct Case {
        DrawerFunction drawer;
        std::int32_t angle;
        std::vector<Place> places;
    };
    // Each face's parts, their places and sizes four to a row.
    // clang-format off
    const Case cases[] = {
        {drawFace35, 0, {
            {6, -9, 0, 2}, {-6, -9, 0, 2}, {6, -9, -2, 0.5}, {-6, -9, -2, 0.5},
            {0, -7.5, -2, 2}, {0, -5, -1.2, 2}, {0, -6.5, -3, 2}, {0, 0.5, -3.5, 2},
            rightInner, leftInner}},
        {drawFace34, 0, {
            {6, 5, 0, 2}, {-6, 5, 0, 2}, {6, 5, -2, 0.5}, {-6, 5, -2, 0.5},
            {0, 3, -2, 2}, {0, 5.5, -1.2, 2}, {0, 4, -3, 2}, {0, 11, -3.5, 2},
            rightInner, leftInner}},
        {drawFace29, 90, {
            {4, -3, 0, 1.3}, {-4, -3, 0, 1.3}, {4.8, -3, -2, 0.2}, {-4.8, -3, -2, 0.2},
            {0, -2, -2, 1.1}, {0, -0.5, -1.2, 1.1}, {0, -1.3, -3, 1.1}, {0, 5.2, -3.5, 1.1},
            rightInner, leftInner}},
        {drawFace30, 270, {
            {7.5, -6, 0, 3.5}, {-7.5, -6, 0, 3.5}, {5.6, -6, -3.5, 0.6}, {-5.6, -6, -3.5, 0.6},
            {0, -1.6, -2, 2.5}, {0, 1.5, -1.2, 2.5}, {0, 3, -3, 2.5}, {0, 10.3, -3.5, 2.5},
            rightInner, leftInner}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Shapes face = drawn(c.drawer, c.angle, true);
        ASSERT_EQ(face.size(), c.places.size());
        for (std::size_t i = 0; i < face.size(); ++i) {
            Place got{0, 0, 0, face[i].params[0]};
            for (const Transform& t : face[i].transforms)
                if (t.kind == Transform::Kind::translate)
                    got = {got[0] + t.x, got[1] + t.y, got[2] + t.z, got[3]};
            for (std::size_t k = 0; k < 4; ++k)
                EXPECT_NEAR(got[k], c.places[i][k], 1e-4) << "face part " << i << ", value " << k;
        }
    }
}

TEST(LopsidedFace, OnlyTheRightEyeAndPupilGrowAndTheDisksLieInsideTheEyes)
{
    const Shapes face = drawn(drawFace33, 0, true);
    // Each shape's radius, or a disk's outer radius.
    const double sizes[] = {3.5, 2, 0.6, 0.6, 1.2, 0.5, 2, 2, 2, 2, 1, 1};
    ASSERT_EQ(face.size(), 12U);
    for (std::size_t i = 0; i < face.size(); ++i)
        EXPECT_EQ(face[i].params[face[i].kind == glrecord::DrawnShape::Kind::disk ? 1 : 0],
                  sizes[i])
            << i;
    EXPECT_TRUE(
        shapesMatch({face[2], face[4]},
                    {{white, {translate(6, -5, -1.5), rotate(180, 0, 1, 0)}, Disk{0, 0.6, 20}},
                     {black, {translate(6, -5, -4), scale(2, 2, 1)}, Sphere{1.2, 20}}}));
}

TEST(BarEyedWideEyedAndBrowedFaces, TheirOwnPieces)
{
    const auto cylinder = [](double radius, double height) {
        return Cylinder{radius, radius, height, 20};
    };
    const Shapes barEyed = drawn(drawFace22, 0, true);
    EXPECT_TRUE(shapesMatch(
        {barEyed[2], barEyed[3], barEyed[6], barEyed[7]},
        {{black, {translate(4, -5, -2), rotate(90, 0, 1, 0)}, cylinder(0.3, 3.6)},
         {black, {translate(-4, -5, -2), rotate(-90, 0, 1, 0)}, cylinder(0.3, 3.6)},
         {lipRed, {translate(0, 6, -1), rotateZ(45), scale(2, 1, 1)}, Sphere{2, 20}},
         {lipRed, {translate(0, 6, -1), rotateZ(-45), scale(2, 1, 1)}, Sphere{2, 20}}}));
    EXPECT_EQ(drawn(drawFace22, 0).size(), 8U) << "calm: no inner shapes";
    // Face 23 shows its inner shapes calm; excited only the pupils grow.
    const Shapes calm = drawn(drawFace23, 0), excited = drawn(drawFace23, 0, true);
    ASSERT_EQ(calm.size(), 12U);
    for (std::size_t i = 0; i < calm.size(); ++i)
        EXPECT_EQ(calm[i].transforms.back().x == excited[i].transforms.back().x, i != 2 && i != 3)
            << i;
    EXPECT_TRUE(
        shapesMatch({calm[6], calm[8]},
                    {{lipRed, {translate(-5, 6, -1), rotateZ(45), scale(2, 1, 1)}, Sphere{2, 20}},
                     {lipRed, {translate(0, 4, -1), scale(4, 1, 1)}, Sphere{2, 20}}}));
    // Face 26 at angle 90: both pupils about one to the viewer's right, each followed by its brow
    // in the pupil's black.
    const Shapes browed = drawn(drawFace26, 90, true);
    EXPECT_NEAR(firstMove(browed[2]).x, 7, 1e-4);
    EXPECT_NEAR(firstMove(browed[4]).x, -5, 1e-4);
    EXPECT_TRUE(shapesMatch({browed[3], browed[5]},
                            {{black,
                              {translate(3, -6.3, -4), rotate(90, 0, 1, 0), rotate(30, 1, 0, 0)},
                              cylinder(0.9, 4.6),
                              false},
                             {black,
                              {translate(-3, -6.3, -4), rotate(-90, 0, 1, 0), rotate(30, 1, 0, 0)},
                              cylinder(0.9, 4.6),
                              false}}));
}

TEST(FlatFace, APentagonAndThreeStrokesAsListedOutsideAnyPush)
{
    const Shapes face = drawn(drawFace32, 0);
    EXPECT_EQ(glrecord::count("glPushMatrix") + glrecord::count("gluNewQuadric"), 0U);
    EXPECT_EQ(glrecord::count("glMaterialfv"), 8U) << "the strokes' black is set once";
    const std::vector<std::vector<std::array<double, 3>>> outlines = {
        {{0, -10, -1.1}, {6, -7, -1.1}, {10, 10, -1.1}, {-10, 10, -1.1}, {-6, -7, -1.1}},
        {{0, -5, -1.3}, {2, -5, -1.3}, {2, 8, -1.3}, {0, 8, -1.3}},
        {{-6, 3, -1.3}, {5, 3, -1.3}, {5, 5, -1.3}, {-6, 5, -1.3}},
        {{0, -5, -1.3}, {2, -4, -1.3}, {-4, 4, -1.3}, {-6, 3, -1.3}}};
    ASSERT_EQ(face.size(), outlines.size());
    for (std::size_t i = 0; i < face.size(); ++i) {
        EXPECT_EQ(face[i].vertices, outlines[i]) << i;
        EXPECT_EQ(face[i].diffuse,
                  (i == 0 ? std::array<double, 4>{1, 1, 0, 1} : std::array<double, 4>{0, 0, 0, 1}));
    }
}

} // namespace
