#include "frame_angle.h"

#include <cmath>

std::int32_t frameAngle(std::int32_t angle, float angleScale)
{
    // A 32-bit integer times a float is exact in extended precision.
    const long double product = static_cast<long double>(angle) * angleScale;
    if (!std::isfinite(product))
        return 0;
    // fmod is exact, so this equals the integer remainder of the truncated product.
    return static_cast<std::int32_t>(std::fmod(std::trunc(product), 360.0L));
}
