#include "additive_blending.h"

#include "primitives.h"

#include <GL/gl.h>

void beginAdditiveBlending(Toge& surface, std::optional<Colour> colour)
{
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    if (colour)
        setColour(surface, *colour);
    glEnable(GL_BLEND);
}

void endAdditiveBlending()
{
    glDisable(GL_BLEND);
}
