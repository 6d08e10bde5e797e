#include "face_template.h"
#include "faces.h"

// Face type 24, verdict level 2: the template with large blank eyes and a wide four-piece mouth.
void drawFace24(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    const double* f = in.features;
    FacePlan face = faceTemplate(in);
    // Large eyes of a fixed size, without pupils.
    finalScale(face[FacePart::rightEye]) = scale(2, 2, 1);
    finalScale(face[FacePart::leftEye]) = scale(2, 2, 1);
    face.omit(FacePart::rightPupil);
    face.omit(FacePart::leftPupil);
    // Four red pieces in place of the lips: a tilted end on each side, a long flat bar and a
    // shorter one below. They stay put when excited. Only the left end follows bandFeatures[8].
    using faceColour::lipRed;
    face.replace({FacePart::upperLip, FacePart::lowerLip},
                 {
                     Element{lipRed, {translate(3 * f[8] - 5, 6, -1), rotateZ(35), scale(2, 1, 1)}, Sphere{2, slices}},
                     Element{lipRed, {translate(3 * f[9] + 5, 6, -1), rotateZ(-35), scale(2, 1, 1)}, Sphere{2, slices}},
                     Element{lipRed, {translate(3 * f[9], 5, -1), scale(4, 0.7, 1)}, Sphere{2, slices}},
                     Element{lipRed, {translate(3 * f[9], 8, -1), scale(2, 0.7, 1)}, Sphere{2, slices}},
                 });
    face.draw(surface);
}
