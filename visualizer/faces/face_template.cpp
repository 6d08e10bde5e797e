#include "face_template.h"

#include "angles.h"
#include "bands.h"

FaceInputs faceInputs(std::int32_t angle, const double* bandFeatures, std::int32_t slices,
                      std::int32_t threshold, std::int32_t meanLevel)
{
    return {angle, bandFeatures, slices, isExcited(meanLevel, threshold)};
}

double animationSine(std::int32_t angle)
{
    return angles::sinShort(angle);
}

FacePlan faceTemplate(const FaceInputs& in)
{
    using namespace faceColour;
    const double* f = in.features;
    const double s = animationSine(in.angle);
    const std::int32_t n = in.slices;
    FacePlan face;

    face.append(FacePart::rightEye,
                {white,
                 {translate(2 * f[4] + 6, 2 * f[5] - 5, 0), scale(1 + f[0], 1 + f[1], 1)},
                 Sphere{2, n}});
    face.append(FacePart::leftEye,
                {white,
                 {translate(2 * f[6] - 6, 2 * f[7] - 5, 0), scale(1 + f[2], 1 + f[3], 1)},
                 Sphere{2, n}});

    const Transform pupilScale = in.excited ? scale(2, 2, 1) : scale(1, 1, 1);
    face.append(FacePart::rightPupil,
                {black, {translate(s + 6, -5, -2), pupilScale}, Sphere{0.5, n}});
    face.append(FacePart::leftPupil,
                {black, {translate(-6 - s, -5, -2), pupilScale}, Sphere{0.5, n}});

    face.append(FacePart::nose, {orange, {translate(0, -2, -2), scale(1, 2, 1)}, Sphere{2, n}});
    face.append(FacePart::mouth,
                {orange, {translate(0, 0.5, -1.2), scale(1.5 + 0.5 * s, 0.8, 1)}, Sphere{2, n}});

    // Excited, the upper lip jumps up over the mouth and the lower lip drops, both widened.
    Element upperLip{lipRed, {translate(3 * f[8], 5, -1)}, Sphere{2, n}};
    Element lowerLip{lipRed, {translate(3 * f[9], 6, -1.5)}, Sphere{2, n}};
    if (in.excited) {
        upperLip.transforms.append(translate(0, -4, -2));
        upperLip.transforms.append(scale(1.5, 1, 1));
        lowerLip.transforms.append(translate(0, 2, -2));
        lowerLip.transforms.append(scale(1.5, 1, 1));
    }
    upperLip.transforms.append(scale(3, 1, 1));
    lowerLip.transforms.append(scale(2, 1, 1));
    face.append(FacePart::upperLip, upperLip);
    face.append(FacePart::lowerLip, lowerLip);

    face.append(FacePart::rightInnerShape,
                {innerRed, {translate(0.5, 6, -1.5), rotateZ(15), scale(1, 2, 1)}, Sphere{1, n}},
                in.excited);
    face.append(FacePart::leftInnerShape,
                {innerRed, {translate(-0.5, 6, -1.5), rotateZ(-15), scale(1, 2, 1)}, Sphere{1, n}},
                in.excited);
    return face;
}
