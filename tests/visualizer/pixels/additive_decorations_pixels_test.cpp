// The arrows, marching wedges, marks and black glyphs over face 1 at angle 0, through Mesa's
// software rasterizer. Most of their flat shapes are wound clockwise on screen and show GL's
// default back material: a grey (0.24) that the translucent ones add to what lies behind them,
// the backdrop's own grey where nothing does.
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

constexpr Colour3 orange{1, 0.5, 0};
constexpr Colour3 black{0, 0, 0};
constexpr Colour3 backGrey{0.24, 0.24, 0.24};     // ambient only: 0.2 x (0.2 + 1)
constexpr Colour3 blackAmbient{0.12, 0.12, 0.12}; // a black front face
constexpr Vec3 towardsCamera{0, 0, -1};

PixelPosition at(Vec3 scene)
{
    return onPanel(scene);
}

Image picture(std::int32_t decorA, std::int32_t decorB = 0)
{
    FrameRequest request;
    request.decorA = decorA;
    request.decorB = decorB;
    request.angle = 0;
    return renderFrames(request).steady;
}

// Additive blending: behind + alpha x colour, each channel clamped to 1.
Colour3 added(Colour3 behind, Colour3 colour, double alpha = 1)
{
    const auto channel = [alpha](double b, double c) { return std::min(1.0, b + alpha * c); };
    return {channel(behind.red, colour.red), channel(behind.green, colour.green),
            channel(behind.blue, colour.blue)};
}

// The nose and the mouth of face 1 at angle 0, with the grey added over them.
::testing::AssertionResult greyAddedOver(const Image& image, Vec3 centre, Vec3 axes, Vec3 direction)
{
    const SurfacePoint p = ellipsoidPoint(centre, axes, 2, direction);
    return colourNear(image, at(p.point), added(litFront(orange, p.point, p.normal), backGrey));
}

TEST(DecorationPixels, ArrowsAndWedgesAddGreyOverTheFaceAndVanishOnTheBackdrop)
{
    // A1 points right: its shaft covers the nose. Near its tip only the backdrop lies behind.
    const Image arrow = picture(1);
    EXPECT_TRUE(greyAddedOver(arrow, {0, -2, -2}, {1, 2, 1}, {0.45, 0.3, -0.84}));
    EXPECT_TRUE(colourNear(arrow, at({6.5, 0, -5.5}), backGrey, 0.01));
    // A4's fourth wedge covers the mouth; its first, entering at x = -14, the black strip left
    // of the backdrop.
    const Image wedges = picture(4);
    EXPECT_TRUE(greyAddedOver(wedges, {0, 0.5, -1.2}, {1.5, 0.8, 1}, {0.6, 0.1, -0.79}));
    EXPECT_TRUE(colourNear(picture(0), at({-13.5, 0, -5.5}), black, 0));
    EXPECT_TRUE(colourNear(wedges, at({-13.5, 0, -5.5}), backGrey, 0.01));
}

TEST(DecorationPixels, TheRingAddsItsRedAndTheCrossItsGreyOnceWhereItsBarsMeet)
{
    // The ring faces the camera: 0.8 of its lit red, on the backdrop and over the right eye.
    const Image ring = picture(11);
    const Colour3 red = litFront({1, 0, 0}, {-8, 0, -3}, towardsCamera);
    EXPECT_TRUE(colourNear(ring, at({-8, 0, -3}), added(black, red, 0.8)));
    const SurfacePoint eye = ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, {0.35, -0.45, -0.82});
    EXPECT_TRUE(colourNear(ring, at(eye.point),
                           added(litFront({1, 1, 1}, eye.point, eye.normal), red, 0.8)));
    // Both bars of the cross lie at z = -5.5, so the second fails the depth test where they meet;
    // drawn again as B5 it stays as bright.
    for (const Image& cross : {picture(12), picture(12, 5)})
        EXPECT_TRUE(greyAddedOver(cross, {0, -2, -2}, {1, 2, 1}, {0.15, 0.425, -0.893}));
}

TEST(DecorationPixels, BlackGlyphsShowBlackOrGreyByTheirWinding)
{
    // Over the right eye: A17's upper bar runs anticlockwise on screen (black's ambient), A22's
    // stem clockwise (grey), both opaque.
    EXPECT_TRUE(colourNear(picture(17), at({5.5, -3.5, -5.5}), blackAmbient, 0.01));
    EXPECT_TRUE(colourNear(picture(22), at({5.2, -5.5, -5.5}), backGrey, 0.01));
    // A24's unturned dots show their backs, lit through the reversed normal: light grey.
    const Vec3 dot{5.7 + 1.6 * 0.8660254, -5.7 - 0.8, -2};
    EXPECT_TRUE(colourNear(picture(24), at(dot), litBack(dot, {0, 0, 1})));
    // A8's third bar hides the left eye in grey; its square adds grey to the black clear colour,
    // which is what the backdrop would have shown there.
    const Image eight = picture(8);
    EXPECT_TRUE(colourNear(eight, at({-4.5, -4.2, -5.5}), backGrey, 0.01));
    EXPECT_TRUE(colourNear(eight, at({-12, 10, 1.5}), backGrey, 0.01));
}

// After a translucent decoration the frame draws with blending off: a green square at alpha 0.5
// replaces what lies behind it instead of adding to it.
TEST(DecorationPixels, WhatFollowsATranslucentDecorationIsDrawnOpaque)
{
    const std::array<double, 20> features{};
    for (const std::int32_t id : {1, 4, 8, 10, 12}) {
        headless::OffscreenPanel panel(panelWidth, panelHeight);
        FrameRequest request;
        request.faceType = 0;
        panel.render(request);
        panel.render(request);
        glEnable(GL_BLEND); // the composer's state before the decorations
        glBlendFunc(GL_ONE, GL_ZERO);
        decorationA(id)[0]({panel.surface(), 0, 14, features.data(), 20, 60, 0, 0, 0});
        setColour(panel.surface(), 0, 1, 0, 0.5);
        drawRect(panel.surface(), -1, 1, 1, -1, -8); // anticlockwise: its own colour shows
        const Colour3 square = litFront({0, 1, 0}, {0, 0, -8}, towardsCamera);
        EXPECT_TRUE(colourNear(panel.readPixels(), at({0, 0, -8}), square, 0.02)) << "A" << id;
    }
}

} // namespace
