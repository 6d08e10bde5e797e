#include "additive_blending.h"
#include "decorations.h"
#include "polar_point.h"
#include "strokes.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace {

constexpr Colour red{1, 0, 0, 0.8};
constexpr double flatDepth = -5.5;
constexpr double ringDepth = -3;

// Every mark is one static red shape drawn additively.
template <typename Shapes>
void drawMark(Toge& surface, Shapes shapes)
{
    beginAdditiveBlending(surface, red);
    shapes();
    endAdditiveBlending();
}

struct Ring {
    double inner;
    double outer;
};

// Rings about the origin, turned to face the camera, finer than the figures' disks.
void drawRings(Toge& surface, std::initializer_list<Ring> rings)
{
    drawMark(surface, [&] {
        for (const Ring& ring : rings)
            drawElement(surface, {std::nullopt,
                                  {translate(0, 0, ringDepth), rotate(180, 1, 0, 0)},
                                  Disk{ring.inner, ring.outer, 40, 40}});
    });
}

// Flat strokes about the origin, in front of the face.
void drawOutline(Toge& surface, std::span<const Stroke> strokes)
{
    drawMark(surface, [&] { drawStrokes(surface, strokes, {0, 0}, flatDepth); });
}

// Two bars 22 long and 2 wide along the diagonals. Their corners lie on the circle through
// (11, 1), at the exact angle that point makes with the bar's axis (not rounded to whole degrees).
std::array<Point2, 8> crossCorners()
{
    constexpr double halfLength = 11;
    constexpr double halfWidth = 1;
    const double r = std::sqrt(halfLength * halfLength + halfWidth * halfWidth);
    const double e = angles::degreesFromRadians(std::acos(halfLength / r));
    const double cornerAngles[] = {45 - e,  45 + e,  135 - e, 135 + e,
                                   225 - e, 225 + e, 315 - e, 315 + e};
    std::array<Point2, 8> corners{};
    for (std::size_t k = 0; k < corners.size(); ++k)
        corners[k] = polarPointLong({0, 0}, r, cornerAngles[k]);
    return corners;
}

} // namespace

void drawDecorA10(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawRings(surface, {{5, 7}, {9, 11}}); // a target
}

void drawDecorA11(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawRings(surface, {{7, 9}});
}

void drawDecorA12(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    static const std::array<Point2, 8> c = crossCorners(); // the same every frame: worked out once
    const Stroke bars[] = {QuadStroke{c[0], c[5], c[4], c[1]},  // along the 45-degree diagonal
                           QuadStroke{c[2], c[7], c[6], c[3]}}; // along the 135-degree diagonal
    drawOutline(surface, bars);
}

void drawDecorA13(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // The outline of an upright triangle, apex at the top of the screen.
    static constexpr Stroke sides[] = {
        QuadStroke{{0, -8}, {0, -3.5}, {-6.5, 8}, {-9, 8}}, // left side
        QuadStroke{{0, -8}, {9, 8}, {6.5, 8}, {0, -3.5}},   // right side
        QuadStroke{{7, 6}, {6.5, 8}, {-6.5, 8}, {-7, 6}},   // base
    };
    drawOutline(surface, sides);
}
