#pragma once

#include <cstdint>

class Toge;

// The pair of large staring eyes that several decorations put over the face: two orange balls
// just in front of it, each with a black disk tilted back as its pupil.
struct StaringEyes {
    double spread; // the balls sit at x = +-(1 + spread); the pupils' radius is 0.2 + spread
    double swell;  // the balls are scaled by 1 + swell across the screen
    bool glints;   // a small orange disk in front of each ball, drawn before the pupils
    double pupilY;
    double pupilZ;
};

// The eyes at their full size: balls at x = +-2.5 scaled by 1.4, pupils of radius 1.7.
inline constexpr StaringEyes staringEyesAtFullSize{1.5, 0.4, false, 1.9, -3.8};

// Right ball, left ball, [right glint, left glint,] right pupil, left pupil.
void drawStaringEyes(Toge& surface, const StaringEyes& eyes, std::int32_t slices);
