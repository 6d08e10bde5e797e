#include "face_changes.h"
#include "face_template.h"
#include "faces.h"
#include "squeezed_eyes.h"

// Face type 28, verdict level 3: the template with enlarged eyes squeezed shut, the marks long and
// in front of the eyes.
void drawFace28(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    FacePlan face = faceTemplate(in);
    setRadius(face, {FacePart::rightEye, FacePart::leftEye}, 3.5);
    face.replace({FacePart::rightPupil, FacePart::leftPupil},
                 squeezedEyes(in, {.startX = 4.7, .length = 3.5, .towardsNose = 1, .levelEndX = 7.2, .z = -4}));
    face.draw(surface);
}
