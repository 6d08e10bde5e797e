#include "face_changes.h"
#include "face_template.h"
#include "faces.h"

// Face type 4: the template with its eyes and pupils set close together, lower and nearer the
// camera, and smaller lips raised under the mouth. Each change is a translation inserted after the
// part's own one, so the pupils still swing and the lips still jump when excited.
void drawFace4(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    using enum FacePart;
    insertAfterFirstTranslation(face, {rightEye, rightPupil}, translate(-3, 3, -3));
    insertAfterFirstTranslation(face, {leftEye, leftPupil}, translate(3, 3, -3));
    insertAfterFirstTranslation(face, {upperLip, lowerLip, rightInnerShape, leftInnerShape},
                                translate(0, -2, -2));
    finalScale(face[upperLip]) = scale(2, 1, 1);
    finalScale(face[lowerLip]) = scale(1.5, 1, 1);
    face.draw(surface);
}
