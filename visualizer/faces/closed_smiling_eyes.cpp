#include "dot_arc.h"
#include "face_template.h"
#include "faces.h"

namespace {

// Two arches of 30 small black dots, one in front of each eye: the upper half of a circle of
// radius 1.2 about (+-5.7, -4.7), from 0 to 174 degrees, so each stops 6 degrees short of its
// left end. The black is set once for both arches; the dots are unturned disks.
std::vector<FaceStep> closedEyeArches(std::int32_t slices)
{
    std::vector<FaceStep> steps{ColourStep{faceColour::black}};
    for (const double centreX : {5.7, -5.7})
        forEachArcDot({{centreX, -4.7}, 1.2, 0, 0.3, -2}, slices,
                      [&steps](Element dot) { steps.emplace_back(std::move(dot)); });
    return steps;
}

} // namespace

// Face type 10, verdict level 0: the template with its eyes closed in a smile.
void drawFace10(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    FacePlan face = faceTemplate(faceInputs(angle, bandFeatures, slices, threshold, meanLevel));
    // The arches are drawn in place of the pupils.
    face.replace({FacePart::rightPupil, FacePart::leftPupil}, closedEyeArches(slices));
    face.draw(surface);
}
