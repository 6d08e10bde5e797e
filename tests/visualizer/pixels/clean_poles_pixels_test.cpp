// The camera-facing pole of every sphere shows its element's lit colour, whatever the stack held
// before the frame: GLU reads part of its sphere's normal cache uninitialised, and the renderer
// clears that memory first. Here every matrix push of the frame (one just before each sphere) first
// fills the stack below it with NaN bytes, as a busy program's earlier calls might leave it: the
// binary is linked with -Wl,--wrap=glPushMatrix.
#include "panel_frames.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

bool dirtyStacks = false;

// Deeper than GLU's sphere frame; every byte 0xff, so every float read from it is a NaN. Kept out
// of AddressSanitizer's fake stack for the same reason as the renderer's clearing.
[[gnu::noinline, gnu::no_sanitize_address]] void fillStackBelowWithNaNs()
{
    constexpr std::size_t words = 64 * 1024 / sizeof(std::uint64_t);
    std::uint64_t region[words];
    volatile std::uint64_t* word = region;
    for (std::size_t i = 0; i < words; ++i)
        word[i] = ~std::uint64_t{0};
}

} // namespace

extern "C" {

void __real_glPushMatrix();

void __wrap_glPushMatrix()
{
    if (dirtyStacks)
        fillStackBelowWithNaNs();
    __real_glPushMatrix();
}

} // extern "C"

namespace {

constexpr int width = 4 * panelWidth;
constexpr int height = 4 * panelHeight;

struct Pole {
    const char* element;
    Vec3 centre;
    Vec3 axes;
    Colour3 colour;
};

// Face 1's spheres of radius 2 whose camera-facing pole is in sight at angles 90 and 270, when
// the pupils have swung off the eyes' middles.
constexpr Pole poles[] = {
    {"right eye", {6, -5, 0}, {1, 1, 1}, {1, 1, 1}},
    {"left eye", {-6, -5, 0}, {1, 1, 1}, {1, 1, 1}},
    {"nose", {0, -2, -2}, {1, 2, 1}, {1, 0.5, 0}},
    {"lower lip", {0, 6, -1.5}, {2, 1, 1}, {0.8, 0, 0}},
};

TEST(CleanPoles, EverySpheresPoleShowsItsLitColourOverADirtyStack)
{
    headless::OffscreenPanel panel(width, height);
    FrameRequest request;
    panel.render(request); // a context's first frame is lit from elsewhere
    for (const std::int32_t angle : {90, 91, 270}) {
        request.angle = angle;
        dirtyStacks = true;
        panel.render(request);
        dirtyStacks = false;
        const headless::Image frame = panel.readPixels();
        for (const Pole& pole : poles) {
            const SurfacePoint p = ellipsoidPoint(pole.centre, pole.axes, 2, {0, 0, -1});
            EXPECT_TRUE(colourNear(frame, project(p.point, width, height), litFront(pole.colour, p.point, p.normal)))
                << pole.element << " at angle " << angle;
        }
    }
}

} // namespace
