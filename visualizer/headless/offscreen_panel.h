#pragma once

#include "frame_request.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class Toge;
struct TogeDevice;

// Headless rendering: the EGL binding of the render surface on Mesa's software rasterizer, with
// no window system (EGL's surfaceless platform and a pbuffer), and pixel read-back. Used by the
// tests, the tools and the benchmarks.
namespace headless {

using ::FrameRequest;

struct HeadlessError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// An RGB picture, 8 bits a channel, rows from the top of the picture down.
class Image {
public:
    Image(int width, int height, std::vector<std::uint8_t> rgb);

    int width() const { return width_; }
    int height() const { return height_; }
    // x counts from the left, y from the top; both must lie inside the picture.
    Rgb at(int x, int y) const;
    const std::vector<std::uint8_t>& rgb() const { return rgb_; }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> rgb_;
};

// An offscreen panel of a fixed size: a Toge attached to a pbuffer, sized, with its GL context
// current on the calling thread, exactly as the main window sets up its panel. Keep one panel
// per thread at a time; its context stays current for as long as it lives.
class OffscreenPanel {
public:
    // Throws HeadlessError when the size is not positive or EGL cannot give a context.
    OffscreenPanel(int width, int height);
    ~OffscreenPanel();
    OffscreenPanel(const OffscreenPanel&) = delete;
    OffscreenPanel& operator=(const OffscreenPanel&) = delete;

    Toge& surface() { return *surface_; }
    int width() const;
    int height() const;

    // Draws one frame as the tick does: setupFrame with the request, then present. The bands
    // are conditioned in a copy, as the tick's own array would be.
    void render(const FrameRequest& request);
    // The frame's colour buffer as it stands.
    Image readPixels() const;
    // The GL renderer in use, for messages ("llvmpipe (LLVM ...)").
    std::string renderer() const;

private:
    std::unique_ptr<TogeDevice> device_; // outlives the surface: declared first, destroyed last
    std::unique_ptr<Toge> surface_;
};

} // namespace headless
