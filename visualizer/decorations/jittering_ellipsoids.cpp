#include "decorations.h"
#include "element.h"

namespace {
constexpr Colour white{1, 1, 1, 0.5};
} // namespace

// Decoration A14, verdict level 0: four white ellipsoids below the centre, jittering in a
// four-frame cycle.
void drawDecorA14(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t slices, std::int32_t /*threshold*/,
                  std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // The four-frame swing: 0, 16, 32, 16 degrees, spreading the pairs by swing / 12.
    const std::int32_t k = angle % 4;
    const std::int32_t swing = k < 2 ? 16 * k : 16 * (4 - k);
    const auto spread = static_cast<double>(swing * (1.0L / 12));
    const double tilt = swing;

    struct Ellipsoid {
        double x;
        double y;
        double tilt;
        double scaleX;
        double scaleY;
    };
    // Two on the right, their mirror images on the left.
    const Ellipsoid ellipsoids[] = {
        {2 + spread, 5, tilt, 1.5, 1.8},
        {2 + spread, 3, tilt, 1.2, 2.5},
        {-2 - spread, 5, -tilt, 1.5, 1.8},
        {-2 - spread, 3, -tilt, 1.2, 2.5},
    };
    for (const Ellipsoid& e : ellipsoids)
        drawElement(surface,
                    {white,
                     {translate(e.x, e.y, -3), rotateZ(e.tilt), scale(e.scaleX, e.scaleY, 1)},
                     Sphere{2, slices}});
}
