#include "angles.h"
#include "face_changes.h"
#include "face_template.h"
#include "faces.h"

namespace {

// F: sin(P x 3.14159 / 180) with P = 50 x angle worked out in 32-bit integer arithmetic, so the
// pupils dart out and in five times in 36 frames.
double dartingSine(std::int32_t angle)
{
    return angles::sinShort(angles::wholeDegrees(50LL * angle));
}

} // namespace

// Face type 19, verdict level 1: the template with wide-open eyes and darting pupils.
void drawFace19(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    // The eyes keep a fixed size.
    fixEyeScale(face, 2, 2);
    // Large pupils swinging by F instead of S, the same size calm or excited.
    const double f = dartingSine(angle);
    face[FacePart::rightPupil].transforms = {translate(f + 6, -5, -2), scale(2, 2, 1)};
    face[FacePart::leftPupil].transforms = {translate(-6 - f, -5, -2), scale(2, 2, 1)};
    face.draw(surface);
}
