#pragma once

#include <QOpenGLContext>

class QWindow;

// The Qt binding of the render surface: the drawable is the native OpenGL window that fills the
// face panel, the context a QOpenGLContext made current on it once for the whole run.
struct TogeDevice {
    QWindow* window = nullptr;
};

struct TogeContext {
    QOpenGLContext context;
};
