#pragma once

// Drawing a whole frame into the recording GL, as the tick would.

#include "frame_request.h"
#include "toge.h"

#include <cstdint>

// A surface as the main window sets it up: attached, sized 241 x 177, context created.
inline void setUpPanel(Toge& surface, std::int32_t width = 241, std::int32_t height = 177)
{
    surface.attach(nullptr);
    surface.width = width;
    surface.height = height;
    surface.createContext();
}

inline void drawRecordedFrame(Toge& surface, const FrameRequest& frame)
{
    setupFrame(surface, frame);
}
