#pragma once

#include "offscreen_panel.h"

#include <cstddef>

// Pixel-by-pixel comparison of two pictures of the same size, for the reference-frame test and
// the picture tools.
namespace picture {

// Whether pixel `index` (counted row by row from the top left) differs by more than `tolerance`
// in any channel.
bool differs(const headless::Image& a, const headless::Image& b, std::size_t index, int tolerance);

struct Difference {
    std::size_t differing = 0; // pixels with a channel off by more than the tolerance
    int largest = 0;           // the largest difference of any channel, 0 to 255
    // The expected picture dimmed to a quarter, with every differing pixel in pure red.
    headless::Image map;
};

// Compares `actual` with `expected`. Throws std::invalid_argument when their sizes differ.
Difference compare(const headless::Image& actual, const headless::Image& expected, int tolerance);

// The pixels that both `a` and `b` change from `base` (any channel differs at all): where two
// figures drawn alone on the same backdrop overlap. Throws std::invalid_argument when the sizes
// differ.
std::size_t commonChanges(const headless::Image& base, const headless::Image& a,
                          const headless::Image& b);

} // namespace picture
