#pragma once

#include <cstdint>
#include <vector>

class Toge;

// A stand-in for the frame setup that records what each animation tick hands it.
struct RecordedFrame {
    const Toge* surface = nullptr;
    std::int32_t faceType = 0;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    std::int32_t decorC = 0;
    std::int32_t angle = 0;
    float angleScale = 0.0F;
    std::int32_t bandCount = 0;
    std::vector<double> bandValues;
    std::int32_t threshold = 0;
    std::int32_t extra = 0;
};

std::vector<RecordedFrame>& recordedFrames();

void recordFrame(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                 std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                 double* bandValues, std::int32_t threshold, std::int32_t extra);
