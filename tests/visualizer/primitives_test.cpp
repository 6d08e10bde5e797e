#include "primitives.h"
#include "shape_expectations.h"
#include "toge.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using glrecord::DrawnShape;

class Primitives : public ::testing::Test {
protected:
    void SetUp() override { glrecord::reset(); }
    Toge surface;
};

void expectVertices(const DrawnShape& shape, std::vector<std::array<double, 3>> expected)
{
    ASSERT_EQ(shape.kind, DrawnShape::Kind::polygon);
    EXPECT_EQ(shape.params, (std::vector<double>{0, 0, -1})) << "one normal towards the camera";
    ASSERT_EQ(shape.vertices.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(shape.vertices[i][k], expected[i][k], 1e-5)
                << "vertex " << i << " axis " << k;
}

TEST_F(Primitives, RectEmitsItsCornersFromTheSecondXBound)
{
    drawRect(surface, -9, -8, -15, 2, -5.5);
    const auto shapes = glrecord::shapes();
    ASSERT_EQ(shapes.size(), 1U);
    expectVertices(shapes[0], {{-8, -15, -5.5}, {-8, 2, -5.5}, {-9, 2, -5.5}, {-9, -15, -5.5}});
    EXPECT_EQ(glrecord::callsNamed("glBegin")[0].args[0], GL_POLYGON);
    EXPECT_EQ(glrecord::count("glNormal3d"), 1U);
}

TEST_F(Primitives, PolygonsEmitTheirVerticesExactlyAsPassed)
{
    drawTriangle(surface, 1, 2, 3, 4, 5, 6, 7);
    drawQuad(surface, 1, -1, 2, -2, 3, -3, 4, -4, 0.5);
    drawPentagon(surface, 0, -10, 6, -7, 10, 10, -10, 10, -6, -7, -1.1);
    const auto shapes = glrecord::shapes();
    ASSERT_EQ(shapes.size(), 3U);
    expectVertices(shapes[0], {{1, 2, 7}, {3, 4, 7}, {5, 6, 7}});
    expectVertices(shapes[1], {{1, -1, 0.5}, {2, -2, 0.5}, {3, -3, 0.5}, {4, -4, 0.5}});
    expectVertices(
        shapes[2],
        {{0, -10, -1.1}, {6, -7, -1.1}, {10, 10, -1.1}, {-10, 10, -1.1}, {-6, -7, -1.1}});
}

TEST_F(Primitives, WedgePointingUpTheScreen)
{
    const WedgeCorners c = wedgeCorners(0, 0, 5, 3, 90);
    EXPECT_NEAR(c.tip.x, 0, 1e-5);
    EXPECT_NEAR(c.tip.y, -5, 1e-12);
    EXPECT_NEAR(c.firstBase.x, 3, 1e-9);
    EXPECT_NEAR(c.firstBase.y, 0, 1e-5);
    EXPECT_NEAR(c.secondBase.x, -3, 1e-9);
    EXPECT_NEAR(c.secondBase.y, 0, 1e-5);

    drawWedge(surface, 0, 0, 5, 3, 90, -4);
    expectVertices(glrecord::shapes().at(0), {{0, -5, -4}, {3, 0, -4}, {-3, 0, -4}});
}

TEST_F(Primitives, WedgeTakesItsCentreScreenUp)
{
    const WedgeCorners c = wedgeCorners(0, 2, 5, 3, 0);
    EXPECT_DOUBLE_EQ(c.tip.x, 5);
    EXPECT_DOUBLE_EQ(c.tip.y, -2);
    EXPECT_NEAR(c.firstBase.x, 0, 1e-5);
    EXPECT_NEAR(c.firstBase.y, 1, 1e-9);
    EXPECT_NEAR(c.secondBase.x, 0, 1e-5);
    EXPECT_NEAR(c.secondBase.y, -5, 1e-9);
}

TEST_F(Primitives, WedgeUsesPiAs3141592)
{
    // With 3.141592 the tip of a wedge pointing up is 5 cos(1.570796) = 1.63e-6 right of the
    // centre; with 3.14159 it would be 6.63e-6.
    const WedgeCorners c = wedgeCorners(0, 0, 5, 3, 90);
    EXPECT_NEAR(c.tip.x, 5 * std::cos(static_cast<double>(90 * 3.141592 * (1.0L / 180))), 1e-15);
    EXPECT_GT(c.tip.x, 1.6e-6);
    EXPECT_LT(c.tip.x, 1.7e-6);
}

TEST_F(Primitives, DropIsAWedgeAndADiskFacingTheCamera)
{
    drawDrop(surface, 0, 0, 2, 1, 90, -4);
    const auto shapes = glrecord::shapes();
    ASSERT_EQ(shapes.size(), 2U);
    expectVertices(shapes[0], {{0, -2, -4}, {1, 0, -4}, {-1, 0, -4}});
    EXPECT_TRUE(shapesMatch({shapes[1]}, {{{0.8, 0.8, 0.8, 1.0},
                                           {translate(0, 0, -4), rotate(180, 1, 0, 0)},
                                           Disk{0, 1, 30, 30},
                                           false}}));
    EXPECT_EQ(glrecord::matrixBalance().pushes, 1);
    EXPECT_EQ(glrecord::matrixBalance().pops, 1);
    EXPECT_EQ(glrecord::quadricsCreated(), 1);
    EXPECT_EQ(glrecord::quadricsDeleted(), 1);
}

TEST_F(Primitives, DropDiskSitsAtTheNegatedCentre)
{
    drawDrop(surface, 5.2, -2.5, 2, 1, 90, -4);
    const auto disk = glrecord::shapes().at(1);
    EXPECT_TRUE(sameFloat(disk.transforms.at(0).x, 5.2));
    EXPECT_TRUE(sameFloat(disk.transforms.at(0).y, 2.5));
}

TEST_F(Primitives, BallIsASphereWithThirtySlicesAndStacksWithoutAPush)
{
    drawBall(surface, 1.2);
    const auto shapes = glrecord::shapes();
    ASSERT_EQ(shapes.size(), 1U);
    EXPECT_EQ(shapes[0].params, (std::vector<double>{1.2, 30, 30}));
    EXPECT_EQ(glrecord::matrixBalance().pushes, 0);
    EXPECT_EQ(glrecord::quadricsDeleted(), 1);
}

TEST_F(Primitives, SetColourSetsTheFrontMaterialOnly)
{
    setColour(surface, 1, 0, 0, 0.5);
    const auto& calls = glrecord::calls();
    ASSERT_EQ(calls.size(), 4U);
    const double tenth = static_cast<double>(0.1F);
    const std::vector<std::vector<double>> expected = {
        {GL_FRONT, GL_AMBIENT, tenth, tenth, tenth, 1},
        {GL_FRONT, GL_DIFFUSE, 1, 0, 0, 0.5},
        {GL_FRONT, GL_SPECULAR, 1, 1, 1, 1},
        {GL_FRONT, GL_SHININESS, 0},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[i].name, "glMaterialfv");
        EXPECT_EQ(calls[i].args, expected[i]) << "call " << i;
    }
}

TEST_F(Primitives, ADropWhoseDiskGetsNoQuadricKeepsTheMatrixBalanced)
{
    glrecord::failQuadricsFrom(1);
    drawDrop(surface, 0, 0, 2, 1, 90, -4);
    EXPECT_EQ(glrecord::count("gluDisk"), 0U);
    EXPECT_EQ(glrecord::count("glVertex3d"), 3U) << "the wedge is still drawn";
    EXPECT_EQ(glrecord::matrixBalance().pushes, glrecord::matrixBalance().pops);
    EXPECT_EQ(glrecord::count("gluDeleteQuadric"), 0U);
}

} // namespace
