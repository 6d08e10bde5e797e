#include "face_changes.h"
#include "face_template.h"
#include "faces.h"

#include <optional>
#include <utility>

namespace {

// Where a view of the tall-eyed face puts its parts: the translation or scale it adds to each part,
// or nothing. Faces 7 and 8 are its views up and down; face 27 has those two (its pupils larger,
// and lower in the downward view) and two sideways ones.
struct FaceView {
    std::optional<Transform> eyeShift; // after the eye's own translation
    std::optional<Transform> eyeScale;
    std::optional<Transform> pupilShift; // before the pupil's own translation
    std::optional<Transform> rightPupil; // the pupils' own translations
    std::optional<Transform> leftPupil;
    std::optional<Transform> lowerFaceShift; // nose, mouth and inner shapes, after their own
    std::optional<Transform> upperLipShift;  // the lips': after their excited steps
    std::optional<Transform> lowerLipShift;
};

constexpr Transform tallEyes = scale(1.5, 3, 1);

// Looking up: the pupils high in the eyes, nose, mouth and lips raised, the lips 1 nearer.
FaceView lookingUp()
{
    return {.eyeShift = std::nullopt,
            .eyeScale = tallEyes,
            .pupilShift = std::nullopt,
            .rightPupil = translate(6, -9, -4),
            .leftPupil = translate(-6, -9, -4),
            .lowerFaceShift = translate(0, -4, 0),
            .upperLipShift = translate(0, -4, -1),
            .lowerLipShift = translate(0, -4, -1)};
}

// Looking down: eyes, pupils and the lower face moved down, the pupils low in the eyes.
FaceView lookingDown()
{
    return {.eyeShift = translate(0, 6, 0),
            .eyeScale = tallEyes,
            .pupilShift = translate(0, 6, 0),
            .rightPupil = translate(6, -1, -4),
            .leftPupil = translate(-6, -1, -4),
            .lowerFaceShift = translate(0, 4, 0),
            .upperLipShift = translate(0, 4, -2),
            .lowerLipShift = translate(0, 3.5, 0)};
}

// Wide eyes with both pupils and the lips towards one side of the picture: -1 the viewer's left,
// +1 the right.
FaceView lookingSideways(double side)
{
    return {.eyeShift = std::nullopt,
            .eyeScale = scale(2.5, 1.5, 1),
            .pupilShift = std::nullopt,
            .rightPupil = translate(6 + 3 * side, -5, -4),
            .leftPupil = translate(-6 + 3 * side, -5, -4),
            .lowerFaceShift = std::nullopt,
            .upperLipShift = translate(2 * side, 0, 0),
            .lowerLipShift = translate(2 * side, 0, 0)};
}

// The template seen in a view: tall eyes that follow no bandFeatures, still pupils, and the view's
// offsets. The eyes' turn about x comes last, so it turns only the sphere's tessellation.
FacePlan viewedFace(const FaceInputs& in, const FaceView& view, double pupilRadius)
{
    FacePlan face = faceTemplate(in);
    for (const auto& [part, x] :
         {std::pair{FacePart::rightEye, 6.0}, std::pair{FacePart::leftEye, -6.0}}) {
        TransformList& eye = face[part].transforms;
        eye = {translate(x, -5, -2)};
        if (view.eyeShift)
            eye.append(*view.eyeShift);
        if (view.eyeScale)
            eye.append(*view.eyeScale);
        eye.append(rotate(-80, 1, 0, 0));
    }
    // The pupils keep only the template's calm or excited scale: without a place of their own they
    // stay at the origin.
    for (const auto& [part, own] : {std::pair{FacePart::rightPupil, view.rightPupil},
                                    std::pair{FacePart::leftPupil, view.leftPupil}}) {
        Element& pupil = face[part];
        pupil.transforms = {finalScale(pupil)};
        if (own)
            pupil.transforms.insert(0, *own);
        if (view.pupilShift)
            pupil.transforms.insert(0, *view.pupilShift);
        sphereRadius(pupil) = pupilRadius;
    }
    if (view.lowerFaceShift)
        insertAfterFirstTranslation(
            face,
            {FacePart::nose, FacePart::mouth, FacePart::rightInnerShape, FacePart::leftInnerShape},
            *view.lowerFaceShift);
    if (view.upperLipShift)
        insertBeforeFinalScale(face[FacePart::upperLip], *view.upperLipShift);
    if (view.lowerLipShift)
        insertBeforeFinalScale(face[FacePart::lowerLip], *view.lowerLipShift);
    return face;
}

// Face 27's variants: 1 and 2 are the views of faces 7 and 8 (the pupils of 2 sit higher, in the
// middle of the eyes), 3 and 4 look to the viewer's left and right; any other value adds nothing.
FaceView variantView(std::int32_t variant)
{
    switch (variant) {
    case 1:
        return lookingUp();
    case 2: {
        FaceView view = lookingDown();
        view.rightPupil = translate(6, -6, -4);
        view.leftPupil = translate(-6, -6, -4);
        return view;
    }
    case 3:
        return lookingSideways(-1);
    case 4:
        return lookingSideways(1);
    default:
        return {};
    }
}

} // namespace

// Face types 7 and 8: the face looking up (direction 1) or down (direction 2). A direction no
// table entry gives looks up, as face type 7 does.
void drawFace7(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
               const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
               std::int32_t /*faceType*/, std::int32_t meanLevel, std::int32_t direction)
{
    const FaceView view = direction == 2 ? lookingDown() : lookingUp();
    viewedFace(faceInputs(angle, bandFeatures, slices, threshold, meanLevel), view, 0.5)
        .draw(surface);
}

// Face type 27: the face with large pupils in one of four variants (the composer's is 2).
void drawFace27(Toge& surface, std::int32_t angle, std::int32_t /*bandCount*/,
                const double* bandFeatures, std::int32_t slices, std::int32_t threshold,
                std::int32_t /*faceType*/, std::int32_t meanLevel, std::int32_t variant)
{
    viewedFace(faceInputs(angle, bandFeatures, slices, threshold, meanLevel), variantView(variant),
               1.5)
        .draw(surface);
}
