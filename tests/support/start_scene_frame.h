#pragma once

#include "frame_request.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Expects a frame of the start face without decorations at the angle, with the animation tick's
// fixed inputs, written out here rather than taken from the program's constants.
inline void expectStartSceneFrame(const FrameRequest& frame, std::int32_t angle)
{
    EXPECT_EQ(frame.faceType, 1);
    EXPECT_EQ(frame.decorA, 0);
    EXPECT_EQ(frame.decorB, 0);
    EXPECT_EQ(frame.decorC, 45);
    EXPECT_EQ(frame.angle, angle);
    EXPECT_EQ(frame.angleScale, 1.0F);
    EXPECT_EQ(frame.bands, std::vector<double>(14, 0.0));
    EXPECT_EQ(frame.threshold, 60);
    EXPECT_EQ(frame.extra, 0);
}
