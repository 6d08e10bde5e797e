#include "face_changes.h"
#include "face_pieces.h"
#include "faces.h"

namespace {

// A closed eye: a short black bar along the eye's middle at the depth of its front, running
// outwards from x = +-4 (`side` 1 for the right eye, -1 for the left).
Element eyeBar(double side, std::int32_t slices)
{
    Element bar = outwardBar(translate(4 * side, -5, -2), side, 0.3, 3.6, std::nullopt, slices);
    bar.colour = faceColour::black;
    return bar;
}

// A thick slanting brow over an eye, rising outwards from (+-3, -6.3, -4), in the pupil's black.
Element brow(double side, std::int32_t slices)
{
    return outwardBar(translate(3 * side, -6.3, -4), side, 0.9, 4.6, 30, slices);
}

} // namespace

// Face type 22: the template with its eyes shut as black bars and two red lips crossed in an X.
void drawFace22(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    const double* f = in.features;
    FacePlan face = faceTemplate(in);
    face.replace({FacePart::rightPupil, FacePart::leftPupil},
                 {eyeBar(1, slices), eyeBar(-1, slices)});
    // The crossed lips stay put when excited; the excited inner shapes lie behind them.
    face.replace({FacePart::upperLip, FacePart::lowerLip},
                 {tiltedLip(3 * f[8], 45, slices), tiltedLip(3 * f[9], -45, slices)});
    face.draw(surface);
}

// Face type 26: the template with enlarged eyes, pupils set forward that swing together to the
// same side, and a slanting black brow over each eye.
void drawFace26(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    const double s = animationSine(angle);
    setRadius(face, {FacePart::rightEye, FacePart::leftEye}, 3.5);
    // The pupils keep one size, calm or excited, and both move by +S.
    face[FacePart::rightPupil].transforms = {translate(s + 6, -5, -4)};
    face[FacePart::leftPupil].transforms = {translate(s - 6, -5, -4)};
    setRadius(face, {FacePart::rightPupil, FacePart::leftPupil}, 0.7);
    face.insertAfter(FacePart::rightPupil, {brow(1, slices)});
    face.insertAfter(FacePart::leftPupil, {brow(-1, slices)});
    face.draw(surface);
}
