// Face type 1 through Mesa's software rasterizer: a handful of pixels that follow from the
// geometry, with colours worked out from GL's lighting of the exact calls.
#include "panel_frames.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using headless::FrameRequest;
using headless::Image;

constexpr int width = panelWidth;
constexpr int height = panelHeight;

constexpr Colour3 white{1, 1, 1};
constexpr Colour3 black{0, 0, 0};
constexpr Colour3 orange{1, 0.5, 0};
constexpr Colour3 lipRed{0.8, 0, 0};

PixelPosition at(Vec3 scene)
{
    return onPanel(scene);
}

class FaceOnePixels : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FrameRequest request;
        request.angle = 0;
        calm.emplace(renderFrames(request));
    }
    static void TearDownTestSuite() { calm.reset(); }
    static std::optional<Frames> calm;
};
std::optional<Frames> FaceOnePixels::calm;

TEST_F(FaceOnePixels, TheEyeIsWhite)
{
    const SurfacePoint p = ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, {0.55, 0.45, -0.7});
    EXPECT_TRUE(colourNear(calm->steady, at(p.point), litFront(white, p.point, p.normal)));
    const SurfacePoint left = ellipsoidPoint({-6, -5, 0}, {1, 1, 1}, 2, {-0.55, 0.45, -0.7});
    EXPECT_TRUE(colourNear(calm->steady, at(left.point), litFront(white, left.point, left.normal)));
}

TEST_F(FaceOnePixels, ThePupilsAreBlackInFrontOfTheEyes)
{
    // Black material shows only its ambient term, 0.12, whatever the normal; probed beside the
    // pupil's camera-facing pole.
    const Colour3 ambientOnly{0.12, 0.12, 0.12};
    for (const double x : {6.0, -6.0}) {
        const SurfacePoint p =
            ellipsoidPoint({x, -5, -2}, {1, 1, 1}, 0.5, {x > 0 ? -0.6 : 0.6, 0.1, -0.8});
        EXPECT_TRUE(colourNear(calm->steady, at(p.point), ambientOnly)) << "pupil at x = " << x;
    }
}

TEST_F(FaceOnePixels, TheNoseAndTheMouthAreOrange)
{
    const SurfacePoint nose = ellipsoidPoint({0, -2, -2}, {1, 2, 1}, 2, {0.35, -0.5, -0.8});
    EXPECT_TRUE(
        colourNear(calm->steady, at(nose.point), litFront(orange, nose.point, nose.normal)));
    // The mouth at angle 0 has the half-width 3; it shows beside the nose.
    const SurfacePoint mouth = ellipsoidPoint({0, 0.5, -1.2}, {1.5, 0.8, 1}, 2, {0.85, 0.2, -0.49});
    EXPECT_TRUE(
        colourNear(calm->steady, at(mouth.point), litFront(orange, mouth.point, mouth.normal)));
}

TEST_F(FaceOnePixels, TheUpperLipIsRed)
{
    const SurfacePoint lip = ellipsoidPoint({0, 5, -1}, {3, 1, 1}, 2, {-0.8, -0.3, -0.52});
    EXPECT_TRUE(colourNear(calm->steady, at(lip.point), litFront(lipRed, lip.point, lip.normal)));
}

TEST_F(FaceOnePixels, TheBackdropShowsItsBackInGreyInsideTheSquare)
{
    // The square's corners run clockwise on screen: GL lights its back with the default back
    // material, ambient 0.2 x (global 0.2 + light 1) = 0.24; the light lies on the front side.
    const Colour3 grey = litBack({-15, -12, 10}, {0, 0, -1});
    EXPECT_NEAR(grey.red, 0.24, 1e-12);
    for (const Vec3 p :
         {Vec3{-15, -12, 10}, Vec3{15, 12, 10}, Vec3{0, 14, 10}, Vec3{-19, 15, 10}}) {
        EXPECT_TRUE(colourNear(calm->steady, at(p), grey, 0.01)) << p.x << ", " << p.y;
        EXPECT_TRUE(colourNear(calm->first, at(p), grey, 0.01))
            << "first frame " << p.x << ", " << p.y;
    }
}

TEST_F(FaceOnePixels, BlackStripsOfTheClearColourAtTheLeftAndRightEdges)
{
    // At the panel's aspect the square, 20 wide each side at depth 40, ends short of the edges.
    const int squareRight = at({20, 0, 10}).x;
    const int squareLeft = at({-20, 0, 10}).x;
    EXPECT_GT(squareLeft, 10);
    EXPECT_LT(squareRight, width - 10);
    for (const int y : {2, height / 2, height - 3}) {
        for (const int x : {0, squareLeft - 2, squareRight + 2, width - 1}) {
            EXPECT_TRUE(colourNear(calm->steady, {x, y}, black, 0.0)) << x << ", " << y;
        }
        EXPECT_TRUE(colourNear(calm->steady, {squareLeft + 2, y}, {0.24, 0.24, 0.24}, 0.01));
        EXPECT_TRUE(colourNear(calm->steady, {squareRight - 2, y}, {0.24, 0.24, 0.24}, 0.01));
    }
}

TEST_F(FaceOnePixels, TheFirstFramesLightStandsBelowTheFigure)
{
    // The light position meets the identity matrix on a context's first frame: (0, 20, 0).
    const SurfacePoint top = ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, {0, -0.8, -0.6});
    const SurfacePoint bottom = ellipsoidPoint({6, -5, 0}, {1, 1, 1}, 2, {0, 0.8, -0.6});
    EXPECT_TRUE(colourNear(calm->steady, at(top.point), litFront(white, top.point, top.normal)));
    EXPECT_TRUE(
        colourNear(calm->steady, at(bottom.point), litFront(white, bottom.point, bottom.normal)));
    EXPECT_TRUE(colourNear(calm->first, at(top.point),
                           litFront(white, top.point, top.normal, firstFrameLight)));
    EXPECT_TRUE(colourNear(calm->first, at(bottom.point),
                           litFront(white, bottom.point, bottom.normal, firstFrameLight)));
}

TEST(FaceOneExcitedPixels, TheLipsMoveAndTheInnerShapesAppear)
{
    FrameRequest request;
    request.angle = 0;
    request.bands.assign(14, 100.0); // mean level 93, above the threshold 60
    const Image excited = renderFrames(request).steady;
    // The excited upper lip lies over the mouth: centre (0, 1, -3), semi-axes 9 x 2 x 2.
    const SurfacePoint upper = ellipsoidPoint({3, 1, -3}, {4.5, 1, 1}, 2, {0.5, -0.3, -0.81});
    EXPECT_TRUE(colourNear(excited, at(upper.point), litFront(lipRed, upper.point, upper.normal)));
    // A dark-red inner shape between the lips, at (0.5, 6, -1.5) turned by 15 degrees.
    const Colour3 inner = colourAt(excited, at({0.9, 5.2, -2.4}));
    EXPECT_GT(inner.red, 0.4);
    EXPECT_LT(inner.green, 0.2);
    EXPECT_GT(inner.blue, inner.green) << "the inner red has a touch of blue";
}

} // namespace
