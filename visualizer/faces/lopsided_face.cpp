#include "face_pieces.h"
#include "faces.h"

// Face type 33: the template made lopsided. The right eye is enlarged and its pupil, larger too,
// stands in front of it; a white disk at each eye's centre lies inside the eye.
void drawFace33(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    FacePlan face = faceTemplate(in);
    sphereRadius(face[FacePart::rightEye]) = 3.5;
    face.insertAfter(FacePart::leftEye, eyeDisks(in));
    Element& rightPupil = face[FacePart::rightPupil];
    firstTranslation(rightPupil).z = -4;
    sphereRadius(rightPupil) = 1.2;
    face.draw(surface);
}
