#include "face_template.h"
#include "faces.h"

// Face type 31, verdict levels 5 to 8: the template distorted. Only the pupils still react to
// being excited.
void drawFace31(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    const double* f = in.features;
    const double s = animationSine(angle);
    FacePlan face = faceTemplate(in);

    // A tall right eye and a wide, tilted left eye, both of radius 2.5; the turns come between
    // the translation and the scale, so they turn the ellipsoids' own axes.
    Element& rightEye = face[FacePart::rightEye];
    insertAfterFirstTranslation(rightEye, rotateZ(-5));
    finalScale(rightEye) = scale(1 + f[0], 3 + f[1], 1);
    sphereRadius(rightEye) = 2.5;
    Element& leftEye = face[FacePart::leftEye];
    insertAfterFirstTranslation(leftEye, rotateZ(35));
    finalScale(leftEye) = scale(2 + f[2], 1 + f[3], 1);
    sphereRadius(leftEye) = 2.5;

    // The pupils one step nearer the camera; the right one three times the left one's radius.
    firstTranslation(face[FacePart::rightPupil]) = translate(s + 6, -5, -3);
    sphereRadius(face[FacePart::rightPupil]) = 1.5;
    firstTranslation(face[FacePart::leftPupil]) = translate(-6 - s, -5, -3);

    // The nose moved up and tilted, the mouth moved up and larger.
    Element& nose = face[FacePart::nose];
    firstTranslation(nose) = translate(0, -4, -3);
    insertAfterFirstTranslation(nose, rotateZ(15));
    firstTranslation(face[FacePart::mouth]) = translate(0, -1.5, -1.2);
    sphereRadius(face[FacePart::mouth]) = 3;

    // The lips always take a variant of the template's excited moves, calm or not.
    face[FacePart::upperLip].transforms = {translate(3 * f[8], 5, -1), translate(0, -3, -2),
                                           rotateZ(5), scale(1.5, 1, 1), scale(3, 1, 1)};
    face[FacePart::lowerLip].transforms = {translate(3 * f[9], 6, -1.5), translate(0, 2, -2),
                                           scale(1.5, 1, 1), scale(2, 1, 1)};
    // And the inner shapes always show.
    face.show(FacePart::rightInnerShape);
    face.show(FacePart::leftInnerShape);
    face.draw(surface);
}
