// The staring eyes, stars, falling drops, rays, bar glyphs and disks as their calls reach GL.
#include "decorations/decorations.h"
#include "face_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {

using glrecord::DrawnShape;

std::vector<DrawnShape> drawAt(DrawerFunction drawer, std::int32_t angle)
{
    DrawerCall call;
    call.angle = angle;
    return drawRecorded(drawer, call);
}

// Every GL call of a drawing, to compare drawings whole.
using Calls = std::vector<std::pair<std::string, std::vector<double>>>;
Calls callsOf(DrawerFunction drawer, std::int32_t angle)
{
    drawAt(drawer, angle);
    Calls out;
    for (const glrecord::Call& c : glrecord::calls())
        out.emplace_back(c.name, c.args);
    return out;
}

TEST(StaringEyes, FifteenGrowsOverNinetyFramesThenHoldsAndStartsAgain)
{
    // The right ball's x and scale and the right pupil's radius (after the glints) follow
    // h = 1.5 S and s = 0.4 S; a negative angle continues the 180-frame cycle backwards.
    struct Case {
        std::int32_t angle;
        double growth;
    };
    for (const Case c : {Case{0, 0}, Case{89, sineOf(89)}, Case{90, 1}, Case{91, 1}, Case{180, 0},
                         Case{-1, 1}, Case{-135, sineOf(45)}}) {
        const auto eyes = drawAt(drawDecorA15Eyes, c.angle);
        ASSERT_EQ(eyes.size(), 6U);
        EXPECT_NEAR(eyes[0].transforms[0].x, 1 + 1.5 * c.growth, 1e-6) << c.angle;
        EXPECT_NEAR(eyes[0].transforms[1].x, 1 + 0.4 * c.growth, 1e-6) << c.angle;
        EXPECT_NEAR(eyes[4].params[1], 0.2 + 1.5 * c.growth, 1e-9) << c.angle;
    }
}

TEST(StaringEyes, FifteensFigureWaitsRisesAndSwaysAsOnePiece)
{
    struct Case {
        std::int32_t angle;
        double x;
        double y;
        double sway;
    };
    const double settled = 16.0 / 3;
    const auto risen = static_cast<double>(12 - 29 * (2.0L / 9));
    for (const Case c :
         {Case{89, 15, 5, 0}, Case{90, 2.5, 12, 0}, Case{119, 2.5, risen, 0},
          Case{120, 2.5, settled, 0}, Case{134, 2.5, settled, 28}, Case{135, 2.5, settled, 30},
          Case{179, 2.5, settled, 2}, Case{180, 15, 5, 0}, Case{-1, 2.5, settled, 2}}) {
        const Transform sway = rotate(c.sway, 0, 1, 0);
        EXPECT_TRUE(shapesMatch(
            drawAt(drawDecorA15Figure, c.angle),
            {{white, {translate(c.x, c.y + 2, -3.2), sway, scale(1.5, 1.8, 1)}, Sphere{2, 20}},
             {white, {translate(c.x, c.y, -3.2), sway, scale(1.2, 2.5, 1)}, Sphere{2, 20}}}))
            << c.angle;
    }
}

TEST(StaringEyes, SixteensTrickleRunsDownBesideTheEyesAtFullSize)
{
    const double end = 1 + 89.0 / 11;
    const auto shapes = drawAt(drawDecorA16, 89);
    EXPECT_NEAR(shapes.at(0).vertices[1][1], end, 1e-12);
    EXPECT_TRUE(shapesMatch(
        {shapes.at(1)},
        {{{1, 0, 0, 0.9}, {translate(-2.5, end, -3.5), rotate(180, 1, 0, 0)}, Disk{0, 0.5, 20}}}));
    EXPECT_TRUE(shapesMatch(
        drawAt(drawDecorA18, 0),
        {{orange, {translate(2.5, 0.5, -1.8), scale(1.4, 1.4, 1)}, Sphere{2, 20}},
         {orange, {translate(-2.5, 0.5, -1.8), scale(1.4, 1.4, 1)}, Sphere{2, 20}},
         {black, {translate(2.5, 1.9, -3.8), rotate(220, 1, 0, 0)}, Disk{0, 1.7, 20}},
         {black, {translate(-2.5, 1.9, -3.8), rotate(220, 1, 0, 0)}, Disk{0, 1.7, 20}}}));
}

TEST(Stars, PointsFromTheStarsOwnDegreeFactorWithTheirOutlinesAndEyes)
{
    const auto a20 = drawAt(drawDecorA20, 0);
    ASSERT_EQ(a20.size(), 22U); // three stars of a pentagon and five tips each, then the eyes
    const double factor = 0.017453277777777776;
    EXPECT_DOUBLE_EQ(a20[0].vertices[0][0], 5.7 + 1.5 * std::cos(-18 * factor));
    EXPECT_DOUBLE_EQ(a20[0].vertices[0][1], -4.7 - 1.5 * std::sin(-18 * factor));
    EXPECT_NEAR(a20[2].vertices[0][0], 5.7, 1e-5) << "tip 1 points straight up";
    EXPECT_NEAR(a20[2].vertices[0][1], -7.7, 1e-5);
    EXPECT_TRUE(shapesMatch(
        {a20[20]}, {{black, {translate(2.5, 1.6, -4.2), rotate(220, 1, 0, 0)}, Disk{0, 1.7, 20}}}));
    // A21 puts a black star 0.1 behind each yellow one.
    const auto a21 = drawAt(drawDecorA21, 0);
    ASSERT_EQ(a21.size(), 40U);
    EXPECT_EQ(a21[12].vertices[0][2], -2.0);
    EXPECT_EQ(a21[12].diffuse, (std::array<double, 4>{0, 0, 0, 1}));
}

TEST(Stars, BTwoIsOneStarWithABallOnEachPointWhateverTheAngle)
{
    const auto b2 = drawAt(drawDecorB2, 0);
    ASSERT_EQ(b2.size(), 11U);
    EXPECT_NEAR(b2[2].vertices[0][1], -10, 1e-5) << "the top point";
    for (std::size_t k = 0; k < 5; ++k) {
        const auto& tip = b2[1 + k].vertices[0];
        EXPECT_TRUE(shapesMatch(
            {b2[6 + k]}, {{{1, 1, 0, 1}, {translate(tip[0], tip[1], -1.1)}, Sphere{1.2, 30}}}));
    }
    EXPECT_EQ(callsOf(drawDecorB2, 0), callsOf(drawDecorB2, 123));
}

TEST(FallingDrops, NineteensTwoWhiteDropsFallHalfAPathApartOnTheRight)
{
    struct Case {
        std::int32_t angle;
        double first;
        double second;
    };
    const double step = 2.0 / 13;
    const Disk end{0, 1, 30, 30};
    for (const Case c : {Case{0, 1, 1 - 45 * step}, Case{45, 1 - 45 * step, 1},
                         Case{89, 1 - 89 * step, 1 - 44 * step}})
        EXPECT_TRUE(shapesMatch(
            quadricShapes(drawAt(drawDecorA19, c.angle)),
            {{{1, 1, 1, 0.9}, {translate(8.2, -c.first, -4), rotate(180, 1, 0, 0)}, end, false},
             {{1, 1, 1, 0.9}, {translate(8.2, -c.second, -4), rotate(180, 1, 0, 0)}, end, false}}))
            << c.angle;
}

TEST(Rays, OneTurnsItsFanADegreeAFrameTheSameAgainEveryThirty)
{
    const auto at0 = drawAt(drawDecorB1, 0);
    const auto at30 = drawAt(drawDecorB1, 30);
    ASSERT_EQ(at0.size(), 14U); // the ball, the square, twelve rays
    const std::array<std::array<double, 3>, 3> firstRay{
        {{0, 15, 1}, {28.98, -7.76, 1}, {30, 0, 1}}};
    for (std::size_t v = 0; v < 3; ++v)
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_NEAR(at0[2].vertices[v][c], firstRay[v][c], 5e-3);
            // At 30 each ray stands where the next stood at 0 (a full turn of 3.14159s is 2e-4
            // short).
            for (std::size_t ray = 0; ray < 12; ++ray)
                EXPECT_NEAR(at30[2 + ray].vertices[v][c], at0[2 + (ray + 1) % 12].vertices[v][c],
                            2e-4);
        }
}

TEST(BarGlyphs, SixteensDotComesAfterFifteensCross)
{
    // B16 is B15's cross, then a dot over the crossing.
    const Calls cross = callsOf(drawDecorB15, 0);
    const Calls dotted = callsOf(drawDecorB16, 0);
    EXPECT_TRUE(dotted.size() > cross.size()
                && std::equal(cross.begin(), cross.end(), dotted.begin()));
    EXPECT_TRUE(shapesMatch(
        {drawAt(drawDecorB16, 0).at(2)},
        {{{0, 0, 0, 1}, {translate(0, 0, 1.1), rotate(180, 1, 0, 0)}, Disk{0, 3, 40, 40}, false}}));
}

TEST(Disks, ThreeAndFourShakeOnTheJitterOneAndTwoStayPut)
{
    struct Case {
        DrawerFunction drawer;
        std::int32_t angle;
        double x;
        double grey;
    };
    for (const Case c : {Case{drawDecorC1, 2, 0, 0}, Case{drawDecorC2, 1, 0, 1},
                         Case{drawDecorC3, 0, 0.5, 0}, Case{drawDecorC3, 2, -0.5, 0},
                         Case{drawDecorC3, 359, -0.5, 0}, Case{drawDecorC4, 2, -0.5, 1}})
        EXPECT_TRUE(
            shapesMatch(drawAt(c.drawer, c.angle), {{{c.grey, c.grey, c.grey, 1},
                                                     {translate(c.x, 0, -1), rotate(180, 1, 0, 0)},
                                                     Disk{0, 11.5, 40, 40},
                                                     false}}))
            << c.angle;
}

} // namespace
