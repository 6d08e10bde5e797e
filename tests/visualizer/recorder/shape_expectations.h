#pragma once

// Expected element lists for the drawer tests, written in the terms of the figures' tables:
// colour, transform calls in order, shape. Compared with what reached the recording GL.

#include "element.h"
#include "gl_recorder.h"

#include <gtest/gtest.h>

#include <vector>

struct ExpectedShape {
    Colour colour; // the front diffuse material in force when the shape is drawn
    std::vector<Transform> transforms;
    Shape shape;
    bool ownColour = true; // the element sets its colour inside its own matrix push
};

// Values travel to GL as floats: each expected value is turned into a float and compared within
// a few float steps.
::testing::AssertionResult shapesMatch(const std::vector<glrecord::DrawnShape>& drawn,
                                       const std::vector<ExpectedShape>& expected);

// Quadric spheres, disks and cylinders only (flat polygons left out).
std::vector<glrecord::DrawnShape> quadricShapes(const std::vector<glrecord::DrawnShape>& drawn);

// Exact float comparison of one recorded value with a double the renderer should have passed.
inline bool sameFloat(double recorded, double expected)
{
    return static_cast<float>(recorded) == static_cast<float>(expected);
}
