#include "mainframe.h"

#include "calculation.h"
#include "copyable_label.h"
#include "dose_calculation.h"
#include "dose_text.h"
#include "frame_request.h"
#include "gauge_style.h"
#include "japanese_fonts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

#include <cstddef>
#include <variant>

TMainForm* MainForm = nullptr;

namespace {

// The form gives the layout's fonts in pixels (Qt Designer knows point sizes only) through a
// property of this name on the form and on each control with a size of its own. The form's face
// is the system's Japanese proportional Gothic (japanese_fonts.h): MS P Gothic, which the layout
// was designed with, or IPA P Gothic, which has its proportions.
constexpr char fontPixelSizeProperty[] = "fontPixelSize";
// Labels marked so in the form size themselves to their text, as the layout's auto-sized ones do.
constexpr char autoSizeProperty[] = "autoSize";

constexpr int breakdownFontSize = 14;
constexpr int timerInterval = 70; // ms

// The same Gothic with every full-width character exactly twice as wide as an ASCII one, so that
// blanks can line up columns.
QFont gothicColumns(int pixelSize)
{
    QFont font;
    font.setFamilies(columnGothicFamilies());
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    return font;
}

QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

std::u16string_view toView(const QString& text)
{
    const QStringView view(text);
    return {view.utf16(), static_cast<std::size_t>(view.size())};
}

// An auto-sized label keeps fitting its text.
void setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void applyFontPixelSize(QWidget* widget)
{
    const QVariant pixelSize = widget->property(fontPixelSizeProperty);
    if (!pixelSize.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(pixelSize.toInt());
    widget->setFont(font);
}

// Narrows the letter spacing of a label whose text is wider than the room its parent leaves it
// (the layout was measured with MS P Gothic, whose Latin letters are a little narrower).
void fitLabelToParent(QLabel* label)
{
    const int room = label->parentWidget()->width() - 2 * label->x();
    const int excess = label->width() - room;
    if (excess <= 0 || label->text().size() < 2)
        return;
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing,
                          -static_cast<qreal>(excess)
                              / static_cast<qreal>(label->text().size() - 1));
    label->setFont(font);
    label->adjustSize();
}

// Qt on Linux gives assistive technology an editable list's current text as the list's name, so
// what the list is for also goes into its description and names the text field inside it.
void describeUnitList(QComboBox* list)
{
    list->setAccessibleDescription(list->accessibleName());
    list->lineEdit()->setAccessibleName(list->accessibleName());
}

// Assistive technology finds the window the focus is in by its role; a plain top-level QWidget
// would present itself as a bare client area instead of a window with a title.
QAccessibleInterface* accessibleMainForm(const QString& className, QObject* object)
{
    if (className == QLatin1String("TMainForm") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// Selects an item and shows its text, also when the user had typed over the selected one.
void selectUnit(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    list->setEditText(list->itemText(index));
}

// A unit typed in another spelling ("µSv/h") selects the item it names once the user leaves the
// field or presses Return; a text that names none stays as typed, for Calculate to refuse.
void selectTypedUnits(QComboBox* list, const std::array<std::u16string_view, 3>& items)
{
    QObject::connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list, items] {
        const int index = dosecalc::unitIndexOf(toView(list->currentText()), items);
        if (index >= 0 && list->currentText() != list->itemText(index))
            selectUnit(list, index);
    });
}

// Whether a text is shown whole in the label at its font; a longer one would lose its start.
dosecalc::DoseTextFits fitsIn(const QLabel* label)
{
    return [label](std::u16string_view text) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        return label->fontMetrics().horizontalAdvance(toQString(text)) <= room;
    };
}

QColor toQColor(dosecalc::GaugeColour colour)
{
    return QColor::fromRgb(static_cast<QRgb>(colour));
}

} // namespace

TMainForm::TMainForm(QWidget* owner, FrameDrawer drawFrameFunction)
    : QWidget(owner), drawFrame(drawFrameFunction)
{
    // Once per run, before assistive technology first asks for the window.
    static const bool accessibleAsWindow = [] {
        QAccessible::installFactory(&accessibleMainForm);
        return true;
    }();
    Q_UNUSED(accessibleAsWindow);
    setupUi(this);
    completeLayout();
    connectHandlers();
    fillVerdictTable();
    angle = 0;
    showStartScene();
    bindRenderSurface();
    // Last, so that no frame is drawn before the GL context is current.
    Timer_V->start();
}

TMainForm::~TMainForm() = default;

void TMainForm::completeLayout()
{
    // Qt Designer places a window by size only.
    move(314, 115);
    // The form's background and the advice box's are the system's button face, whatever colours
    // its scheme gives it (a form file holds fixed colours only).
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, formPalette.color(QPalette::Button));
    setPalette(formPalette);
    QPalette advicePalette = RichEdit1->palette();
    advicePalette.setColor(QPalette::Base, advicePalette.color(QPalette::Button));
    RichEdit1->setPalette(advicePalette);

    // The form's font first, so that the controls take its size unless they have their own; where
    // its face is missing, Qt takes a sans-serif one.
    QFont formFont = font();
    formFont.setFamilies(proportionalGothicFamilies());
    formFont.setStyleHint(QFont::SansSerif);
    setFont(formFont);
    applyFontPixelSize(this);
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls)
        applyFontPixelSize(control);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property(autoSizeProperty).toBool())
            label->adjustSize();
    }
    fitLabelToParent(Label20);
    // Where the font draws wider than the one the layout was measured with (Windows' GDI drew the
    // bold IPA P Gothic wide enough to push "mSv" beyond the window's edge), the window grows to
    // hold every control.
    const QRect controlsRect = childrenRect();
    setMinimumSize(minimumSize().expandedTo(
        QSize(controlsRect.x() + controlsRect.width(), controlsRect.y() + controlsRect.height())));
    resize(size().expandedTo(minimumSize()));

    panelDC.panel = Panel_V;

    Timer_V = new QTimer(this);
    Timer_V->setObjectName(QStringLiteral("Timer_V"));
    Timer_V->setInterval(timerInterval);

    RadioGroup2_Items->setId(RadioGroup2_Item0, dosecalc::airRoute);
    RadioGroup2_Items->setId(RadioGroup2_Item1, dosecalc::foodRoute);
    tabToSelectedRoute();
    describeUnitList(ComboBox1);
    describeUnitList(ComboBox2);
    doseDescription = lblSv->accessibleDescription();
    makeCopyable(lblSv);
    paintBarInHighlightColour(ProgressBar1);
    // The breakdown in the dose's tooltip lines up in columns in a font of fixed-width halves.
    QToolTip::setFont(gothicColumns(breakdownFontSize));
    EdtBq_I->setFocus();
}

void TMainForm::connectHandlers()
{
    connect(Timer_V, &QTimer::timeout, this, &TMainForm::Timer_VTimer);
    // The face appears with the window: its first paint draws the frame of the angle so far (0,
    // the start face) instead of leaving the panel empty until the first tick.
    connect(Panel_V, &FacePanel::firstFrameWanted, this, &TMainForm::drawFrameOfTheAngle);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);
    // Return in any input field calculates, as on a calculator.
    for (QLineEdit* field : {EdtBq_I, EdtBq_Cs137, EdtBq_Cs134, Edt_C_Bq, EdtSv, EdtGy,
                             ComboBox1->lineEdit(), ComboBox2->lineEdit()})
        connect(field, &QLineEdit::returnPressed, this, &TMainForm::Button1Click);
    // Connected after the layout's selection, so loading does not run the handler. It runs when
    // an item becomes selected, and when the selection is taken away altogether.
    connect(RadioGroup2_Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        tabToSelectedRoute();
        if (checked || RadioGroup2_Items->checkedId() == dosecalc::noRoute)
            RadioGroup2Click();
    });
    selectTypedUnits(ComboBox1, dosecalc::sievertUnitItems);
    selectTypedUnits(ComboBox2, dosecalc::grayUnitItems);
}

void TMainForm::fillVerdictTable()
{
    for (std::size_t level = 0; level < viewData.size(); ++level) {
        const dosecalc::VerdictRow& row = dosecalc::verdictRows[level];
        viewData[level] = ViewData{row.scene.faceType, row.scene.decorA, row.scene.decorB,
                                   toQString(row.headline), toQString(row.advice)};
    }
}

void TMainForm::bindRenderSurface()
{
    toge = std::make_unique<Toge>();
    toge->attach(&panelDC);
    // The viewport covers the panel's device pixels, so the face stays sharp on high-DPI screens.
    const qreal ratio = Panel_V->devicePixelRatio();
    toge->width = qRound(Panel_V->width() * ratio);
    toge->height = qRound(Panel_V->height() * ratio);
    toge->createContext();
}

void TMainForm::tabToSelectedRoute()
{
    // The group is one tab stop, at its selected item (the first when none is); the arrow keys
    // move between the items.
    QAbstractButton* stop = RadioGroup2_Items->checkedButton() != nullptr
                                ? RadioGroup2_Items->checkedButton()
                                : RadioGroup2_Item0;
    for (QAbstractButton* item : RadioGroup2_Items->buttons())
        item->setFocusPolicy(item == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

int TMainForm::selectedRoute() const
{
    return RadioGroup2_Items->checkedId();
}

void TMainForm::Button1Click()
{
    const QString decimalSeparator = QLocale().decimalPoint();
    const QString texts[] = {EdtBq_I->text(),  EdtBq_Cs137->text(), EdtBq_Cs134->text(),
                             Edt_C_Bq->text(), EdtSv->text(),       EdtGy->text()};
    const QString sievertUnit = ComboBox1->currentText();
    const QString grayUnit = ComboBox2->currentText();

    dosecalc::CalculationInput input;
    input.iodine131 = toView(texts[0]);
    input.caesium137 = toView(texts[1]);
    input.caesium134 = toView(texts[2]);
    input.intake = toView(texts[3]);
    input.sievertRate = toView(texts[4]);
    input.grayRate = toView(texts[5]);
    input.route = selectedRoute();
    input.sievertUnit = dosecalc::unitIndexOf(toView(sievertUnit), dosecalc::sievertUnitItems);
    input.grayUnit = dosecalc::unitIndexOf(toView(grayUnit), dosecalc::grayUnitItems);
    input.decimalSeparator = toView(decimalSeparator);
    input.doseTextFits = fitsIn(lblSv);

    const dosecalc::CalculationOutcome outcome = dosecalc::calculate(input);
    if (const auto* error = std::get_if<dosecalc::InputError>(&outcome)) {
        setLabelText(Label21, toQString(dosecalc::messageFor(*error)));
        return;
    }
    const auto& result = std::get<dosecalc::CalculationResult>(outcome);
    setLabelText(Label21, toQString(dosecalc::promptMessage));
    lblSv->setText(toQString(result.doseText));
    // Which input makes the dose: the terms on hover, and to assistive technology after what the
    // label is.
    const QString breakdown = toQString(result.breakdownText);
    lblSv->setToolTip(breakdown);
    lblSv->setAccessibleDescription(doseDescription + QLatin1Char('\n') + breakdown);
    showVerdict(result.verdict);
}

void TMainForm::showVerdict(const dosecalc::Verdict& verdict)
{
    // The gauge's bar is painted in its highlight colour under every style (gauge_style.h).
    QPalette gaugePalette = ProgressBar1->palette();
    gaugePalette.setColor(QPalette::Highlight, toQColor(verdict.colour));
    ProgressBar1->setPalette(gaugePalette);
    ProgressBar1->setValue(verdict.gaugePosition);

    const ViewData& entry = viewData[static_cast<std::size_t>(verdict.level)];
    faceType = entry.faceType;
    decorA = entry.decorA;
    decorB = entry.decorB;
    setLabelText(Label9, entry.headline);
    RichEdit1->clear();
    RichEdit1->setPlainText(entry.advice);
}

void TMainForm::showStartScene()
{
    faceType = dosecalc::startScene.faceType;
    decorA = dosecalc::startScene.decorA;
    decorB = dosecalc::startScene.decorB;
}

void TMainForm::Button2Click()
{
    showStartScene();
    // Switches the window to the food state if air was selected.
    RadioGroup2_Item1->setChecked(true);
    for (QLineEdit* field : {EdtBq_I, EdtBq_Cs137, EdtBq_Cs134, EdtSv, EdtGy})
        field->setText(QStringLiteral("0"));
    Edt_C_Bq->setText(QStringLiteral("1"));
    selectUnit(ComboBox1, dosecalc::microUnit);
    selectUnit(ComboBox2, dosecalc::microUnit);
    setLabelText(Label21, toQString(dosecalc::promptMessage));
}

void TMainForm::RadioGroup2Click()
{
    const bool air = selectedRoute() == dosecalc::airRoute;
    Edt_C_Bq->setVisible(!air);
    Label2->setVisible(!air);
    Label23->setVisible(!air);
    setLabelText(Label22, air ? QStringLiteral("1m^2あたり・・・")
                              : QStringLiteral("1kg / 1L あたり・・・"));
}

void TMainForm::Timer_VTimer()
{
    ++angle;
    if (angle > 359)
        angle = 0;
    // Nothing is drawn into a panel nobody can see (minimised, unmapped, on another workspace,
    // obscured); the angle runs on, so the first frame back shows the animation where it would be.
    if (!panelDC.onScreen())
        return;
    drawFrameOfTheAngle();
}

void TMainForm::drawFrameOfTheAngle()
{
    double bandValues[tickFrame::bandCount] = {};
    drawFrame(*toge, faceType, decorA, decorB, tickFrame::decorC, angle, tickFrame::angleScale,
              tickFrame::bandCount, bandValues, tickFrame::threshold, tickFrame::extra);
    toge->present();
}
