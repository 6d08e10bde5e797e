#include "mainframe.h"

#include "calculation.h"
#include "copyable_label.h"
#include "dose_calculation.h"
#include "dose_text.h"
#include "frame_request.h"
#include "japanese_fonts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTextEdit>
#include <QTimer>
#include <QToolTip>

#include <cstddef>
#include <optional>
#include <variant>

TMainForm* MainForm = nullptr;

namespace {

// Japanese proportional Gothic at the layout's pixel sizes (the layout's font was designed for
// MS P Gothic; IPA P Gothic has the same proportions).
QFont gothic(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies(proportionalGothicFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

constexpr int windowFontSize = 12;
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

QString doseDescription()
{
    return QStringLiteral("1年間の被曝線量 (ミリシーベルト)");
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

// Labels size themselves to their text, as the layout's auto-sized labels do.
void setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                   const std::optional<QFont>& font = std::nullopt)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    if (font)
        label->setFont(*font);
    label->move(left, top);
    setLabelText(label, text);
    return label;
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
    font.setLetterSpacing(QFont::AbsoluteSpacing, -static_cast<qreal>(excess) / static_cast<qreal>(label->text().size() - 1));
    label->setFont(font);
    label->adjustSize();
}

QLabel* placeRedLabel(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    QLabel* label = placeLabel(parent, name, text, left, top);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    label->setPalette(palette);
    return label;
}

// Names a control after the layout, puts it at its place and, for an input, says what it is.
template <class Control>
Control* place(Control* control, const char* name, const QRect& geometry, const QString& accessibleName = {})
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    if (!accessibleName.isEmpty())
        control->setAccessibleName(accessibleName);
    return control;
}

QComboBox* unitList(QWidget* parent, const std::array<std::u16string_view, 3>& items)
{
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (const std::u16string_view item : items)
        list->addItem(toQString(item));
    list->setCurrentIndex(dosecalc::microUnit);
    return list;
}

// Qt on Linux gives assistive technology an editable list's current text as the list's name, so
// what the list is for also goes into its description and names the text field inside it.
void describeUnitList(QComboBox* list)
{
    list->setAccessibleDescription(list->accessibleName());
    list->lineEdit()->setAccessibleName(list->accessibleName());
}

// A button is announced by the text it shows, so that speech and voice control match what is
// seen; what it does is its description.
QPushButton* pushButton(QWidget* parent, const QString& text, const QString& description)
{
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(text);
    button->setAccessibleDescription(description);
    return button;
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
    return {colour.red, colour.green, colour.blue};
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
    loadLayout();
    selectTypedUnits(ComboBox1, dosecalc::sievertUnitItems);
    selectTypedUnits(ComboBox2, dosecalc::grayUnitItems);
    fillVerdictTable();
    angle = 0;
    const dosecalc::SceneSelectors start = dosecalc::startScene;
    faceType = start.faceType;
    decorA = start.decorA;
    decorB = start.decorB;
    bindRenderSurface();
    // Last, so that no frame is drawn before the GL context is current.
    Timer_V->start();
}

TMainForm::~TMainForm() = default;

void TMainForm::loadLayout()
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("1年間の被爆量 かんたん計算"));
    setFont(gothic(windowFontSize));
    // The form's background is the button face, as the advice box's is.
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, formPalette.color(QPalette::Button));
    setPalette(formPalette);
    constexpr int clientWidth = 665;
    constexpr int clientHeight = 393;
    setMinimumSize(clientWidth, clientHeight);
    resize(clientWidth, clientHeight);
    move(314, 115);

    Splitter1 = place(new QSplitter(Qt::Vertical, this), "Splitter1", QRect(0, 0, clientWidth, 0));

    Panel_V = place(new FacePanel(this), "Panel_V", QRect(416, 0, 241, 177));
    Panel_V->setFocusPolicy(Qt::NoFocus);
    panelDC.panel = Panel_V;
    // The face appears with the window: its first paint draws the frame of the angle so far (0,
    // the start face) instead of leaving the panel empty until the first tick.
    connect(Panel_V, &FacePanel::firstFrameWanted, this, &TMainForm::drawFrameOfTheAngle);

    Timer_V = new QTimer(this);
    Timer_V->setObjectName(QStringLiteral("Timer_V"));
    Timer_V->setInterval(timerInterval);
    connect(Timer_V, &QTimer::timeout, this, &TMainForm::Timer_VTimer);

    ProgressBar1 = place(new QProgressBar(this), "ProgressBar1", QRect(416, 184, 241, 33),
                         QStringLiteral("健康への影響の度合い"));
    ProgressBar1->setRange(dosecalc::gaugeMinimum, dosecalc::gaugeMaximum);
    ProgressBar1->setValue(dosecalc::gaugeMinimum);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFocusPolicy(Qt::NoFocus);

    RichEdit1 = place(new QTextEdit(this), "RichEdit1", QRect(416, 304, 249, 89),
                      QStringLiteral("健康への影響についての助言"));
    RichEdit1->setFont(gothic(15));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setTabChangesFocus(true);
    QPalette advicePalette = RichEdit1->palette();
    advicePalette.setColor(QPalette::Base, advicePalette.color(QPalette::Button));
    RichEdit1->setPalette(advicePalette);

    Label1 = placeLabel(this, "Label1", QStringLiteral("１年間の被曝線量は"), 408, 224);

    // The dose keeps its fixed box, right-aligned.
    lblSv = place(new QLabel(QStringLiteral("0"), this), "lblSv", QRect(400, 240, 211, 24));
    lblSv->setTextFormat(Qt::PlainText);
    lblSv->setFont(gothic(24, true));
    lblSv->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblSv->setAccessibleDescription(doseDescription());
    makeCopyable(lblSv);
    // The breakdown in the dose's tooltip lines up in columns in a font of fixed-width halves.
    QToolTip::setFont(gothicColumns(breakdownFontSize));

    Label3 = placeLabel(this, "Label3", QStringLiteral("mSv"), 616, 240, gothic(24, true));
    Label9 = placeLabel(this, "Label9", QStringLiteral("健康への影響"), 416, 272, gothic(21, true));
    Label9->setAccessibleDescription(QStringLiteral("健康への影響の判定"));
    Label21 = placeLabel(this, "Label21", toQString(dosecalc::promptMessage), 8, 8, gothic(15, true));
    Label21->setAccessibleDescription(QStringLiteral("入力の案内とエラーメッセージ"));

    Button2 = place(pushButton(this, QStringLiteral("項目クリア"), QStringLiteral("入力をすべて初期値に戻す")),
                    "Button2", QRect(24, 32, 273, 33));
    connect(Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);

    GroupBox1 = place(new QGroupBox(QStringLiteral("飲食物／大気中の放射線物質濃度 (Bq: ベクレル)"), this),
                      "GroupBox1", QRect(16, 80, 281, 169));
    loadConcentrationBox();

    GroupBox2 = place(new QGroupBox(QStringLiteral("放射線量"), this), "GroupBox2", QRect(16, 256, 281, 137));
    loadDoseRateBox();

    Button1 = place(pushButton(this, QStringLiteral("計算"), QStringLiteral("年間の被曝線量を計算する")),
                    "Button1", QRect(312, 160, 73, 121));
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);

    // Return in any input field calculates, as on a calculator.
    for (QLineEdit* field : {EdtBq_I, EdtBq_Cs137, EdtBq_Cs134, Edt_C_Bq, EdtSv, EdtGy,
                             ComboBox1->lineEdit(), ComboBox2->lineEdit()})
        connect(field, &QLineEdit::returnPressed, this, &TMainForm::Button1Click);

    setTabOrderOfLayout();
    EdtBq_I->setFocus();
}

void TMainForm::loadConcentrationBox()
{
    QGroupBox* box = GroupBox1;
    Label2 = placeRedLabel(box, "Label2", QStringLiteral("1日あたり"), 45, 22);
    Edt_C_Bq = place(new QLineEdit(QStringLiteral("1"), box), "Edt_C_Bq", QRect(104, 16, 73, 20),
                     QStringLiteral("1日あたりの摂取量 (キログラムまたはリットル)"));
    Label23 = placeRedLabel(box, "Label23", QStringLiteral("kg(L) 摂取"), 184, 24);
    Label22 = placeRedLabel(box, "Label22", QStringLiteral("1kg / 1L あたり・・・"), 88, 43);
    Label22->setAccessibleDescription(QStringLiteral("濃度の単位"));

    RadioGroup2 = place(new QGroupBox(QStringLiteral("どっち？"), box), "RadioGroup2", QRect(8, 48, 73, 105));
    RadioGroup2->setAccessibleName(QStringLiteral("濃度を測った場所"));
    airItem = place(new QRadioButton(QStringLiteral("空気中"), RadioGroup2), "RadioGroup2_Item0",
                    QRect(8, 22, 60, 24), QStringLiteral("空気中の濃度"));
    foodItem = place(new QRadioButton(QStringLiteral("飲食物"), RadioGroup2), "RadioGroup2_Item1",
                     QRect(8, 64, 60, 24), QStringLiteral("飲食物の濃度"));
    routeItems = new QButtonGroup(this);
    routeItems->setObjectName(QStringLiteral("RadioGroup2_Items"));
    routeItems->addButton(airItem, dosecalc::airRoute);
    routeItems->addButton(foodItem, dosecalc::foodRoute);
    foodItem->setChecked(true);
    tabToSelectedRoute();
    // Connected after the layout's selection, so loading does not run the handler. It runs when
    // an item becomes selected, and when the selection is taken away altogether.
    connect(routeItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        tabToSelectedRoute();
        if (checked || routeItems->checkedId() == dosecalc::noRoute)
            RadioGroup2Click();
    });

    Label6 = placeLabel(box, "Label6", QStringLiteral("ヨウ素131 ( I-131 )"), 96, 58);
    EdtBq_I = place(new QLineEdit(QStringLiteral("0"), box), "EdtBq_I", QRect(112, 71, 121, 20),
                    QStringLiteral("ヨウ素131の濃度 (ベクレル)"));
    Label4 = placeLabel(box, "Label4", QStringLiteral("Bq"), 240, 75);
    Label11 = placeLabel(box, "Label11", QStringLiteral("セシウム134 ( Cs-134 )"), 94, 95);
    EdtBq_Cs134 = place(new QLineEdit(QStringLiteral("0"), box), "EdtBq_Cs134", QRect(112, 109, 121, 20),
                        QStringLiteral("セシウム134の濃度 (ベクレル)"));
    Label10 = placeLabel(box, "Label10", QStringLiteral("Bq"), 240, 112);
    Label7 = placeLabel(box, "Label7", QStringLiteral("セシウム137 ( Cs-137 )"), 96, 130);
    EdtBq_Cs137 = place(new QLineEdit(QStringLiteral("0"), box), "EdtBq_Cs137", QRect(112, 144, 121, 20),
                        QStringLiteral("セシウム137の濃度 (ベクレル)"));
    Label5 = placeLabel(box, "Label5", QStringLiteral("Bq"), 240, 144);
}

void TMainForm::loadDoseRateBox()
{
    QGroupBox* box = GroupBox2;
    Label8 = placeRedLabel(box, "Label8", QStringLiteral("1時間あたり・・・ (/hがついていること)"), 8, 24);
    Label19 = placeLabel(box, "Label19", QStringLiteral("単位: Sv (シーベルト) , Gy (グレイ)  毎時 (/h) "), 6, 43);
    Label20 = placeLabel(box, "Label20", QStringLiteral("1mSv(ミリ) = 1000uSv(マイクロ) = 1000000nSv(ナノ)"), 6, 59);
    fitLabelToParent(Label20);
    EdtSv = place(new QLineEdit(QStringLiteral("0"), box), "EdtSv", QRect(16, 80, 153, 20),
                  QStringLiteral("1時間あたりの線量 (シーベルト)"));
    ComboBox1 = place(unitList(box, dosecalc::sievertUnitItems), "ComboBox1", QRect(176, 80, 97, 20),
                      QStringLiteral("シーベルトの単位"));
    describeUnitList(ComboBox1);
    EdtGy = place(new QLineEdit(QStringLiteral("0"), box), "EdtGy", QRect(16, 104, 153, 20),
                  QStringLiteral("1時間あたりの線量 (グレイ)"));
    ComboBox2 = place(unitList(box, dosecalc::grayUnitItems), "ComboBox2", QRect(176, 104, 97, 20),
                      QStringLiteral("グレイの単位"));
    describeUnitList(ComboBox2);
}

void TMainForm::setTabOrderOfLayout()
{
    // The window's order: advice box, concentration box, dose-rate box, Calculate, Clear (the
    // panel and the gauge take no focus); within each box, the box's own order.
    QWidget* const chain[] = {RichEdit1, airItem, foodItem, EdtBq_I, EdtBq_Cs137, Edt_C_Bq, EdtBq_Cs134,
                              EdtSv, EdtGy, ComboBox1, ComboBox2, Button1, Button2};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
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
    QAbstractButton* stop = routeItems->checkedButton() != nullptr ? routeItems->checkedButton() : airItem;
    for (QAbstractButton* item : routeItems->buttons())
        item->setFocusPolicy(item == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

int TMainForm::selectedRoute() const
{
    return routeItems->checkedId();
}

void TMainForm::Button1Click()
{
    const QString decimalSeparator = QLocale().decimalPoint();
    const QString texts[] = {EdtBq_I->text(), EdtBq_Cs137->text(), EdtBq_Cs134->text(),
                             Edt_C_Bq->text(), EdtSv->text(), EdtGy->text()};
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
    lblSv->setAccessibleDescription(doseDescription() + QLatin1Char('\n') + breakdown);
    showVerdict(result.verdict);
}

void TMainForm::showVerdict(const dosecalc::Verdict& verdict)
{
    // The styles paint the gauge's bar in the highlight colour.
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

void TMainForm::Button2Click()
{
    const dosecalc::SceneSelectors start = dosecalc::startScene;
    faceType = start.faceType;
    decorA = start.decorA;
    decorB = start.decorB;
    foodItem->setChecked(true); // switches the window to the food state if air was selected
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
    setLabelText(Label22, air ? QStringLiteral("1m^2あたり・・・") : QStringLiteral("1kg / 1L あたり・・・"));
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
