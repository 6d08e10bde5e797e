// The arrows, marching wedges, marks and black glyphs over face 1 through Mesa's software
// rasterizer, with colours worked out from GL's lighting of the exact calls. Most of their flat
// shapes are wound clockwise on screen: they show GL's default back material, a grey that the
// translucent ones add to what lies behind them, and that equals the backdrop's own grey.
#include "decorations/decorations.h"
#include "panel_frames.h"
#include "primitives.h"
#include "scene_dispatch.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using headless::FrameRequest;
using headless::Image;

constexpr Colour3 white{1, 1, 1};
constexpr Colour3 orange{1, 0.5, 0};
constexpr Colour3 red{1, 0, 0};
constexpr Colour3 green{0, 1, 0};
constexpr Colour3 black{0, 0, 0};
// A flat shape showing its back: GL's default back material, ambient only, 0.2 x (0.2 + 1).
constexpr Colour3 backGrey{0.24, 0.24, 0.24};
constexpr Colour3 blackAmbient{0.12, 0.12, 0.12};
constexpr Vec3 towardsCamera{0, 0, -1};

PixelPosition at(Vec3 scene) { return onPanel(scene); }

Image picture(std::int32_t decorA, std::int32_t faceType = 1, std::int32_t angle = 0)
{
    FrameRequest request;
    request.faceType = faceType;
    request.decorA = decorA;
    request.angle = angle;
    return renderFrames(request).steady;
}

// What additive blending leaves: behind + alpha x added, each channel clamped to 1.
Colour3 added(Colour3 behind, Colour3 colour, double alpha = 1)
{
    const auto channel = [alpha](double b, double c) { return std::min(1.0, b + alpha * c); };
    return {channel(behind.red, colour.red), channel(behind.green, colour.green),
            channel(behind.blue, colour.blue)};
}

Colour3 litAt(const SurfacePoint& p, Colour3 diffuse) { return litFront(diffuse, p.point, p.normal); }

// Face 1 at angle 0: nose, mouth and right eye.
SurfacePoint nose(Vec3 direction) { return ellipsoidPoint({0, -2, -2}, {1, 2, 1}, 2, direction); }
SurfacePoint mouth(Vec3 direction) { return ellipsoidPoint({0, 0.5, -1.2}, {1.5, 0.8, 1}, 2, direction); }
SurfacePoint rightEye(Vec3 direction) { return ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, direction); }

TEST(DecorationPixels, TheArrowAddsGreyOverTheFaceAndVanishesOnTheBackdrop)
{
    const Image arrow = picture(1);
    // The arrow points right at angle 0; its shaft covers the nose below its middle. Wound
    // clockwise, it adds its back's grey, not 0.7 of blue.
    const SurfacePoint p = nose({0.45, 0.3, -0.84});
    EXPECT_TRUE(colourNear(arrow, at(p.point), added(litAt(p, orange), backGrey)));
    // Near the tip, nothing but the backdrop lies behind it: the grey it adds to the black clear
    // colour is the backdrop's own, and the backdrop behind stays hidden.
    EXPECT_TRUE(colourNear(arrow, at({6.5, 0, -5.5}), backGrey, 0.01));
}

TEST(DecorationPixels, TheMarchingWedgesShowOverTheFaceAndOverTheBlackStrip)
{
    const Image wedges = picture(4);
    // The fourth wedge stands at (1, 0) pointing right, over the mouth.
    const SurfacePoint p = mouth({0.6, 0.1, -0.79});
    EXPECT_TRUE(colourNear(wedges, at(p.point), added(litAt(p, orange), backGrey)));
    // The first one enters at x = -14, beyond the backdrop's left edge: grey on the black strip.
    EXPECT_TRUE(colourNear(picture(0), at({-13.5, 0, -5.5}), black, 0));
    EXPECT_TRUE(colourNear(wedges, at({-13.5, 0, -5.5}), backGrey, 0.01));
}

TEST(DecorationPixels, TheRingFacesTheCameraAndAddsItsRed)
{
    const Image ring = picture(11);
    const Colour3 ringRed = litFront(red, {-8, 0, -3}, towardsCamera);
    // On the bare backdrop: 0.8 of the lit red over the black clear colour.
    EXPECT_TRUE(colourNear(ring, at({-8, 0, -3}), added(black, ringRed, 0.8)));
    // Over the right eye, which it crosses.
    const SurfacePoint eye = rightEye({0.35, -0.45, -0.82});
    EXPECT_TRUE(colourNear(ring, at(eye.point), added(litAt(eye, white), ringRed, 0.8)));
}

TEST(DecorationPixels, WhereTheCrossBarsMeetTheGreyIsAddedOnce)
{
    // Both bars lie at z = -5.5: where they overlap the second fails the depth test.
    const SurfacePoint p = nose({0.15, 0.425, -0.893});
    const Colour3 once = added(litAt(p, orange), backGrey);
    const Colour3 got = colourAt(picture(12), at(p.point));
    EXPECT_TRUE(colourNear(picture(12), at(p.point), once));
    EXPECT_LT(got.blue, once.blue + 0.1);
    // Selecting it again as B5 draws it once more, still in the same plane: no brighter.
    FrameRequest twice;
    twice.faceType = 1;
    twice.decorA = 12;
    twice.decorB = 5;
    twice.angle = 0;
    EXPECT_TRUE(colourNear(renderFrames(twice).steady, at(p.point), once));
}

TEST(DecorationPixels, BlackGlyphsShowBlackOrGreyByTheirWinding)
{
    // A17's top bar runs anticlockwise on screen: black's ambient, opaque, over the right eye.
    const Vec3 bar{5.5, -3.5, -5.5};
    EXPECT_TRUE(colourNear(picture(17), at(bar), blackAmbient, 0.01));
    // A22's stem runs clockwise: the back's grey, opaque, where the eye was white.
    const Vec3 stem{5.2, -5.5, -5.5};
    EXPECT_TRUE(colourNear(picture(22), at(stem), backGrey, 0.01));
    EXPECT_GT(colourAt(picture(0), at(stem)).red, 0.5);
    // A24's dots are unturned disks: their backs, lit through the reversed normal, light grey.
    const Vec3 dot{5.7 + 1.6 * 0.8660254, -5.7 - 0.8, -2};
    const Colour3 dotBack = litBack(dot, {0, 0, 1});
    EXPECT_GT(dotBack.red, 0.85);
    EXPECT_TRUE(colourNear(picture(24), at(dot), dotBack));
}

TEST(DecorationPixels, EightsBarsHideTheEyeAndItsSquareEqualsTheBackdrop)
{
    const Image eight = picture(8);
    // The third bar over the left eye: its back's grey, opaque.
    EXPECT_TRUE(colourNear(eight, at({-4.5, -4.2, -5.5}), backGrey, 0.01));
    // The square behind the face adds its back's grey to the black clear colour: the same grey
    // the backdrop would have drawn there, not white.
    EXPECT_TRUE(colourNear(eight, at({-12, 10, 1.5}), backGrey, 0.01));
}

// After a translucent decoration, what the frame draws next is drawn with blending off: a green
// square at half alpha replaces what lies behind it instead of being added to it.
TEST(DecorationPixels, WhatFollowsATranslucentDecorationIsDrawnOpaque)
{
    const std::array<double, 20> features{};
    for (const std::int32_t id : {1, 4, 8, 10, 12}) {
        headless::OffscreenPanel panel(panelWidth, panelHeight);
        FrameRequest request;
        request.faceType = 0;
        request.angle = 0;
        panel.render(request);
        panel.render(request);
        // The composer's state before the decorations, then the decoration and a square in
        // front of it, anticlockwise on screen so that its own colour shows.
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ZERO);
        decorationA(id)[0]({panel.surface(), 0, 14, features.data(), 20, 60, 0, 0, 0});
        setColour(panel.surface(), 0, 1, 0, 0.5);
        drawRect(panel.surface(), -1, 1, 1, -1, -8);
        const Colour3 square = litFront(green, {0, 0, -8}, towardsCamera);
        EXPECT_TRUE(colourNear(panel.readPixels(), at({0, 0, -8}), square, 0.02)) << "A" << id;
    }
}

} // namespace
