#include "decorations.h"
#include "element.h"
#include "jitter.h"
#include "primitives.h"

#include <cstdint>

namespace {

constexpr Colour black{0, 0, 0, 1};
constexpr Colour white{1, 1, 1, 1};

// A flat disk of radius 11.5 over the face, in the plane z = -1, its centre moved x sideways,
// turned about x so that its front faces the camera.
void drawDisk(Toge& surface, const Colour& colour, double x)
{
    setColour(surface, colour);
    drawElement(surface,
                {std::nullopt, {translate(x, 0, -1), rotate(180, 1, 0, 0)}, Disk{0, 11.5, 40, 40}});
}

} // namespace

void drawDecorC1(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawDisk(surface, black, 0);
}

void drawDecorC2(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawDisk(surface, white, 0);
}

void drawDecorC3(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawDisk(surface, black, jitter(angle));
}

void drawDecorC4(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawDisk(surface, white, jitter(angle));
}
