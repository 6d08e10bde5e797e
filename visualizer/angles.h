#pragma once

#include <cmath>
#include <cstdint>

// Degrees become radians by multiplying by pi and then by 1/180 held in extended precision, and
// sines and cosines are taken in double precision. Most drawers take pi as 3.14159; the wedges,
// the dot arches and the eye marks take 3.141592. Both are kept exactly as the figures were
// designed with them: the small difference moves points by visible fractions of a pixel.
namespace angles {

inline constexpr double piShort = 3.14159;
inline constexpr double piLong = 3.141592;
inline constexpr long double oneOver180 = 1.0L / 180;

inline long double radiansShort(double degrees)
{
    return degrees * piShort * oneOver180;
}
inline long double radiansLong(double degrees)
{
    return degrees * piLong * oneOver180;
}

inline double sinShort(double degrees)
{
    return std::sin(static_cast<double>(radiansShort(degrees)));
}
inline double cosShort(double degrees)
{
    return std::cos(static_cast<double>(radiansShort(degrees)));
}
inline double sinLong(double degrees)
{
    return std::sin(static_cast<double>(radiansLong(degrees)));
}
inline double cosLong(double degrees)
{
    return std::cos(static_cast<double>(radiansLong(degrees)));
}

// A whole-degree angle that a figure forms in 32-bit integer arithmetic (50 x angle, 12 x angle +
// 240, ...). Angles far beyond any the tick gives wrap around as two's complement arithmetic does,
// instead of overflowing.
inline std::int32_t wholeDegrees(std::int64_t degrees)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(degrees));
}

// The way back, for the decorations that work out a corner's angle from its sides: radians times
// 180 times 1/pi, with pi the short 3.14159.
inline double degreesFromRadians(double radians)
{
    return static_cast<double>(radians * 180 * (1.0L / piShort));
}

} // namespace angles
