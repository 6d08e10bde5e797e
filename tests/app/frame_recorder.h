#pragma once

#include "frame_request.h"

#include <cstdint>
#include <vector>

class Toge;

// What one animation tick handed the frame setup: the frame's inputs and the surface drawn on.
struct RecordedFrame : FrameRequest {
    const Toge* surface = nullptr;
};

std::vector<RecordedFrame>& recordedFrames();

// A stand-in for the frame setup that records every call.
void recordFrame(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                 std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                 double* bandValues, std::int32_t threshold, std::int32_t extra);
