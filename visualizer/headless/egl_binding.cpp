// The EGL binding of the render surface: Toge's attach, createContext, present and destructor
// for programs that render offscreen. The panel's pixel format becomes an EGL config with exactly
// 8 bits per colour channel and the deepest depth buffer up to 32 bits, on a pbuffer.
#include "egl_binding.h"

#include "offscreen_panel.h"
#include "toge.h"

#include <EGL/eglext.h>
#include <GL/gl.h>

#include <array>
#include <cstdlib>

namespace headless {

EGLDisplay processDisplay()
{
    static const EGLDisplay display = [] {
        // Mesa's software rasterizer, whatever GPU the machine has, so pictures are the same
        // everywhere. A caller who set the variable keeps their choice.
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
        EGLDisplay d =
            eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (d == EGL_NO_DISPLAY || eglInitialize(d, nullptr, nullptr) != EGL_TRUE)
            return EGL_NO_DISPLAY;
        return d;
    }();
    if (display == EGL_NO_DISPLAY)
        throw HeadlessError("no surfaceless EGL display (Mesa's EGL is needed)");
    return display;
}

} // namespace headless

namespace {

EGLint attribute(EGLDisplay display, EGLConfig config, EGLint name)
{
    EGLint value = 0;
    eglGetConfigAttrib(display, config, name, &value);
    return value;
}

// An RGB config with 8 bits a channel, for pbuffers and desktop GL, with the deepest depth
// buffer not above the 32 bits the panel asks for.
EGLConfig chooseConfig(EGLDisplay display)
{
    const EGLint wanted[] = {EGL_SURFACE_TYPE,
                             EGL_PBUFFER_BIT,
                             EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT,
                             EGL_RED_SIZE,
                             8,
                             EGL_GREEN_SIZE,
                             8,
                             EGL_BLUE_SIZE,
                             8,
                             EGL_DEPTH_SIZE,
                             24,
                             EGL_NONE};
    std::array<EGLConfig, 256> configs{};
    EGLint count = 0;
    if (eglChooseConfig(display, wanted, configs.data(), static_cast<EGLint>(configs.size()),
                        &count)
        != EGL_TRUE)
        return nullptr;
    EGLConfig best = nullptr;
    EGLint bestDepth = 0;
    for (EGLint i = 0; i < count; ++i) {
        EGLConfig config = configs[static_cast<std::size_t>(i)];
        const bool eightBits = attribute(display, config, EGL_RED_SIZE) == 8
                               && attribute(display, config, EGL_GREEN_SIZE) == 8
                               && attribute(display, config, EGL_BLUE_SIZE) == 8;
        const EGLint depth = attribute(display, config, EGL_DEPTH_SIZE);
        if (eightBits && depth <= 32 && depth > bestDepth) {
            best = config;
            bestDepth = depth;
        }
    }
    return best;
}

} // namespace

bool Toge::attach(TogeDevice* device)
{
    dc = device;
    if (device == nullptr || device->display == EGL_NO_DISPLAY)
        return false;
    device->config = chooseConfig(device->display);
    if (device->config == nullptr)
        return false;
    const EGLint size[] = {EGL_WIDTH, device->width, EGL_HEIGHT, device->height, EGL_NONE};
    device->pbuffer = eglCreatePbufferSurface(device->display, device->config, size);
    return device->pbuffer != EGL_NO_SURFACE;
}

bool Toge::createContext()
{
    if (dc == nullptr || dc->pbuffer == EGL_NO_SURFACE || eglBindAPI(EGL_OPENGL_API) != EGL_TRUE)
        return false;
    EGLContext context = eglCreateContext(dc->display, dc->config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT)
        return false;
    glContext = new TogeContext{dc->display, context};
    return eglMakeCurrent(dc->display, dc->pbuffer, dc->pbuffer, context) == EGL_TRUE;
}

bool Toge::present()
{
    if (glContext == nullptr)
        return false;
    glFlush();
    // A pbuffer has a single buffer: the swap shows nothing new, the flush above was the point.
    return eglSwapBuffers(dc->display, dc->pbuffer) == EGL_TRUE;
}

Toge::~Toge()
{
    if (glContext == nullptr)
        return;
    if (eglGetCurrentContext() == glContext->context)
        eglMakeCurrent(glContext->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(glContext->display, glContext->context);
    delete glContext;
}
