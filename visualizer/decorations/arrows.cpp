#include "additive_blending.h"
#include "decorations.h"
#include "polar_point.h"

#include <cmath>
#include <cstdint>

namespace {

// One thick arrow: a head and a shaft inscribed in a circle of radius 5 about the centre, the tip
// 8 from the centre. The head is 3 wide each side and 4 tall, so its base corners lie at radius 5
// and at a half-angle of acos(4 / 5) off the pointing direction, taken in whole degrees (36, not
// 36.87): the shaft's corners sit at whole-degree angles.
constexpr double tipRadius = 8;
constexpr double headHalfBase = 3;
constexpr double headHeight = 4;
constexpr double arrowDepth = -5.5;

struct Arrow {
    Point2 centre;
    double pointing; // degrees, counter-clockwise on screen
    Colour colour;
};

// The radius and half-angle (whole degrees) of the head's base corners, which are also the
// shaft's front corners; the shaft's back corners lie opposite them.
struct CornerCircle {
    double radius;
    double halfAngle;
};

CornerCircle cornerCircle()
{
    const double h = tipRadius - headHeight;
    const double r = std::sqrt(headHalfBase * headHalfBase + h * h);
    return {r, std::trunc(angles::degreesFromRadians(std::acos(h / r)))};
}

void drawArrow(Toge& surface, const Arrow& arrow)
{
    // The same for every arrow and frame: worked out once.
    static const CornerCircle corners = cornerCircle();
    const auto [cornerRadius, d] = corners;
    const double a = arrow.pointing;
    const Point2 tip = polarPointShort(arrow.centre, tipRadius, a);
    const Point2 p = polarPointShort(arrow.centre, cornerRadius, a - d);
    const Point2 q = polarPointShort(arrow.centre, cornerRadius, a + d);
    const Point2 u = polarPointShort(arrow.centre, cornerRadius, a + 180 - d);
    const Point2 v = polarPointShort(arrow.centre, cornerRadius, a + 180 + d);

    beginAdditiveBlending(surface, arrow.colour);
    drawTriangle(surface, tip.x, tip.y, p.x, p.y, q.x, q.y, arrowDepth);
    drawQuad(surface, u.x, u.y, q.x, q.y, p.x, p.y, v.x, v.y, arrowDepth);
    endAdditiveBlending();
}

} // namespace

void drawDecorA1(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // Spins about the origin, one degree a frame.
    drawArrow(surface, {{0, 0}, static_cast<double>(angle), {0, 0, 1, 0.7}});
}

void drawDecorA2(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawArrow(surface, {{2, -2}, 45, {1, 0, 0, 0.8}});
}

void drawDecorA3(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawArrow(surface, {{2, 2}, -45, {0, 0, 1, 0.8}});
}
