#pragma once

#include <QOpenGLContext>

class QWindow;

// The Qt binding of the render surface: the drawable is the native OpenGL window that fills the
// face panel, the context a QOpenGLContext made current on it once for the whole run.
struct TogeDevice {
    QWindow* window = nullptr;

    // Whether a frame drawn now could be seen: the panel's window and every window it sits in are
    // exposed. A window manager that unmaps the main window (minimised, another workspace) tells
    // only the main window, so the panel's own exposure is not enough.
    bool onScreen() const;
};

struct TogeContext {
    QOpenGLContext context;
};
