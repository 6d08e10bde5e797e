// The catalogue faces built on the template, through Mesa's software rasterizer at angle 0: per
// family a probe or two where the face differs from its neighbours (face 1 above all), with the
// colours GL's lighting gives the exact calls. Probes keep away from the spheres' poles.
#include "panel_frames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr Colour3 white{1, 1, 1};
constexpr Colour3 lipRed{0.8, 0, 0};
constexpr Colour3 ambientOnly{0.12, 0.12, 0.12}; // black front material
constexpr Colour3 backGrey{0.24, 0.24, 0.24};    // a back face or the backdrop, light in front

struct Probe {
    Vec3 point;
    Colour3 expected;
    const char* what;
};

Probe lit(Colour3 diffuse, const SurfacePoint& p, const char* what)
{
    return {p.point, litFront(diffuse, p.point, p.normal), what};
}

struct FaceProbes {
    std::int32_t faceType;
    std::vector<Probe> probes;
};

void PrintTo(const FaceProbes& f, std::ostream* out)
{
    *out << "face " << f.faceType;
}

const std::vector<FaceProbes> faces{
    {2,
     {lit(white, ellipsoidPoint({6, -5, 2}, {1, 1, 1}, 4, {0.788, -0.256, -0.559}),
          "the eye of radius 4, beyond face 1's")}},
    {3,
     {{ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, {0.788, -0.256, -0.559}).point, backGrey,
       "backdrop where face 1's eye is"}}},
    {4,
     {lit(white, ellipsoidPoint({3, -2, -3}, {1, 1, 1}, 2, {0.6, -0.3, -0.74}),
          "the eye set close, beside the nose")}},
    {5,
     {lit(white, ellipsoidPoint({6, -5, 0}, {3, 1, 1}, 2, {0.779, -0.253, -0.574}),
          "the long eye's outer end")}},
    {7, {{{6.1, -9.1, -4.45}, ambientOnly, "the pupil high up, where face 8 has nothing"}}},
    {8, {{{6.1, 5.1, -4.45}, ambientOnly, "the pupil low down, where face 7 has nothing"}}},
    {27, {{{6.9, 0.5, -5.3}, ambientOnly, "the large pupil, over face 8's white eye"}}},
    {11,
     {{{5.2, -4.7, -2}, backGrey, "the right eye's level mark shows its back"},
      {{-5.2, -4.7, -2}, ambientOnly, "the left eye's mark shows its black front"}}},
    {12, {{{4.5, -5.3, -2.3}, ambientOnly, "the level bar over face 1's white eye"}}},
    {16,
     {{{-7.3, -5.5, -1}, backGrey, "backdrop: the left eye is on its wheel"},
      lit(white, ellipsoidPoint({-6, -5 + 4.330127, 7.5}, {1, 1, 1}, 2, {0.5, 0.4, -0.77}),
          "the left eye, lower and behind")}},
    {18,
     {lit(lipRed, ellipsoidPoint({0, 1, -3}, {4.5, 1, 1}, 2, {0.6, -0.3, -0.74}),
          "the excited upper lip over the mouth")}},
    {25,
     {{{0, 5.6, -1}, backGrey, "the hole of the ring, face 1's upper lip"},
      lit(lipRed, ellipsoidPoint({0, 4.2, -1.2}, {1.4, 0.5, 1}, 2, {0.6, -0.3, -0.74}),
          "the ring's upper piece")}},
};

class TemplateVariantPixels : public ::testing::TestWithParam<FaceProbes> {};

TEST_P(TemplateVariantPixels, ProbesShowWhatSetsTheFaceApart)
{
    headless::FrameRequest request;
    request.faceType = GetParam().faceType;
    request.angle = 0;
    const headless::Image picture = renderFrames(request).steady;
    for (const Probe& p : GetParam().probes)
        EXPECT_TRUE(colourNear(picture, onPanel(p.point), p.expected)) << p.what;
}

INSTANTIATE_TEST_SUITE_P(Faces, TemplateVariantPixels, ::testing::ValuesIn(faces),
                         [](const auto& test) {
                             return "Face" + std::to_string(test.param.faceType);
                         });

} // namespace
