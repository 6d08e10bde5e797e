#include "toge_qt.h"

#include "toge.h"

#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {

// Double-buffered RGB with 8 bits per channel and a 32-bit depth buffer asked for; the platform
// gives the closest it has. The compatibility profile keeps fixed function and GLU working.
QSurfaceFormat panelFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(32);
    return format;
}

// The context made current on the panel's window, or none when the platform gives none.
std::unique_ptr<TogeContext> makeCurrentContext(QWindow* window)
{
    if (window == nullptr || window->handle() == nullptr)
        return nullptr;
    auto created = std::make_unique<TogeContext>();
    created->context.setFormat(window->requestedFormat());
    if (!created->context.create() || !created->context.makeCurrent(window))
        return nullptr;
    return created;
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
    if (window == nullptr)
        return false;
    for (const QWindow* shown = window; shown != nullptr; shown = shown->parent())
        if (!shown->isExposed())
            return false;
    return true;
}

bool Toge::attach(TogeDevice* device)
{
    dc = device;
    if (dc == nullptr || dc->window == nullptr)
        return false;
    QWindow& window = *dc->window;
    window.setSurfaceType(QSurface::OpenGLSurface);
    window.setFormat(panelFormat());
    window.create();
    return window.handle() != nullptr && window.supportsOpenGL();
}

bool Toge::createContext()
{
    std::unique_ptr<TogeContext> created = makeCurrentContext(dc != nullptr ? dc->window : nullptr);
    if (!created) {
        reportMissingGl();
        return false;
    }
    glContext = created.release();
    return true;
}

bool Toge::present()
{
    if (glContext == nullptr || dc == nullptr || dc->window == nullptr)
        return false;
    QOpenGLContext& context = glContext->context;
    context.functions()->glFlush();
    // Swapping a window that is not on screen (not yet shown, minimised) is undefined in Qt.
    if (!dc->onScreen())
        return false;
    context.swapBuffers(dc->window);
    // The context stays current on every platform we run on; should one release it on swap,
    // the next frame must still find it current.
    if (QOpenGLContext::currentContext() != &context)
        context.makeCurrent(dc->window);
    return true;
}

Toge::~Toge()
{
    delete glContext;
}
