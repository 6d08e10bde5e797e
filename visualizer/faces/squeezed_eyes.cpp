#include "face_changes.h"
#include "face_pieces.h"
#include "face_template.h"
#include "faces.h"

#include <cmath>
#include <vector>

namespace {

// The eyes squeezed shut of faces 11 and 28, drawn in place of the pupils: a small white disk at
// each eye's centre (turned to face the camera, but inside the eye, which hides it), then on each
// eye three black bars fanning out from a point on its inner side, a less-than sign with a middle
// bar on the right eye and its mirror image on the left. The faces differ in the bars' size and
// depth.
struct EyeMarks {
    double startX;      // the inner end of the right eye's bars, before the shift
    double length;      // from the inner end to the outer one
    double towardsNose; // taken off every x of the right eye's bars
    double levelEndX;   // the outer x of the level bar, written out rather than worked out
    double z;
};

// One eye's black and its three bars: rising, falling, level. `side` is 1 for the right eye and
// -1 for the left: the left bars are the right ones with every x negated, so their corners run the
// other way round (and GL shows the other face of them).
std::vector<FaceStep> eyeMarks(const EyeMarks& marks, double side)
{
    constexpr double baseY = -4.4;
    constexpr double thickness = 0.6;
    constexpr double barAngle = 0.5235986666666667; // 30 degrees with pi as 3.141592
    const double innerX = marks.startX - marks.towardsNose;
    const auto bar = [&](double outerX, double outerY) {
        return QuadStep{{{{side * innerX, baseY},
                          {side * innerX, baseY - thickness},
                          {side * outerX, outerY - thickness},
                          {side * outerX, outerY}}},
                        marks.z};
    };
    const double slantX = marks.startX + marks.length * std::cos(barAngle) - marks.towardsNose;
    return {ColourStep{faceColour::black}, bar(slantX, baseY - marks.length * std::sin(barAngle)),
            bar(slantX, baseY - marks.length * std::sin(-barAngle)), bar(marks.levelEndX, baseY)};
}

std::vector<FaceStep> squeezedEyes(const FaceInputs& in, const EyeMarks& marks)
{
    std::vector<FaceStep> steps = eyeDisks(in);
    for (const double side : {1.0, -1.0})
        for (FaceStep& step : eyeMarks(marks, side))
            steps.push_back(std::move(step));
    return steps;
}

} // namespace

// Face type 11: the template with its eyes squeezed shut by short marks at the eyes' front.
void drawFace11(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    FacePlan face = faceTemplate(in);
    face.replace(
        {FacePart::rightPupil, FacePart::leftPupil},
        squeezedEyes(in,
                     {.startX = 4.7, .length = 2, .towardsNose = 0, .levelEndX = 6.7, .z = -2}));
    face.draw(surface);
}

// Face type 28, verdict level 3: the template with enlarged eyes squeezed shut, the marks long and
// in front of the eyes.
void drawFace28(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    FacePlan face = faceTemplate(in);
    setRadius(face, {FacePart::rightEye, FacePart::leftEye}, 3.5);
    face.replace(
        {FacePart::rightPupil, FacePart::leftPupil},
        squeezedEyes(in,
                     {.startX = 4.7, .length = 3.5, .towardsNose = 1, .levelEndX = 7.2, .z = -4}));
    face.draw(surface);
}
