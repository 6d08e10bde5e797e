#pragma once

// Frames of the panel's size drawn offscreen, for the pixel tests.

#include "lighting_model.h"
#include "offscreen_panel.h"

inline constexpr int panelWidth = 241;
inline constexpr int panelHeight = 177;

// The pixel a scene point falls in on the panel.
inline PixelPosition onPanel(Vec3 scene)
{
    return project(scene, panelWidth, panelHeight);
}

// The first frame a fresh panel draws for a request, and the steady frame after it.
struct Frames {
    headless::Image first;
    headless::Image steady;
};
Frames renderFrames(const headless::FrameRequest& request);
