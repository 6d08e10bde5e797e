#include "jitter.h"

double jitter(std::int32_t angle)
{
    constexpr double offsets[3] = {0.5, 0.0, -0.5};
    const std::int32_t remainder = angle % 3;
    return offsets[remainder < 0 ? remainder + 3 : remainder];
}
