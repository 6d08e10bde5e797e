#pragma once

// Calling one face or decoration drawer into the recording GL, with the common arguments.

#include "drawer.h"
#include "gl_recorder.h"
#include "shape_expectations.h"
#include "toge.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

using DrawerFunction = CommonDrawer*;

struct DrawerCall {
    std::int32_t angle = 0;
    std::array<double, 20> features{};
    std::int32_t slices = 20;
    std::int32_t threshold = 60;
    std::int32_t meanLevel = 0; // calm; threshold + 1 is excited
    std::int32_t faceType = 1;
};

inline DrawerCall excitedCall(std::int32_t angle = 0)
{
    DrawerCall call;
    call.angle = angle;
    call.meanLevel = call.threshold + 1;
    return call;
}

// A calm call at angle 0 with the given bandFeatures (index, value) set and the others 0.
inline DrawerCall withFeatures(std::initializer_list<std::pair<std::size_t, double>> features)
{
    DrawerCall call;
    for (const auto& [index, value] : features)
        call.features.at(index) = value;
    return call;
}

// Draws and returns the quadric shapes and polygons in drawing order.
inline std::vector<glrecord::DrawnShape> drawRecorded(DrawerFunction drawer, const DrawerCall& call)
{
    glrecord::reset();
    Toge surface;
    drawer(surface, call.angle, 14, call.features.data(), call.slices, call.threshold,
           call.faceType, call.meanLevel);
    return glrecord::shapes();
}

// S of the faces, worked out independently: sin(angle x 3.14159 x 1/180 in extended precision).
inline double sineOf(double degrees)
{
    return std::sin(static_cast<double>(degrees * 3.14159 * (1.0L / 180)));
}

inline constexpr Colour white{1, 1, 1, 0.5};
inline constexpr Colour black{0, 0, 0, 0.5};
inline constexpr Colour orange{1, 0.5, 0, 0.5};
inline constexpr Colour lipRed{0.8, 0, 0, 0.5};
inline constexpr Colour innerRed{0.6, 0, 0.1, 0.5};
