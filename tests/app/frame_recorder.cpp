#include "frame_recorder.h"

#include <cstddef>
#include <utility>

std::vector<RecordedFrame>& recordedFrames()
{
    static std::vector<RecordedFrame> frames;
    return frames;
}

void recordFrame(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                 std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                 double* bandValues, std::int32_t threshold, std::int32_t extra)
{
    RecordedFrame frame;
    frame.surface = &surface;
    frame.faceType = faceType;
    frame.decorA = decorA;
    frame.decorB = decorB;
    frame.decorC = decorC;
    frame.angle = angle;
    frame.angleScale = angleScale;
    frame.bands.assign(bandValues, bandValues + static_cast<std::ptrdiff_t>(bandCount));
    frame.threshold = threshold;
    frame.extra = extra;
    recordedFrames().push_back(std::move(frame));
}
