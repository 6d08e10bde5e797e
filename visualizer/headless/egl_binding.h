#pragma once

#include <EGL/egl.h>

// What the EGL binding keeps behind Toge's opaque handles.
struct TogeDevice {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLint width = 0; // the pbuffer's size, fixed when it is made
    EGLint height = 0;
    EGLConfig config = nullptr;
    EGLSurface pbuffer = EGL_NO_SURFACE;
};

struct TogeContext {
    EGLDisplay display;
    EGLContext context;
};

namespace headless {
// The process's surfaceless Mesa display, initialised on first use and kept until the process
// ends: EGL counts no references, so terminating it under another panel would pull the driver
// away, and re-initialising costs a driver load each time. Throws HeadlessError when there is
// none.
EGLDisplay processDisplay();
} // namespace headless
