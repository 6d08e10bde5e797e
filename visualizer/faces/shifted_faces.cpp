#include "angles.h"
#include "face_changes.h"
#include "face_template.h"
#include "faces.h"

namespace {

// The template with its features moved up or down the screen, each group by its own distance:
// eyes and pupils, nose and mouth, lips. The excited inner shapes stay where the template has
// them.
FacePlan shiftedFace(const FaceInputs& in, double eyesDown, double noseAndMouthDown,
                     double lipsDown)
{
    using enum FacePart;
    FacePlan face = faceTemplate(in);
    moveParts(face, {rightEye, leftEye, rightPupil, leftPupil}, 0, eyesDown, 0);
    moveParts(face, {nose, mouth}, 0, noseAndMouthDown, 0);
    moveParts(face, {upperLip, lowerLip}, 0, lipsDown, 0);
    return face;
}

// W: 4 x sin(8 x angle x 3.14159 / 180), the eight times angle formed as an integer. It swings
// face 36's eyes, pupils and lips towards the camera and back once every 45 frames.
double depthSwing(std::int32_t angle)
{
    return 4 * angles::sinShort(angles::wholeDegrees(8LL * angle));
}

} // namespace

// Face type 34: the template with its features moved down the screen.
void drawFace34(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    shiftedFace(faceInputs(angle, bandFeatures, slices, threshold, meanLevel), 10, 5, 3)
        .draw(surface);
}

// Face type 35: the template with its features moved up the screen.
void drawFace35(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    shiftedFace(faceInputs(angle, bandFeatures, slices, threshold, meanLevel), -4, -5.5, -7.5)
        .draw(surface);
}

// Face type 36: the template with huge eyes, large pupils and thick lips that swing towards the
// camera and away again; nose, mouth and inner shapes stay put.
void drawFace36(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    using enum FacePart;
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    setRadius(face, {rightEye, leftEye}, 5);
    setRadius(face, {rightPupil, leftPupil}, 1.5);
    setRadius(face, {upperLip, lowerLip}, 4);
    // The pupils stand 4 in front of the eyes' centres, then everything but the nose, mouth and
    // inner shapes swings in depth together.
    moveParts(face, {rightPupil, leftPupil}, 0, 0, -2);
    moveParts(face, {rightEye, leftEye, rightPupil, leftPupil, upperLip, lowerLip}, 0, 0,
              depthSwing(angle));
    face.draw(surface);
}
