#pragma once

#include <cstdint>

class Toge;

// The face drawers, one per catalogue entry the renderer has. Each takes the common drawer
// arguments: the surface, angle (degrees), band count, bandFeatures (entries 0..9 are read),
// slices, the excitement threshold, faceType and meanLevel; a face is excited when meanLevel is
// strictly above the threshold.

// Face type 1, the start face: the face template itself.
void drawFace1(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
               std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
               std::int32_t meanLevel);
