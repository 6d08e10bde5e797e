#include "face_changes.h"
#include "face_template.h"
#include "faces.h"

// The template at another size: faces 2 and 3 resize every part about its own place, faces 29
// and 30 give each part its own place and size.

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

// Where the parts of faces 29 and 30 sit and how large they are. The right-hand parts are given;
// the left ones mirror them. Scales, colours and the excited moves stay the template's, and so
// do the inner shapes, which are not resized.
struct FaceSize {
    double eyeX, eyeY, eyeRadius;
    double pupilX, pupilY, pupilZ, pupilSwing, pupilRadius; // pupils swing by pupilSwing x S
    double noseY, mouthY, upperLipY, lowerLipY;
    double featureRadius; // of the nose, the mouth and the lips
};

constexpr FaceSize smallFace{4, -3, 1.3, 4, -3, -2, 0.8, 0.2, -2, -0.5, 2.7, 3.2, 1.1};
constexpr FaceSize largeFace{7.5, -6, 3.5, 7, -6, -3.5, 1.4, 0.6, -1.6, 1.5, 7, 8.3, 2.5};

FacePlan resizedFace(const FaceInputs& in, const FaceSize& size)
{
    const double* f = in.features;
    const double swing = size.pupilSwing * animationSine(in.angle);
    FacePlan face = faceTemplate(in);
    firstTranslation(face[FacePart::rightEye]) =
        translate(2 * f[4] + size.eyeX, 2 * f[5] + size.eyeY, 0);
    firstTranslation(face[FacePart::leftEye]) =
        translate(2 * f[6] - size.eyeX, 2 * f[7] + size.eyeY, 0);
    firstTranslation(face[FacePart::rightPupil]) =
        translate(swing + size.pupilX, size.pupilY, size.pupilZ);
    firstTranslation(face[FacePart::leftPupil]) =
        translate(-size.pupilX - swing, size.pupilY, size.pupilZ);
    firstTranslation(face[FacePart::nose]) = translate(0, size.noseY, -2);
    firstTranslation(face[FacePart::mouth]) = translate(0, size.mouthY, -1.2);
    firstTranslation(face[FacePart::upperLip]) = translate(3 * f[8], size.upperLipY, -1);
    firstTranslation(face[FacePart::lowerLip]) = translate(3 * f[9], size.lowerLipY, -1.5);
    setRadius(face, {FacePart::rightEye, FacePart::leftEye}, size.eyeRadius);
    setRadius(face, {FacePart::rightPupil, FacePart::leftPupil}, size.pupilRadius);
    setRadius(face, {FacePart::nose, FacePart::mouth, FacePart::upperLip, FacePart::lowerLip},
              size.featureRadius);
    return face;
}

} // namespace

// Face types 2 and 3: the whole template resized, told apart by faceType.
void drawFace2(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t faceType, std::int32_t meanLevel)
{
    const Sizing sizing = sizingOf(faceType);
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    face.forEachElement(
        [&sizing](FacePart, Element& part) { sphereRadius(part) *= sizing.factor; });
    firstTranslation(face[FacePart::rightEye]).z = sizing.eyeZ;
    firstTranslation(face[FacePart::leftEye]).z = sizing.eyeZ;
    firstTranslation(face[FacePart::mouth]) = translate(0, 0.5 + sizing.mouthLift, -1.2);
    face.draw(surface);
}

// Face type 29: the template drawn small.
void drawFace29(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    resizedFace(faceInputs(angle, bandFeatures, slices, threshold, meanLevel), smallFace)
        .draw(surface);
}

// Face type 30: the template drawn large.
void drawFace30(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    resizedFace(faceInputs(angle, bandFeatures, slices, threshold, meanLevel), largeFace)
        .draw(surface);
}
