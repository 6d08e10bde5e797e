#include "decorations.h"
#include "element.h"
#include "primitives.h"

#include <cstdint>
#include <span>

namespace {

// A drop on a column at x, phaseOffset frames ahead on the common path.
struct FallingDrop {
    double x;
    std::int32_t phaseOffset;
};

// The drops' one path: from y = 1 down the screen to 1 - 89 x 2/13 over 90 frames, point up,
// then back to the top. All drops share one colour, set before the first.
void drawFallingDrops(Toge& surface, const Colour& colour, std::int32_t angle,
                      std::span<const FallingDrop> drops)
{
    setColour(surface, colour);
    for (const FallingDrop& drop : drops) {
        const auto phase = static_cast<std::int32_t>((std::int64_t{angle} + drop.phaseOffset) % 90);
        drawDrop(surface, drop.x, static_cast<double>(1 - phase * (2.0L / 13)), 2, 1, 90, -4);
    }
}

} // namespace

void drawDecorA9(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // Blue drops in two columns beside the face: each column's two drops are half a path apart,
    // and the left column is out of step with the right.
    constexpr FallingDrop drops[] = {{5.2, 0}, {-5.2, 23}, {5.2, 45}, {-5.2, 68}};
    drawFallingDrops(surface, {0, 0, 1, 0.9}, angle, drops);
}

void drawDecorA19(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // White drops in one column on the right, half a path apart.
    constexpr FallingDrop drops[] = {{8.2, 0}, {8.2, 45}};
    drawFallingDrops(surface, {1, 1, 1, 0.9}, angle, drops);
}
