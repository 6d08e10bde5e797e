// The real window on a real X server (a private Xvfb) with Mesa: 3,000 animation ticks with the
// renderer's frames presented on screen, and between them calculations of every verdict level,
// refused inputs, Clear and route switches, as a user would click them. Every frame leaves the GL
// matrix stack as it found it and raises no GL error, every calculation shows its level's scene or
// leaves the scene alone, the allocated heap stops growing once the first passes over the steps
// have filled the caches, and the window closes cleanly (in the sanitizer build with no report).
//
// The ticks are driven by calling Timer_VTimer with Timer_V stopped, with the event queue
// processed after each: 3,000 ticks of the 70 ms timer would take three and a half minutes, and
// the tick does the same work either way.
#include "dose_calculation.h"
#include "mainframe.h"
#include "process_memory.h"
#include "verdict.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int soakTicks = 3000;
constexpr int ticksPerStep = 10;
// After the warm-up the allocated heap of a plain build stays within about 100 KiB.
constexpr long allowedHeapGrowthKilobytes = 1024;

const QString prompt = QStringLiteral("濃度、放射線量を入力してください");

// One thing the user does between ticks, and what the window shows after it.
//   calculated: Clear, type, Calculate; the prompt and the level's scene.
//   refused:    type over what is there, Calculate; the message, and the scene stays as it was.
//   cleared:    Clear; the prompt and the start face.
struct Step {
    enum class Kind { calculated, refused, cleared };
    const char* what;
    Kind kind;
    std::function<void()> enter;
    int level = 0;     // calculated
    QString message;   // refused
};

class WindowSoak : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.emplace();
        form->findChild<QTimer*>(QStringLiteral("Timer_V"))->stop();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*form));
    }

    template <class T>
    T* child(const char* name) const
    {
        T* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void type(const char* field, const char* text) const { child<QLineEdit>(field)->setText(QString::fromUtf8(text)); }
    void typeUnit(const char* list, const char* text) const
    {
        child<QComboBox>(list)->setEditText(QString::fromUtf8(text));
    }
    void click(const char* button) const { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }

    std::vector<Step> steps() const
    {
        using Kind = Step::Kind;
        const auto sievert = [this](const char* rate, const char* unit) {
            return [this, rate, unit] {
                type("EdtSv", rate);
                typeUnit("ComboBox1", unit);
            };
        };
        const QString notANumber = QStringLiteral("数字以外の文字を入れないでください");
        return {
            {"0.114 uSv/h", Kind::calculated, sievert("0.114", " uSv /h"), 0, {}},
            {"letters", Kind::refused, [this] { type("EdtBq_Cs137", "abc"); }, 0, notANumber},
            {"1 uSv/h", Kind::calculated, sievert("1", " uSv /h"), 1, {}},
            {"10 uSv/h", Kind::calculated, sievert("10", " uSv /h"), 2, {}},
            {"beyond the double range", Kind::refused, sievert("1e400", " uSv /h"), 0,
             QStringLiteral("数値が大きすぎます")},
            {"0.04 mSv/h", Kind::calculated, sievert("0.04", " mSv /h"), 3, {}},
            {"Clear", Kind::cleared, [] {}, 0, {}},
            {"full-width 0.1 mSv/h", Kind::calculated, sievert("０．１", " mSv /h"), 4, {}},
            {"an unlisted unit", Kind::refused, sievert("1", "kSv /h"), 0, QStringLiteral("単位は一覧から選んでください")},
            {"0.2 mGy/h", Kind::calculated,
             [this] {
                 type("EdtGy", "0.2");
                 typeUnit("ComboBox2", " mGy /h");
             },
             5, {}},
            {"0.3 mSv/h", Kind::calculated, sievert("0.3", " mSv /h"), 6, {}},
            {"air route, I-131 1000 Bq", Kind::calculated,
             [this] {
                 click("RadioGroup2_Item0");
                 type("EdtBq_I", "1000");
             },
             1, {}},
            {"a negative intake, hidden on the air route", Kind::refused, [this] { type("Edt_C_Bq", "-1"); }, 0,
             notANumber},
            {"0.6 mSv/h", Kind::calculated, sievert("0.6", " mSv /h"), 7, {}},
            {"1 mSv/h after going to air and back to food", Kind::calculated,
             [this] {
                 click("RadioGroup2_Item0");
                 click("RadioGroup2_Item1");
                 type("EdtSv", "1");
                 typeUnit("ComboBox1", " mSv /h");
             },
             8, {}},
        };
    }

    // Does the step and checks what the window shows.
    void perform(const Step& step) const
    {
        const dosecalc::SceneSelectors sceneBefore = form->currentScene();
        if (step.kind != Step::Kind::refused)
            click("Button2"); // Clear: the start inputs, the food route and the start face
        step.enter();
        if (step.kind != Step::Kind::cleared)
            click("Button1");

        const QString message = child<QLabel>("Label21")->text();
        switch (step.kind) {
        case Step::Kind::calculated:
            EXPECT_EQ(message, prompt) << step.what;
            EXPECT_EQ(form->currentScene(), dosecalc::verdictRows[static_cast<std::size_t>(step.level)].scene)
                << step.what;
            return;
        case Step::Kind::refused:
            EXPECT_EQ(message, step.message) << step.what;
            EXPECT_EQ(form->currentScene(), sceneBefore) << step.what;
            return;
        case Step::Kind::cleared:
            EXPECT_EQ(message, prompt) << step.what;
            EXPECT_EQ(form->currentScene(), dosecalc::startScene) << step.what;
            return;
        }
    }

    std::optional<TMainForm> form;
};

GLint modelviewDepth()
{
    GLint depth = -1;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

TEST_F(WindowSoak, ThreeThousandTicksWithCalculationsBetweenThemAndACleanClose)
{
    const std::vector<Step> script = steps();
    const GLint depthBefore = modelviewDepth();
    ASSERT_EQ(depthBefore, 1);
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const long residentAtStart = processmemory::residentKilobytes();
    const long heapAtStart = processmemory::allocatedHeapKilobytes();
    // The heap after each pass over the steps, from the end of the second on (the first pass
    // fills the driver's and Qt's caches).
    const int cycleTicks = static_cast<int>(script.size()) * ticksPerStep;
    const int warmUpTicks = 2 * cycleTicks;
    std::vector<long> heapAfterCycle;

    int performed = 0;
    for (int tick = 1; tick <= soakTicks; ++tick) {
        form->Timer_VTimer();
        QCoreApplication::processEvents();
        ASSERT_EQ(form->currentAngle(), tick % 360);
        ASSERT_EQ(modelviewDepth(), depthBefore) << "tick " << tick;
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "tick " << tick;

        if (tick % cycleTicks == 0 && tick >= warmUpTicks)
            heapAfterCycle.push_back(processmemory::allocatedHeapKilobytes());
        if (tick % ticksPerStep != 0)
            continue;
        perform(script[static_cast<std::size_t>(performed++) % script.size()]);
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_EQ(performed, soakTicks / ticksPerStep);
    EXPECT_TRUE(form->windowHandle()->isExposed()) << "the frames were presented on screen";
    EXPECT_FALSE(form->facePanel()->shownFrame().isNull());

    std::printf("%d ticks, %d steps; resident size %ld KiB at the start, %ld KiB at the end; allocated heap %ld KiB "
                "and %ld KiB\n",
                soakTicks, performed, residentAtStart, processmemory::residentKilobytes(), heapAtStart,
                processmemory::allocatedHeapKilobytes());

    ASSERT_GE(heapAfterCycle.size(), 10U);
    if (!processmemory::underAddressSanitizer()) {
        // (Under AddressSanitizer LeakSanitizer checks the leaks at exit.)
        const long highest = *std::max_element(heapAfterCycle.begin(), heapAfterCycle.end());
        EXPECT_LE(highest - heapAfterCycle.front(), allowedHeapGrowthKilobytes)
            << "the allocated heap grew from " << heapAfterCycle.front() << " KiB to " << highest << " KiB";
    }

    EXPECT_TRUE(form->close());
    QCoreApplication::processEvents();
    form.reset();
    QCoreApplication::processEvents();
}

} // namespace
