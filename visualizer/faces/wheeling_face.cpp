#include "angles.h"
#include "face_changes.h"
#include "face_template.h"
#include "faces.h"

namespace {

// Where a part stands on its wheel at a whole-degree angle: on a circle of radius 5 in the plane
// of y and z, starting at its home position and going round behind it.
Transform wheelOffset(std::int32_t degrees)
{
    constexpr double radius = 5;
    return translate(0, radius * angles::sinShort(degrees),
                     radius - radius * angles::cosShort(degrees));
}

} // namespace

// Face type 16: the eyes and the nose-and-mouth pair each travel round a wheel, a third of a turn
// apart, once every 30 frames; the pupils and lips stay where the template has them.
void drawFace16(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const std::int32_t rightEyeAngle = angles::wholeDegrees(12LL * angle);
    const std::int32_t leftEyeAngle = angles::wholeDegrees(rightEyeAngle + 120LL);
    const std::int32_t noseAngle = angles::wholeDegrees(rightEyeAngle + 240LL);
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    insertAfterFirstTranslation(face[FacePart::rightEye], wheelOffset(rightEyeAngle));
    insertAfterFirstTranslation(face[FacePart::leftEye], wheelOffset(leftEyeAngle));
    insertAfterFirstTranslation(face, {FacePart::nose, FacePart::mouth}, wheelOffset(noseAngle));
    face.draw(surface);
}
