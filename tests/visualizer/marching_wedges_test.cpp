#include "decorations/decorations.h"
#include "face_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A wedge as drawn, read back from its triangle: the midpoint of its base and its direction in
// drawWedge's screen-up terms (a larger y is higher on the screen), and its depth.
struct Place {
    double x;
    double y;
    double direction;
    double z;
};

Place placeOf(const glrecord::DrawnShape& wedge)
{
    const auto& v = wedge.vertices;
    const double midX = (v[1][0] + v[2][0]) / 2;
    const double midY = (v[1][1] + v[2][1]) / 2;
    const double direction = std::atan2(-(v[0][1] - midY), v[0][0] - midX) * 180 / std::numbers::pi;
    return {midX, -midY, direction, v[0][2]};
}

::testing::AssertionResult sameWedge(const Place& got, const Place& want)
{
    if (std::fabs(got.x - want.x) < 1e-4 && std::fabs(got.y - want.y) < 1e-4 &&
        std::fabs(got.direction - want.direction) < 1e-3 && got.z == want.z)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << got.x << ", " << got.y << ") towards " << got.direction
                                         << " at z " << got.z;
}

struct March {
    const char* name;
    DrawerFunction drawer;
    std::int32_t angle;
    std::size_t wedge;
    Place place;
};

// The frames where a wedge enters, turns, reaches the end of its path and leaves it.
const March marches[] = {
    {"A4 enters from the left", drawDecorA4, 0, 0, {-14, 0, 0, -5.5}},
    {"A4 follows ten frames behind", drawDecorA4, 0, 1, {-9, 0, 0, -5.5}},
    {"A4 fourth wedge at the turn", drawDecorA4, 0, 3, {1, 0, 0, -5.5}},
    {"A4 halfway through the turn", drawDecorA4, 35, 0, {3.5, 2.5, 45, -5.5}},
    {"A4 up the right", drawDecorA4, 45, 0, {6, 7.5, 90, -5.5}},
    {"A4 at position 60", drawDecorA4, 30, 3, {6, 15, 90, -5.5}},
    {"A4 back at position 1", drawDecorA4, 31, 3, {-13.5, 0, 0, -5.5}},
    {"A4 after 120 frames", drawDecorA4, 120, 2, {-4, 0, 0, -5.5}},
    {"A4 before its path", drawDecorA4, -5, 0, {-16.5, 0, 0, -5.5}},
    {"A5 turns down", drawDecorA5, 35, 0, {3.5, -2.5, -45, -5.5}},
    {"A5 down the right", drawDecorA5, 45, 0, {6, -7.5, -90, -5.5}},
    {"A6 rises", drawDecorA6, 10, 0, {0, -5, 90, -5.5}},
    {"A6 parked nearer", drawDecorA6, 30, 0, {0, 5, 90, -5.6}},
    {"A6 leaves the park", drawDecorA6, 40, 3, {0, -5, 90, -5.5}},
    {"A7 falls", drawDecorA7, 10, 0, {0, 5, -90, -5.5}},
    {"A7 parked nearer", drawDecorA7, 59, 0, {0, -5, -90, -5.6}},
};

TEST(MarchingWedges, EachWedgeStandsWhereItsPathPositionPutsIt)
{
    for (const March& m : marches) {
        DrawerCall call;
        call.angle = m.angle;
        const auto wedges = drawRecorded(m.drawer, call);
        ASSERT_EQ(wedges.size(), 4U) << m.name;
        EXPECT_TRUE(sameWedge(placeOf(wedges[m.wedge]), m.place)) << m.name;
    }
}

TEST(MarchingWedges, RedAndBlueAlternateAndParkedWedgesCoincide)
{
    DrawerCall call;
    call.angle = 30; // positions 30, 40, 50 and 60: all four parked
    const auto wedges = drawRecorded(drawDecorA6, call);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(wedges[i].vertices, wedges[0].vertices) << i;
        const std::array<double, 4> colour = i % 2 == 0 ? std::array<double, 4>{1, 0, 0, 0.7}
                                                        : std::array<double, 4>{0, 0, 1, 0.7};
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_TRUE(sameFloat(wedges[i].diffuse[c], colour[c])) << i;
    }
}

} // namespace
