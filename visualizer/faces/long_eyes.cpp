#include "angles.h"
#include "face_template.h"
#include "faces.h"

namespace {

// How fast faces 5 and 6 move: the angle is multiplied by these single-precision factors for the
// pupils' swing and for the mouth's breath.
struct Pace {
    float pupils;
    float mouth;
};

// Face 5 swings and breathes 30 times as fast as the template; face 6 swings 5 times as fast and
// breathes at the template's pace. No other faceType reaches this drawer from the composer; any
// other value draws face 5, as the composer draws its first face for a type it does not know.
Pace paceOf(std::int32_t faceType)
{
    return faceType == 6 ? Pace{5.0F, 1.0F} : Pace{30.0F, 30.0F};
}

} // namespace

// Face types 5 and 6: long, flat eyes in fixed places, meeting at the nose, with pupils that
// swing twice as far; told apart by faceType.
void drawFace5(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t faceType, std::int32_t meanLevel)
{
    const Pace pace = paceOf(faceType);
    const double pupilSine =
        angles::sinShort(static_cast<double>(angle) * static_cast<double>(pace.pupils));
    const double mouthSine =
        angles::sinShort(static_cast<double>(angle) * static_cast<double>(pace.mouth));
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    // The eyes follow no bandFeatures.
    face[FacePart::rightEye].transforms = {translate(6, -5, 0), scale(3, 1, 1)};
    face[FacePart::leftEye].transforms = {translate(-6, -5, 0), scale(3, 1, 1)};
    firstTranslation(face[FacePart::rightPupil]) = translate(2 * pupilSine + 6, -5, -2);
    firstTranslation(face[FacePart::leftPupil]) = translate(-6 - 2 * pupilSine, -5, -2);
    finalScale(face[FacePart::mouth]) = scale(1.5 + 0.5 * mouthSine, 0.8, 1);
    face.draw(surface);
}
