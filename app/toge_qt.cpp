#include "toge_qt.h"

#include "face_panel.h"
#include "toge.h"

#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QWindow>

#include <array>
#include <cstdio>
#include <memory>

namespace {

// The compatibility profile keeps fixed function and GLU working; the pixel format of the frame
// itself is the framebuffer's (makeFramebuffer).
QSurfaceFormat panelFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    return format;
}

// Makes and binds the frame's framebuffer: RGB with 8 bits a channel and a depth buffer of 32 bits
// where the driver has one, else 24. Returns whether it is complete.
bool makeFramebuffer(TogeContext& made, int width, int height)
{
    QOpenGLFunctions& gl = *made.context.functions();
    gl.glGenFramebuffers(1, &made.framebuffer);
    gl.glBindFramebuffer(GL_FRAMEBUFFER, made.framebuffer);
    gl.glGenRenderbuffers(1, &made.colourBuffer);
    gl.glBindRenderbuffer(GL_RENDERBUFFER, made.colourBuffer);
    gl.glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
    gl.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, made.colourBuffer);
    gl.glGenRenderbuffers(1, &made.depthBuffer);
    gl.glBindRenderbuffer(GL_RENDERBUFFER, made.depthBuffer);
    for (const GLenum depthFormat : std::array<GLenum, 2>{GL_DEPTH_COMPONENT32, GL_DEPTH_COMPONENT24}) {
        while (gl.glGetError() != GL_NO_ERROR) {
        }
        gl.glRenderbufferStorage(GL_RENDERBUFFER, depthFormat, width, height);
        if (gl.glGetError() != GL_NO_ERROR)
            continue;
        gl.glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, made.depthBuffer);
        if (gl.glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE)
            return true;
    }
    return false;
}

// The context current on the surface with the panel's framebuffer bound, or none when the
// platform gives none.
std::unique_ptr<TogeContext> makeCurrentContext(QOffscreenSurface& surface, int width, int height)
{
    if (!surface.isValid() || width <= 0 || height <= 0)
        return nullptr;
    auto made = std::make_unique<TogeContext>();
    made->context.setFormat(surface.requestedFormat());
    if (!made->context.create() || !made->context.makeCurrent(&surface) || !makeFramebuffer(*made, width, height))
        return nullptr;
    return made;
}

// Without GL the window still calculates and only the panel stays empty; say why, once per run
// (not once per window), on stderr.
void reportMissingGl()
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    std::fputs("dosecalc: no OpenGL context could be made for the face panel; it stays empty\n", stderr);
}

} // namespace

bool TogeDevice::onScreen() const
{
    if (panel == nullptr || !panel->isVisible())
        return false;
    const QWindow* window = panel->window()->windowHandle();
    return window != nullptr && window->isExposed();
}

bool Toge::attach(TogeDevice* device)
{
    dc = device;
    if (dc == nullptr)
        return false;
    dc->surface.setFormat(panelFormat());
    dc->surface.create();
    return dc->surface.isValid();
}

bool Toge::createContext()
{
    std::unique_ptr<TogeContext> made;
    if (dc != nullptr)
        made = makeCurrentContext(dc->surface, width, height);
    if (!made) {
        reportMissingGl();
        return false;
    }
    glContext = made.release();
    return true;
}

bool Toge::present()
{
    if (glContext == nullptr || dc == nullptr || dc->panel == nullptr)
        return false;
    QOpenGLContext& context = glContext->context;
    QOpenGLFunctions& gl = *context.functions();
    gl.glFlush();
    // A frame nobody can see is not read back.
    if (!dc->onScreen())
        return false;
    // 32-bit pixels in the byte order of QImage's RGB32; the framebuffer has no alpha, so it
    // reads as opaque.
    QImage frame(width, height, QImage::Format_RGB32);
    gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, frame.bits());
    frame.mirror(); // GL counts rows from the bottom
    // The ratio the viewport was sized with, so the panel paints the frame pixel for pixel.
    frame.setDevicePixelRatio(dc->panel->devicePixelRatio());
    dc->panel->showFrame(frame);
    // Made current once; should anything else in the process make its own context current, the
    // next frame must still find this one.
    if (QOpenGLContext::currentContext() != &context)
        context.makeCurrent(&dc->surface);
    return true;
}

Toge::~Toge()
{
    // The framebuffer goes with the context.
    delete glContext;
}
