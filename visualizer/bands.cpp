#include "bands.h"

#include "toge.h"

#include <algorithm>
#include <cmath>
#include <limits>

static_assert(maxBandCount == Toge::maxBands);

std::int32_t clampBandCount(std::int32_t bandCount)
{
    return std::clamp(bandCount, 0, maxBandCount);
}

void conditionBands(Toge& surface, std::int32_t bandCount, double* values)
{
    for (std::int32_t i = 0; i < bandCount; ++i) {
        double& value = values[i];
        if (!(value >= -100.0))
            value = -100.0;
        if (value > 100.0)
            value = 100.0;
        if (std::fabs(value) < 1.0)
            surface.bandSign[static_cast<std::size_t>(i)] =
                -surface.bandSign[static_cast<std::size_t>(i)];
    }
}

BandFeatures deriveBandFeatures(std::int32_t bandCount, const double* values)
{
    constexpr double gain = 1.0;
    constexpr long double percent = 0.01L;
    BandFeatures result;
    for (std::int32_t i = 0; i < bandCount; ++i) {
        const double value = values[i];
        result.features[static_cast<std::size_t>(i)] = static_cast<double>(gain * value * percent);
        result.bandSum += std::fabs(value);
        if (std::fabs(value) > 5.0)
            ++result.loudCount;
    }
    result.mean = result.bandSum / result.loudCount;
    return result;
}

std::int32_t meanLevelOf(double mean)
{
    if (std::isnan(mean))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(mean), lowest, highest));
}
