#pragma once

// What the tests of the catalogue's face families share: calls, whole call lists, drawers with a
// ninth argument bound, and where a recorded shape's own points land in the scene.

#include "face_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

inline DrawerCall callAt(std::int32_t angle, bool excited = false, std::int32_t faceType = 1)
{
    DrawerCall call = excited ? excitedCall(angle) : DrawerCall{};
    call.angle = angle;
    call.faceType = faceType;
    return call;
}

inline std::vector<glrecord::Call> callsOf(DrawerFunction drawer, const DrawerCall& call)
{
    drawRecorded(drawer, call);
    return glrecord::calls();
}

template <auto draw, std::int32_t ninth>
void withNinth(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* features,
               std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
               std::int32_t meanLevel)
{
    draw(surface, angle, bandCount, features, slices, threshold, faceType, meanLevel, ninth);
}

struct ScenePoint {
    double x;
    double y;
    double z;
};

// Where a shape's own point lands: its transform calls since its matrix push, the last one first.
inline ScenePoint placeOf(const glrecord::DrawnShape& shape, ScenePoint p = {0, 0, 0})
{
    for (auto t = shape.transforms.rbegin(); t != shape.transforms.rend(); ++t) {
        if (t->kind == Transform::Kind::translate) {
            p = {p.x + t->x, p.y + t->y, p.z + t->z};
        } else if (t->kind == Transform::Kind::scale) {
            p = {p.x * t->x, p.y * t->y, p.z * t->z};
        } else { // about the unit axis k: p cos + (k x p) sin + k (k.p)(1 - cos)
            const double c = std::cos(t->angle * M_PI / 180);
            const double s = std::sin(t->angle * M_PI / 180);
            const double kp = (t->x * p.x + t->y * p.y + t->z * p.z) * (1 - c);
            p = {p.x * c + (t->y * p.z - t->z * p.y) * s + t->x * kp,
                 p.y * c + (t->z * p.x - t->x * p.z) * s + t->y * kp,
                 p.z * c + (t->x * p.y - t->y * p.x) * s + t->z * kp};
        }
    }
    return p;
}

inline ::testing::AssertionResult placedAt(const glrecord::DrawnShape& shape, ScenePoint expected,
                                           ScenePoint local = {0, 0, 0}, double tolerance = 1e-4)
{
    const ScenePoint p = placeOf(shape, local);
    if (std::hypot(p.x - expected.x, p.y - expected.y, p.z - expected.z) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << p.x << ", " << p.y << ", " << p.z << "), expected (" << expected.x << ", "
           << expected.y << ", " << expected.z << ")";
}
