#include "decorations.h"
#include "element.h"
#include "polar_point.h"
#include "primitives.h"

#include <cstdint>

void drawDecorB1(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    constexpr Colour red{1, 0, 0, 1};
    drawElement(surface, {red, {translate(0, 15, 3.5)}, Sphere{7, 30, 30}});
    setColour(surface, {1, 1, 0, 1});
    drawRect(surface, -15, 15, -15, 15, 1.1);

    // Twelve rays 15 degrees wide with 15-degree gaps, from the ball's centre out to the circle
    // of radius 30 about the origin; the fan turns a degree a frame, the same again every 30.
    setColour(surface, red);
    const auto pointAt = [](double degrees) { return polarPointShort({0, 0}, 30, degrees); };
    for (std::int64_t ray = 0; ray < 12; ++ray) {
        const auto from = static_cast<double>(std::int64_t{angle} + 30 * ray);
        const Point2 start = pointAt(from);
        const Point2 end = pointAt(from + 15);
        drawTriangle(surface, 0, 15, end.x, end.y, start.x, start.y, 1);
    }
}
