#pragma once

#include <cstdint>

// The frame's angle: angle x scale in extended precision, truncated toward zero, remainder of 360
// with the sign of the product (so -359..359). Defined for every input: a product that is not a
// finite number (a scale of NaN or infinity) gives 0, and a finite product of any size is
// reduced exactly, without passing through an integer that could overflow.
std::int32_t frameAngle(std::int32_t angle, float angleScale);
