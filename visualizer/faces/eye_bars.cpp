#include "face_pieces.h"
#include "face_template.h"
#include "faces.h"

#include <optional>

namespace {

// A black bar across each eye, as the faces 12, 13, 14 and 17 draw it: an open cylinder of radius
// 0.3 running outwards from its start, turned about x by the tilt if there is one.
struct EyeBars {
    Transform rightStart;
    Transform leftStart;
    std::optional<double> tilt;
    double length;
    double leftEyeY; // the left eye's and left pupil's height; face 17 raises them
};

// The template with a bar after each pupil. Both pupils swing the same way with S and no longer
// grow when excited.
void drawEyeBarFace(Toge& surface, const FaceInputs& in, const EyeBars& bars)
{
    const double* f = in.features;
    const double s = animationSine(in.angle);
    FacePlan face = faceTemplate(in);
    firstTranslation(face[FacePart::leftEye]) =
        translate(2 * f[6] - 6, 2 * f[7] + bars.leftEyeY, 0);
    face[FacePart::rightPupil].transforms = {translate(s + 6, -5, -2)};
    face[FacePart::leftPupil].transforms = {translate(s - 6, bars.leftEyeY, -2)};
    // Each bar takes the black of the pupil drawn just before it.
    face.insertAfter(FacePart::rightPupil,
                     {outwardBar(bars.rightStart, 1, 0.3, bars.length, bars.tilt, in.slices)});
    face.insertAfter(FacePart::leftPupil,
                     {outwardBar(bars.leftStart, -1, 0.3, bars.length, bars.tilt, in.slices)});
    face.draw(surface);
}

} // namespace

// Face type 12: level bars across the middle of the eyes.
void drawFace12(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    drawEyeBarFace(surface, faceInputs(angle, bandFeatures, slices, threshold, meanLevel),
                   {translate(3.8, -5.3, -2), translate(-3.8, -5.3, -2), std::nullopt, 3.6, -5});
}

// Face type 13: bars rising towards the outer side of each eye.
void drawFace13(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    drawEyeBarFace(surface, faceInputs(angle, bandFeatures, slices, threshold, meanLevel),
                   {translate(3.8, -5.3, -2), translate(-3.8, -5.3, -2), 30, 3.6, -5});
}

// Face type 14: longer bars set higher, falling towards the outer side of each eye.
void drawFace14(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    drawEyeBarFace(surface, faceInputs(angle, bandFeatures, slices, threshold, meanLevel),
                   {translate(4.5, -6.8, -2), translate(-4.5, -6.8, -2), -30, 4, -5});
}

// Face type 17: level bars, with the left eye, its pupil and its bar raised by 2.
void drawFace17(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    drawEyeBarFace(surface, faceInputs(angle, bandFeatures, slices, threshold, meanLevel),
                   {translate(3.8, -5.3, -2), translate(-3.8, -7.3, -2), std::nullopt, 3.6, -7});
}
