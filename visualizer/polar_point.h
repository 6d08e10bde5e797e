#pragma once

#include "angles.h"
#include "primitives.h"

#include <cmath>

// A point at an angle (counter-clockwise on screen from the viewer's right) and a radius about a
// centre, in scene coordinates: (cx + radius cos, cy - radius sin), the sine subtracted because
// scene y runs down the screen. Each figure keeps the conversion to radians it was designed with:
// pi as 3.14159 or 3.141592 with 1/180 in extended precision, or the stars' single factor.
inline Point2 polarPoint(Point2 centre, double radius, double radians)
{
    return {centre.x + radius * std::cos(radians), centre.y - radius * std::sin(radians)};
}

inline Point2 polarPointShort(Point2 centre, double radius, double degrees)
{
    return polarPoint(centre, radius, static_cast<double>(angles::radiansShort(degrees)));
}

inline Point2 polarPointLong(Point2 centre, double radius, double degrees)
{
    return polarPoint(centre, radius, static_cast<double>(angles::radiansLong(degrees)));
}
