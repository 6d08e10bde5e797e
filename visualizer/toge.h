#pragma once

#include <array>
#include <cstdint>

// The platform's drawable and GL context. Each binding of the surface defines them: the main
// window binds the panel's native GL window through Qt (app/), tests, tools and benchmarks bind
// an offscreen buffer through EGL (visualizer/headless/). The renderer never looks inside them.
struct TogeDevice;
struct TogeContext;

// The render surface: the GL binding of the face panel, the viewport size and one direction sign
// per band. Every drawing function takes it as its first argument; only the frame setup reads
// and writes its fields.
//
// The constructor belongs to the renderer; attach, createContext, present and the destructor
// belong to the binding a program links (exactly one per program).
class Toge {
public:
    static constexpr int maxBands = 20;

    Toge();
    ~Toge();
    Toge(const Toge&) = delete;
    Toge& operator=(const Toge&) = delete;

    // Stores the drawable and chooses and sets its pixel format (double-buffered RGBA, at least
    // 24 colour bits, a depth buffer with 32 bits asked for). Returns whether the format was set.
    bool attach(TogeDevice* device);
    // Creates the GL context on the drawable and makes it current on the calling thread.
    // Returns whether it is current.
    bool createContext();
    // Finishes the frame's GL commands and shows the back buffer. Returns whether it was shown.
    bool present();

    TogeContext* glContext = nullptr;
    TogeDevice* dc = nullptr;
    std::array<std::int32_t, maxBands> bandSign;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint8_t mode = 0;
};
