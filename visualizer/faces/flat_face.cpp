#include "faces.h"
#include "primitives.h"

// Face type 32: a flat yellow pentagon pointing up the screen with three black strokes 0.2 in
// front of it: a vertical one, a horizontal one across its lower part and a slanted one joining
// them. No template part, no matrix push, no quadric; it never moves.
//
// Every outline runs clockwise on screen, so GL shows the polygons' backs. With the frame's
// two-sided lighting and its front-only material those are lit by GL's default back material
// with the light behind them: the same ambient grey as the backdrop, so the figure all but
// vanishes into it.
void drawFace32(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                const double* /*bandFeatures*/, std::int32_t /*slices*/, std::int32_t /*threshold*/,
                std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    setColour(surface, 1, 1, 0, 1);
    drawPentagon(surface, 0, -10, 6, -7, 10, 10, -10, 10, -6, -7, -1.1);
    setColour(surface, 0, 0, 0, 1);
    drawQuad(surface, 0, -5, 2, -5, 2, 8, 0, 8, -1.3);
    drawQuad(surface, -6, 3, 5, 3, 5, 5, -6, 5, -1.3);
    drawQuad(surface, 0, -5, 2, -4, -4, 4, -6, 3, -1.3);
}
