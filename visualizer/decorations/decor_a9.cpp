#include "decorations.h"
#include "primitives.h"

#include <cstdint>

void drawDecorA9(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/, std::int32_t /*threshold*/,
                 std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    struct Drop {
        double x;
        std::int32_t phaseOffset;
    };
    // Each column's two drops are half a path apart; the left column is out of step with the right.
    constexpr Drop drops[] = {{5.2, 0}, {-5.2, 23}, {5.2, 45}, {-5.2, 68}};

    setColour(surface, 0, 0, 1, 0.9);
    // A drop falls from y = 1 down the screen to 1 - 89 x 2/13 over 90 frames, then starts again.
    double heights[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const auto phase = static_cast<std::int32_t>((std::int64_t{angle} + drops[i].phaseOffset) % 90);
        heights[i] = static_cast<double>(1 - phase * (2.0L / 13));
    }
    for (std::size_t i = 0; i < 4; ++i)
        drawDrop(surface, drops[i].x, heights[i], 2, 1, 90, -4);
}
