#include "decorations.h"
#include "element.h"
#include "polar_point.h"
#include "primitives.h"
#include "staring_eyes.h"

#include <array>
#include <cstddef>

namespace {

// The stars turn degrees into radians with 3.14159 / 180 worked out once, as a double.
constexpr double radiansPerDegree = 0.017453277777777776;

constexpr Colour yellow{1, 1, 0, 1};
constexpr Colour black{0, 0, 0, 1};

// A five-pointed star with one point straight up the screen: the corners of its central
// pentagon at radius `inner` and its tips at radius `outer` about (x, y), at depth z.
struct Star {
    double x;
    double y;
    double inner;
    double outer;
    double z;
    Colour colour;
};

struct StarPoints {
    std::array<Point2, 5> corners; // at 72i - 18 degrees
    std::array<Point2, 5> tips;    // at 72i + 18 degrees, so tip 1 points up
};

StarPoints pointsOf(const Star& star)
{
    const auto at = [&star](double radius, int degrees) {
        return polarPoint({star.x, star.y}, radius, degrees * radiansPerDegree);
    };
    StarPoints points{};
    for (std::size_t i = 0; i < 5; ++i) {
        const int degrees = 72 * static_cast<int>(i);
        points.corners[i] = at(star.inner, degrees - 18);
        points.tips[i] = at(star.outer, degrees + 18);
    }
    return points;
}

// The pentagon, then each tip as a triangle on the pentagon's side below it.
void drawStar(Toge& surface, const Star& star, const StarPoints& s)
{
    const auto& p = s.corners;
    setColour(surface, star.colour);
    drawPentagon(surface, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, p[4].x,
                 p[4].y, star.z);
    for (std::size_t i = 0; i < 5; ++i) {
        const Point2& tip = s.tips[i];
        const Point2& next = p[(i + 1) % 5];
        drawTriangle(surface, tip.x, tip.y, p[i].x, p[i].y, next.x, next.y, star.z);
    }
}

// Two large stars up to the left and right, a small one down to the right; each black star lies
// 0.1 behind the yellow star it backs, so only its rim shows, as an outline.
struct StarOverFace {
    Star star;
    bool outline;
};
constexpr StarOverFace starsOverFace[] = {
    {{5.7, -4.7, 1.5, 3, -2.1, yellow}, false},  {{-5.7, -4.7, 1.5, 3, -2.1, yellow}, false},
    {{5.7, -4.7, 1.7, 3.2, -2.0, black}, true},  {{-5.7, -4.7, 1.7, 3.2, -2.0, black}, true},
    {{5.5, 3.6, 0.5, 1.5, -5.4, yellow}, false}, {{5.5, 3.6, 0.7, 1.7, -5.3, black}, true},
};

void drawStarsAndEyes(Toge& surface, bool outlined, std::int32_t slices)
{
    for (const StarOverFace& s : starsOverFace)
        if (outlined || !s.outline)
            drawStar(surface, s.star, pointsOf(s.star));
    // The eyes at full size, their pupils a little higher and nearer than the staring eyes'.
    StaringEyes eyes = staringEyesAtFullSize;
    eyes.pupilY = 1.6;
    eyes.pupilZ = -4.2;
    drawStaringEyes(surface, eyes, slices);
}

} // namespace

void drawDecorA20(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t slices, std::int32_t /*threshold*/,
                  std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawStarsAndEyes(surface, false, slices);
}

void drawDecorA21(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t slices, std::int32_t /*threshold*/,
                  std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawStarsAndEyes(surface, true, slices);
}

void drawDecorB2(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // One large star on the face's centre line, a ball on each point.
    constexpr Star star{0, 1, 6, 11, -1.1, yellow};
    const StarPoints points = pointsOf(star);
    drawStar(surface, star, points);
    for (const Point2& tip : points.tips)
        drawElement(surface, {yellow, {translate(tip.x, tip.y, star.z)}, Sphere{1.2, 30, 30}});
}
