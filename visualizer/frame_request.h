#pragma once

#include "frame_setup.h"

#include <cstdint>
#include <vector>

class Toge;

// What the window's animation tick hands the frame setup besides its selectors and angle.
namespace tickFrame {
inline constexpr std::int32_t decorC = 45; // names no decoration
inline constexpr float angleScale = 1.0F;
inline constexpr std::int32_t bandCount = 14; // every band 0
inline constexpr std::int32_t threshold = 60;
inline constexpr std::int32_t extra = 0;
} // namespace tickFrame

// The selectors and inputs of one frame, for callers other than the animation tick (tools,
// tests, benchmarks). The defaults are the tick's first frame of the start face.
struct FrameRequest {
    std::int32_t faceType = 1;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    std::int32_t decorC = tickFrame::decorC;
    std::int32_t angle = 1;
    float angleScale = tickFrame::angleScale;
    std::vector<double> bands = std::vector<double>(tickFrame::bandCount, 0.0);
    std::int32_t threshold = tickFrame::threshold;
    std::int32_t extra = tickFrame::extra;
};

// setupFrame with the request; the bands are conditioned in a copy, as the tick's own array is.
inline void setupFrame(Toge& surface, const FrameRequest& request)
{
    std::vector<double> bands = request.bands;
    setupFrame(surface, request.faceType, request.decorA, request.decorB, request.decorC,
               request.angle, request.angleScale, static_cast<std::int32_t>(bands.size()),
               bands.data(), request.threshold, request.extra);
}
