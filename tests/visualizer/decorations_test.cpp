#include "decorations/decorations.h"
#include "face_test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

using Kind = glrecord::DrawnShape::Kind;

// Decoration A14 -------------------------------------------------------------------------------

std::vector<ExpectedShape> decorationFourteen(double swing, std::int32_t slices = 20)
{
    const double spread = swing / 12;
    return {
        {white,
         {translate(2 + spread, 5, -3), rotateZ(swing), scale(1.5, 1.8, 1)},
         Sphere{2, slices}},
        {white,
         {translate(2 + spread, 3, -3), rotateZ(swing), scale(1.2, 2.5, 1)},
         Sphere{2, slices}},
        {white,
         {translate(-2 - spread, 5, -3), rotateZ(-swing), scale(1.5, 1.8, 1)},
         Sphere{2, slices}},
        {white,
         {translate(-2 - spread, 3, -3), rotateZ(-swing), scale(1.2, 2.5, 1)},
         Sphere{2, slices}},
    };
}

TEST(DecorationFourteen, SwingsThroughAFourFrameCycle)
{
    struct Case {
        std::int32_t angle;
        double swing;
    };
    for (const Case c : {Case{0, 0}, Case{1, 16}, Case{2, 32}, Case{3, 16}, Case{4, 0},
                         Case{358, 32}, Case{359, 16}}) {
        DrawerCall call;
        call.angle = c.angle;
        EXPECT_TRUE(shapesMatch(drawRecorded(drawDecorA14, call), decorationFourteen(c.swing)))
            << c.angle;
    }
}

TEST(DecorationFourteen, TheWidestPoseSitsAtTwoPlusThirtyTwoTwelfths)
{
    DrawerCall call;
    call.angle = 2;
    const auto shapes = drawRecorded(drawDecorA14, call);
    EXPECT_NEAR(shapes[0].transforms[0].x, 4.6667, 1e-4);
    EXPECT_NEAR(shapes[2].transforms[0].x, -4.6667, 1e-4);
    EXPECT_TRUE(sameFloat(shapes[0].transforms[0].x,
                          static_cast<double>(2 + static_cast<double>(32 * (1.0L / 12)))));
}

TEST(DecorationFourteen, OnlyTheAngleAndSlicesMatter)
{
    DrawerCall call;
    call.angle = 1;
    call.slices = 9;
    call.meanLevel = 1000;
    call.features.fill(1);
    call.faceType = 31;
    EXPECT_TRUE(shapesMatch(drawRecorded(drawDecorA14, call), decorationFourteen(16, 9)));
    EXPECT_EQ(glrecord::quadricsCreated(), 4);
    EXPECT_EQ(glrecord::quadricsDeleted(), 4);
    EXPECT_EQ(glrecord::matrixBalance().pushes, 4);
    EXPECT_EQ(glrecord::matrixBalance().pops, 4);
}

// Decoration A9 --------------------------------------------------------------------------------

// The drop heights (drawDrop's y, screen-up) of the four drops.
std::array<double, 4> dropHeights(std::int32_t angle)
{
    DrawerCall call;
    call.angle = angle;
    const auto shapes = drawRecorded(drawDecorA9, call);
    std::array<double, 4> heights{};
    for (std::size_t i = 0; i < 4; ++i)
        heights[i] = -shapes.at(2 * i + 1).transforms.at(0).y; // the disk sits at (x, -y)
    return heights;
}

TEST(DecorationNine, DropHeightsFollowTheirPhases)
{
    struct Case {
        std::int32_t angle;
        std::array<double, 4> heights;
    };
    const double step = 2.0 / 13;
    for (const Case c : {Case{0, {1, 1 - 23 * step, 1 - 45 * step, 1 - 68 * step}},
                         Case{22, {1 - 22 * step, 1 - 45 * step, 1 - 67 * step, 1}},
                         Case{89, {1 - 89 * step, 1 - 22 * step, 1 - 44 * step, 1 - 67 * step}},
                         Case{90, {1, 1 - 23 * step, 1 - 45 * step, 1 - 68 * step}}}) {
        const auto heights = dropHeights(c.angle);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(heights[i], c.heights[i], 1e-5) << "angle " << c.angle << " drop " << i;
    }
    EXPECT_NEAR(dropHeights(0)[1], -2.5385, 1e-4);
    EXPECT_NEAR(dropHeights(0)[2], -5.9231, 1e-4);
    EXPECT_NEAR(dropHeights(0)[3], -9.4615, 1e-4);
    EXPECT_NEAR(dropHeights(89)[0], -12.6923, 1e-4);
}

TEST(DecorationNine, FourBlueDropsInTwoColumnsPointingUp)
{
    DrawerCall call;
    const auto shapes = drawRecorded(drawDecorA9, call);
    ASSERT_EQ(shapes.size(), 8U);
    const double columns[] = {5.2, -5.2, 5.2, -5.2};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& wedge = shapes[2 * i];
        const auto& disk = shapes[2 * i + 1];
        ASSERT_EQ(wedge.kind, Kind::polygon);
        EXPECT_NEAR(wedge.vertices[0][0], columns[i], 1e-5) << "the tip stands above the centre";
        EXPECT_NEAR(wedge.vertices[0][1], disk.transforms[0].y - 2, 1e-5);
        EXPECT_EQ(wedge.vertices[0][2], -4);
        EXPECT_TRUE(shapesMatch(
            {disk}, {{{0, 0, 1, 0.9},
                      {translate(columns[i], disk.transforms[0].y, -4), rotate(180, 1, 0, 0)},
                      Disk{0, 1, 30, 30},
                      false}}));
    }
    // One colour for all four drops, set before the first.
    EXPECT_EQ(glrecord::count("glMaterialfv"), 4U);
    EXPECT_EQ(glrecord::calls().at(4).name, "glBegin");
    EXPECT_EQ(glrecord::quadricsCreated(), 4);
}

TEST(DecorationNine, OnlyTheAngleMatters)
{
    DrawerCall plain;
    plain.angle = 30;
    const auto a = drawRecorded(drawDecorA9, plain);
    DrawerCall other = plain;
    other.slices = 5;
    other.meanLevel = 500;
    other.features.fill(-1);
    other.faceType = 0;
    const auto b = drawRecorded(drawDecorA9, other);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].vertices, b[i].vertices);
        EXPECT_EQ(a[i].params, b[i].params);
    }
}

} // namespace
