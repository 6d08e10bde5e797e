#pragma once

#include <cstdint>

// The three-frame sideways shake of face type 20 and decorations C3 and C4: +0.5, 0 and -0.5
// for angle mod 3 = 0, 1 and 2, so the figure steps right, centre, left as the angle advances.
// A negative angle (never from the tick) continues the same cycle backwards: -1 shakes like 2.
double jitter(std::int32_t angle);
