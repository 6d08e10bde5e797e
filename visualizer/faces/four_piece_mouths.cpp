#include "face_changes.h"
#include "face_pieces.h"
#include "faces.h"

namespace {

// What faces 23 and 24 set of the template, which both give large eyes of a fixed size and a
// mouth of four red pieces that stay put when excited: a tilted end on each side (turned by
// +endTurn on the left and -endTurn on the right), a long bar at upperBarY and a shorter one
// below, both barHeight times a sphere of radius 2 high. Only the left end follows
// bandFeatures[8]; the other three follow bandFeatures[9].
struct FourPieceMouthFace {
    double endTurn;
    double upperBarY;
    double barHeight;
    bool blankEyes;              // the pupils left out
    bool innerShapesAlwaysShown; // calm or excited
};

// Face 23's wide eyes and always-showing inner shapes; face 24's blank eyes and wider, flatter
// mouth.
constexpr FourPieceMouthFace wideEyed{.endTurn = 45,
                                      .upperBarY = 4,
                                      .barHeight = 1,
                                      .blankEyes = false,
                                      .innerShapesAlwaysShown = true};
constexpr FourPieceMouthFace blankEyed{.endTurn = 35,
                                       .upperBarY = 5,
                                       .barHeight = 0.7,
                                       .blankEyes = true,
                                       .innerShapesAlwaysShown = false};

void drawFourPieceMouthFace(Toge& surface, const FaceInputs& in, const FourPieceMouthFace& look)
{
    const double* f = in.features;
    const std::int32_t n = in.slices;
    using faceColour::lipRed;
    FacePlan face = faceTemplate(in);
    fixEyeScale(face, 2, 2);
    if (look.blankEyes) {
        face.omit(FacePart::rightPupil);
        face.omit(FacePart::leftPupil);
    }
    face.replace({FacePart::upperLip, FacePart::lowerLip},
                 {
                     tiltedLip(3 * f[8] - 5, look.endTurn, n),
                     tiltedLip(3 * f[9] + 5, -look.endTurn, n),
                     Element{lipRed,
                             {translate(3 * f[9], look.upperBarY, -1), scale(4, look.barHeight, 1)},
                             Sphere{2, n}},
                     Element{lipRed,
                             {translate(3 * f[9], 8, -1), scale(2, look.barHeight, 1)},
                             Sphere{2, n}},
                 });
    if (look.innerShapesAlwaysShown) {
        face.show(FacePart::rightInnerShape);
        face.show(FacePart::leftInnerShape);
    }
    face.draw(surface);
}

} // namespace

// Face type 23: wide eyes, a four-piece mouth and the dark-red inner shapes always showing;
// excited, only the pupils grow.
void drawFace23(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    drawFourPieceMouthFace(surface, in, wideEyed);
}

// Face type 24, verdict level 2: large blank eyes and a wide four-piece mouth, its ends tilted
// less, its upper bar lower and both bars flatter.
void drawFace24(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel)
{
    const FaceInputs in = faceInputs(angle, bandFeatures, slices, threshold, meanLevel);
    drawFourPieceMouthFace(surface, in, blankEyed);
}
