#pragma once

#include "frame_setup.h"

#include <cstdint>
#include <vector>

class Toge;

// The selectors and inputs of one frame, for callers other than the animation tick (tools,
// tests, benchmarks). The defaults are those the tick hands over.
struct FrameRequest {
    std::int32_t faceType = 1;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    std::int32_t decorC = 45;
    std::int32_t angle = 1;
    float angleScale = 1.0F;
    std::vector<double> bands = std::vector<double>(14, 0.0);
    std::int32_t threshold = 60;
    std::int32_t extra = 0;
};

// setupFrame with the request; the bands are conditioned in a copy, as the tick's own array is.
inline void setupFrame(Toge& surface, const FrameRequest& request)
{
    std::vector<double> bands = request.bands;
    setupFrame(surface, request.faceType, request.decorA, request.decorB, request.decorC,
               request.angle, request.angleScale, static_cast<std::int32_t>(bands.size()),
               bands.data(), request.threshold, request.extra);
}
