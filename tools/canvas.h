#pragma once

#include "offscreen_panel.h"

#include <cstdint>
#include <vector>

// A picture being composed from other pictures, labels and plain areas, for the picture tools.
class Canvas {
public:
    // Throws std::invalid_argument when the size is not positive.
    Canvas(int width, int height, headless::Rgb background);

    int width() const { return width_; }
    int height() const { return height_; }

    // Sets one pixel; pixels outside the canvas are ignored.
    void set(int x, int y, headless::Rgb colour);
    // Fills a rectangle (clipped to the canvas).
    void fill(int left, int top, int width, int height, headless::Rgb colour);
    // Copies a picture with its top left corner at (left, top), clipped to the canvas.
    void paste(const headless::Image& picture, int left, int top);

    headless::Image image() const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> rgb_;
};
