#pragma once

#include <array>
#include <cstdint>

class Toge;

// The band values that move and excite the figures. The tick hands 14 zeros; up to 20 bands are
// supported, the size of the surface's sign array and of the feature array.
inline constexpr std::int32_t maxBandCount = 20;

// A band count outside 0..20 is clamped into it, so no caller can read or write past the arrays.
std::int32_t clampBandCount(std::int32_t bandCount);

// Conditions the first bandCount values in place: below -100 or not a number becomes -100, above
// 100 becomes 100; a band whose value is nearer to zero than 1 flips its direction sign. The
// count must already be clamped.
void conditionBands(Toge& surface, std::int32_t bandCount, double* values);

// The per-frame inputs every drawer shares, derived from the conditioned band values.
struct BandFeatures {
    std::array<double, maxBandCount> features{}; // value x 0.01 below the band count, else 0
    double bandSum = 0.0;                        // sum of the absolute values
    std::int32_t loudCount = 1;                  // 1 + bands louder than 5
    double mean = 0.0;                           // bandSum / loudCount
};
BandFeatures deriveBandFeatures(std::int32_t bandCount, const double* values);

// The mean truncated toward zero. Conditioned bands keep it within 0..100; anything that is not
// a finite number in the 32-bit range is held to that range (not a number gives 0).
std::int32_t meanLevelOf(double mean);

// A figure is excited when the mean level is strictly above the threshold; equal is calm.
inline bool isExcited(std::int32_t meanLevel, std::int32_t threshold)
{
    return meanLevel > threshold;
}
