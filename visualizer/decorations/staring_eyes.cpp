#include "staring_eyes.h"

#include "angles.h"
#include "decorations.h"
#include "element.h"
#include "primitives.h"

#include <cmath>

namespace {

constexpr Colour orange{1, 0.5, 0, 0.5};
constexpr Colour black{0, 0, 0, 0.5};
constexpr Colour white{1, 1, 1, 0.5};
constexpr Colour trickleRed{1, 0, 0, 0.9};

// Decoration 15 runs on a 180-frame cycle. The tick never passes a negative angle; one from
// another caller continues the cycle backwards (-1 is frame 179), so the eyes never turn inside
// out and the figure keeps to its path.
std::int32_t cycleFrame(std::int32_t angle)
{
    const std::int32_t frame = angle % 180;
    return frame < 0 ? frame + 180 : frame;
}

// Where decoration 15's white figure stands at a frame of its cycle, and how far it sways
// (degrees about the vertical axis).
struct FigurePose {
    double x;
    double y;
    double sway;
};

FigurePose figurePose(std::int32_t frame)
{
    if (frame < 90) // waiting to the right of the face
        return {15, 5, 0};
    if (frame < 120) // rising beside the face
        return {2.5, static_cast<double>(12 - (frame - 90) * (2.0L / 9)), 0};
    // Four 15-frame swings of 0 to 28 and 30 back to 2 degrees: a one-step jump at each peak.
    const std::int32_t step = (frame - 120) % 30;
    return {2.5, 16.0 / 3, step < 15 ? 2.0 * step : 2.0 * (30 - step)};
}

} // namespace

void drawStaringEyes(Toge& surface, const StaringEyes& eyes, std::int32_t slices)
{
    const double sides[] = {1 + eyes.spread, -1 - eyes.spread};
    const double swell = 1 + eyes.swell;
    for (const double x : sides)
        drawElement(surface,
                    {orange, {translate(x, 0.5, -1.8), scale(swell, swell, 1)}, Sphere{2, slices}});
    if (eyes.glints)
        for (const double x : sides)
            drawElement(
                surface,
                {orange, {translate(x, 0.5, -3.8), rotate(180, 1, 0, 0)}, Disk{0, 0.3, slices}});
    for (const double x : sides)
        drawElement(surface, {black,
                              {translate(x, eyes.pupilY, eyes.pupilZ), rotate(220, 1, 0, 0)},
                              Disk{0, 0.2 + eyes.spread, slices}});
}

void drawDecorA15Eyes(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                      const double* /*bandFeatures*/, std::int32_t slices,
                      std::int32_t /*threshold*/, std::int32_t /*faceType*/,
                      std::int32_t /*meanLevel*/)
{
    // The eyes swell and move apart over the first quarter of the cycle, then hold at full size
    // (the sine of 90 degrees as the cycle's own radians give it).
    const std::int32_t frame = cycleFrame(angle);
    const double growth = frame <= 90 ? angles::sinShort(frame) : std::sin(1.570795);
    StaringEyes eyes = staringEyesAtFullSize;
    eyes.spread *= growth;
    eyes.swell *= growth;
    eyes.glints = true;
    drawStaringEyes(surface, eyes, slices);
}

void drawDecorA15Figure(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                        const double* /*bandFeatures*/, std::int32_t slices,
                        std::int32_t /*threshold*/, std::int32_t /*faceType*/,
                        std::int32_t /*meanLevel*/)
{
    const FigurePose pose = figurePose(cycleFrame(angle));
    // Both parts sway about the vertical axis, so the figure turns as one piece.
    const Transform sway = rotate(pose.sway, 0, 1, 0);
    drawElement(surface, {white,
                          {translate(pose.x, pose.y + 2, -3.2), sway, scale(1.5, 1.8, 1)},
                          Sphere{2, slices}});
    drawElement(
        surface,
        {white, {translate(pose.x, pose.y, -3.2), sway, scale(1.2, 2.5, 1)}, Sphere{2, slices}});
}

void drawDecorA16(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t slices, std::int32_t /*threshold*/,
                  std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // A red trickle runs down on the left over 90 frames: a bar from y = 1 with a rounded end.
    const auto length = static_cast<double>((angle % 90) * (1.0L / 11));
    setColour(surface, trickleRed);
    drawRect(surface, -3, -2, 1, 1 + length, -3.5);
    drawElement(surface, {trickleRed,
                          {translate(-2.5, 1 + length, -3.5), rotate(180, 1, 0, 0)},
                          Disk{0, 0.5, slices}});
    drawStaringEyes(surface, staringEyesAtFullSize, slices);
}

void drawDecorA18(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t slices, std::int32_t /*threshold*/,
                  std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    drawStaringEyes(surface, staringEyesAtFullSize, slices);
}
