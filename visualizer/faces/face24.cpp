#include "face_changes.h"
#include "face_pieces.h"
#include "faces.h"

// Face type 24, verdict level 2: the template with large blank eyes and a wide four-piece mouth.
void drawFace24(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    FacePlan face = faceTemplate(in);
    // Large eyes of a fixed size, without pupils.
    fixEyeScale(face, 2, 2);
    face.omit(FacePart::rightPupil);
    face.omit(FacePart::leftPupil);
    // Four red pieces in place of the lips: a tilted end on each side, a long flat bar and a
    // shorter one below.
    face.replace({FacePart::upperLip, FacePart::lowerLip}, fourPieceMouth(in, 35, 5, 0.7));
    face.draw(surface);
}
