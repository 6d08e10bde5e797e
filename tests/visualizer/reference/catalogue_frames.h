#pragma once

// The reference frames of the catalogue: every face type calm and excited, and every decoration
// alone and over face 1, each at two angles, drawn headless at the panel's size. The test
// compares them with the committed PNGs in frames/; the writer (tools/make-reference-frames.sh)
// writes those again.

#include "offscreen_panel.h"

#include <string>
#include <vector>

inline constexpr int referenceWidth = 241; // the panel's size
inline constexpr int referenceHeight = 177;

struct ReferenceFrame {
    std::string name; // the PNG's name without ".png", e.g. "face07-excited-250", "A09-face1-045"
    headless::FrameRequest request;
};

// Every reference frame, faces first, then decorations A, B and C, each in id order.
std::vector<ReferenceFrame> referenceFrames();

// The frame as dosecalc-snapshot would draw it: the request drawn twice, the second frame read
// (the first frame of a context is lit differently, and a frame may start from GL state the one
// before it left: drawn after itself it does not depend on what the panel drew earlier).
headless::Image renderReferenceFrame(headless::OffscreenPanel& panel,
                                     const headless::FrameRequest& request);
