#include "additive_blending.h"
#include "decorations.h"
#include "primitives.h"

#include <array>
#include <cstdint>

namespace {

// Where a wedge stands on its path: the midpoint of its base and its direction in drawWedge's
// screen-up terms (a larger y is higher on the screen), and its depth.
struct WedgePlace {
    double x;
    double y;
    double direction;
    double z;
};

using Path = WedgePlace (*)(std::int32_t t);

constexpr double movingDepth = -5.5;
// Parked wedges sit a little nearer the camera than moving ones.
constexpr double parkedDepth = -5.6;

// The column's four wedges follow each other ten frames apart along a path of 61 positions,
// 0 to 60: position 60 is reached only while angle + 10 i is exactly 60, after that the path
// starts again at 1. A frame angle below zero (the window never gives one) puts a wedge before
// the start of its path, on its first leg drawn backwards out of the picture.
std::int32_t pathPosition(std::int32_t angle, std::int32_t wedge)
{
    const std::int64_t t = std::int64_t{angle} + 10 * wedge;
    return static_cast<std::int32_t>(t > 60 ? t % 60 : t);
}

// In from the left along the centre line pointing right, a quarter turn up over ten steps, then
// straight up to the right of the centre.
WedgePlace turnUp(std::int32_t t)
{
    if (t < 30)
        return {t * 0.5 - 14, 0, 0, movingDepth};
    if (t < 40)
        return {(t - 30) * 0.5 + 1, (t - 30) * 0.5, (t - 30) * 9.0, movingDepth};
    return {6, (t - 40) * 0.5 + 5, 90, movingDepth};
}

// Up the vertical centre line, then parked just above the centre.
WedgePlace riseAndPark(std::int32_t t)
{
    if (t < 30)
        return {0, t * 0.5 - 10, 90, movingDepth};
    return {0, 5, 90, parkedDepth};
}

// The downward paths are the upward ones mirrored about the horizontal centre line.
WedgePlace mirrored(WedgePlace place)
{
    return {place.x, -place.y, -place.direction, place.z};
}
WedgePlace turnDown(std::int32_t t)
{
    return mirrored(turnUp(t));
}
WedgePlace fallAndPark(std::int32_t t)
{
    return mirrored(riseAndPark(t));
}

constexpr Colour red{1, 0, 0, 0.7};
constexpr Colour blue{0, 0, 1, 0.7};

void march(Toge& surface, std::int32_t angle, Path path)
{
    std::array<WedgePlace, 4> places{};
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = path(pathPosition(angle, static_cast<std::int32_t>(i)));

    beginAdditiveBlending(surface);
    for (std::size_t i = 0; i < places.size(); ++i) {
        setColour(surface, i % 2 == 0 ? red : blue);
        drawWedge(surface, places[i].x, places[i].y, 5, 3, places[i].direction, places[i].z);
    }
    endAdditiveBlending();
}

} // namespace

void drawDecorA4(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    march(surface, angle, turnUp);
}

void drawDecorA5(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    march(surface, angle, turnDown);
}

void drawDecorA6(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    march(surface, angle, riseAndPark);
}

void drawDecorA7(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    march(surface, angle, fallAndPark);
}
