#pragma once

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QtGui/qopengl.h>

class FacePanel;

// The Qt binding of the render surface. Frames are drawn into a framebuffer of the surface's own
// GL context, made current once for the whole run on an offscreen surface; presenting a frame
// reads it back and hands it to the face panel, an ordinary widget that Qt composes with the rest
// of the window. So the panel needs no native window of its own, which a Wayland compositor may
// never show, and the rest of the window stays in Qt's raster painting, which costs far less than
// composing the whole window through GL each frame on a software rasterizer.
struct TogeDevice {
    FacePanel* panel = nullptr;
    QOffscreenSurface surface;

    // Whether a frame presented now could be seen: the panel is visible and its window exposed
    // (not minimised, unmapped, hidden on another workspace, nor left without frame callbacks by
    // a Wayland compositor that shows it nowhere).
    bool onScreen() const;
};

struct TogeContext {
    QOpenGLContext context;
    // The frame's colour (8 bits a channel) and depth buffers, at the panel's device pixels.
    GLuint framebuffer = 0;
    GLuint colourBuffer = 0;
    GLuint depthBuffer = 0;
};
