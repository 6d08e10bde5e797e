#include "frame_setup.h"

#include "bands.h"
#include "compose_scene.h"
#include "frame_angle.h"
#include "primitives.h"
#include "toge.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// The slice count of every sphere, disk and cylinder the drawers make.
constexpr std::int32_t sceneSlices = 20;

void setProjection(const Toge& surface)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(surface.width) / static_cast<double>(surface.height),
                   2.0, 200.0);
}

// Light 0 is positional. Its position is given under the modelview matrix the previous frame
// left, the camera, so from the second frame on it stands at (0, -20, -30), 20 units up the
// screen at the camera's depth; on a context's first frame the matrix is still the identity.
void setLight()
{
    const GLfloat ambient[] = {1.0F, 1.0F, 1.0F, 1.0F};
    const GLfloat diffuse[] = {1.0F, 1.0F, 1.0F, 1.0F};
    const GLfloat specular[] = {0.0F, 0.0F, 0.0F, 0.0F};
    const GLfloat position[] = {0.0F, -20.0F, -30.0F, 1.0F};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0F);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

// The default material is setColour's with opaque red; it colours only the tiny axis cylinder.
void setDefaultMaterial(Toge& surface)
{
    setColour(surface, 1.0, 0.0, 0.0, 1.0);
}

// The camera at (0, 0, -30) looks at the origin with up (0, -1, 0): scene +x is the viewer's
// right and scene -y is up the screen.
void setCamera()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, -30.0, 0.0, 0.0, 0.0, 0.0, -1.0, 0.0);
}

} // namespace

void setupFrame(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                double* bandValues, std::int32_t threshold, std::int32_t extra)
{
    if (surface.glContext == nullptr || surface.width <= 0 || surface.height <= 0)
        return;
    const std::int32_t bands = bandValues == nullptr ? 0 : clampBandCount(bandCount);
    conditionBands(surface, bands, bandValues);
    const std::int32_t sceneAngle = frameAngle(angle, angleScale);

    glViewport(0, 0, surface.width, surface.height);
    glClearColor(0.0F, 0.0F, 0.0F, 0.0F);
    setProjection(surface);
    glEnable(GL_DEPTH_TEST);
    setLight();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setDefaultMaterial(surface);
    setCamera();

    composeScene(surface, sceneAngle, bands, bandValues, sceneSlices, threshold, faceType, decorA,
                 decorB, decorC, extra);
}
