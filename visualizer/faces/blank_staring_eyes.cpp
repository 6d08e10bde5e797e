#include "face_template.h"
#include "faces.h"

// Face type 15, verdict level 4: the template staring with tall, wide, blank eyes.
void drawFace15(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    const double* f = in.features;
    FacePlan face = faceTemplate(in);
    finalScale(face[FacePart::rightEye]) = scale(2 + f[0], 3 + f[1], 1);
    finalScale(face[FacePart::leftEye]) = scale(2 + f[2], 3 + f[3], 1);
    face.omit(FacePart::rightPupil);
    face.omit(FacePart::leftPupil);
    face.draw(surface);
}
