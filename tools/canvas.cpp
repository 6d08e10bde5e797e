#include "canvas.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

Canvas::Canvas(int width, int height, headless::Rgb background) : width_(width), height_(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("Canvas: the size must be positive");
    rgb_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    fill(0, 0, width, height, background);
}

void Canvas::set(int x, int y, headless::Rgb colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)
                           + static_cast<std::size_t>(x))
                          * 3;
    rgb_[i] = colour.red;
    rgb_[i + 1] = colour.green;
    rgb_[i + 2] = colour.blue;
}

void Canvas::fill(int left, int top, int width, int height, headless::Rgb colour)
{
    for (int y = std::max(top, 0); y < std::min(top + height, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(left + width, width_); ++x)
            set(x, y, colour);
}

void Canvas::paste(const headless::Image& picture, int left, int top)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            set(left + x, top + y, picture.at(x, y));
}

headless::Image Canvas::image() const
{
    return headless::Image(width_, height_, rgb_);
}
