#pragma once

#include "element.h"
#include "polar_point.h"

#include <cstdint>

// A half-ring of 30 small dots 6 degrees apart (pi as 3.141592) from a start angle on, about a
// centre, at one depth. The dots are unturned disks, so they face away from the camera, and set
// no colour of their own: they take the material in force. Face 10's closed eyes and the glyphs
// of A24 are drawn with them.
struct DotArc {
    Point2 centre;
    double radius;
    double startDegrees;
    double dotRadius;
    double z;
};

// Calls visit with each dot's element, in drawing order.
template <typename Visit>
void forEachArcDot(const DotArc& arc, std::int32_t slices, Visit visit)
{
    for (std::int32_t i = 0; i < 30; ++i) {
        const Point2 dot = polarPointLong(arc.centre, arc.radius, 6 * i + arc.startDegrees);
        visit(Element{
            std::nullopt, {translate(dot.x, dot.y, arc.z)}, Disk{0, arc.dotRadius, slices}});
    }
}
