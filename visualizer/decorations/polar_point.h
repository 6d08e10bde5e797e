#pragma once

#include "angles.h"
#include "primitives.h"

// A point at an angle (degrees, counter-clockwise on screen from the viewer's right) and a radius
// about a centre, in scene coordinates: (cx + radius cos, cy - radius sin), the sine subtracted
// because scene y runs down the screen. Each figure keeps the pi it was designed with.
inline Point2 polarPointShort(Point2 centre, double radius, double degrees)
{
    return {centre.x + radius * angles::cosShort(degrees), centre.y - radius * angles::sinShort(degrees)};
}

inline Point2 polarPointLong(Point2 centre, double radius, double degrees)
{
    return {centre.x + radius * angles::cosLong(degrees), centre.y - radius * angles::sinLong(degrees)};
}
