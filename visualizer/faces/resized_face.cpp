#include "face_template.h"
#include "faces.h"

namespace {

// What faces 2 and 3 change of the template: every radius by the size factor, the eyes' depth and
// the mouth's height.
struct Sizing {
    double factor;
    double eyeZ;
    double mouthLift;
};

// Face 2 at twice the size with the eyes set back, face 3 at half the size with the mouth raised.
// No other faceType reaches this drawer from the composer; any other value draws face 2, as the
// composer draws its first face for a type it does not know.
Sizing sizingOf(std::int32_t faceType)
{
    return faceType == 3 ? Sizing{0.5, 0, -0.7} : Sizing{2, 2, 0};
}

} // namespace

// Face types 2 and 3: the whole template resized, told apart by faceType.
void drawFace2(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t faceType, std::int32_t meanLevel)
{
    const Sizing sizing = sizingOf(faceType);
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    face.forEachElement([&sizing](FacePart, Element& part) { sphereRadius(part) *= sizing.factor; });
    firstTranslation(face[FacePart::rightEye]).z = sizing.eyeZ;
    firstTranslation(face[FacePart::leftEye]).z = sizing.eyeZ;
    firstTranslation(face[FacePart::mouth]) = translate(0, 0.5 + sizing.mouthLift, -1.2);
    face.draw(surface);
}
