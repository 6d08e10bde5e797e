// The face panel's GL surface on a real X server with Mesa: a current context of the format the
// panel asks for, frames drawn into the panel's back buffer and presented on screen, and no frame
// drawn while the panel is out of sight.
#include "frame_recorder.h"
#include "frame_setup.h"
#include "mainframe.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <GL/gl.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>

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
constexpr Pixel green{0, 255, 0};

Pixel readBackBuffer(int x, int y)
{
    std::array<GLubyte, 4> rgba{};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba[0], rgba[1], rgba[2]};
}

// The corners of the frame, read back right after it was drawn, before it is presented.
std::array<Pixel, 2> cornersOfLastFrame;
// The plain colour ticks fill the panel with instead of drawing the renderer's frame, if any.
std::optional<Pixel> plainFrames;

// Records the tick's frame request, then draws it (or a plain frame) and reads its corners back.
void drawAndReadBack(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                     std::int32_t decorC, std::int32_t angle, float angleScale, std::int32_t bandCount,
                     double* bandValues, std::int32_t threshold, std::int32_t extra)
{
    recordFrame(surface, faceType, decorA, decorB, decorC, angle, angleScale, bandCount, bandValues, threshold, extra);
    if (plainFrames) {
        const auto channel = [](int value) { return static_cast<GLclampf>(value) / 255.0F; };
        glViewport(0, 0, surface.width, surface.height);
        glClearColor(channel(plainFrames->red), channel(plainFrames->green), channel(plainFrames->blue), 1.0F);
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
    plainFrames = red;
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
    plainFrames.reset();
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

// The program's X connection, to do to the windows what a window manager would.
xcb_connection_t* x11()
{
    const auto* native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return native != nullptr ? native->connection() : nullptr;
}

void setMappedFromOutside(QWindow* window, bool mapped)
{
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (mapped)
        xcb_map_window(x11(), id);
    else
        xcb_unmap_window(x11(), id);
    xcb_flush(x11());
}

// A window manager minimises a window by setting its state to iconic and unmapping it, and
// restores it the other way round (ICCCM 4.1.3.1, 4.1.4).
void setMinimisedFromOutside(QWindow* window, bool minimised)
{
    constexpr std::uint32_t normalState = 1;
    constexpr std::uint32_t iconicState = 3;
    const auto cookie = xcb_intern_atom(x11(), 0, 8, "WM_STATE");
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x11(), cookie, nullptr);
    ASSERT_NE(reply, nullptr);
    const xcb_atom_t wmState = reply->atom;
    std::free(reply);
    const std::array<std::uint32_t, 2> state = {minimised ? iconicState : normalState, XCB_NONE};
    xcb_change_property(x11(), XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), wmState, wmState,
                        32, static_cast<std::uint32_t>(state.size()), state.data());
    setMappedFromOutside(window, !minimised);
}

// Whether the panel could be seen, as the test observes it: its window and the main window exposed.
bool panelVisible(TMainForm& form)
{
    return form.surfaceWindow()->isExposed() && form.windowHandle()->isExposed();
}

TEST(GlSurface, NoFrameIsDrawnWhileThePanelIsOutOfSightAndTheAngleRunsOn)
{
    ASSERT_NE(x11(), nullptr);
    // The ways the panel leaves the screen and comes back.
    struct Concealment {
        const char* name;
        std::function<void(TMainForm&)> conceal;
        std::function<void(TMainForm&)> reveal;
    };
    const Concealment concealments[] = {
        {"minimised by the window manager",
         [](TMainForm& form) { setMinimisedFromOutside(form.windowHandle(), true); },
         [](TMainForm& form) { setMinimisedFromOutside(form.windowHandle(), false); }},
        // As a window manager hides a window on another workspace: Qt learns only that the main
        // window is unmapped, the panel's own window stays exposed.
        {"main window unmapped from outside",
         [](TMainForm& form) { setMappedFromOutside(form.windowHandle(), false); },
         [](TMainForm& form) { setMappedFromOutside(form.windowHandle(), true); }},
        {"panel window unmapped from outside",
         [](TMainForm& form) { setMappedFromOutside(form.surfaceWindow(), false); },
         [](TMainForm& form) { setMappedFromOutside(form.surfaceWindow(), true); }},
    };
    constexpr int hiddenTicks = 400; // past a whole turn of the angle

    for (const Concealment& c : concealments) {
        SCOPED_TRACE(c.name);
        TMainForm form(nullptr, &drawAndReadBack);
        auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer_V"));
        timer->stop();
        form.move(0, 0);
        form.show();
        QWindow* panel = form.surfaceWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return panelVisible(form); }, 5000));
        const Toge& surface = form.renderSurface();
        recordedFrames().clear();
        plainFrames = red;
        form.Timer_VTimer();
        ASSERT_EQ(recordedFrames().size(), 1U);
        ASSERT_TRUE(QTest::qWaitFor([&] { return wholly(onScreen(panel), red, surface.width, surface.height); }, 3000));

        c.conceal(form);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !panelVisible(form); }, 5000));
        for (int tick = 0; tick < hiddenTicks; ++tick) {
            form.Timer_VTimer();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(form.currentAngle(), (1 + hiddenTicks) % 360);
        // The timer keeps its pace and draws nothing either.
        timer->start();
        EXPECT_EQ(timer->interval(), 70);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.currentAngle() >= (1 + hiddenTicks + 3) % 360; }, 5000));
        timer->stop();
        EXPECT_EQ(recordedFrames().size(), 1U);
        const int hiddenAngle = form.currentAngle();
        // A calculation out of sight still sets the scene (the defaults give level 0).
        form.Button1Click();
        ASSERT_EQ(form.currentScene(), (dosecalc::SceneSelectors{10, 14, 0}));

        plainFrames = green;
        c.reveal(form);
        ASSERT_TRUE(QTest::qWaitFor([&] { return panelVisible(form); }, 5000));
        EXPECT_EQ(recordedFrames().size(), 1U) << "drawn outside the tick";
        form.Timer_VTimer();
        ASSERT_EQ(recordedFrames().size(), 2U);
        EXPECT_EQ(recordedFrames().back().angle, hiddenAngle + 1);
        EXPECT_EQ(recordedFrames().back().faceType, 10);
        EXPECT_EQ(recordedFrames().back().decorA, 14);
        // That one tick's frame reaches the screen.
        EXPECT_TRUE(QTest::qWaitFor([&] { return wholly(onScreen(panel), green, surface.width, surface.height); }, 3000));
        plainFrames.reset();
    }
}

} // namespace
