// The face panel in a real window system with Mesa: the same tests under X11 (a private Xvfb) and
// under Wayland (a private weston), each at a device pixel ratio of 1 and 2 (ctest runs the
// binary once per platform and ratio). The panel's GL context, the first frame appearing with the
// window, every frame equal to dosecalc-snapshot's and reaching the screen pixel for pixel, and
// nothing drawn while the panel is out of sight.
#include "frame_recorder.h"
#include "frame_setup.h"
#include "mainframe.h"
#include "start_scene_frame.h"

#include <QDir>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <GL/gl.h>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

// The device pixel ratio the run was started with: QT_SCALE_FACTOR under X11, the output's scale
// under Wayland (DOSECALC_OUTPUT_SCALE, which run-with-weston.sh gives weston).
qreal expectedPixelRatio()
{
    for (const char* variable : {"QT_SCALE_FACTOR", "DOSECALC_OUTPUT_SCALE"})
        if (qEnvironmentVariableIsSet(variable))
            return qEnvironmentVariable(variable).toDouble();
    return 1.0;
}

// Every frame the panel is asked for is recorded, then drawn by the renderer.
void recordAndDraw(Toge& surface, std::int32_t faceType, std::int32_t decorA, std::int32_t decorB,
                   std::int32_t decorC, std::int32_t angle, float angleScale,
                   std::int32_t bandCount, double* bandValues, std::int32_t threshold,
                   std::int32_t extra)
{
    recordFrame(surface, faceType, decorA, decorB, decorC, angle, angleScale, bandCount, bandValues,
                threshold, extra);
    setupFrame(surface, faceType, decorA, decorB, decorC, angle, angleScale, bandCount, bandValues,
               threshold, extra);
}

// The whole screen (X11) or output (Wayland: weston-screenshooter, which weston's --debug allows)
// as it shows now, in device pixels.
QImage wholeOutput()
{
    if (!onWayland())
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
            QImage::Format_RGB32);
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return {};
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return shots.size() == 1
               ? QImage(folder.filePath(shots.front())).convertToFormat(QImage::Format_RGB32)
               : QImage();
}

// Where the output shows the frame, every pixel of it, if anywhere.
std::optional<QPoint> placeOf(const QImage& frame, const QImage& output)
{
    const QImage wanted = frame.convertToFormat(QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(wanted.width()) * 4;
    for (int y = 0; y + wanted.height() <= output.height(); ++y)
        for (int x = 0; x + wanted.width() <= output.width(); ++x) {
            int row = 0;
            while (
                row < wanted.height()
                && std::memcmp(output.constScanLine(y + row) + static_cast<std::ptrdiff_t>(x) * 4,
                               wanted.constScanLine(row), rowBytes)
                       == 0)
                ++row;
            if (row == wanted.height())
                return QPoint(x, y);
        }
    return std::nullopt;
}

bool reachesTheScreen(const QImage& frame)
{
    return QTest::qWaitFor([&] { return placeOf(frame, wholeOutput()).has_value(); }, 5000);
}

// Pixels whose colours differ (the alpha byte aside); frames of different sizes differ everywhere.
int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += (a.pixel(x, y) & 0xFFFFFFU) != (b.pixel(x, y) & 0xFFFFFFU) ? 1 : 0;
    return differing;
}

// Where two shapes meet at equal depth, the panel's depth buffer and the snapshot tool's may
// break the tie differently.
constexpr int equalDepthTies = 5;

// dosecalc-snapshot's frames of the given face, decoration and angle at the panel's size.
QImage snapshot(std::int32_t faceType, std::int32_t decorA, std::int32_t angle, QSize size)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("frame.png"));
    QProcess tool;
    tool.start(QStringLiteral(SNAPSHOT_TOOL),
               {QStringLiteral("--out"), out, QStringLiteral("--face"), QString::number(faceType),
                QStringLiteral("--decor-a"), QString::number(decorA), QStringLiteral("--angle"),
                QString::number(angle), QStringLiteral("--size"),
                QStringLiteral("%1x%2").arg(size.width()).arg(size.height())});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

class GlSurface : public ::testing::Test {
protected:
    void SetUp() override
    {
        recordedFrames().clear();
        form.emplace(nullptr, &recordAndDraw);
        timer = form->findChild<QTimer*>(QStringLiteral("Timer_V"));
        // The tests tick by hand, so every frame is one they asked for.
        timer->stop();
        form->move(0, 0); // the whole window on the X screen, also when scaled
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*form));
    }

    const QImage& shown() const { return form->facePanel()->shownFrame(); }

    // A tick, and its frame shown by the panel.
    void tick()
    {
        form->Timer_VTimer();
        QCoreApplication::processEvents();
    }

    std::optional<TMainForm> form;
    QTimer* timer = nullptr;
};

TEST_F(GlSurface, ThePanelHasACurrentContextWithFixedFunctionAndADeepDepthBuffer)
{
    const Toge& surface = form->renderSurface();
    ASSERT_NE(surface.glContext, nullptr);
    QOpenGLContext& context = surface.glContext->context;
    EXPECT_TRUE(context.isValid());
    EXPECT_EQ(QOpenGLContext::currentContext(), &context);

    // Fixed function is there: a compatibility (or pre-3.2) context with lights.
    const QSurfaceFormat format = context.format();
    EXPECT_TRUE(format.profile() == QSurfaceFormat::CompatibilityProfile
                || format.version() < qMakePair(3, 2));
    GLint lights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    EXPECT_GE(lights, 8);

    // The frame's buffers: 8 bits a colour channel, a depth buffer of 24 bits at least (32 asked).
    std::array<GLint, 4> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i)
        glGetIntegerv(
            std::array<GLenum, 4>{GL_RED_BITS, GL_GREEN_BITS, GL_BLUE_BITS, GL_DEPTH_BITS}[i],
            &bits[i]);
    EXPECT_EQ(bits[0], 8);
    EXPECT_EQ(bits[1], 8);
    EXPECT_EQ(bits[2], 8);
    EXPECT_GE(bits[3], 24);
    std::printf("depth buffer: %d bits\n", bits[3]);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // The viewport covers the panel's device pixels, and the panel keeps the layout's size.
    const qreal ratio = form->facePanel()->devicePixelRatio();
    EXPECT_EQ(ratio, expectedPixelRatio());
    EXPECT_EQ(surface.width, qRound(241 * ratio));
    EXPECT_EQ(surface.height, qRound(177 * ratio));
    EXPECT_EQ(form->facePanel()->size(), QSize(241, 177));
}

TEST_F(GlSurface, EveryFrameReachesTheScreenAsTheSnapshotToolDrawsIt)
{
    const Toge& surface = form->renderSurface();
    const QSize size(surface.width, surface.height);

    // The first frame comes with the window, before any tick: angle 0, the start face. Later
    // paints draw nothing; the ticks make the frames.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown().isNull(); }, 5000));
    form->repaint();
    ASSERT_EQ(recordedFrames().size(), 1U);
    EXPECT_EQ(recordedFrames().front().surface, &surface);
    expectStartSceneFrame(recordedFrames().front(), 0);
    EXPECT_EQ(form->currentAngle(), 0);
    EXPECT_EQ(shown().size(), size);
    EXPECT_EQ(shown().devicePixelRatio(), expectedPixelRatio());
    EXPECT_TRUE(reachesTheScreen(shown())) << "the first frame";

    // The ticks' frames: the start face, a second later with its pupils moved, and face 10 after
    // a calculation to level 0 (the start inputs give a dose of 0).
    tick();
    const QImage start = shown();
    EXPECT_LE(differingPixels(start, snapshot(1, 0, 1, size)), equalDepthTies);
    EXPECT_TRUE(reachesTheScreen(start)) << "angle 1";

    for (int second = 0; second < 14; ++second)
        tick();
    EXPECT_EQ(form->currentAngle(), 15);
    EXPECT_LE(differingPixels(shown(), snapshot(1, 0, 15, size)), equalDepthTies);
    EXPECT_GT(differingPixels(start, shown()), equalDepthTies) << "it animates";
    EXPECT_TRUE(reachesTheScreen(shown())) << "angle 15";

    form->Button1Click();
    tick();
    EXPECT_EQ(recordedFrames().back().faceType, 10);
    EXPECT_LE(differingPixels(shown(), snapshot(10, 14, 16, size)), equalDepthTies);
    EXPECT_TRUE(reachesTheScreen(shown())) << "face 10";
}

TEST_F(GlSurface, TheTimerDrawsFramesByItself)
{
    timer->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->currentAngle() >= 3; }, 5000));
    EXPECT_GE(recordedFrames().size(), 4U); // the first frame and the ticks'
    EXPECT_EQ(recordedFrames().back().angle, form->currentAngle());
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
    xcb_change_property(x11(), XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        wmState, wmState, 32, static_cast<std::uint32_t>(state.size()),
                        state.data());
    setMappedFromOutside(window, !minimised);
}

TEST_F(GlSurface, NoFrameIsDrawnWhileThePanelIsOutOfSightAndTheAngleRunsOn)
{
    // The ways the panel leaves the screen and comes back, on the platforms where they happen.
    struct Concealment {
        const char* name;
        bool x11;
        bool wayland;
        std::function<void(TMainForm&)> conceal;
        std::function<void(TMainForm&)> reveal;
    };
    const Concealment concealments[] = {
        {"minimised by the window manager", true, false,
         [](TMainForm& f) { setMinimisedFromOutside(f.windowHandle(), true); },
         [](TMainForm& f) { setMinimisedFromOutside(f.windowHandle(), false); }},
        // As a window manager hides a window on another workspace.
        {"unmapped from outside", true, false,
         [](TMainForm& f) { setMappedFromOutside(f.windowHandle(), false); },
         [](TMainForm& f) { setMappedFromOutside(f.windowHandle(), true); }},
        // The compositor shows the surface nowhere and stops its frame callbacks; a client cannot
        // restore itself, the user does (here: shown anew).
        {"minimised by the compositor", false, true, [](TMainForm& f) { f.showMinimized(); },
         [](TMainForm& f) {
             f.hide();
             f.show();
         }},
        {"hidden and shown again by the program", true, true, [](TMainForm& f) { f.hide(); },
         [](TMainForm& f) { f.show(); }},
    };
    constexpr int hiddenTicks = 400; // past a whole turn of the angle
    const auto panelOnScreen = [this] { return form->windowHandle()->isExposed(); };

    for (const Concealment& c : concealments) {
        if (onWayland() ? !c.wayland : !c.x11)
            continue;
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown().isNull(); }, 5000));
        tick();
        const int angleBefore = form->currentAngle();

        c.conceal(*form);
        // Ticks go on while the window leaves the screen: a Wayland client learns that it is not
        // shown only when the compositor answers no frame callback of a frame it presented.
        int ticksWhileLeaving = 0;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                tick();
                ++ticksWhileLeaving;
                return !panelOnScreen();
            },
            5000));
        const std::size_t framesWhileLeaving = recordedFrames().size();
        for (int i = 0; i < hiddenTicks; ++i)
            tick();
        EXPECT_EQ(form->currentAngle(), (angleBefore + ticksWhileLeaving + hiddenTicks) % 360);
        // The timer keeps its pace and draws nothing either.
        timer->start();
        EXPECT_EQ(timer->interval(), 70);
        const int hiddenAngle = form->currentAngle();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return form->currentAngle() >= (hiddenAngle + 3) % 360; }, 5000));
        timer->stop();
        EXPECT_EQ(recordedFrames().size(), framesWhileLeaving);
        // A calculation out of sight still sets the scene (the start inputs give level 0).
        form->Button1Click();
        ASSERT_EQ(form->currentScene(), (dosecalc::SceneSelectors{10, 14, 0}));

        c.reveal(*form);
        ASSERT_TRUE(QTest::qWaitFor(panelOnScreen, 5000));
        QTest::qWait(200);
        EXPECT_EQ(recordedFrames().size(), framesWhileLeaving) << "drawn outside the tick";
        const int angleBack = form->currentAngle();
        tick();
        ASSERT_EQ(recordedFrames().size(), framesWhileLeaving + 1);
        EXPECT_EQ(recordedFrames().back().angle, (angleBack + 1) % 360);
        EXPECT_EQ(recordedFrames().back().faceType, 10);
        EXPECT_TRUE(reachesTheScreen(shown())) << "the first frame back";
        form->Button2Click(); // the start face again for the next way
    }
}

// The program itself where Qt can make no OpenGL context: it runs on and says so once on stderr.
TEST(GlSurfaceUnavailable, TheProgramRunsOnAndSaysWhyOnce)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The platform with no OpenGL integration, as on a system without GLX or EGL.
    environment.insert(onWayland() ? QStringLiteral("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")
                                   : QStringLiteral("QT_XCB_GL_INTEGRATION"),
                       QStringLiteral("none"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(DOSECALC_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(3000)) << "the program ended";
    program.kill();
    program.waitForFinished(10000);
    QStringList ownLines;
    for (const QString& line :
         QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("dosecalc:")))
            ownLines << line;
    EXPECT_EQ(ownLines,
              QStringList{QStringLiteral(
                  "dosecalc: no OpenGL context could be made for the face panel; it stays empty")});
}

} // namespace
