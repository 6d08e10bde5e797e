#pragma once

#include <cstdint>

class Toge;

// The decoration drawers the renderer has, drawn over the face. Each takes the common drawer
// arguments: the surface, angle (degrees), band count, bandFeatures, slices, the excitement
// threshold, faceType and meanLevel.

// A9, verdict level 2: four blue drops falling in two columns beside the face.
void drawDecorA9(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                 const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                 std::int32_t faceType, std::int32_t meanLevel);

// A14, verdict level 0: four white ellipsoids below the centre, jittering in a four-frame cycle.
void drawDecorA14(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                  const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                  std::int32_t faceType, std::int32_t meanLevel);
