#include "decorations/decorations.h"
#include "face_test_support.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = glrecord::DrawnShape::Kind;

std::vector<glrecord::DrawnShape> polygons(const std::vector<glrecord::DrawnShape>& shapes)
{
    std::vector<glrecord::DrawnShape> out;
    std::copy_if(shapes.begin(), shapes.end(), std::back_inserter(out),
                 [](const auto& s) { return s.kind == Kind::polygon; });
    return out;
}

TEST(BlackGlyphs, TheLeftCopyIsTheRightOneMovedTenUnitsLeft)
{
    for (const DrawerFunction drawer : {drawDecorA17, drawDecorA22, drawDecorA23, drawDecorA24}) {
        const auto strokes = polygons(drawRecorded(drawer, {}));
        ASSERT_FALSE(strokes.empty());
        ASSERT_EQ(strokes.size() % 2, 0U);
        const std::size_t half = strokes.size() / 2;
        for (std::size_t i = 0; i < half; ++i) {
            EXPECT_TRUE(sameFloat(strokes[i].diffuse[3], 0.9));
            const auto& right = strokes[i].vertices;
            const auto& left = strokes[i + half].vertices;
            ASSERT_EQ(left.size(), right.size());
            for (std::size_t v = 0; v < right.size(); ++v) {
                EXPECT_NEAR(left[v][0], right[v][0] - 10, 1e-12) << "stroke " << i;
                EXPECT_EQ(left[v][1], right[v][1]);
                EXPECT_EQ(left[v][2], -5.5);
            }
        }
    }
}

TEST(BlackGlyphs, SeventeensRightCopySpansThreeToSevenAcross)
{
    const auto strokes = drawRecorded(drawDecorA17, {});
    double minX = 100, maxX = -100, minY = 100, maxY = -100;
    for (std::size_t i = 0; i < strokes.size() / 2; ++i)
        for (const auto& v : strokes[i].vertices) {
            minX = std::min(minX, v[0]);
            maxX = std::max(maxX, v[0]);
            minY = std::min(minY, v[1]);
            maxY = std::max(maxY, v[1]);
        }
    EXPECT_EQ(minX, 3);
    EXPECT_EQ(maxX, 7);
    EXPECT_EQ(minY, -6.5) << "the top of the strokes";
    EXPECT_EQ(maxY, -0.75) << "the bottom of the stem";
}

TEST(BlackGlyphs, TwentyFoursDotArcsLieAboutMirroredCentres)
{
    DrawerCall call;
    call.slices = 7;
    const auto dots = quadricShapes(drawRecorded(drawDecorA24, call));
    ASSERT_EQ(dots.size(), 120U);
    struct Dot {
        std::size_t index;
        double x;
        double y;
    };
    // Arc by arc, 30 dots from 0 (upper arcs) or 180 degrees (lower arcs) in steps of 6.
    for (const Dot d : {Dot{0, 7.3, -5.7}, Dot{15, 5.7, -7.3}, Dot{30, -4.1, -5.7}, Dot{45, -5.7, -7.3},
                        Dot{60, 4.1, -3.8}, Dot{75, 5.7, -2.2}, Dot{90, -7.3, -3.8}, Dot{119, -4.109, -3.633}}) {
        const auto& dot = dots[d.index];
        EXPECT_TRUE(shapesMatch({dot}, {{{0, 0, 0, 0.9}, {translate(dot.transforms[0].x, dot.transforms[0].y, -2)},
                                         Disk{0, 0.5, 7, 30}, false}}))
            << d.index;
        EXPECT_NEAR(dot.transforms[0].x, d.x, 1e-3) << d.index;
        EXPECT_NEAR(dot.transforms[0].y, d.y, 1e-3) << d.index;
    }
}

TEST(BlackGlyphs, EightsBarsHangFromTheTopEdgeOverAnAddedSquare)
{
    const auto shapes = drawRecorded(drawDecorA8, {});
    ASSERT_EQ(shapes.size(), 5U);
    const double bottoms[] = {2, 0, -2, -4};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& v = shapes[i].vertices;
        EXPECT_EQ(v[0][1], -15);
        EXPECT_EQ(v[1][1], bottoms[i]);
        EXPECT_EQ(v[0][0] - v[2][0], 1) << "one wide";
        EXPECT_EQ(v[0][0], -8 + 2.0 * static_cast<double>(i));
    }
    const auto& square = shapes[4];
    EXPECT_EQ(square.vertices[0], (std::array<double, 3>{15, -15, 1.5}));
    EXPECT_EQ(square.vertices[2], (std::array<double, 3>{-15, 15, 1.5}));
    EXPECT_TRUE(sameFloat(square.diffuse[0], 1));
    EXPECT_TRUE(sameFloat(square.diffuse[3], 0.9));
}

} // namespace
