#pragma once

#include <cstdint>

class Toge;

// The arguments every face and decoration drawer takes, in this order: the surface, angle
// (degrees), the band count, bandFeatures (entries 0 to 9 are read), slices (of every sphere,
// disk and cylinder; stacks and loops are 30), the excitement threshold, faceType and meanLevel.
// A figure is excited when meanLevel is strictly above the threshold. Drawers return nothing.
using CommonDrawer = void(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                          const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                          std::int32_t faceType, std::int32_t meanLevel);

// The face drawers that take a ninth integer after the common arguments: face 7's direction,
// face 21's gaze, face 27's variant.
using NinthArgumentDrawer = void(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                                 const double* bandFeatures, std::int32_t slices,
                                 std::int32_t threshold, std::int32_t faceType,
                                 std::int32_t meanLevel, std::int32_t ninth);
