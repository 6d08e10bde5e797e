#include "compose_scene.h"

#include "bands.h"
#include "primitives.h"
#include "quadric.h"
#include "scene_dispatch.h"

#include <GL/gl.h>

namespace {

// A cylinder 0.01 long and 0.01 wide running up the screen from the origin, drawn in the default
// material; it covers less than a tenth of a pixel.
void drawAxisCylinder(std::int32_t slices)
{
    glPushMatrix();
    withQuadric([slices](GLUquadric* quadric) {
        glRotatef(90.0F, 1.0F, 0.0F, 0.0F);
        gluCylinder(quadric, 0.01, 0.01, 0.01, slices, 30);
    });
    glPopMatrix();
}

void run(const DecorationEntry& entry, const DrawerArgs& args)
{
    for (SceneDrawer drawer : entry)
        if (drawer != nullptr)
            drawer(args);
}

} // namespace

void composeScene(Toge& surface, std::int32_t angle, std::int32_t bandCount,
                  const double* bandValues, std::int32_t slices, std::int32_t threshold,
                  std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                  std::int32_t decorC, std::int32_t extra)
{
    const std::int32_t bands = bandValues == nullptr ? 0 : clampBandCount(bandCount);
    const BandFeatures inputs = deriveBandFeatures(bands, bandValues);
    const DrawerArgs args{surface, angle,     bands,    inputs.features.data(),
                          slices,  threshold, faceType, meanLevelOf(inputs.mean),
                          extra};

    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    drawAxisCylinder(slices);

    if (SceneDrawer face = faceDrawer(faceType))
        face(args);
    run(decorationA(decorA), args);
    run(decorationB(decorB), args);
    run(decorationC(decorC), args);

    // Drawn under whatever blend state the decorations left.
    drawBackdrop(surface, angle, bands, args.bandFeatures, slices, threshold, faceType,
                 args.meanLevel, 0.0, 0.0, 0.0);

    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void drawBackdrop(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/,
                  double red, double green, double blue)
{
    setColour(surface, red, green, blue, 1.0);
    drawQuad(surface, -20.0, -20.0, 20.0, -20.0, 20.0, 20.0, -20.0, 20.0, 10.0);
}
