#pragma once

#include <GL/glu.h>

// Every sphere, disk and cylinder gets its own GLU quadric, made just before and deleted just
// after it is drawn. When GLU cannot make one, the shape is skipped; whatever matrix push the
// caller made around it is still popped by the caller.
template <typename Draw>
void withQuadric(Draw draw)
{
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr)
        return;
    draw(quadric);
    gluDeleteQuadric(quadric);
}
