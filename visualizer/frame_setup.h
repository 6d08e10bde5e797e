#pragma once

#include <cstdint>

class Toge;

// Draws one complete frame into the surface's current GL context: conditions the band values in
// place, sets viewport, projection, light, default material and camera, clears, and composes the
// scene for the given selectors. Draws nothing while the surface has no context or no area.
void setupFrame(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                double* bandValues, std::int32_t threshold, std::int32_t extra);
