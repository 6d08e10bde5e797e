#pragma once

// What the tests of the catalogue's face families share: a drawer's whole call list, and where a
// recorded shape's own points land in the scene.

#include "face_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

inline std::vector<glrecord::Call> callsOf(DrawerFunction drawer, const DrawerCall& call)
{
    drawRecorded(drawer, call);
    return glrecord::calls();
}

// A drawer with a ninth argument, bound, so that it can be called as the others are.
template <auto draw, std::int32_t ninth>
void withNinth(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* features,
               std::int32_t slices, std::int32_t threshold, std::int32_t faceType, std::int32_t meanLevel)
{
    draw(surface, angle, bandCount, features, slices, threshold, faceType, meanLevel, ninth);
}

struct ScenePoint {
    double x;
    double y;
    double z;
};

// Where a shape's own point lands: its transform calls since its matrix push, applied as GL
// applies them (the last call acts first on the shape).
inline ScenePoint placeOf(const glrecord::DrawnShape& shape, ScenePoint p = {0, 0, 0})
{
    for (auto t = shape.transforms.rbegin(); t != shape.transforms.rend(); ++t) {
        switch (t->kind) {
        case Transform::Kind::translate:
            p = {p.x + t->x, p.y + t->y, p.z + t->z};
            break;
        case Transform::Kind::scale:
            p = {p.x * t->x, p.y * t->y, p.z * t->z};
            break;
        case Transform::Kind::rotate: { // about a unit axis k: v cos + (k x v) sin + k (k.v)(1 - cos)
            const double a = t->angle * M_PI / 180;
            const double c = std::cos(a);
            const double s = std::sin(a);
            const double kv = t->x * p.x + t->y * p.y + t->z * p.z;
            p = {p.x * c + (t->y * p.z - t->z * p.y) * s + t->x * kv * (1 - c),
                 p.y * c + (t->z * p.x - t->x * p.z) * s + t->y * kv * (1 - c),
                 p.z * c + (t->x * p.y - t->y * p.x) * s + t->z * kv * (1 - c)};
            break;
        }
        }
    }
    return p;
}

inline ::testing::AssertionResult placedAt(const glrecord::DrawnShape& shape, ScenePoint expected,
                                           ScenePoint local = {0, 0, 0}, double tolerance = 1e-4)
{
    const ScenePoint p = placeOf(shape, local);
    if (std::fabs(p.x - expected.x) <= tolerance && std::fabs(p.y - expected.y) <= tolerance &&
        std::fabs(p.z - expected.z) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at (" << p.x << ", " << p.y << ", " << p.z << "), expected ("
                                         << expected.x << ", " << expected.y << ", " << expected.z << ")";
}
