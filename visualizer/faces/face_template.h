#pragma once

#include "face_plan.h"

#include <cstdint>

// What a face drawer takes from its arguments: the band count and faceType do not shape faces.
struct FaceInputs {
    std::int32_t angle;
    const double* features; // bandFeatures: 0..3 stretch the eyes, 4..7 move them, 8..9 the lips
    std::int32_t slices;
    bool excited;
};

FaceInputs faceInputs(std::int32_t angle, const double* bandFeatures, std::int32_t slices,
                      std::int32_t threshold, std::int32_t meanLevel);

// S of the face figures: sin(angle x 3.14159 / 180). It swings the pupils and breathes the mouth
// once per turn of the angle.
double animationSine(std::int32_t angle);

// The colours of the faces; every one has alpha 0.5, which the composer's blending ignores.
namespace faceColour {
inline constexpr Colour white{1.0, 1.0, 1.0, 0.5};
inline constexpr Colour black{0.0, 0.0, 0.0, 0.5};
inline constexpr Colour orange{1.0, 0.5, 0.0, 0.5};
inline constexpr Colour lipRed{0.8, 0.0, 0.0, 0.5};
inline constexpr Colour innerRed{0.6, 0.0, 0.1, 0.5};
} // namespace faceColour

// The face template, the base of most faces: two white eyes, black pupils, an orange nose and
// mouth, two red lips and, when excited, two dark-red inner shapes. Its parts, in drawing order:
//
//   rightEye    white   T(2 f4 + 6, 2 f5 - 5, 0); Sc(1 + f0, 1 + f1, 1)            sphere 2
//   leftEye     white   T(2 f6 - 6, 2 f7 - 5, 0); Sc(1 + f2, 1 + f3, 1)            sphere 2
//   rightPupil  black   T(S + 6, -5, -2); excited Sc(2, 2, 1) else Sc(1, 1, 1)       sphere 0.5
//   leftPupil   black   T(-6 - S, -5, -2); as the right pupil                        sphere 0.5
//   nose        orange  T(0, -2, -2); Sc(1, 2, 1)                                    sphere 2
//   mouth       orange  T(0, 0.5, -1.2); Sc(1.5 + 0.5 S, 0.8, 1)                     sphere 2
//   upperLip    red     T(3 f8, 5, -1); excited T(0, -4, -2), Sc(1.5, 1, 1); Sc(3, 1, 1)   sphere 2
//   lowerLip    red     T(3 f9, 6, -1.5); excited T(0, 2, -2), Sc(1.5, 1, 1); Sc(2, 1, 1)  sphere 2
//   rightInnerShape dark red, shown when excited: T(0.5, 6, -1.5); R(15); Sc(1, 2, 1)  sphere 1
//   leftInnerShape  dark red, shown when excited: T(-0.5, 6, -1.5); R(-15); Sc(1, 2, 1) sphere 1
FacePlan faceTemplate(const FaceInputs& in);

// The template's parts begin with their first translation and end with their final scale (the
// lips' excited steps come between); faces name them in those terms.
inline Transform& firstTranslation(Element& part)
{
    return part.transforms[0];
}
inline Transform& finalScale(Element& part)
{
    return part.transforms.last();
}
inline void insertAfterFirstTranslation(Element& part, const Transform& transform)
{
    part.transforms.insert(1, transform);
}
inline void insertBeforeFinalScale(Element& part, const Transform& transform)
{
    part.transforms.insert(part.transforms.size() - 1, transform);
}
inline double& sphereRadius(Element& part)
{
    return std::get<Sphere>(part.shape).radius;
}
