#include "panel_frames.h"

#include <utility>

Frames renderFrames(const headless::FrameRequest& request)
{
    headless::OffscreenPanel panel(panelWidth, panelHeight);
    panel.render(request);
    headless::Image first = panel.readPixels();
    panel.render(request);
    return {std::move(first), panel.readPixels()};
}
