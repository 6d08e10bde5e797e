#include "frame_setup.h"

#include "toge.h"

#include <GL/gl.h>

// Placeholder until the scene arrives: a cleared frame of the panel's size.
void setupFrame(Toge& surface, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                float, std::int32_t, double*, std::int32_t, std::int32_t)
{
    if (surface.glContext == nullptr || surface.height <= 0 || surface.width <= 0)
        return;
    glViewport(0, 0, surface.width, surface.height);
    glClearColor(0.0F, 0.0F, 0.0F, 0.0F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
