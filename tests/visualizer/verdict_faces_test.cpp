// The faces of the verdict levels, each the template plus its differences, checked element by
// element against their tables, calm and excited.
#include "face_test_support.h"
#include "faces/faces.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

using Kind = glrecord::DrawnShape::Kind;

// Template elements 5 to 10 (nose, mouth, lips, inner shapes) with bandFeatures 0.
std::vector<ExpectedShape> templateTail(std::int32_t angle, bool excited)
{
    const double s = sineOf(angle);
    std::vector<ExpectedShape> e = {
        {orange, {translate(0, -2, -2), scale(1, 2, 1)}, Sphere{2, 20}},
        {orange, {translate(0, 0.5, -1.2), scale(1.5 + 0.5 * s, 0.8, 1)}, Sphere{2, 20}},
    };
    if (excited) {
        e.push_back({lipRed,
                     {translate(0, 5, -1), translate(0, -4, -2), scale(1.5, 1, 1), scale(3, 1, 1)},
                     Sphere{2, 20}});
        e.push_back({lipRed,
                     {translate(0, 6, -1.5), translate(0, 2, -2), scale(1.5, 1, 1), scale(2, 1, 1)},
                     Sphere{2, 20}});
        e.push_back(
            {innerRed, {translate(0.5, 6, -1.5), rotateZ(15), scale(1, 2, 1)}, Sphere{1, 20}});
        e.push_back(
            {innerRed, {translate(-0.5, 6, -1.5), rotateZ(-15), scale(1, 2, 1)}, Sphere{1, 20}});
    } else {
        e.push_back({lipRed, {translate(0, 5, -1), scale(3, 1, 1)}, Sphere{2, 20}});
        e.push_back({lipRed, {translate(0, 6, -1.5), scale(2, 1, 1)}, Sphere{2, 20}});
    }
    return e;
}

std::vector<ExpectedShape> concat(std::vector<ExpectedShape> head,
                                  const std::vector<ExpectedShape>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::vector<glrecord::DrawnShape> draw(DrawerFunction drawer, std::int32_t angle, bool excited)
{
    return drawRecorded(
        drawer, excited ? excitedCall(angle) : [angle] {
            DrawerCall c;
            c.angle = angle;
            return c;
        }());
}

// Quadrics per frame and matrix balance, for every verdict face.
struct FaceCounts {
    const char* name;
    DrawerFunction drawer;
    int calmQuadrics;
    int excitedQuadrics;
};

class VerdictFaceCounts : public ::testing::TestWithParam<FaceCounts> {};

TEST_P(VerdictFaceCounts, OneQuadricPerShapeAndEveryPushPopped)
{
    const FaceCounts c = GetParam();
    for (const bool excited : {false, true}) {
        draw(c.drawer, 45, excited);
        const int expected = excited ? c.excitedQuadrics : c.calmQuadrics;
        EXPECT_EQ(glrecord::quadricsCreated(), expected)
            << c.name << (excited ? " excited" : " calm");
        EXPECT_EQ(glrecord::quadricsDeleted(), expected);
        const auto balance = glrecord::matrixBalance();
        EXPECT_EQ(balance.pushes, balance.pops);
        EXPECT_EQ(balance.deepest, 1);
        EXPECT_TRUE(balance.neverBelowStart);
    }
}

TEST_P(VerdictFaceCounts, AnElementWithoutAQuadricIsSkippedWithTheMatrixBalanced)
{
    const FaceCounts c = GetParam();
    glrecord::reset();
    glrecord::failQuadricsFrom(2);
    Toge surface;
    const DrawerCall call = excitedCall(45);
    c.drawer(surface, call.angle, 14, call.features.data(), 20, call.threshold, 1, call.meanLevel);
    EXPECT_EQ(glrecord::count("gluSphere") + glrecord::count("gluDisk"), 1U) << c.name;
    const auto balance = glrecord::matrixBalance();
    EXPECT_EQ(balance.pushes, balance.pops) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Faces, VerdictFaceCounts,
                         ::testing::Values(FaceCounts{"face 10", drawFace10, 66, 68},
                                           FaceCounts{"face 19", drawFace19, 8, 10},
                                           FaceCounts{"face 24", drawFace24, 8, 10},
                                           FaceCounts{"face 28", drawFace28, 8, 10},
                                           FaceCounts{"face 15", drawFace15, 6, 8},
                                           FaceCounts{"face 31", drawFace31, 10, 10}),
                         [](const auto& test) {
                             return std::string("Face") + std::string(test.param.name).substr(5);
                         });

// Face type 10 ---------------------------------------------------------------------------------

std::vector<ExpectedShape> faceTen(std::int32_t angle, bool excited)
{
    std::vector<ExpectedShape> e = {
        {white, {translate(6, -5, 0), scale(1, 1, 1)}, Sphere{2, 20}},
        {white, {translate(-6, -5, 0), scale(1, 1, 1)}, Sphere{2, 20}},
    };
    for (const double centreX : {5.7, -5.7})
        for (int i = 0; i < 30; ++i) {
            const long double r = 6 * i * 3.141592 * (1.0L / 180);
            e.push_back({black,
                         {translate(1.2 * std::cos(static_cast<double>(r)) + centreX,
                                    -4.7 - 1.2 * std::sin(static_cast<double>(r)), -2)},
                         Disk{0, 0.3, 20, 30},
                         false});
        }
    return concat(e, templateTail(angle, excited));
}

TEST(FaceTen, TwoArchesOfDotsReplaceThePupils)
{
    EXPECT_TRUE(shapesMatch(draw(drawFace10, 45, false), faceTen(45, false)));
    EXPECT_TRUE(shapesMatch(draw(drawFace10, 45, true), faceTen(45, true)));
}

TEST(FaceTen, TheArchesRunFromTheRightEndToTheirLastDotAt174Degrees)
{
    const auto shapes = draw(drawFace10, 0, false);
    struct Dot {
        std::size_t index;
        double x;
        double y;
    };
    for (const Dot d : {Dot{2, 6.9, -4.7}, Dot{17, 5.7, -5.9}, Dot{31, 4.5066, -4.8254},
                        Dot{32, -4.5, -4.7}, Dot{47, -5.7, -5.9}, Dot{61, -6.8934, -4.8254}}) {
        EXPECT_NEAR(shapes[d.index].transforms[0].x, d.x, 1e-4) << "shape " << d.index;
        EXPECT_NEAR(shapes[d.index].transforms[0].y, d.y, 1e-4) << "shape " << d.index;
    }
    // Nothing at 180 degrees: the last dot stops 6 degrees short of the arch's left end.
    EXPECT_GT(shapes[31].transforms[0].y, -4.9);
    EXPECT_LT(shapes[31].transforms[0].y, -4.7);
    EXPECT_EQ(shapes[62].kind, Kind::sphere) << "the nose follows the arches";
}

TEST(FaceTen, TheArchesBlackIsSetOnceOutsideAnyPush)
{
    draw(drawFace10, 0, false);
    const auto& calls = glrecord::calls();
    // The left eye's pop, then the arches' setColour, then the first dot's push.
    std::size_t firstDisk = 0;
    while (calls[firstDisk].name != "gluDisk")
        ++firstDisk;
    const std::vector<std::string> before = {"glPopMatrix",  "glMaterialfv", "glMaterialfv",
                                             "glMaterialfv", "glMaterialfv", "glPushMatrix",
                                             "glTranslatef", "gluNewQuadric"};
    ASSERT_GE(firstDisk, before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(calls[firstDisk - before.size() + i].name, before[i]) << i;
    EXPECT_EQ(glrecord::count("glMaterialfv"), 4U * 7U)
        << "two eyes, the arches, four template parts";
}

TEST(FaceTen, FeaturesMoveTheEyesButNotTheArches)
{
    const auto moved = drawRecorded(drawFace10, withFeatures({{4, 1}, {7, -1}}));
    const auto still = draw(drawFace10, 0, false);
    EXPECT_TRUE(sameFloat(moved[0].transforms[0].x, 8));
    EXPECT_TRUE(sameFloat(moved[1].transforms[0].y, -7));
    for (std::size_t i = 2; i < 62; ++i)
        EXPECT_EQ(moved[i].transforms[0].x, still[i].transforms[0].x) << "dot " << i;
}

// Face type 19 ---------------------------------------------------------------------------------

std::vector<ExpectedShape> faceNineteen(std::int32_t angle, bool excited)
{
    const double f = sineOf(50 * angle);
    return concat({{white, {translate(6, -5, 0), scale(2, 2, 1)}, Sphere{2, 20}},
                   {white, {translate(-6, -5, 0), scale(2, 2, 1)}, Sphere{2, 20}},
                   {black, {translate(f + 6, -5, -2), scale(2, 2, 1)}, Sphere{0.5, 20}},
                   {black, {translate(-6 - f, -5, -2), scale(2, 2, 1)}, Sphere{0.5, 20}}},
                  templateTail(angle, excited));
}

TEST(FaceNineteen, WideEyesAndLargeDartingPupilsOfOneSize)
{
    for (const std::int32_t angle : {0, 9, 18, 45, 359}) {
        EXPECT_TRUE(shapesMatch(draw(drawFace19, angle, false), faceNineteen(angle, false)))
            << angle;
        EXPECT_TRUE(shapesMatch(draw(drawFace19, angle, true), faceNineteen(angle, true))) << angle;
    }
}

TEST(FaceNineteen, PupilsDartWithFiftyTimesTheAngle)
{
    struct Case {
        std::int32_t angle;
        double pupilX;
    };
    for (const Case c : {Case{0, 6}, Case{9, 7}, Case{18, 6}, Case{27, 5}, Case{36, 6}}) {
        const auto shapes = draw(drawFace19, c.angle, false);
        EXPECT_NEAR(shapes[2].transforms[0].x, c.pupilX, 1e-4) << c.angle;
        EXPECT_NEAR(shapes[3].transforms[0].x, -c.pupilX, 1e-4) << c.angle;
    }
}

TEST(FaceNineteen, TheEyeStretchFeaturesHaveNoEffect)
{
    DrawerCall call;
    call.features = {0.5, 0.5, 0.5, 0.5};
    EXPECT_TRUE(shapesMatch(drawRecorded(drawFace19, call), faceNineteen(0, false)));
}

// Face type 24 ---------------------------------------------------------------------------------

std::vector<ExpectedShape> faceTwentyFour(std::int32_t angle, bool excited, double f8 = 0,
                                          double f9 = 0)
{
    const double s = sineOf(angle);
    std::vector<ExpectedShape> e = {
        {white, {translate(6, -5, 0), scale(2, 2, 1)}, Sphere{2, 20}},
        {white, {translate(-6, -5, 0), scale(2, 2, 1)}, Sphere{2, 20}},
        {orange, {translate(0, -2, -2), scale(1, 2, 1)}, Sphere{2, 20}},
        {orange, {translate(0, 0.5, -1.2), scale(1.5 + 0.5 * s, 0.8, 1)}, Sphere{2, 20}},
        {lipRed, {translate(3 * f8 - 5, 6, -1), rotateZ(35), scale(2, 1, 1)}, Sphere{2, 20}},
        {lipRed, {translate(3 * f9 + 5, 6, -1), rotateZ(-35), scale(2, 1, 1)}, Sphere{2, 20}},
        {lipRed, {translate(3 * f9, 5, -1), scale(4, 0.7, 1)}, Sphere{2, 20}},
        {lipRed, {translate(3 * f9, 8, -1), scale(2, 0.7, 1)}, Sphere{2, 20}},
    };
    if (excited) {
        e.push_back(
            {innerRed, {translate(0.5, 6, -1.5), rotateZ(15), scale(1, 2, 1)}, Sphere{1, 20}});
        e.push_back(
            {innerRed, {translate(-0.5, 6, -1.5), rotateZ(-15), scale(1, 2, 1)}, Sphere{1, 20}});
    }
    return e;
}

TEST(FaceTwentyFour, BlankEyesAndAFourPieceMouthThatStaysPutWhenExcited)
{
    EXPECT_TRUE(shapesMatch(draw(drawFace24, 45, false), faceTwentyFour(45, false)));
    EXPECT_TRUE(shapesMatch(draw(drawFace24, 45, true), faceTwentyFour(45, true)));
}

TEST(FaceTwentyFour, OnlyTheLeftLipEndFollowsFeatureEight)
{
    // The eye stretches (features 0 and 3) have no effect.
    const auto shapes =
        drawRecorded(drawFace24, withFeatures({{0, 0.5}, {3, -0.5}, {8, 1}, {9, -1}}));
    EXPECT_TRUE(shapesMatch(shapes, faceTwentyFour(0, false, 1, -1)));
}

// Face type 28 ---------------------------------------------------------------------------------

TEST(FaceTwentyEight, EnlargedEyesHiddenDisksAndMarksInPlaceOfThePupils)
{
    for (const bool excited : {false, true}) {
        const auto shapes = draw(drawFace28, 45, excited);
        const auto spheres =
            concat({{white, {translate(6, -5, 0), scale(1, 1, 1)}, Sphere{3.5, 20}},
                    {white, {translate(-6, -5, 0), scale(1, 1, 1)}, Sphere{3.5, 20}},
                    {white, {translate(6, -5, -1.5), rotate(180, 0, 1, 0)}, Disk{0, 0.6, 20, 30}},
                    {white, {translate(-6, -5, -1.5), rotate(180, 0, 1, 0)}, Disk{0, 0.6, 20, 30}}},
                   templateTail(45, excited));
        EXPECT_TRUE(shapesMatch(quadricShapes(shapes), spheres)) << (excited ? "excited" : "calm");
        // The six marks come between the disks and the nose.
        for (std::size_t i = 4; i < 10; ++i)
            EXPECT_EQ(shapes[i].kind, Kind::polygon) << i;
        EXPECT_EQ(shapes[10].kind, Kind::sphere);
    }
}

TEST(FaceTwentyEight, MarkCornersAndTheirMirrorImages)
{
    const auto shapes = draw(drawFace28, 0, false);
    const std::vector<std::vector<std::array<double, 2>>> right = {
        {{3.7, -4.4}, {3.7, -5.0}, {6.7311, -6.75}, {6.7311, -6.15}},
        {{3.7, -4.4}, {3.7, -5.0}, {6.7311, -3.25}, {6.7311, -2.65}},
        {{3.7, -4.4}, {3.7, -5.0}, {7.2, -5.0}, {7.2, -4.4}},
    };
    for (std::size_t bar = 0; bar < 6; ++bar) {
        const auto& mark = shapes[4 + bar];
        const double side = bar < 3 ? 1 : -1;
        ASSERT_EQ(mark.vertices.size(), 4U);
        EXPECT_EQ(mark.depth, 0) << "marks are drawn outside any push";
        EXPECT_EQ(mark.diffuse, (std::array<double, 4>{0, 0, 0, 0.5}));
        for (std::size_t v = 0; v < 4; ++v) {
            EXPECT_NEAR(mark.vertices[v][0], side * right[bar % 3][v][0], 1e-4) << bar << "/" << v;
            EXPECT_NEAR(mark.vertices[v][1], right[bar % 3][v][1], 1e-4) << bar << "/" << v;
            EXPECT_EQ(mark.vertices[v][2], -4);
        }
    }
    // Each side sets its black once: two eyes, two disks, two mark colours, four template parts.
    EXPECT_EQ(glrecord::count("glMaterialfv"), 4U * 10U);
}

TEST(FaceTwentyEight, TheDisksFollowTheEyesAndTheMarksDoNot)
{
    const auto shapes = drawRecorded(drawFace28, withFeatures({{4, 0.5}, {7, 0.5}}));
    EXPECT_TRUE(sameFloat(shapes[2].transforms[0].x, 7));
    EXPECT_TRUE(sameFloat(shapes[3].transforms[0].y, -4));
    EXPECT_NEAR(shapes[4].vertices[0][0], 3.7, 1e-12);
}

// Face type 15 ---------------------------------------------------------------------------------

TEST(FaceFifteen, TallWideBlankEyes)
{
    for (const bool excited : {false, true}) {
        const auto expected =
            concat({{white, {translate(6, -5, 0), scale(2, 3, 1)}, Sphere{2, 20}},
                    {white, {translate(-6, -5, 0), scale(2, 3, 1)}, Sphere{2, 20}}},
                   templateTail(45, excited));
        EXPECT_TRUE(shapesMatch(draw(drawFace15, 45, excited), expected));
    }
}

TEST(FaceFifteen, FeaturesCanFlattenAnEye)
{
    const auto eye = drawRecorded(drawFace15, withFeatures({{0, -2}, {1, -3}}))[0];
    EXPECT_EQ(eye.transforms[1].x, 0);
    EXPECT_EQ(eye.transforms[1].y, 0);
}

// Face type 31 ---------------------------------------------------------------------------------

std::vector<ExpectedShape> faceThirtyOne(std::int32_t angle, bool excited)
{
    const double s = sineOf(angle);
    const Transform pupilScale = excited ? scale(2, 2, 1) : scale(1, 1, 1);
    return {
        {white, {translate(6, -5, 0), rotateZ(-5), scale(1, 3, 1)}, Sphere{2.5, 20}},
        {white, {translate(-6, -5, 0), rotateZ(35), scale(2, 1, 1)}, Sphere{2.5, 20}},
        {black, {translate(s + 6, -5, -3), pupilScale}, Sphere{1.5, 20}},
        {black, {translate(-6 - s, -5, -3), pupilScale}, Sphere{0.5, 20}},
        {orange, {translate(0, -4, -3), rotateZ(15), scale(1, 2, 1)}, Sphere{2, 20}},
        {orange, {translate(0, -1.5, -1.2), scale(1.5 + 0.5 * s, 0.8, 1)}, Sphere{3, 20}},
        {lipRed,
         {translate(0, 5, -1), translate(0, -3, -2), rotateZ(5), scale(1.5, 1, 1), scale(3, 1, 1)},
         Sphere{2, 20}},
        {lipRed,
         {translate(0, 6, -1.5), translate(0, 2, -2), scale(1.5, 1, 1), scale(2, 1, 1)},
         Sphere{2, 20}},
        {innerRed, {translate(0.5, 6, -1.5), rotateZ(15), scale(1, 2, 1)}, Sphere{1, 20}},
        {innerRed, {translate(-0.5, 6, -1.5), rotateZ(-15), scale(1, 2, 1)}, Sphere{1, 20}},
    };
}

TEST(FaceThirtyOne, TheDistortedFaceWhereOnlyThePupilsReactToExcitement)
{
    for (const std::int32_t angle : {0, 45, 270}) {
        EXPECT_TRUE(shapesMatch(draw(drawFace31, angle, false), faceThirtyOne(angle, false)))
            << angle;
        EXPECT_TRUE(shapesMatch(draw(drawFace31, angle, true), faceThirtyOne(angle, true)))
            << angle;
    }
}

TEST(FaceThirtyOne, TheEyeFeaturesStillAct)
{
    const auto shapes = drawRecorded(drawFace31, withFeatures({{0, 0.5}, {3, 0.25}}));
    EXPECT_TRUE(sameFloat(shapes[0].transforms[2].x, 1.5));
    EXPECT_TRUE(sameFloat(shapes[1].transforms[2].y, 1.25));
}

} // namespace
