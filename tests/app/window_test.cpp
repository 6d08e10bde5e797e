// The calculator window driven as a user drives it: on Linux on the offscreen platform (no GL
// there), on Windows (under Wine) with Qt's Windows platform plugin and native style.
#include "dose_calculation.h"
#include "dose_text.h"
#include "dosecalc_application.h"
#include "frame_recorder.h"
#include "mainframe.h"
#include "start_scene_frame.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyle>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

// Failures name colours as #rrggbb.
static void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name().toStdString();
}

namespace {

const QString prompt = QStringLiteral("濃度、放射線量を入力してください");
const QString notANumber = QStringLiteral("数字以外の文字を入れないでください");

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        recordedFrames().clear();
        form = std::make_unique<TMainForm>(nullptr, &recordFrame);
        timer = child<QTimer>("Timer_V");
        timerWasActive = timer->isActive();
        // The tests tick by hand, so every frame is one they asked for.
        timer->stop();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // The panel's first paint asks for the first frame; the tests count the ticks' frames.
        ASSERT_TRUE(QTest::qWaitFor([] { return !recordedFrames().empty(); }, 5000));
        recordedFrames().clear();
    }

    void TearDown() override { form.reset(); }

    template <class T>
    T* child(const char* name) const
    {
        T* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    QComboBox* list(const char* name) const { return child<QComboBox>(name); }
    QProgressBar* gauge() const { return child<QProgressBar>("ProgressBar1"); }
    QTextEdit* advice() const { return child<QTextEdit>("RichEdit1"); }
    QRadioButton* airItem() const { return child<QRadioButton>("RadioGroup2_Item0"); }
    QRadioButton* foodItem() const { return child<QRadioButton>("RadioGroup2_Item1"); }

    void type(const char* name, const QString& text) const { edit(name)->setText(text); }
    void calculate() const { QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton); }
    void clear() const { QTest::mouseClick(child<QPushButton>("Button2"), Qt::LeftButton); }
    // The gauge as painted, on its middle row: a pixel a few pixels into its filled part (within a
    // blocky style's first block) and one halfway along the part left empty; an invalid colour for
    // a part the bar has not.
    std::pair<QColor, QColor> gaugePainted() const
    {
        const QImage bar = gauge()->grab().toImage();
        const int filled = bar.width() * gauge()->value() / gauge()->maximum();
        const int inside = qRound(6 * bar.devicePixelRatio());
        const int row = bar.height() / 2;
        return {filled > inside ? bar.pixelColor(inside, row) : QColor(),
                filled < bar.width() ? bar.pixelColor((filled + bar.width()) / 2, row) : QColor()};
    }
    QColor gaugeColour() const { return gaugePainted().first; }

    // Everything a calculation shows, to compare before and after a refused one.
    struct Shown {
        QString dose;
        int position;
        QColor colour;
        QString headline;
        QString advice;
        dosecalc::SceneSelectors scene;
        QString doseToolTip;
        QString doseDescription;

        bool operator==(const Shown&) const = default;
    };

    Shown shown() const
    {
        return {label("lblSv")->text(),
                gauge()->value(),
                gaugeColour(),
                label("Label9")->text(),
                advice()->toPlainText(),
                form->currentScene(),
                label("lblSv")->toolTip(),
                label("lblSv")->accessibleDescription()};
    }

    std::unique_ptr<TMainForm> form;
    QTimer* timer = nullptr;
    bool timerWasActive = false;
};

TEST_F(Window, StartsWithTheLayoutsTextsAndDefaults)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("1年間の被爆量 かんたん計算"));
    EXPECT_EQ(label("Label21")->text(), prompt);
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral("0"));
    EXPECT_EQ(label("Label3")->text(), QStringLiteral("mSv"));
    EXPECT_EQ(label("Label9")->text(), QStringLiteral("健康への影響"));
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1kg / 1L あたり・・・"));
    EXPECT_EQ(label("Label19")->text(),
              QStringLiteral("単位: Sv (シーベルト) , Gy (グレイ)  毎時 (/h) "));
    EXPECT_TRUE(advice()->toPlainText().isEmpty());
    EXPECT_EQ(gauge()->minimum(), 0);
    EXPECT_EQ(gauge()->maximum(), 110);
    EXPECT_EQ(gauge()->value(), 0);

    for (const char* name : {"EdtBq_I", "EdtBq_Cs137", "EdtBq_Cs134", "EdtSv", "EdtGy"})
        EXPECT_EQ(edit(name)->text(), QStringLiteral("0")) << name;
    EXPECT_EQ(edit("Edt_C_Bq")->text(), QStringLiteral("1"));

    EXPECT_TRUE(foodItem()->isChecked());
    EXPECT_FALSE(airItem()->isChecked());
    EXPECT_EQ(child<QGroupBox>("RadioGroup2")->title(), QStringLiteral("どっち？"));
    for (const char* name : {"Edt_C_Bq", "Label2", "Label23"})
        EXPECT_TRUE(child<QWidget>(name)->isVisible()) << name;

    EXPECT_EQ(list("ComboBox1")->currentText(), QStringLiteral(" uSv /h"));
    EXPECT_EQ(list("ComboBox2")->currentText(), QStringLiteral(" uGy /h"));
    EXPECT_EQ(list("ComboBox1")->count(), 3);
    EXPECT_EQ(list("ComboBox2")->itemText(2), QStringLiteral(" mGy /h"));
    EXPECT_TRUE(list("ComboBox1")->isEditable());
    EXPECT_EQ(list("ComboBox1")->insertPolicy(), QComboBox::NoInsert);

    EXPECT_EQ(form->currentAngle(), 0);
    EXPECT_EQ(form->currentScene(), dosecalc::startScene);
    EXPECT_TRUE(timerWasActive);
    EXPECT_EQ(timer->interval(), 70);
}

TEST_F(Window, ControlsSitWhereTheLayoutPutsThem)
{
    struct Placed {
        const char* name;
        QRect geometry;
    };
    const Placed fixed[] = {
        {"Button2", {24, 32, 273, 33}},       {"GroupBox1", {16, 80, 281, 169}},
        {"GroupBox2", {16, 256, 281, 137}},   {"Button1", {312, 160, 73, 121}},
        {"Panel_V", {416, 0, 241, 177}},      {"ProgressBar1", {416, 184, 241, 33}},
        {"lblSv", {400, 240, 211, 24}},       {"RichEdit1", {416, 304, 249, 89}},
        {"Edt_C_Bq", {104, 16, 73, 20}},      {"RadioGroup2", {8, 48, 73, 105}},
        {"EdtBq_I", {112, 71, 121, 20}},      {"EdtBq_Cs134", {112, 109, 121, 20}},
        {"EdtBq_Cs137", {112, 144, 121, 20}}, {"EdtSv", {16, 80, 153, 20}},
        {"ComboBox1", {176, 80, 97, 20}},     {"EdtGy", {16, 104, 153, 20}},
        {"ComboBox2", {176, 104, 97, 20}},
    };
    for (const Placed& p : fixed)
        EXPECT_EQ(child<QWidget>(p.name)->geometry(), p.geometry) << p.name;

    const Placed labels[] = {
        {"Label21", {8, 8, 0, 0}},    {"Label1", {408, 224, 0, 0}},  {"Label3", {616, 240, 0, 0}},
        {"Label9", {416, 272, 0, 0}}, {"Label2", {45, 22, 0, 0}},    {"Label23", {184, 24, 0, 0}},
        {"Label22", {88, 43, 0, 0}},  {"Label6", {96, 58, 0, 0}},    {"Label4", {240, 75, 0, 0}},
        {"Label11", {94, 95, 0, 0}},  {"Label10", {240, 112, 0, 0}}, {"Label7", {96, 130, 0, 0}},
        {"Label5", {240, 144, 0, 0}}, {"Label8", {8, 24, 0, 0}},     {"Label19", {6, 43, 0, 0}},
        {"Label20", {6, 59, 0, 0}},
    };
    for (const Placed& p : labels) {
        QLabel* placed = label(p.name);
        EXPECT_EQ(placed->pos(), p.geometry.topLeft()) << p.name;
        // Sized to the text, and wholly inside the parent, so nothing is cut off.
        EXPECT_GE(placed->width(), placed->fontMetrics().horizontalAdvance(placed->text()) - 1)
            << p.name;
        EXPECT_TRUE(placed->parentWidget()->rect().contains(placed->geometry())) << p.name;
    }

    EXPECT_GE(form->width(), 665);
    EXPECT_GE(form->height(), 393);
    EXPECT_GE(form->minimumWidth(), 665);
    EXPECT_GE(form->minimumHeight(), 393);
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QSplitter*>(control) != nullptr)
            continue;
        EXPECT_TRUE(form->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    }
    EXPECT_EQ(child<QSplitter>("Splitter1")->height(), 0);
}

TEST_F(Window, ResizingKeepsThePanelAndViewport)
{
    const Toge& surface = form->renderSurface();
    const int width = surface.width;
    const int height = surface.height;
    form->resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(child<QWidget>("Panel_V")->geometry(), QRect(416, 0, 241, 177));
    EXPECT_EQ(surface.width, width);
    EXPECT_EQ(surface.height, height);
    EXPECT_EQ(width, qRound(241 * form->devicePixelRatio()));
    EXPECT_EQ(height, qRound(177 * form->devicePixelRatio()));
}

TEST_F(Window, FontsAndColoursOfTheLayout)
{
    struct Styled {
        const char* name;
        int pixelSize;
        bool bold;
    };
    const Styled styled[] = {
        {"Label21", 15, true},    {"lblSv", 24, true},      {"Label3", 24, true},
        {"Label9", 21, true},     {"RichEdit1", 15, false}, {"Label1", 12, false},
        {"EdtBq_I", 12, false},   {"Button1", 12, false},   {"ComboBox2", 12, false},
        {"GroupBox1", 12, false}, {"Label20", 12, false},
    };
    for (const Styled& s : styled) {
        const QFontInfo font(child<QWidget>(s.name)->font());
        EXPECT_EQ(font.family(), QStringLiteral("IPAPGothic")) << s.name;
        EXPECT_EQ(font.pixelSize(), s.pixelSize) << s.name;
        EXPECT_EQ(font.bold(), s.bold) << s.name;
    }
    for (const char* name : {"Label2", "Label23", "Label22", "Label8"})
        EXPECT_EQ(label(name)->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << name;
    EXPECT_NE(label("Label6")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(advice()->palette().color(QPalette::Base), form->palette().color(QPalette::Button));
    EXPECT_EQ(label("lblSv")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(Window, TabVisitsTheInputsInTheLayoutsOrder)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    advice()->setFocus();
    const std::vector<QWidget*> expected = {foodItem(),
                                            edit("EdtBq_I"),
                                            edit("EdtBq_Cs137"),
                                            edit("Edt_C_Bq"),
                                            edit("EdtBq_Cs134"),
                                            edit("EdtSv"),
                                            edit("EdtGy"),
                                            list("ComboBox1"),
                                            list("ComboBox2"),
                                            child<QPushButton>("Button1"),
                                            child<QPushButton>("Button2"),
                                            advice()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        // A unit list's focus lies in its text field.
        const bool reached = focused == next || focused->parentWidget() == next;
        EXPECT_TRUE(reached) << "expected " << next->objectName().toStdString() << ", got "
                             << focused->objectName().toStdString();
    }

    // The route group is one stop, at its selected item; the arrow keys move the selection.
    foodItem()->setFocus();
    QTest::keyClick(foodItem(), Qt::Key_Up);
    EXPECT_TRUE(airItem()->isChecked());
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1m^2あたり・・・"));
    advice()->setFocus();
    QTest::keyClick(advice(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), airItem());
    QTest::keyClick(airItem(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit("EdtBq_I"));

    EXPECT_EQ(child<QWidget>("Panel_V")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(gauge()->focusPolicy(), Qt::NoFocus);
}

TEST_F(Window, InputsAreNamedAndChangingLabelsOnlyDescribed)
{
    for (const char* name : {"EdtBq_I", "EdtBq_Cs137", "EdtBq_Cs134", "Edt_C_Bq", "EdtSv", "EdtGy",
                             "ComboBox1", "ComboBox2", "RadioGroup2_Item0", "RadioGroup2_Item1",
                             "Button1", "Button2", "ProgressBar1", "RichEdit1"})
        EXPECT_FALSE(child<QWidget>(name)->accessibleName().isEmpty()) << name;
    for (const char* name : {"lblSv", "Label9", "Label21", "Label22"}) {
        EXPECT_TRUE(label(name)->accessibleName().isEmpty()) << name;
        EXPECT_FALSE(label(name)->accessibleDescription().isEmpty()) << name;
    }
    type("EdtGy", QStringLiteral("1"));
    list("ComboBox2")->setCurrentIndex(2);
    calculate();
    // What assistive technology reads is the shown dose and verdict.
    QAccessibleInterface* dose = QAccessible::queryAccessibleInterface(label("lblSv"));
    ASSERT_NE(dose, nullptr);
    EXPECT_EQ(dose->text(QAccessible::Name), QStringLiteral("8760.00"));
    QAccessibleInterface* headline = QAccessible::queryAccessibleInterface(label("Label9"));
    ASSERT_NE(headline, nullptr);
    EXPECT_EQ(headline->text(QAccessible::Name), QStringLiteral("ヒャッハー"));
}

TEST_F(Window, CalculateShowsDoseVerdictGaugeAndScene)
{
    struct Case {
        const char* name;
        bool air;
        std::vector<std::pair<const char*, QString>> fields;
        int grayUnit;
        QString dose;
        int position;
        QColor colour;
        QString headline;
        dosecalc::SceneSelectors scene;
    };
    // One case to a row.
    // clang-format off
    const Case cases[] = {
        {"start values", false, {}, 1, QStringLiteral("  0.00"), 0, Qt::blue,
         QStringLiteral("安全です。"), {10, 14, 0}},
        {"air I-131 1000", true, {{"EdtBq_I", QStringLiteral("1000")}}, 1, QStringLiteral("  2.70"),
         10, Qt::yellow, QStringLiteral("健康に影響なし"), {19, 0, 0}},
        {"food intake 2 Cs-137 100", false,
         {{"Edt_C_Bq", QStringLiteral("2")}, {"EdtBq_Cs137", QStringLiteral("100")}},
         1, QStringLiteral("  0.95"), 94, Qt::blue, QStringLiteral("安全です。"), {10, 14, 0}},
        {"food Cs-134 and I-131", false,
         {{"EdtBq_Cs134", QStringLiteral("10000")}, {"EdtBq_I", QStringLiteral("500")}},
         1, QStringLiteral(" 73.36"), 38, Qt::yellow, QStringLiteral("健康に影響・・・ありそう"), {24, 9, 0}},
        {"60 uSv/h", false, {{"EdtSv", QStringLiteral("60")}}, 1, QStringLiteral("525.60"), 16, Qt::red,
         QStringLiteral("健康に害"), {15, 0, 0}},
        {"1 mGy/h", false, {{"EdtGy", QStringLiteral("1")}}, 2, QStringLiteral("8760.00"), 110, Qt::red,
         QStringLiteral("ヒャッハー"), {31, 0, 0}},
        {"0.3 mGy/h", false, {{"EdtGy", QStringLiteral("0.3")}}, 2, QStringLiteral("2628.00"), 69, Qt::red,
         QStringLiteral("超キケン"), {31, 0, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        clear();
        if (c.air)
            QTest::mouseClick(airItem(), Qt::LeftButton);
        for (const auto& [name, text] : c.fields)
            type(name, text);
        list("ComboBox2")->setCurrentIndex(c.grayUnit);
        label("Label21")->setText(notANumber); // a calculation puts the prompt back
        calculate();
        EXPECT_EQ(label("lblSv")->text(), c.dose) << c.name;
        EXPECT_EQ(gauge()->value(), c.position) << c.name;
        const auto [filled, empty] = gaugePainted();
        EXPECT_EQ(filled, c.position > 0 ? c.colour : QColor()) << c.name;
        EXPECT_NE(empty, c.colour) << c.name;
        EXPECT_EQ(label("Label9")->text(), c.headline) << c.name;
        EXPECT_EQ(form->currentScene(), c.scene) << c.name;
        EXPECT_EQ(label("Label21")->text(), prompt) << c.name;
    }
}

// Outside its filled part the gauge is painted as an untouched bar of the application's style is,
// at the same size, palette and value: it keeps its style's frame and shape. A run that names the
// style and colour scheme Qt should have chosen by itself (under Wine as Windows 11, in dark mode)
// checks that choice too.
TEST_F(Window, GaugeKeepsTheFrameOfItsStyle)
{
    if (const QString style = qEnvironmentVariable("DOSECALC_EXPECTED_STYLE"); !style.isEmpty()) {
        EXPECT_EQ(QApplication::style()->name(), style);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (qEnvironmentVariable("DOSECALC_EXPECTED_SCHEME") == QStringLiteral("dark")) {
        EXPECT_EQ(QGuiApplication::styleHints()->colorScheme(), Qt::ColorScheme::Dark);
    }
#endif
    type("EdtSv", QStringLiteral("60"));
    calculate(); // red, 16 of 110
    // Hidden, beside the gauge, so that it has the gauge's background.
    QProgressBar untouched(gauge()->parentWidget());
    untouched.setRange(gauge()->minimum(), gauge()->maximum());
    untouched.setTextVisible(gauge()->isTextVisible());
    untouched.setPalette(gauge()->palette());
    untouched.resize(gauge()->size());
    const QImage empty = untouched.grab().toImage();
    untouched.setValue(gauge()->value());
    const QImage filled = untouched.grab().toImage();
    const QImage painted = gauge()->grab().toImage();
    ASSERT_EQ(painted.size(), filled.size());
    int frame = 0;
    int differing = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (filled.pixel(x, y) == empty.pixel(x, y)) { // not the filled part
                ++frame;
                differing += painted.pixel(x, y) != filled.pixel(x, y);
            }
        }
    }
    EXPECT_GT(frame, painted.width() * painted.height() / 2);
    EXPECT_EQ(differing, 0) << "of " << frame << " pixels outside the filled part";
}

TEST_F(Window, AdviceIsPlainTextAndLabelsFollowTheirText)
{
    type("EdtGy", QStringLiteral("0.3"));
    list("ComboBox2")->setCurrentIndex(2);
    calculate(); // level 6
    EXPECT_EQ(advice()->toPlainText(), QStringLiteral("半分くらいは死にます\n 4000mSvで50% Death"));

    clear();
    type("EdtSv", QStringLiteral("10"));
    calculate(); // 87.6: level 2, a headline wider than the layout's 132 pixels
    QLabel* headline = label("Label9");
    EXPECT_EQ(headline->text(), QStringLiteral("健康に影響・・・ありそう"));
    EXPECT_GE(headline->width(), headline->fontMetrics().horizontalAdvance(headline->text()));
    EXPECT_GT(headline->width(), 132);

    type("EdtSv", QStringLiteral("1e300"));
    calculate();
    EXPECT_EQ(label("lblSv")->size(), QSize(211, 24)); // the dose keeps its fixed box
    EXPECT_EQ(gauge()->value(), 110);
}

TEST_F(Window, RefusedCalculationsChangeOnlyTheMessageLine)
{
    type("EdtGy", QStringLiteral("1"));
    list("ComboBox2")->setCurrentIndex(2);
    calculate();
    const Shown before = shown();
    ASSERT_EQ(before.dose, QStringLiteral("8760.00"));

    struct Refusal {
        const char* name;
        std::function<void()> prepare;
        QString message;
    };
    const Refusal refusals[] = {
        {"letters in I-131", [&] { type("EdtBq_I", QStringLiteral("abc")); }, notANumber},
        {"empty Cs-137", [&] { type("EdtBq_Cs137", QString()); }, notANumber},
        {"negative Cs-134", [&] { type("EdtBq_Cs134", QStringLiteral("-1")); }, notANumber},
        {"inf intake", [&] { type("Edt_C_Bq", QStringLiteral("inf")); }, notANumber},
        {"group separator in Sv", [&] { type("EdtSv", QStringLiteral("1,000")); }, notANumber},
        {"nan Gy", [&] { type("EdtGy", QStringLiteral("nan")); }, notANumber},
        {"bad hidden intake on the air route",
         [&] {
             QTest::mouseClick(airItem(), Qt::LeftButton);
             type("Edt_C_Bq", QStringLiteral("x"));
         },
         notANumber},
        {"no route",
         [&] {
             type("EdtBq_I", QStringLiteral("5"));
             QButtonGroup* items =
                 form->findChild<QButtonGroup*>(QStringLiteral("RadioGroup2_Items"));
             items->setExclusive(false);
             foodItem()->setChecked(false);
             items->setExclusive(true);
         },
         QStringLiteral("空気中、飲食物のいずれかを選択してください")},
        {"unknown Sv unit", [&] { list("ComboBox1")->setEditText(QStringLiteral("kSv /h")); },
         QStringLiteral("単位は一覧から選んでください")},
        {"unknown Gy unit", [&] { list("ComboBox2")->setEditText(QString()); },
         QStringLiteral("単位は一覧から選んでください")},
        {"NaN dose", [&] { type("Edt_C_Bq", QStringLiteral("1e400")); },
         QStringLiteral("数値が大きすぎます")},
        {"infinite dose", [&] { type("EdtSv", QStringLiteral("1e400")); },
         QStringLiteral("数値が大きすぎます")},
    };
    for (const Refusal& r : refusals) {
        // Start each from the level-8 inputs with the scene still showing level 8.
        clear();
        type("EdtGy", QStringLiteral("1"));
        list("ComboBox2")->setCurrentIndex(2);
        calculate();
        r.prepare();
        calculate();
        EXPECT_EQ(label("Label21")->text(), r.message) << r.name;
        EXPECT_EQ(shown(), before) << r.name;
    }
}

TEST_F(Window, ClearRestoresInputsAndStartFaceButKeepsTheResult)
{
    type("EdtGy", QStringLiteral("1"));
    list("ComboBox2")->setCurrentIndex(2);
    calculate();
    const Shown result = shown();
    QTest::mouseClick(airItem(), Qt::LeftButton);
    for (const char* name : {"EdtBq_I", "EdtBq_Cs137", "EdtBq_Cs134", "Edt_C_Bq", "EdtSv"})
        type(name, QStringLiteral("abc"));
    list("ComboBox1")->setEditText(QStringLiteral("whatever"));
    calculate(); // an error message for Clear to replace

    clear();
    for (const char* name : {"EdtBq_I", "EdtBq_Cs137", "EdtBq_Cs134", "EdtSv", "EdtGy"})
        EXPECT_EQ(edit(name)->text(), QStringLiteral("0")) << name;
    EXPECT_EQ(edit("Edt_C_Bq")->text(), QStringLiteral("1"));
    EXPECT_EQ(list("ComboBox1")->currentText(), QStringLiteral(" uSv /h"));
    EXPECT_EQ(list("ComboBox1")->currentIndex(), 1);
    EXPECT_EQ(list("ComboBox2")->currentText(), QStringLiteral(" uGy /h"));
    EXPECT_TRUE(foodItem()->isChecked());
    EXPECT_TRUE(edit("Edt_C_Bq")->isVisible());
    EXPECT_TRUE(label("Label2")->isVisible());
    EXPECT_TRUE(label("Label23")->isVisible());
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1kg / 1L あたり・・・"));
    EXPECT_EQ(label("Label21")->text(), prompt);
    EXPECT_EQ(form->currentScene(), dosecalc::startScene);

    // The last result and verdict stay; only the face goes back.
    Shown kept = shown();
    kept.scene = result.scene;
    EXPECT_EQ(kept, result);
    EXPECT_EQ(result.headline, QStringLiteral("ヒャッハー"));
    EXPECT_EQ(result.advice, QStringLiteral("全員死にます"));
    EXPECT_EQ(result.colour, QColor(Qt::red));
}

TEST_F(Window, TheDoseCarriesItsBreakdownInTooltipAndDescription)
{
    QLabel* dose = label("lblSv");
    const QString described = QStringLiteral("1年間の被曝線量 (ミリシーベルト)");
    EXPECT_TRUE(dose->toolTip().isEmpty());
    EXPECT_EQ(dose->accessibleDescription(), described);

    type("EdtBq_Cs137", QStringLiteral("20000"));
    type("EdtSv", QStringLiteral("2.1667"));
    calculate();
    const QString breakdown = QStringLiteral("内訳（1年間）\n"
                                             "セシウム137（飲食物）  94.90 mSv  83 %\n"
                                             "空間線量率 (Sv/h)      18.98 mSv  17 %");
    EXPECT_EQ(dose->text(), QStringLiteral("113.88"));
    EXPECT_EQ(dose->toolTip(), breakdown);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(dose);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Description),
              described + QLatin1Char('\n') + breakdown);

    // Resting the mouse on the dose shows it.
    const QPoint centre = dose->rect().center();
    QHelpEvent hover(QEvent::ToolTip, centre, dose->mapToGlobal(centre));
    QCoreApplication::sendEvent(dose, &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), breakdown);
    QToolTip::hideText();
    // Its columns line up: a full-width character takes the room of two blanks.
    const QFontMetrics columns(QToolTip::font());
    EXPECT_EQ(columns.horizontalAdvance(QStringLiteral("セシウム137（飲食物）")),
              columns.horizontalAdvance(QString(21, QLatin1Char(' '))));

    // A refused input and Clear leave it, as they leave the dose.
    type("EdtSv", QStringLiteral("abc"));
    calculate();
    EXPECT_EQ(label("Label21")->text(), notANumber);
    clear();
    EXPECT_EQ(dose->toolTip(), breakdown);
    EXPECT_EQ(dose->accessibleDescription(), described + QLatin1Char('\n') + breakdown);

    calculate(); // the start values
    EXPECT_EQ(dose->toolTip(), QStringLiteral("内訳: すべて 0 mSv"));
    EXPECT_EQ(dose->accessibleDescription(), described + QStringLiteral("\n内訳: すべて 0 mSv"));
}

TEST_F(Window, TheDoseCanBeSelectedAndCopied)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    type("EdtGy", QStringLiteral("1"));
    list("ComboBox2")->setCurrentIndex(2);
    calculate();
    QLabel* dose = label("lblSv");
    ASSERT_EQ(dose->text(), QStringLiteral("8760.00"));

    // Dragged across with the mouse, from its right end to its left.
    const int middle = dose->height() / 2;
    QTest::mousePress(dose, Qt::LeftButton, {}, QPoint(dose->width() - 1, middle));
    QTest::mouseMove(dose, QPoint(1, middle));
    QTest::mouseRelease(dose, Qt::LeftButton, {}, QPoint(1, middle));
    EXPECT_EQ(dose->selectedText(), QStringLiteral("8760.00"));

    // Its context menu copies the selection; with nothing selected, the dose without its blanks.
    const auto chooseFromMenu = [dose](const char* action) {
        const QPoint centre = dose->rect().center();
        QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, centre, dose->mapToGlobal(centre));
        QCoreApplication::sendEvent(dose, &menuRequest);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << action;
        QAction* chosen = menu->findChild<QAction*>(QLatin1String(action));
        ASSERT_NE(chosen, nullptr) << action;
        EXPECT_TRUE(chosen->isEnabled()) << action;
        chosen->trigger();
        menu->close();
    };
    QGuiApplication::clipboard()->clear();
    chooseFromMenu("edit-copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("8760.00"));

    type("EdtGy", QStringLiteral("0"));
    type("EdtSv", QStringLiteral("1"));
    calculate();
    ASSERT_EQ(dose->text(), QStringLiteral("  8.76"));
    EXPECT_FALSE(dose->hasSelectedText());
    chooseFromMenu("edit-copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("8.76"));
    chooseFromMenu("select-all");
    EXPECT_EQ(dose->selectedText(), QStringLiteral("  8.76"));

    // Selectable by mouse only: Tab passes it by (the tab order test walks the whole chain).
    EXPECT_FALSE(dose->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(dose->textInteractionFlags() & Qt::TextSelectableByMouse);
}

TEST_F(Window, RouteSwitchingHidesAndShowsTheIntakeRow)
{
    type("Edt_C_Bq", QStringLiteral("2.5"));
    QTest::mouseClick(airItem(), Qt::LeftButton);
    for (const char* name : {"Edt_C_Bq", "Label2", "Label23"})
        EXPECT_FALSE(child<QWidget>(name)->isVisible()) << name;
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1m^2あたり・・・"));
    EXPECT_EQ(edit("Edt_C_Bq")->text(), QStringLiteral("2.5"));

    QSignalSpy toggles(form->findChild<QButtonGroup*>(QStringLiteral("RadioGroup2_Items")),
                       &QButtonGroup::idToggled);
    QTest::mouseClick(airItem(), Qt::LeftButton); // already selected: nothing changes
    EXPECT_EQ(toggles.count(), 0);
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1m^2あたり・・・"));

    QTest::mouseClick(foodItem(), Qt::LeftButton);
    for (const char* name : {"Edt_C_Bq", "Label2", "Label23"})
        EXPECT_TRUE(child<QWidget>(name)->isVisible()) << name;
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1kg / 1L あたり・・・"));
    EXPECT_EQ(edit("Edt_C_Bq")->text(), QStringLiteral("2.5"));

    // Clear from the air route switches back to food.
    QTest::mouseClick(airItem(), Qt::LeftButton);
    clear();
    EXPECT_TRUE(edit("Edt_C_Bq")->isVisible());
    EXPECT_EQ(label("Label22")->text(), QStringLiteral("1kg / 1L あたり・・・"));
}

TEST_F(Window, ReturnInAnyInputFieldCalculates)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    struct Field {
        QWidget* target;
        const char* name;
    };
    const Field fields[] = {
        {edit("EdtBq_I"), "EdtBq_I"},
        {edit("EdtBq_Cs137"), "EdtBq_Cs137"},
        {edit("EdtBq_Cs134"), "EdtBq_Cs134"},
        {edit("Edt_C_Bq"), "Edt_C_Bq"},
        {edit("EdtSv"), "EdtSv"},
        {edit("EdtGy"), "EdtGy"},
        {list("ComboBox1")->lineEdit(), "ComboBox1"},
        {list("ComboBox2")->lineEdit(), "ComboBox2"},
    };
    int rate = 1;
    for (const Field& f : fields) {
        clear();
        type("EdtSv", QString::number(rate));
        f.target->setFocus();
        QTest::keyClick(f.target, rate % 2 == 0 ? Qt::Key_Enter : Qt::Key_Return);
        EXPECT_EQ(label("lblSv")->text(),
                  QString::fromStdU16String(dosecalc::formatDose(rate * 8.76, u".")))
            << f.name;
        ++rate;
    }
}

TEST_F(Window, FullWidthDigitsFromAnInputMethodAreRead)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QLineEdit* field = edit("EdtSv");
    field->clear();
    field->setFocus();
    QInputMethodEvent composing(QStringLiteral("１２．５"), {});
    QCoreApplication::sendEvent(field, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("１２．５"));
    QCoreApplication::sendEvent(field, &committed);
    ASSERT_EQ(field->text(), QStringLiteral("１２．５"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral("109.50"));
    EXPECT_EQ(label("Label9")->text(), QStringLiteral("健康に影響・・・ありそう"));

    type("EdtSv", QStringLiteral("\u3000１\u3000"));
    calculate();
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral("  8.76"));
}

TEST_F(Window, NumbersFollowTheUsersLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type("EdtSv", QStringLiteral("2,5"));
    calculate();
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral(" 21,90"));
    type("EdtSv", QStringLiteral("2.5"));
    calculate();
    EXPECT_EQ(label("Label21")->text(), notANumber);
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral(" 21,90"));
    QLocale::setDefault(previous);

    type("EdtSv", QStringLiteral("2.5"));
    calculate();
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral(" 21.90"));
}

TEST_F(Window, EachTickAdvancesTheAngleAndDrawsTheCurrentScene)
{
    form->Timer_VTimer();
    ASSERT_EQ(recordedFrames().size(), 1U);
    const RecordedFrame& first = recordedFrames().front();
    EXPECT_EQ(first.surface, &form->renderSurface());
    expectStartSceneFrame(first, 1);

    for (int tick = 2; tick <= 361; ++tick)
        form->Timer_VTimer();
    ASSERT_EQ(recordedFrames().size(), 361U);
    EXPECT_EQ(recordedFrames()[358].angle, 359);
    EXPECT_EQ(recordedFrames()[359].angle, 0); // the 360th tick
    EXPECT_EQ(recordedFrames()[360].angle, 1);
    EXPECT_EQ(form->currentAngle(), 1);

    // A calculation changes the face from the next tick on; Clear brings the start face back.
    type("EdtSv", QStringLiteral("10"));
    calculate();
    form->Timer_VTimer();
    EXPECT_EQ(recordedFrames().back().faceType, 24);
    EXPECT_EQ(recordedFrames().back().decorA, 9);
    clear();
    form->Timer_VTimer();
    EXPECT_EQ(recordedFrames().back().faceType, 1);
    EXPECT_EQ(recordedFrames().back().decorA, 0);
}

TEST_F(Window, TheFrameAfterACalculationDrawsItsLevelsPicture)
{
    // One dose rate in uSv/h per level (8.76 mSv a year each), and the picture that level names.
    struct Case {
        const char* rate;
        std::int32_t faceType;
        std::int32_t decorA;
    };
    const Case levels[] = {
        {"0.1", 10, 14}, {"1", 19, 0},   {"10", 24, 9},  {"40", 28, 0},   {"100", 15, 0},
        {"200", 31, 0},  {"300", 31, 0}, {"600", 31, 0}, {"1000", 31, 0},
    };
    for (const Case& level : levels) {
        type("EdtSv", QString::fromLatin1(level.rate));
        calculate();
        form->Timer_VTimer();
        const RecordedFrame& frame = recordedFrames().back();
        EXPECT_EQ(frame.faceType, level.faceType) << level.rate;
        EXPECT_EQ(frame.decorA, level.decorA) << level.rate;
        EXPECT_EQ(frame.decorB, 0) << level.rate;
        EXPECT_EQ(frame.decorC, 45) << level.rate;
    }
}

TEST_F(Window, TheTimerDrivesTheAnimation)
{
    timer->start();
    EXPECT_TRUE(QTest::qWaitFor([] { return recordedFrames().size() >= 2; }, 5000));
    ASSERT_GE(recordedFrames().size(), 2U);
    EXPECT_EQ(recordedFrames()[0].angle, 1);
    EXPECT_EQ(recordedFrames()[1].angle, 2);
}

#ifdef DOSECALC_TEST_OFFSCREEN
// Only the offscreen platform is sure to have no GL (under Wine, Wine's GL reaches Mesa's).
TEST_F(Window, WithoutGlTheWindowStillWorks)
{
    EXPECT_EQ(form->renderSurface().glContext, nullptr);
    form->Timer_VTimer(); // draws nothing and presents nothing
    type("EdtSv", QStringLiteral("1"));
    calculate();
    EXPECT_EQ(label("lblSv")->text(), QStringLiteral("  8.76"));
}
#endif

// The texts of the context menu a right click opens on the control (closed again), separators left
// out.
QStringList contextMenuTexts(QWidget* control)
{
    const QPoint centre = control->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, centre, control->mapToGlobal(centre));
    QCoreApplication::sendEvent(control, &request);
    QStringList texts;
    if (QWidget* menu = QApplication::activePopupWidget()) {
        for (const QAction* action : menu->actions())
            texts << action->text();
        menu->close();
    }
    texts.removeAll(QString());
    return texts;
}

TEST_F(Window, QtsOwnMenusSpeakJapanese)
{
    for (QWidget* field : {static_cast<QWidget*>(edit("EdtBq_I")),
                           static_cast<QWidget*>(list("ComboBox1")->lineEdit())}) {
        const QString texts = contextMenuTexts(field).join(QLatin1Char('\n'));
        EXPECT_TRUE(texts.startsWith(QStringLiteral("元に戻す(&U)\tCtrl+Z\n")))
            << texts.toStdString();
        // No Latin letter but in an accelerator "(&U)" or a shortcut "Ctrl+Z", in seven actions.
        const QString words =
            QString(texts).remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)|\t[^\n]*")));
        EXPECT_FALSE(words.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << words.toStdString();
        EXPECT_EQ(texts.count(QLatin1Char('\n')), 6);
    }
    EXPECT_EQ(contextMenuTexts(label("lblSv")),
              QStringList({QStringLiteral("コピー(&C)"), QStringLiteral("すべて選択(&A)")}));

    // Without the translation file Qt's texts are its English ones.
    auto* application = qobject_cast<DoseCalcApplication*>(QCoreApplication::instance());
    EXPECT_FALSE(application->loadQtTranslation(QTemporaryDir().path()));
    EXPECT_EQ(contextMenuTexts(edit("EdtBq_I")).front(), QStringLiteral("&Undo\tCtrl+Z"));
    EXPECT_TRUE(application->loadQtTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

TEST_F(Window, ADoseTooLongForItsBoxIsShownShortAndTrueAndCopiedAsShown)
{
    // In mGy/h (8760 mSv a year each): the largest dose the box shows in full at its font, the
    // next one in hundredths, and 1e300 Bq of Cs-137. With IPA P Gothic as FreeType draws it the
    // box holds eleven digits before the point; Windows' font engines may draw the bold digits
    // wider.
    QLabel* dose = label("lblSv");
    const auto fits = [dose](const QString& text) {
        return dose->fontMetrics().horizontalAdvance(text) <= dose->width();
    };
    int digits = 1;
    while (fits(QString(digits + 1, QLatin1Char('9')) + QStringLiteral(".99")))
        ++digits;
    EXPECT_FALSE(
        fits(QLatin1Char('1') + QString(digits, QLatin1Char('0')) + QStringLiteral(".00")));
#ifndef _WIN32
    EXPECT_EQ(digits, 11);
#endif
    const double full = std::pow(10.0, digits);
    const std::tuple<const char*, QString, QString> cases[] = {
        {"EdtGy", QString::number((full - 0.01) / 8760, 'g', 17),
         QString(digits, QLatin1Char('9')) + QStringLiteral(".99")},
        {"EdtGy", QString::number(full / 8760, 'g', 17),
         QStringLiteral("1.00e+%1").arg(digits, 2, 10, QLatin1Char('0'))},
        {"EdtBq_Cs137", QStringLiteral("1e300"), QStringLiteral("4.75e+297")},
    };
    for (const auto& [field, typed, shown] : cases) {
        clear();
        type(field, typed);
        list("ComboBox2")->setCurrentIndex(2);
        calculate();
        EXPECT_EQ(dose->text(), shown);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dose)->text(QAccessible::Name), shown);
        EXPECT_TRUE(
            dose->toolTip().endsWith(QLatin1Char(' ') + shown + QStringLiteral(" mSv 100 %")))
            << typed.toStdString();
        EXPECT_TRUE(dose->accessibleDescription().endsWith(dose->toolTip())) << typed.toStdString();
        // A double click takes the whole number, not the digits on one side of its point.
        QGuiApplication::clipboard()->clear();
        QTest::mouseDClick(dose, Qt::LeftButton, {}, QPoint(dose->width() - 4, dose->height() / 2));
        QTest::keyClick(dose, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);
    }
}

TEST_F(Window, AUnitTypedInAnotherSpellingSelectsItsItem)
{
    type("EdtSv", QStringLiteral("1"));
    QComboBox* unit = list("ComboBox1");
    for (const auto& [typed, selected, shown] :
         {std::tuple{"µSv/h", " uSv /h", "  8.76"}, std::tuple{"ｍＳｖ／ｈ", " mSv /h", "8760.00"},
          std::tuple{"MSv/h", "MSv/h", "8760.00"}}) { // refused
        unit->setEditText(QString::fromUtf8(typed));
        QTest::keyClick(unit->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(unit->currentText(), QString::fromUtf8(selected));
        EXPECT_EQ(label("lblSv")->text(), QString::fromLatin1(shown));
    }
    EXPECT_EQ(label("Label21")->text(), QStringLiteral("単位は一覧から選んでください"));
}

} // namespace
