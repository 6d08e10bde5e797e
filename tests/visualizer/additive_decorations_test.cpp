// The arrows, marching wedges, marks and black glyphs: their calls where something happens.
#include "decorations/decorations.h"
#include "face_test_support.h"
#include "scene_dispatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using Vertex = std::array<double, 3>;

::testing::AssertionResult near(const Vertex& v, double x, double y)
{
    if (std::fabs(v[0] - x) < 1e-3 && std::fabs(v[1] - y) < 1e-3)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << v[0] << ", " << v[1] << ")";
}

TEST(Arrows, PointRightAtZeroAndUpAtNinetyWithCornersAtWholeDegrees)
{
    DrawerCall call;
    const auto right = drawRecorded(drawDecorA1, call);
    ASSERT_EQ(right.size(), 2U);
    EXPECT_TRUE(near(right[0].vertices[0], 8, 0));
    // 36 degrees off the axis, (5 cos 36, 5 sin 36): not the (4, 3) of acos 0.8 = 36.87.
    EXPECT_TRUE(near(right[0].vertices[1], 4.045, 2.939));
    EXPECT_TRUE(near(right[1].vertices[0], -4.045, -2.939)) << "the back of the shaft";
    call.angle = 90;
    EXPECT_TRUE(near(drawRecorded(drawDecorA1, call)[0].vertices[0], 0, -8)) << "straight up";
}

TEST(Arrows, TheFixedArrowsIgnoreTheAngle)
{
    for (const auto& [drawer, tipY] :
         {std::pair{&drawDecorA2, -7.657}, std::pair{&drawDecorA3, 7.657}}) {
        const auto first = drawRecorded(drawer, {});
        EXPECT_TRUE(near(first.at(0).vertices[0], 7.657, tipY));
        for (const std::int32_t angle : {1, 180, 359, -30}) {
            DrawerCall call;
            call.angle = angle;
            const auto later = drawRecorded(drawer, call);
            for (std::size_t i = 0; i < first.size(); ++i)
                EXPECT_EQ(later.at(i).vertices, first[i].vertices) << angle;
        }
    }
}

// A wedge read back from its triangle: its base's midpoint and direction taken screen-up, as
// drawWedge is given them, and its depth.
struct Place {
    double x;
    double y;
    double direction;
    double z;
};

::testing::AssertionResult standsAt(const glrecord::DrawnShape& wedge, const Place& want)
{
    const auto& v = wedge.vertices;
    const double x = (v[1][0] + v[2][0]) / 2;
    const double y = (v[1][1] + v[2][1]) / 2;
    const double direction = std::atan2(y - v[0][1], v[0][0] - x) * 180 / std::numbers::pi;
    if (std::fabs(x - want.x) < 1e-4 && std::fabs(-y - want.y) < 1e-4
        && std::fabs(direction - want.direction) < 1e-3 && v[0][2] == want.z)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << x << ", " << -y << ") towards " << direction << " at " << v[0][2];
}

TEST(MarchingWedges, StandWhereTheirPathPositionPutsThem)
{
    struct March {
        const char* name;
        DrawerFunction drawer;
        std::int32_t angle;
        std::size_t wedge;
        Place place;
    };
    const March marches[] = {
        {"A4 enters", drawDecorA4, 0, 0, {-14, 0, 0, -5.5}},
        {"A4 ten frames behind", drawDecorA4, 0, 1, {-9, 0, 0, -5.5}},
        {"A4 halfway through the turn", drawDecorA4, 35, 0, {3.5, 2.5, 45, -5.5}},
        {"A4 at position 60", drawDecorA4, 30, 3, {6, 15, 90, -5.5}},
        {"A4 back at position 1", drawDecorA4, 31, 3, {-13.5, 0, 0, -5.5}},
        {"A4 after 120 frames", drawDecorA4, 120, 2, {-4, 0, 0, -5.5}},
        {"A4 before its path", drawDecorA4, -5, 0, {-16.5, 0, 0, -5.5}},
        {"A5 turns down", drawDecorA5, 35, 0, {3.5, -2.5, -45, -5.5}},
        {"A5 down the right", drawDecorA5, 45, 0, {6, -7.5, -90, -5.5}},
        {"A6 parks nearer", drawDecorA6, 30, 3, {0, 5, 90, -5.6}},
        {"A6 leaves the park", drawDecorA6, 40, 3, {0, -5, 90, -5.5}},
        {"A7 falls", drawDecorA7, 10, 0, {0, 5, -90, -5.5}},
        {"A7 parks nearer", drawDecorA7, 59, 0, {0, -5, -90, -5.6}},
    };
    for (const March& m : marches) {
        DrawerCall call;
        call.angle = m.angle;
        const auto wedges = drawRecorded(m.drawer, call);
        ASSERT_EQ(wedges.size(), 4U) << m.name;
        EXPECT_TRUE(standsAt(wedges[m.wedge], m.place)) << m.name;
        EXPECT_TRUE(sameFloat(wedges[m.wedge].diffuse[0], m.wedge % 2 == 0 ? 1 : 0))
            << m.name << ": red, blue";
    }
}

TEST(Marks, RingsFaceTheCameraAndTheCrossCornersTakeTheUnroundedHalfAngle)
{
    const auto ring = [](double inner, double outer) {
        return ExpectedShape{{1, 0, 0, 0.8},
                             {translate(0, 0, -3), rotate(180, 1, 0, 0)},
                             Disk{inner, outer, 40, 40},
                             false};
    };
    EXPECT_TRUE(shapesMatch(drawRecorded(drawDecorA10, {}), {ring(5, 7), ring(9, 11)}));
    // 5.19443 degrees off the diagonal; rounded to 5, corner 0 would be (8.461, -7.100).
    const auto bars = drawRecorded(drawDecorA12, {});
    ASSERT_EQ(bars.size(), 2U);
    EXPECT_TRUE(near(bars[0].vertices[0], 8.485, -7.071));
    EXPECT_TRUE(near(bars[0].vertices[3], 7.071, -8.485));
    EXPECT_TRUE(near(bars[1].vertices[0], -7.071, -8.485));
}

TEST(Marks, BThreeToSixDrawExactlyWhatATenToThirteenDrawAtEveryAngle)
{
    const std::array<double, 20> features{};
    Toge surface;
    const auto record = [&](SceneDrawer drawer, std::int32_t angle) {
        glrecord::reset();
        drawer({surface, angle, 14, features.data(), 7, 60, 1, 0, 0});
        return glrecord::calls();
    };
    for (std::int32_t b = 3; b <= 6; ++b) {
        const auto a = record(decorationA(b + 7)[0], 0);
        for (const std::int32_t angle : {77, 359}) {
            const auto drawn = record(decorationB(b)[0], angle);
            ASSERT_EQ(drawn.size(), a.size()) << "B" << b;
            for (std::size_t i = 0; i < a.size(); ++i)
                EXPECT_TRUE(drawn[i].name == a[i].name && drawn[i].args == a[i].args)
                    << "B" << b << " call " << i;
        }
    }
}

TEST(BlackGlyphs, TheLeftCopyIsTheRightOneMovedTenUnitsLeft)
{
    for (const DrawerFunction drawer : {drawDecorA17, drawDecorA22, drawDecorA23, drawDecorA24}) {
        std::vector<glrecord::DrawnShape> strokes;
        for (const auto& s : drawRecorded(drawer, {}))
            if (s.kind == glrecord::DrawnShape::Kind::polygon)
                strokes.push_back(s);
        ASSERT_FALSE(strokes.empty());
        const std::size_t half = strokes.size() / 2;
        for (std::size_t i = 0; i < half; ++i)
            for (std::size_t v = 0; v < strokes[i].vertices.size(); ++v) {
                const Vertex& right = strokes[i].vertices[v];
                const Vertex& left = strokes.at(i + half).vertices.at(v);
                EXPECT_TRUE(std::fabs(left[0] - (right[0] - 10)) < 1e-12 && left[1] == right[1]
                            && left[2] == -5.5);
            }
    }
}

TEST(BlackGlyphs, TwentyFoursDotArcsLieAboutMirroredCentres)
{
    DrawerCall call;
    call.slices = 7;
    const auto dots = quadricShapes(drawRecorded(drawDecorA24, call));
    ASSERT_EQ(dots.size(), 120U);
    // 30 dots an arc, from 0 degrees (upper arcs, right then left) or 180 (lower arcs).
    const std::pair<std::size_t, std::array<double, 2>> probes[] = {
        {0, {7.3, -5.7}},  {15, {5.7, -7.3}}, {30, {-4.1, -5.7}},
        {60, {4.1, -3.8}}, {75, {5.7, -2.2}}, {90, {-7.3, -3.8}}};
    for (const auto& [index, centre] : probes) {
        const Transform& t = dots[index].transforms.at(0);
        EXPECT_TRUE(shapesMatch(
            {dots[index]},
            {{{0, 0, 0, 0.9}, {translate(centre[0], centre[1], -2)}, Disk{0, 0.5, 7, 30}, false}}))
            << index << ": (" << t.x << ", " << t.y << ")";
    }
}

} // namespace
