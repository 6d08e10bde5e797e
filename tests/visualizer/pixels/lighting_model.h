#pragma once

// What GL makes of this program's scene, worked out by hand: where a scene point lands in the
// picture, and the colour GL's lighting equation gives a surface point. Pixel tests derive their
// expectations from it instead of from the prose colour names.

#include "offscreen_panel.h"

#include <gtest/gtest.h>

struct Vec3 {
    double x;
    double y;
    double z;
};

struct Colour3 {
    double red;
    double green;
    double blue;
};

// The light stands at (0, -20, -30) from the second frame of a context on, and at (0, 20, 0) on
// its first frame, when the light position met an identity modelview matrix.
inline constexpr Vec3 steadyLight{0, -20, -30};
inline constexpr Vec3 firstFrameLight{0, 20, 0};

struct PixelPosition {
    int x; // from the left
    int y; // from the top
};
// The pixel a scene point falls in, through the frame's camera and 45-degree perspective.
PixelPosition project(Vec3 scene, int width, int height);

// GL's lighting of a front face with setColour's material (ambient 0.1, the given diffuse) under
// light 0 and the default global ambient 0.2. The normal is taken as GL holds it: transformed by
// the element's scale and not normalised.
Colour3 litFront(Colour3 diffuse, Vec3 point, Vec3 normal, Vec3 light = steadyLight);
// The same for a back face: GL's default back material (ambient 0.2, diffuse 0.8), lit with the
// reversed normal, as two-sided lighting does. `normal` is the face's front normal.
Colour3 litBack(Vec3 point, Vec3 normal, Vec3 light = steadyLight);

// A point of an ellipsoid drawn as T(centre); Sc(axes); gluSphere(radius), in the direction of
// the unit sphere normal `direction`, with the normal GL uses there.
struct SurfacePoint {
    Vec3 point;
    Vec3 normal;
};
SurfacePoint ellipsoidPoint(Vec3 centre, Vec3 axes, double radius, Vec3 direction);

// A pixel as 0..1 colour components.
Colour3 colourAt(const headless::Image& image, PixelPosition at);

// The assertion for a probe: every channel within the tolerance of the expectation.
::testing::AssertionResult colourNear(const headless::Image& image, PixelPosition at,
                                      Colour3 expected, double tolerance = 0.05);
