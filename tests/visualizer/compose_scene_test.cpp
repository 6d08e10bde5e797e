#include "compose_scene.h"
#include "frame_helpers.h"
#include "scene_dispatch.h"
#include "shape_expectations.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

using glrecord::Call;

struct Composed {
    std::int32_t faceType = 1;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    std::int32_t decorC = 45;
    std::vector<double> bands = std::vector<double>(14, 0.0);
    std::int32_t threshold = 60;
    std::int32_t angle = 1;
};

std::vector<Call> compose(const Composed& c)
{
    glrecord::reset();
    Toge surface;
    composeScene(surface, c.angle, static_cast<std::int32_t>(c.bands.size()), c.bands.data(), 20,
                 c.threshold, c.faceType, c.decorA, c.decorB, c.decorC, 0);
    return glrecord::calls();
}

bool sameCalls(const std::vector<Call>& a, const std::vector<Call>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].args != b[i].args)
            return false;
    return true;
}

void expectCalls(const std::vector<Call>& calls, std::size_t from,
                 const std::vector<Call>& expected)
{
    ASSERT_GE(calls.size(), from + expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(calls[from + i].name, expected[i].name) << "call " << from + i;
        EXPECT_EQ(calls[from + i].args, expected[i].args) << "call " << from + i;
    }
}

TEST(ComposeScene, OpensWithOpaqueBlendingAndTheAxisCylinder)
{
    const auto calls = compose({.faceType = 0});
    expectCalls(calls, 0,
                {{"glEnable", {GL_BLEND}},
                 {"glBlendFunc", {GL_ONE, GL_ZERO}},
                 {"glPushMatrix", {}},
                 {"gluNewQuadric", {1}},
                 {"glRotatef", {90, 1, 0, 0}},
                 {"gluCylinder", {0.01, 0.01, 0.01, 20, 30, 1}},
                 {"gluDeleteQuadric", {1}},
                 {"glPopMatrix", {}}});
}

TEST(ComposeScene, EndsWithTheBackdropAndTheClosingState)
{
    const auto calls = compose({});
    ASSERT_GE(calls.size(), 15U);
    const float tenth = 0.1F;
    expectCalls(calls, calls.size() - 15,
                {{"glMaterialfv",
                  {GL_FRONT, GL_AMBIENT, static_cast<double>(tenth), static_cast<double>(tenth),
                   static_cast<double>(tenth), 1}},
                 {"glMaterialfv", {GL_FRONT, GL_DIFFUSE, 0, 0, 0, 1}},
                 {"glMaterialfv", {GL_FRONT, GL_SPECULAR, 1, 1, 1, 1}},
                 {"glMaterialfv", {GL_FRONT, GL_SHININESS, 0}},
                 {"glBegin", {GL_POLYGON}},
                 {"glNormal3d", {0, 0, -1}},
                 {"glVertex3d", {-20, -20, 10}},
                 {"glVertex3d", {20, -20, 10}},
                 {"glVertex3d", {20, 20, 10}},
                 {"glVertex3d", {-20, 20, 10}},
                 {"glEnd", {}},
                 {"glDepthMask", {GL_FALSE}},
                 {"glBlendFunc", {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}},
                 {"glDepthMask", {GL_TRUE}},
                 {"glDisable", {GL_BLEND}}});
}

TEST(ComposeScene, FaceTypeZeroDrawsOnlyTheCylinderAndTheBackdrop)
{
    compose({.faceType = 0});
    const auto shapes = glrecord::shapes();
    ASSERT_EQ(shapes.size(), 2U);
    EXPECT_EQ(shapes[0].kind, glrecord::DrawnShape::Kind::cylinder);
    EXPECT_EQ(shapes[1].kind, glrecord::DrawnShape::Kind::polygon);
}

TEST(ComposeScene, FaceTypesOutsideTheCatalogueDrawFaceOne)
{
    const auto faceOne = compose({.faceType = 1});
    EXPECT_EQ(glrecord::count("gluSphere"), 8U);
    for (std::int32_t faceType : {37, -1, 45, 1000})
        EXPECT_TRUE(sameCalls(compose({.faceType = faceType}), faceOne)) << faceType;
}

TEST(ComposeScene, SelectorsThatNameNoEntryDrawNothing)
{
    const auto plain = compose({});
    for (std::int32_t id : {0, 45, -1, 99}) {
        EXPECT_TRUE(sameCalls(compose({.decorA = id}), plain)) << "A" << id;
        EXPECT_TRUE(sameCalls(compose({.decorB = id}), plain)) << "B" << id;
        EXPECT_TRUE(sameCalls(compose({.decorC = id}), plain)) << "C" << id;
    }
}

TEST(ComposeScene, EveryCatalogueIdDrawsSomething)
{
    // The whole catalogue is built: no face or decoration id falls on an empty table entry.
    const auto drawsSomething = [](const Composed& call, const Composed& without) {
        return !sameCalls(compose(call), compose(without));
    };
    for (std::int32_t faceType = 1; faceType <= faceCatalogueSize; ++faceType)
        EXPECT_TRUE(drawsSomething({.faceType = faceType}, {.faceType = 0})) << "face " << faceType;
    for (std::int32_t id = 1; id <= decorationACatalogueSize; ++id)
        EXPECT_TRUE(drawsSomething({.decorA = id}, {})) << "A" << id;
    for (std::int32_t id = 1; id <= decorationBCatalogueSize; ++id)
        EXPECT_TRUE(drawsSomething({.decorB = id}, {})) << "B" << id;
    for (std::int32_t id = 1; id <= decorationCCatalogueSize; ++id)
        EXPECT_TRUE(drawsSomething({.decorC = id}, {})) << "C" << id;
}

TEST(ComposeScene, QuadricsPerFrameAreTheCylinderAndTheFacesOwn)
{
    compose({});
    EXPECT_EQ(glrecord::quadricsCreated(), 9);
    EXPECT_EQ(glrecord::quadricsDeleted(), 9);
    compose({.bands = std::vector<double>(14, 100.0)});
    EXPECT_EQ(glrecord::quadricsCreated(), 11) << "the excited face has its two inner shapes";
    EXPECT_EQ(glrecord::quadricsDeleted(), 11);
}

TEST(ComposeScene, QuadricsPerFrameOfEachVerdictPicture)
{
    struct Picture {
        std::int32_t faceType;
        std::int32_t decorA;
        int quadrics; // the axis cylinder's included
    };
    for (const Picture p : {Picture{10, 14, 71}, Picture{19, 0, 9}, Picture{24, 9, 13},
                            Picture{28, 0, 9}, Picture{15, 0, 7}, Picture{31, 0, 11}}) {
        compose({.faceType = p.faceType, .decorA = p.decorA});
        EXPECT_EQ(glrecord::quadricsCreated(), p.quadrics) << p.faceType << "/" << p.decorA;
        EXPECT_EQ(glrecord::quadricsDeleted(), p.quadrics);
    }
}

TEST(ComposeScene, TheDecorationIsDrawnAfterTheFaceAndBeforeTheBackdrop)
{
    compose({.faceType = 10, .decorA = 14});
    const auto shapes = glrecord::shapes();
    ASSERT_EQ(shapes.size(), 1U + 66 + 4 + 1);
    for (std::size_t i = 67; i < 71; ++i) {
        EXPECT_EQ(shapes[i].kind, glrecord::DrawnShape::Kind::sphere) << i;
        EXPECT_TRUE(sameFloat(shapes[i].transforms.at(0).z, -3)) << "A14 lies at z = -3";
    }
    EXPECT_EQ(shapes.back().kind, glrecord::DrawnShape::Kind::polygon);
    EXPECT_EQ(shapes.back().vertices.at(0)[2], 10);
}

TEST(ComposeScene, ADecorationIdNamesAnEntryOfItsOwnCatalogueOnly)
{
    // decorB 9 is a bar glyph of flat bars, not A9's drops; decorC 14 names no entry at all.
    const auto glyph = compose({.decorB = 9});
    const std::size_t glyphDisks = glrecord::count("gluDisk");
    EXPECT_FALSE(sameCalls(glyph, compose({})));
    EXPECT_EQ(glrecord::count("gluDisk"), glyphDisks);
    EXPECT_FALSE(sameCalls(glyph, compose({.decorA = 9})));
    EXPECT_TRUE(sameCalls(compose({.decorC = 14}), compose({})));
}

TEST(ComposeScene, MeanLevelEqualToTheThresholdIsCalm)
{
    // Two bands of 90: sum 180 over a loud count of 3, mean level exactly 60.
    compose({.bands = {90, 90}, .threshold = 60});
    EXPECT_EQ(glrecord::count("gluSphere"), 8U);
    compose({.bands = {90, 90}, .threshold = 59});
    EXPECT_EQ(glrecord::count("gluSphere"), 10U);
}

TEST(ComposeScene, HandsTheFeaturesToTheFace)
{
    // Band 4 of 50 gives feature 0.5, which moves the right eye by 2 x 0.5.
    std::vector<double> bands(14, 0.0);
    bands[4] = 50;
    compose({.bands = bands});
    const auto eye = quadricShapes(glrecord::shapes()).at(1);
    EXPECT_TRUE(sameFloat(eye.transforms.at(0).x, 7));
}

TEST(ComposeScene, ClampsABandCountAboveTwenty)
{
    compose({.bands = std::vector<double>(40, 100.0)});
    EXPECT_EQ(glrecord::count("gluSphere"), 10U);
}

TEST(ComposeScene, LeavesTheMatrixStackBalanced)
{
    compose({.bands = std::vector<double>(14, 100.0)});
    const auto balance = glrecord::matrixBalance();
    EXPECT_EQ(balance.pushes, balance.pops);
    EXPECT_TRUE(balance.neverBelowStart);
}

} // namespace
