#include "face_test_support.h"
#include "faces/faces.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// Face type 1's elements, written out from its table for bandFeatures 0.
std::vector<ExpectedShape> faceOne(std::int32_t angle, bool excited, std::int32_t slices = 20)
{
    const double s = sineOf(angle);
    const Transform pupilScale = excited ? scale(2, 2, 1) : scale(1, 1, 1);
    std::vector<ExpectedShape> e = {
        {white, {translate(6, -5, 0), scale(1, 1, 1)}, Sphere{2, slices}},
        {white, {translate(-6, -5, 0), scale(1, 1, 1)}, Sphere{2, slices}},
        {black, {translate(s + 6, -5, -2), pupilScale}, Sphere{0.5, slices}},
        {black, {translate(-6 - s, -5, -2), pupilScale}, Sphere{0.5, slices}},
        {orange, {translate(0, -2, -2), scale(1, 2, 1)}, Sphere{2, slices}},
        {orange, {translate(0, 0.5, -1.2), scale(1.5 + 0.5 * s, 0.8, 1)}, Sphere{2, slices}},
    };
    if (excited) {
        e.push_back({lipRed,
                     {translate(0, 5, -1), translate(0, -4, -2), scale(1.5, 1, 1), scale(3, 1, 1)},
                     Sphere{2, slices}});
        e.push_back({lipRed,
                     {translate(0, 6, -1.5), translate(0, 2, -2), scale(1.5, 1, 1), scale(2, 1, 1)},
                     Sphere{2, slices}});
        e.push_back(
            {innerRed, {translate(0.5, 6, -1.5), rotateZ(15), scale(1, 2, 1)}, Sphere{1, slices}});
        e.push_back({innerRed,
                     {translate(-0.5, 6, -1.5), rotateZ(-15), scale(1, 2, 1)},
                     Sphere{1, slices}});
    } else {
        e.push_back({lipRed, {translate(0, 5, -1), scale(3, 1, 1)}, Sphere{2, slices}});
        e.push_back({lipRed, {translate(0, 6, -1.5), scale(2, 1, 1)}, Sphere{2, slices}});
    }
    return e;
}

class FaceOneAtAngle : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(FaceOneAtAngle, DrawsTheTemplateCalm)
{
    DrawerCall call;
    call.angle = GetParam();
    EXPECT_TRUE(shapesMatch(drawRecorded(drawFace1, call), faceOne(GetParam(), false)));
}

TEST_P(FaceOneAtAngle, DrawsTheTemplateExcited)
{
    EXPECT_TRUE(
        shapesMatch(drawRecorded(drawFace1, excitedCall(GetParam())), faceOne(GetParam(), true)));
}

INSTANTIATE_TEST_SUITE_P(Angles, FaceOneAtAngle, ::testing::Values(0, 1, 90, 180, 270, 359),
                         [](const auto& test) { return "Angle" + std::to_string(test.param); });

TEST(FaceOne, PupilsSwingInMirrorImageAndTheMouthBreathes)
{
    struct Case {
        std::int32_t angle;
        double pupilX;
        double mouthHalfWidth;
    };
    for (const Case c : {Case{0, 6, 3}, Case{90, 7, 4}, Case{270, 5, 2}}) {
        DrawerCall call;
        call.angle = c.angle;
        const auto shapes = drawRecorded(drawFace1, call);
        EXPECT_NEAR(shapes[2].transforms[0].x, c.pupilX, 1e-4) << c.angle;
        EXPECT_NEAR(shapes[3].transforms[0].x, -c.pupilX, 1e-4) << c.angle;
        EXPECT_NEAR(2 * shapes[5].transforms[1].x, c.mouthHalfWidth, 1e-4) << c.angle;
    }
}

TEST(FaceOne, AtHalfATurnTheSwingIsTinyButNotZero)
{
    DrawerCall call;
    call.angle = 180;
    const auto pupil = drawRecorded(drawFace1, call)[2];
    // S = sin(180 x 3.14159 / 180) = 2.65e-6, enough to move the float off 6.
    EXPECT_TRUE(sameFloat(pupil.transforms[0].x, 6 + 2.65358979e-6));
    EXPECT_NE(static_cast<float>(pupil.transforms[0].x), 6.0F);
}

TEST(FaceOne, MeanLevelAtTheThresholdIsCalmAndOneAboveIsExcited)
{
    DrawerCall call;
    call.meanLevel = call.threshold;
    EXPECT_EQ(drawRecorded(drawFace1, call).size(), 8U);
    call.meanLevel = call.threshold + 1;
    EXPECT_EQ(drawRecorded(drawFace1, call).size(), 10U);
}

TEST(FaceOne, FeaturesStretchAndMoveTheEyesAndShiftTheLips)
{
    DrawerCall call;
    call.features[0] = -1; // flattens the right eye to no width
    call.features[1] = 0.5;
    call.features[2] = -1.5; // mirrors the left eye
    call.features[3] = 0.25;
    call.features[4] = 0.5;
    call.features[5] = -0.5;
    call.features[6] = 1;
    call.features[7] = 2;
    call.features[8] = 0.1;
    call.features[9] = -0.1;
    call.features[10] = 99; // faces read entries 0 to 9 only
    const auto shapes = drawRecorded(drawFace1, call);
    auto expected = faceOne(0, false);
    expected[0].transforms = {translate(7, -6, 0), scale(0, 1.5, 1)};
    expected[1].transforms = {translate(-4, -1, 0), scale(-0.5, 1.25, 1)};
    expected[6].transforms = {translate(0.3, 5, -1), scale(3, 1, 1)};
    expected[7].transforms = {translate(-0.3, 6, -1.5), scale(2, 1, 1)};
    EXPECT_TRUE(shapesMatch(shapes, expected));
}

TEST(FaceOne, SlicesSetTheSlicesOfEverySphereAndStacksStayThirty)
{
    DrawerCall call;
    call.slices = 7;
    EXPECT_TRUE(shapesMatch(drawRecorded(drawFace1, call), faceOne(0, false, 7)));
}

TEST(FaceOne, EveryElementHasItsOwnQuadricAndMatrixBracket)
{
    drawRecorded(drawFace1, excitedCall());
    EXPECT_EQ(glrecord::quadricsCreated(), 10);
    EXPECT_EQ(glrecord::quadricsDeleted(), 10);
    const auto balance = glrecord::matrixBalance();
    EXPECT_EQ(balance.pushes, 10);
    EXPECT_EQ(balance.pops, 10);
    EXPECT_EQ(balance.deepest, 1);
}

TEST(FaceOne, TheLastElementsColourStaysSet)
{
    drawRecorded(drawFace1, DrawerCall{});
    const auto materials = glrecord::callsNamed("glMaterialfv");
    ASSERT_GE(materials.size(), 4U);
    const auto& diffuse = materials[materials.size() - 3];
    EXPECT_EQ(diffuse.args[1], GL_DIFFUSE);
    EXPECT_TRUE(sameFloat(diffuse.args[2], 0.8));
    EXPECT_EQ(glrecord::calls().back().name, "glPopMatrix");
}

TEST(FaceOne, AnElementWithoutAQuadricIsSkippedAndTheRestDrawn)
{
    glrecord::reset();
    glrecord::failQuadricsFrom(3); // the right pupil's and every later one
    Toge surface;
    DrawerCall call;
    drawFace1(surface, 0, 14, call.features.data(), 20, 60, 1, 0);
    EXPECT_EQ(glrecord::count("gluSphere"), 2U);
    EXPECT_EQ(glrecord::count("gluDeleteQuadric"), 2U);
    const auto balance = glrecord::matrixBalance();
    EXPECT_EQ(balance.pushes, 8);
    EXPECT_EQ(balance.pops, 8);
    EXPECT_EQ(glrecord::count("glMaterialfv"), 32U) << "every element still sets its colour";
}

} // namespace
