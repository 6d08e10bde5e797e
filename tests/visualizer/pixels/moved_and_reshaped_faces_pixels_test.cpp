// Faces 20 to 36 of the catalogue (all but 24, 27, 28 and 31) through Mesa's software rasterizer:
// a probe or two per family where it differs from its neighbours, the colours worked out from
// GL's lighting of the exact calls.
#include "panel_frames.h"

#include <gtest/gtest.h>

namespace {

using headless::Image;

constexpr Colour3 eyeWhite{1, 1, 1};
constexpr Colour3 ambientOnly{0.12, 0.12, 0.12};  // black front material
constexpr Colour3 backdropGrey{0.24, 0.24, 0.24}; // a back face with the light in front of it

Image faceAt(std::int32_t faceType, std::int32_t angle, std::int32_t extra = 0,
             bool excited = false)
{
    headless::FrameRequest request;
    request.faceType = faceType;
    request.angle = angle;
    request.extra = extra;
    request.threshold = excited ? -1 : 60; // mean level 0 is above -1
    return renderFrames(request).steady;
}

// A lit white point of an eye, or a black point of a pupil or brow (its ambient term only).
::testing::AssertionResult litWhite(const Image& image, Vec3 centre, double radius, Vec3 direction)
{
    const SurfacePoint p = ellipsoidPoint(centre, {1, 1, 1}, radius, direction);
    return colourNear(image, onPanel(p.point), litFront(eyeWhite, p.point, p.normal));
}
::testing::AssertionResult black(const Image& image, Vec3 point)
{
    return colourNear(image, onPanel(point), ambientOnly);
}

TEST(MovedFacesPixels, ShakenGazingSmallLargeShiftedSwingingAndLopsided)
{
    // Face 20's right pupil at x = 6.5 on angle 0; on angle 2 its eye ends short of x = 7.9.
    EXPECT_TRUE(black(faceAt(20, 0), {6.8, -4.9, -2.4}));
    EXPECT_TRUE(colourNear(faceAt(20, 2), onPanel({7.9, -5.4, -1.4}), backdropGrey, 0.01));
    // Face 21 with the frame's extra 90: both pupils 1.3 to the viewer's right.
    const Image gazing = faceAt(21, 44, 90);
    EXPECT_TRUE(black(gazing, {7.6, -4.9, -2.4}));
    EXPECT_TRUE(black(gazing, {-4.4, -4.9, -2.4}));
    // Small eyes where face 1 has none, and none where it has them; large eyes beyond them.
    EXPECT_TRUE(litWhite(faceAt(29, 0), {4, -3, 0}, 1.3, {-0.5, 0.4, -0.77}));
    EXPECT_TRUE(colourNear(faceAt(29, 0), onPanel({7.2, -5.5, 10}), backdropGrey, 0.01));
    EXPECT_TRUE(litWhite(faceAt(30, 0), {7.5, -6, 0}, 3.5, {0.6, 0.5, -0.62}));
    EXPECT_TRUE(litWhite(faceAt(35, 0), {6, -9, 0}, 2, {0.5, 0.3, -0.8}));
    EXPECT_TRUE(litWhite(faceAt(34, 0), {6, 5, 0}, 2, {0.5, -0.5, -0.7}));
    // Face 36's huge eye: swung away (angle 11) it ends short of where it reaches swung near (34).
    EXPECT_TRUE(colourNear(faceAt(36, 11), onPanel({11.5, -5, 0}), backdropGrey, 0.01));
    EXPECT_GT(colourAt(faceAt(36, 34), onPanel({11.5, -5, 0})).red, 0.35);
    // Face 33's large right pupil covers what would be white in face 1's eye.
    EXPECT_TRUE(black(faceAt(33, 0), {6.7, -4.65, -4.9}));
}

TEST(ReshapedFacesPixels, EyeBarsHiddenInnerShapesBrowsAndTheInvisibleFlatFace)
{
    EXPECT_TRUE(black(faceAt(22, 0), {5, -5, -2.3}));
    // Face 22 excited: lip red where face 1 shows its inner shapes (no blue of the inner red).
    const Colour3 lips = colourAt(faceAt(22, 0, 0, true), onPanel({0.9, 5.2, -2.4}));
    EXPECT_GT(lips.red, 0.4);
    EXPECT_NEAR(lips.blue, lips.green, 0.01);
    // Face 23's inner shapes show calm between the lip pieces.
    const Colour3 inner = colourAt(faceAt(23, 0), onPanel({0.6, 6, -2.4}));
    EXPECT_GT(inner.red, 0.3);
    EXPECT_GT(inner.blue, inner.green + 0.02);
    // Face 26's right brow, 2.3 along its axis, on its near side.
    EXPECT_TRUE(black(faceAt(26, 0), {5, -7.45, -4.9}));
    // Face 32 shows the backs of its clockwise outlines in the backdrop's grey: its frame is the
    // frame without a face, but for the axis cylinder's red pixel that the pentagon covers.
    const Image flat = faceAt(32, 0), none = faceAt(0, 0);
    const PixelPosition axis = onPanel({0, -0.005, 0});
    EXPECT_TRUE(colourNear(flat, axis, litBack({0, 0, -1.1}, {0, 0, -1}), 0.01));
    EXPECT_GT(colourAt(none, axis).red, 0.8);
    for (int y = 0; y < panelHeight; ++y)
        for (int x = 0; x < panelWidth; ++x)
            if (x != axis.x || y != axis.y) {
                ASSERT_TRUE(colourNear(flat, {x, y}, colourAt(none, {x, y}), 0.0))
                    << x << ", " << y;
            }
}

} // namespace
