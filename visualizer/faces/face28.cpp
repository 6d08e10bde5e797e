#include "face_pieces.h"
#include "faces.h"

#include <cmath>

namespace {

// Three black bars fanning out from a point on the eye's inner side (a less-than sign with a
// middle bar on the right eye, its mirror image on the left), at z = -4 in front of the eye.
// `side` is 1 for the right eye and -1 for the left: the left bars are the right ones with every
// x negated, so their corners run the other way round.
std::vector<FaceStep> squeezedEyeMarks(double side)
{
    constexpr double anchorX = 4.7;
    constexpr double anchorY = -4.4;
    constexpr double length = 3.5;
    constexpr double thickness = 0.6;
    constexpr double towardsNose = 1;
    constexpr double barAngle = 0.5235986666666667; // 30 degrees with pi as 3.141592
    const double outerX = anchorX + length * std::cos(barAngle) - towardsNose;
    const double innerX = anchorX - towardsNose;
    const auto bar = [&](double outerY) {
        return QuadStep{{{{side * innerX, anchorY},
                          {side * innerX, anchorY - thickness},
                          {side * outerX, outerY - thickness},
                          {side * outerX, outerY}}},
                        -4};
    };
    const auto levelBar = QuadStep{{{{side * innerX, anchorY},
                                     {side * innerX, anchorY - thickness},
                                     {side * 7.2, -5.0},
                                     {side * 7.2, -4.4}}},
                                   -4};
    return {ColourStep{faceColour::black}, bar(anchorY - length * std::sin(barAngle)),
            bar(anchorY - length * std::sin(-barAngle)), levelBar};
}

} // namespace

// Face type 28, verdict level 3: the template with enlarged eyes squeezed shut.
void drawFace28(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    FacePlan face = faceTemplate(in);
    sphereRadius(face[FacePart::rightEye]) = 3.5;
    sphereRadius(face[FacePart::leftEye]) = 3.5;
    // In place of the pupils: a disk at each eye's centre, then the marks of each eye.
    std::vector<FaceStep> eyes = eyeDisks(in);
    for (const double side : {1.0, -1.0})
        for (FaceStep& step : squeezedEyeMarks(side))
            eyes.push_back(std::move(step));
    face.replace({FacePart::rightPupil, FacePart::leftPupil}, std::move(eyes));
    face.draw(surface);
}
