#include "decorations/decorations.h"
#include "face_test_support.h"
#include "scene_dispatch.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour markRed{1, 0, 0, 0.8};

ExpectedShape ring(double inner, double outer)
{
    return {markRed, {translate(0, 0, -3), rotate(180, 1, 0, 0)}, Disk{inner, outer, 40, 40}, false};
}

TEST(Marks, TheRingsFaceTheCameraInFrontOfTheFace)
{
    EXPECT_TRUE(shapesMatch(drawRecorded(drawDecorA10, {}), {ring(5, 7), ring(9, 11)}));
    EXPECT_TRUE(shapesMatch(drawRecorded(drawDecorA11, {}), {ring(7, 9)}));
}

std::vector<std::array<double, 3>> flat(std::initializer_list<std::array<double, 2>> corners)
{
    std::vector<std::array<double, 3>> out;
    for (const auto& c : corners)
        out.push_back({c[0], c[1], -5.5});
    return out;
}

void expectNear(const std::vector<std::array<double, 3>>& got, const std::vector<std::array<double, 3>>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(got[i][k], want[i][k], 1e-3) << "vertex " << i;
}

TEST(Marks, TheCrossBarsCornersLieAtTheUnroundedHalfAngle)
{
    // The half-angle is 5.19443 degrees; rounded to 5 corner 0 would be (8.461, -7.100).
    const auto bars = drawRecorded(drawDecorA12, {});
    ASSERT_EQ(bars.size(), 2U);
    expectNear(bars[0].vertices, flat({{8.485, -7.071}, {-7.071, 8.485}, {-8.485, 7.071}, {7.071, -8.485}}));
    expectNear(bars[1].vertices, flat({{-7.071, -8.485}, {8.485, 7.071}, {7.071, 8.485}, {-8.485, -7.071}}));
}

TEST(Marks, TheTriangleOutlineIsThreeQuads)
{
    const auto sides = drawRecorded(drawDecorA13, {});
    ASSERT_EQ(sides.size(), 3U);
    EXPECT_EQ(sides[0].vertices, flat({{0, -8}, {0, -3.5}, {-6.5, 8}, {-9, 8}}));
    EXPECT_EQ(sides[1].vertices, flat({{0, -8}, {9, 8}, {6.5, 8}, {0, -3.5}}));
    EXPECT_EQ(sides[2].vertices, flat({{7, 6}, {6.5, 8}, {-6.5, 8}, {-7, 6}}));
}

TEST(Marks, BThreeToSixDrawExactlyWhatATenToThirteenDrawAndNothingMoves)
{
    const std::array<double, 20> features{};
    Toge surface;
    const auto record = [&](SceneDrawer drawer, std::int32_t angle, std::int32_t slices) {
        glrecord::reset();
        drawer({surface, angle, 14, features.data(), slices, 60, 1, 0, 0});
        return glrecord::calls();
    };
    for (std::int32_t b = 3; b <= 6; ++b) {
        const auto a = record(decorationA(b + 7)[0], 0, 20);
        ASSERT_FALSE(a.empty());
        for (const std::int32_t angle : {0, 77, 359}) {
            const auto drawn = record(decorationB(b)[0], angle, 7);
            ASSERT_EQ(drawn.size(), a.size()) << "B" << b;
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(drawn[i].name, a[i].name) << "B" << b << " call " << i;
                EXPECT_EQ(drawn[i].args, a[i].args) << "B" << b << " call " << i;
            }
        }
    }
}

} // namespace
