#pragma once

#include <cstdint>

class Toge;

// Draws one frame's content after the frame setup: derives the band features and mean level,
// sets blending to (ONE, ZERO), draws the tiny axis cylinder, the face of faceType, the
// decorations of decorA, decorB and decorC, the backdrop behind everything, and restores the
// blend and depth-mask state. The band count is clamped to 0..20.
void composeScene(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                  const double* bandValues, std::int32_t slices, std::int32_t threshold,
                  std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                  std::int32_t decorC, std::int32_t extra);

// The final pass: a square of the given colour spanning -20..20 in x and y at z = 10. Its
// corners run clockwise on screen, so it shows its back, lit by GL's default back material.
void drawBackdrop(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                  const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                  std::int32_t faceType, std::int32_t meanLevel, double red, double green,
                  double blue);
