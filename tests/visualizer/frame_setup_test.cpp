#include "frame_helpers.h"
#include "shape_expectations.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using glrecord::Call;

class FrameSetup : public ::testing::Test {
protected:
    void SetUp() override
    {
        glrecord::reset();
        setUpPanel(surface);
    }
    Toge surface;
};

TEST(FrameSetupWithoutPanel, DrawsNothingWithoutAContextOrAnArea)
{
    struct Panel {
        bool context;
        std::int32_t width;
        std::int32_t height;
    };
    for (const Panel p : {Panel{false, 241, 177}, Panel{true, 241, 0}, Panel{true, 0, 177},
                          Panel{true, -5, 177}, Panel{true, 241, -1}}) {
        glrecord::reset();
        Toge surface;
        surface.width = p.width;
        surface.height = p.height;
        if (p.context)
            surface.createContext();
        std::vector<double> bands(14, 0.0);
        setupFrame(surface, 1, 0, 0, 45, 1, 1.0F, 14, bands.data(), 60, 0);
        EXPECT_TRUE(glrecord::calls().empty()) << p.width << "x" << p.height;
        EXPECT_EQ(surface.bandSign[0], 1) << "no frame, no conditioning";
    }
}

TEST_F(FrameSetup, SetsViewportProjectionLightMaterialAndCameraInOrder)
{
    drawRecordedFrame(surface, {});
    const float tenth = 0.1F;
    const std::vector<Call> expected = {
        {"glViewport", {0, 0, 241, 177}},
        {"glClearColor", {0, 0, 0, 0}},
        {"glMatrixMode", {GL_PROJECTION}},
        {"glLoadIdentity", {}},
        {"gluPerspective", {45, 1.3615819209039548, 2, 200}},
        {"glEnable", {GL_DEPTH_TEST}},
        {"glLightfv", {GL_LIGHT0, GL_AMBIENT, 1, 1, 1, 1}},
        {"glLightfv", {GL_LIGHT0, GL_DIFFUSE, 1, 1, 1, 1}},
        {"glLightfv", {GL_LIGHT0, GL_SPECULAR, 0, 0, 0, 0}},
        {"glLightfv", {GL_LIGHT0, GL_POSITION, 0, -20, -30, 1}},
        {"glLightModelf", {GL_LIGHT_MODEL_TWO_SIDE, 1}},
        {"glEnable", {GL_LIGHTING}},
        {"glEnable", {GL_LIGHT0}},
        {"glClear", {GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}},
        {"glMaterialfv",
         {GL_FRONT, GL_AMBIENT, static_cast<double>(tenth), static_cast<double>(tenth),
          static_cast<double>(tenth), 1}},
        {"glMaterialfv", {GL_FRONT, GL_DIFFUSE, 1, 0, 0, 1}},
        {"glMaterialfv", {GL_FRONT, GL_SPECULAR, 1, 1, 1, 1}},
        {"glMaterialfv", {GL_FRONT, GL_SHININESS, 0}},
        {"glMatrixMode", {GL_MODELVIEW}},
        {"glLoadIdentity", {}},
        {"gluLookAt", {0, 0, -30, 0, 0, 0, 0, -1, 0}},
        {"glEnable", {GL_BLEND}}, // the composer begins
    };
    const auto& calls = glrecord::calls();
    ASSERT_GE(calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(calls[i].name, expected[i].name) << "call " << i;
        EXPECT_EQ(calls[i].args, expected[i].args) << "call " << i << " " << expected[i].name;
    }
}

TEST_F(FrameSetup, ConditionsTheCallersBandsInPlace)
{
    std::vector<double> bands = {150, -150, std::nan(""), 0.5, -0.99, 1.0, -1.0};
    setupFrame(surface, 1, 0, 0, 45, 1, 1.0F, 7, bands.data(), 60, 0);
    EXPECT_EQ(bands, (std::vector<double>{100, -100, -100, 0.5, -0.99, 1.0, -1.0}));
    const std::array<std::int32_t, 7> signs = {1, 1, 1, -1, -1, 1, 1};
    for (std::size_t i = 0; i < signs.size(); ++i)
        EXPECT_EQ(surface.bandSign[i], signs[i]) << "band " << i;
}

TEST_F(FrameSetup, ClampsABandCountAboveTwenty)
{
    std::vector<double> bands(25, 150.0);
    setupFrame(surface, 1, 0, 0, 45, 1, 1.0F, 25, bands.data(), 60, 0);
    for (std::size_t i = 0; i < 25; ++i)
        EXPECT_EQ(bands[i], i < 20 ? 100.0 : 150.0) << "band " << i;
}

TEST_F(FrameSetup, ANegativeBandCountConditionsNothingAndDrawsTheCalmFace)
{
    std::vector<double> bands(14, 0.0);
    setupFrame(surface, 1, 0, 0, 45, 1, 1.0F, -3, bands.data(), 60, 0);
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(surface.bandSign[i], 1);
    EXPECT_EQ(glrecord::count("gluSphere"), 8U);
}

TEST_F(FrameSetup, NoBandArrayMeansNoBands)
{
    setupFrame(surface, 1, 0, 0, 45, 1, 1.0F, 14, nullptr, 60, 0);
    EXPECT_EQ(glrecord::count("gluSphere"), 8U);
}

TEST_F(FrameSetup, TheScaledFrameAngleDrivesTheFigures)
{
    drawRecordedFrame(surface, {.angle = 200, .angleScale = 2.0F});
    // Face 1's right pupil swings to S + 6 with S of the frame angle 40.
    const auto pupil = quadricShapes(glrecord::shapes()).at(3);
    EXPECT_TRUE(sameFloat(pupil.transforms.at(0).x,
                          std::sin(static_cast<double>(40 * 3.14159 * (1.0L / 180))) + 6));
}

TEST_F(FrameSetup, BandsOfHundredExciteTheFace)
{
    drawRecordedFrame(surface, {.bands = std::vector<double>(14, 100.0)});
    EXPECT_EQ(glrecord::count("gluSphere"), 10U);
}

TEST_F(FrameSetup, DrawsNoPresentOfItsOwn)
{
    drawRecordedFrame(surface, {});
    EXPECT_EQ(glrecord::count("present"), 0U);
    EXPECT_EQ(glrecord::count("glFlush"), 0U);
}

} // namespace
