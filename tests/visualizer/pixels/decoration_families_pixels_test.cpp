// The staring eyes, stars, drops, rays, bar glyphs and disks through Mesa's software rasterizer:
// probes that tell each is there, where, and which way its flat shapes are wound (one wound away
// from the camera shows GL's default back material, the backdrop's grey).
#include "panel_frames.h"

#include <gtest/gtest.h>

namespace {

using headless::FrameRequest;
using headless::Image;

constexpr Colour3 ambientOnly{0.12, 0.12, 0.12}; // black front material

Image picture(FrameRequest request)
{
    return renderFrames(request).steady;
}

// A flat shape facing the camera in the given colour, or showing its back.
::testing::AssertionResult front(const Image& image, Vec3 point, Colour3 diffuse)
{
    return colourNear(image, onPanel(point), litFront(diffuse, point, {0, 0, -1}));
}
::testing::AssertionResult back(const Image& image, Vec3 point)
{
    return colourNear(image, onPanel(point), litBack(point, {0, 0, -1}));
}

TEST(DecorationPixels, EyesStarsAndDrops)
{
    const Image eyes = picture({.faceType = 0, .decorA = 18});
    const SurfacePoint ball = ellipsoidPoint({2.5, 0.5, -1.8}, {1.4, 1.4, 1}, 2, {0.5, -0.5, -0.7});
    EXPECT_TRUE(
        colourNear(eyes, onPanel(ball.point), litFront({1, 0.5, 0}, ball.point, ball.normal)));
    EXPECT_TRUE(colourNear(eyes, onPanel({3.3, 1.9, -3.8}), ambientOnly)) << "the tilted pupil";
    // A yellow pentagon; its top tip over face 1's right eye is grey, neither white nor yellow.
    const Image stars = picture({.faceType = 1, .decorA = 20});
    EXPECT_TRUE(front(stars, {5.7, -4.0, -2.1}, {1, 1, 0}));
    EXPECT_TRUE(back(stars, {5.7, -6.6, -2.1}));
    // A drop's wedge, drawn first in the same plane, keeps its disk's upper half grey.
    const Image drops = picture({.faceType = 0, .decorA = 19, .angle = 0});
    EXPECT_TRUE(front(drops, {8.2, -0.5, -4}, {1, 1, 1}));
    EXPECT_TRUE(back(drops, {8.2, -1.5, -4}));
}

TEST(DecorationPixels, RaysAndBarGlyphs)
{
    const Image rays = picture({.faceType = 0, .decorB = 1, .angle = 0});
    const SurfacePoint ball = ellipsoidPoint({0, 15, 3.5}, {1, 1, 1}, 7, {0.5, -0.5, -0.7});
    EXPECT_TRUE(
        colourNear(rays, onPanel(ball.point), litFront({1, 0, 0}, ball.point, ball.normal)));
    EXPECT_TRUE(back(rays, {-10, -10, 1.1})) << "the square is grey, not yellow";
    // Beside the backdrop, where the clear colour shows: the first ray at 0, a gap at 15.
    EXPECT_TRUE(back(rays, {16.5, 4.4, 1}));
    EXPECT_TRUE(colourNear(picture({.faceType = 0, .decorB = 1, .angle = 15}),
                           onPanel({16.5, 4.4, 1}), {0, 0, 0}));
    // B7's upward arm faces the camera, its crossbar does not; B9's right arm does.
    const Image b7 = picture({.faceType = 0, .decorB = 7});
    EXPECT_TRUE(colourNear(b7, onPanel({0, -8, 1.1}), ambientOnly));
    EXPECT_TRUE(back(b7, {8, 0, 1.1}));
    EXPECT_TRUE(
        colourNear(picture({.faceType = 0, .decorB = 9}), onPanel({8, 0, 1.1}), ambientOnly));
    // B16's dot loses to the grey crossbar drawn before it in the same plane.
    const Image b16 = picture({.faceType = 0, .decorB = 16});
    EXPECT_TRUE(colourNear(b16, onPanel({2, -2, 1.1}), ambientOnly));
    EXPECT_TRUE(back(b16, {2, 0, 1.1}));
}

TEST(DecorationPixels, TheWhiteDiskShakesSideways)
{
    const Vec3 edge{11.6, 0, -1}; // inside the disk centred at +0.5, outside the one at -0.5
    EXPECT_TRUE(front(picture({.faceType = 0, .decorC = 4, .angle = 0}), edge, {1, 1, 1}));
    EXPECT_TRUE(back(picture({.faceType = 0, .decorC = 4, .angle = 2}), edge)) << "the backdrop";
}

} // namespace
