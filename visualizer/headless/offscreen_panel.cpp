#include "offscreen_panel.h"

#include "egl_binding.h"
#include "frame_request.h"
#include "toge.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <utility>

namespace headless {

Image::Image(int width, int height, std::vector<std::uint8_t> rgb)
    : width_(width), height_(height), rgb_(std::move(rgb))
{
    if (width <= 0 || height <= 0
        || rgb_.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
        throw std::invalid_argument("Image: the pixels do not match the size");
}

Rgb Image::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("Image: no pixel there");
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)
                           + static_cast<std::size_t>(x))
                          * 3;
    return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

OffscreenPanel::OffscreenPanel(int width, int height)
{
    if (width <= 0 || height <= 0)
        throw HeadlessError("the panel needs a positive width and height");
    device_ = std::make_unique<TogeDevice>();
    device_->display = processDisplay();
    device_->width = width;
    device_->height = height;
    surface_ = std::make_unique<Toge>();
    // The main window's order: attach, copy the size in, create the context and make it current.
    const bool attached = surface_->attach(device_.get());
    surface_->width = width;
    surface_->height = height;
    if (!attached || !surface_->createContext()) {
        surface_.reset();
        if (device_->pbuffer != EGL_NO_SURFACE)
            eglDestroySurface(device_->display, device_->pbuffer);
        throw HeadlessError("EGL could not give an offscreen OpenGL context");
    }
}

OffscreenPanel::~OffscreenPanel()
{
    surface_.reset();
    eglDestroySurface(device_->display, device_->pbuffer);
}

int OffscreenPanel::width() const
{
    return surface_->width;
}
int OffscreenPanel::height() const
{
    return surface_->height;
}

void OffscreenPanel::render(const FrameRequest& request)
{
    setupFrame(*surface_, request);
    surface_->present();
}

Image OffscreenPanel::readPixels() const
{
    const int w = width();
    const int h = height();
    const std::size_t row = static_cast<std::size_t>(w) * 3;
    std::vector<std::uint8_t> bottomUp(row * static_cast<std::size_t>(h));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    // GL counts rows from the bottom; pictures count them from the top.
    std::vector<std::uint8_t> topDown(bottomUp.size());
    for (std::size_t y = 0; y < static_cast<std::size_t>(h); ++y)
        std::copy_n(bottomUp.begin()
                        + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(h) - 1 - y) * row),
                    row, topDown.begin() + static_cast<std::ptrdiff_t>(y * row));
    return Image(w, h, std::move(topDown));
}

std::string OffscreenPanel::renderer() const
{
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return name == nullptr ? std::string() : std::string(name);
}

} // namespace headless
