#include "face_template.h"
#include "faces.h"

// Face type 25: the template with a small round mouth, a ring of four red pieces in place of the
// lips. The pieces keep the lips' excited moves; the two sides move with the upper lip.
void drawFace25(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    const double* f = in.features;
    FacePlan face = faceTemplate(in);
    Element& upperLip = face[FacePart::upperLip];
    Element& lowerLip = face[FacePart::lowerLip];
    firstTranslation(upperLip) = translate(3 * f[8], 4.2, -1.2);
    finalScale(upperLip) = scale(1.4, 0.5, 1);
    firstTranslation(lowerLip) = translate(3 * f[9], 7, -1.5);
    finalScale(lowerLip) = scale(1, 0.5, 1);
    // The sides: the upper lip's moves from their own place, turned and narrowed.
    const auto side = [&](double x, double degrees) {
        Element piece = upperLip;
        firstTranslation(piece) = translate(3 * f[8] + x, 5.7, -1);
        finalScale(piece) = rotateZ(degrees);
        piece.transforms.append(scale(0.5, 1, 1));
        return piece;
    };
    face.insertAfter(FacePart::lowerLip, {side(2, 15), side(-2, -15)});
    face.draw(surface);
}
