// The face panel's GL surface on a real X server with Mesa: a current context of the format the
// panel asks for, frames drawn into the panel's back buffer and presented on screen.
#include "frame_setup.h"
#include "mainframe.h"

#include <QOpenGLContext>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>

namespace {

struct Pixel {
    int red = -1;
    int green = -1;
    int blue = -1;

    bool operator==(const Pixel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel& p)
{
    return out << '(' << p.red << ", " << p.green << ", " << p.blue << ')';
}

constexpr Pixel black{0, 0, 0};
constexpr Pixel red{255, 0, 0};

Pixel readBackBuffer(int x, int y)
{
    std::array<GLubyte, 4> rgba{};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba[0], rgba[1], rgba[2]};
}

// The corners of the frame, read back right after it was drawn, before it is presented.
std::array<Pixel, 2> cornersOfLastFrame;
// Whether ticks draw plain red frames instead of the renderer's.
bool drawRedFrames = false;

void drawAndReadBack(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                     std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                     double* bandValues, std::int32_t threshold, std::int32_t extra)
{
    if (drawRedFrames) {
        glViewport(0, 0, surface.width, surface.height);
        glClearColor(1.0F, 0.0F, 0.0F, 1.0F);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    } else {
        setupFrame(surface, faceType, decorA, decorB, decorC, angle, angleScale, bandCount, bandValues, threshold,
                   extra);
    }
    cornersOfLastFrame = {readBackBuffer(2, 2), readBackBuffer(surface.width - 3, surface.height - 3)};
}

// What the X server shows of the panel (device pixels).
QImage onScreen(QWindow* window)
{
    return window->screen()->grabWindow(window->winId()).toImage();
}

Pixel pixelAt(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return {};
    const QColor colour = image.pixelColor(x, y);
    return {colour.red(), colour.green(), colour.blue()};
}

bool wholly(const QImage& image, const Pixel& colour, int width, int height)
{
    if (image.width() != width || image.height() != height)
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixelAt(image, x, y) != colour)
                return false;
    return true;
}

bool cornersAre(const QImage& image, const Pixel& colour, int width, int height)
{
    constexpr int inset = 3;
    return pixelAt(image, inset, inset) == colour && pixelAt(image, width - 1 - inset, inset) == colour &&
           pixelAt(image, inset, height - 1 - inset) == colour &&
           pixelAt(image, width - 1 - inset, height - 1 - inset) == colour;
}

TEST(GlSurface, PanelGetsACurrentContextAndPresentsFrames)
{
    TMainForm form(nullptr, &drawAndReadBack);
    form.findChild<QTimer*>(QStringLiteral("Timer_V"))->stop();
    form.move(0, 0); // the whole panel on the screen, also when scaled
    form.show();
    QWindow* panel = form.surfaceWindow();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));

    const Toge& surface = form.renderSurface();
    ASSERT_NE(surface.glContext, nullptr);
    QOpenGLContext& context = surface.glContext->context;
    EXPECT_TRUE(context.isValid());
    EXPECT_EQ(QOpenGLContext::currentContext(), &context);

    const QSurfaceFormat format = context.format();
    EXPECT_GE(format.redBufferSize() + format.greenBufferSize() + format.blueBufferSize(), 24);
    EXPECT_GE(format.depthBufferSize(), 24);
    EXPECT_EQ(format.swapBehavior(), QSurfaceFormat::DoubleBuffer);
    // Fixed function is there: a compatibility (or pre-3.2) context with lights.
    EXPECT_TRUE(format.profile() == QSurfaceFormat::CompatibilityProfile || format.version() < qMakePair(3, 2));
    GLint lights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    EXPECT_GE(lights, 8);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const qreal ratio = panel->devicePixelRatio();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    EXPECT_EQ(surface.width, qRound(241 * ratio));
    EXPECT_EQ(surface.height, qRound(177 * ratio));
    EXPECT_EQ(panel->geometry().size(), QSize(241, 177));

    // Red frames presented by the tick reach the screen and fill the whole panel.
    drawRedFrames = true;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            form.Timer_VTimer();
            return wholly(onScreen(panel), red, surface.width, surface.height);
        },
        3000));
    EXPECT_EQ(cornersOfLastFrame[0], red);
    EXPECT_EQ(cornersOfLastFrame[1], red);

    // The renderer's frame replaces them: its corners are the black clear colour or the black
    // backdrop, whatever the face.
    drawRedFrames = false;
    form.Timer_VTimer();
    EXPECT_EQ(cornersOfLastFrame[0], black);
    EXPECT_EQ(cornersOfLastFrame[1], black);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cornersAre(onScreen(panel), black, surface.width, surface.height); }, 3000));

    // Made current once: presenting leaves it current for the next frame.
    EXPECT_EQ(QOpenGLContext::currentContext(), &context);
}

TEST(GlSurface, TheTimerPresentsFramesByItself)
{
    TMainForm form(nullptr, &drawAndReadBack);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.surfaceWindow()));
    cornersOfLastFrame = {};
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.currentAngle() >= 3; }, 5000));
    EXPECT_EQ(cornersOfLastFrame[0], black);
}

} // namespace
