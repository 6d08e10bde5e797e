#include "angles.h"
#include "face_changes.h"
#include "face_template.h"
#include "faces.h"
#include "jitter.h"

// Face type 20: the template shaken sideways, right, centre and left on successive frames. The
// shake moves every part, the excited inner shapes too.
void drawFace20(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    moveWholeFace(face, jitter(angle), 0, 0);
    face.draw(surface);
}

// Face type 21: the template looking one way. Both pupils sit 1.3 from their eye's centre in the
// direction `gaze` (degrees: 0 up the screen, 90 to the viewer's right), whatever the angle.
void drawFace21(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel, std::int32_t gaze)
{
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    const double across = 1.3 * angles::sinShort(gaze);
    const double up = 1.3 * angles::cosShort(gaze);
    firstTranslation(face[FacePart::rightPupil]) = translate(across + 6, -5 - up, -2);
    firstTranslation(face[FacePart::leftPupil]) = translate(across - 6, -5 - up, -2);
    face.draw(surface);
}
