// The picture of every verdict level through Mesa's software rasterizer, at one angle: a few
// probes each that tell the faces apart, with colours worked out from GL's lighting.
#include "panel_frames.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using headless::FrameRequest;
using headless::Image;

// At 44 degrees A14 stands upright (44 mod 4 = 0) and the faces' S is sin 44 degrees.
constexpr std::int32_t angle = 44;

constexpr Colour3 white{1, 1, 1};
constexpr Colour3 blue{0, 0, 1};
constexpr Colour3 ambientOnly{0.12, 0.12, 0.12};  // black front material
constexpr Colour3 backdropGrey{0.24, 0.24, 0.24}; // a back face with the light in front of it

PixelPosition at(Vec3 scene)
{
    return onPanel(scene);
}

double sineOfAngle()
{
    return std::sin(angle * 3.14159 / 180);
}

// The steady frame of a verdict picture (the second one the panel draws).
Image verdictPicture(std::int32_t faceType, std::int32_t decorA)
{
    FrameRequest request;
    request.faceType = faceType;
    request.decorA = decorA;
    request.angle = angle;
    return renderFrames(request).steady;
}

::testing::AssertionResult lit(const Image& image, const SurfacePoint& p, Colour3 diffuse)
{
    return colourNear(image, at(p.point), litFront(diffuse, p.point, p.normal));
}

TEST(VerdictPixels, LevelZeroClosedEyesAndTheWhiteEllipsoids)
{
    const Image picture = verdictPicture(10, 14);
    // No pupil: beside the eye's centre, inside the arch of dots, the eye is white.
    EXPECT_TRUE(lit(picture, ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, {0.15, 0.2, -0.97}), white));
    // A dot of the arch at 90 degrees, (5.7, -5.9, -2): an unturned disk showing its back,
    // lit with GL's default back material through the reversed normal, a light grey.
    const Colour3 dot = litBack({5.7, -5.9, -2}, {0, 0, 1});
    EXPECT_GT(dot.red, 0.85);
    EXPECT_TRUE(colourNear(picture, at({5.7, -5.9, -2}), dot));
    // A14's lower right ellipsoid, upright at (2, 3, -3) with semi-axes 2.4 x 5 x 2.
    EXPECT_TRUE(
        lit(picture, ellipsoidPoint({2, 3, -3}, {1.2, 2.5, 1}, 2, {0.3, -0.6, -0.74}), white));
    EXPECT_TRUE(
        lit(picture, ellipsoidPoint({-2, 3, -3}, {1.2, 2.5, 1}, 2, {-0.3, -0.6, -0.74}), white));
}

TEST(VerdictPixels, LevelOneWideEyesWithLargePupils)
{
    const Image picture = verdictPicture(19, 0);
    const double f = std::sin(std::fmod(50.0 * angle, 360.0) * 3.14159 / 180);
    // The eye, 4 x 4 x 2, away from the pupil.
    EXPECT_TRUE(lit(picture, ellipsoidPoint({6, -5, 0}, {2, 2, 1}, 2, {-0.5, 0.45, -0.74}), white));
    // The pupil, 1 x 1 x 0.5 at (6 + F, -5, -2), beside its pole.
    for (const double x : {6 + f, -6 - f})
        EXPECT_TRUE(colourNear(picture, at({x + (x > 0 ? 0.5 : -0.5), -5, -2.4}), ambientOnly))
            << "pupil at " << x;
}

TEST(VerdictPixels, LevelTwoBlankEyesAndBlueDrops)
{
    const Image picture = verdictPicture(24, 9);
    // No pupil where the template has one.
    EXPECT_TRUE(lit(picture, ellipsoidPoint({6, -5, 0}, {2, 2, 1}, 2, {0.2, 0.15, -0.97}), white));
    // The first drop's disk at angle 44: centre (5.2, -(1 - 44 x 2/13), -4), facing the camera.
    const double y = -(1 - 44 * 2.0 / 13);
    const Vec3 disk{5.2, y + 0.5, -4};
    EXPECT_TRUE(colourNear(picture, at(disk), litFront(blue, disk, {0, 0, -1})));
    // Its point, 1.2 above the centre: the wedge's corners run clockwise on screen, so it shows
    // its back in grey, not blue, over the red lip end behind it.
    EXPECT_TRUE(colourNear(picture, at({5.2, y - 1.2, -4}), backdropGrey));
}

TEST(VerdictPixels, LevelThreeSqueezedEyes)
{
    const Image picture = verdictPicture(28, 0);
    // The large eye, radius 3.5, below the marks.
    EXPECT_TRUE(
        lit(picture, ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 3.5, {-0.35, 0.6, -0.72}), white));
    // The level bar of each eye at z = -4: the right eye's corners run clockwise on screen (its
    // back shows, grey), the left eye's mirror image anticlockwise (black's ambient).
    EXPECT_TRUE(colourNear(picture, at({5.5, -4.7, -4}), backdropGrey));
    EXPECT_TRUE(colourNear(picture, at({-5.5, -4.7, -4}), ambientOnly));
}

TEST(VerdictPixels, LevelFourTallBlankEyes)
{
    const Image picture = verdictPicture(15, 0);
    // 4 x 6 x 2 eyes with no pupil: white where a pupil would be, and high up the eye.
    const double s = sineOfAngle();
    EXPECT_TRUE(
        lit(picture, ellipsoidPoint({6, -5, 0}, {2, 3, 1}, 2, {(s + 0.3) / 4, 0.1, -0.95}), white));
    EXPECT_TRUE(lit(picture, ellipsoidPoint({-6, -5, 0}, {2, 3, 1}, 2, {0.2, -0.7, -0.68}), white));
}

TEST(VerdictPixels, LevelsFiveToEightTheDistortedFace)
{
    const Image picture = verdictPicture(31, 0);
    const double s = sineOfAngle();
    // The large right pupil, radius 1.5 at (6 + S, -5, -3), beside its pole.
    EXPECT_TRUE(colourNear(picture, at({6 + s - 0.8, -5 + 0.3, -4.2}), ambientOnly));
    // The tall right eye above the pupil.
    EXPECT_TRUE(colourNear(picture, at({6, -9.5, -1.5}), {0.9, 0.9, 0.9}, 0.12));
    // The dark-red inner shapes show even calm, between the lips.
    const Colour3 inner = colourAt(picture, at({0.6, 5.0, -2.4}));
    EXPECT_GT(inner.red, 0.4);
    EXPECT_LT(inner.green, 0.2);
    EXPECT_GT(inner.blue, inner.green);
}

} // namespace
