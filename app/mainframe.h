#pragma once

#include "face_panel.h"
#include "frame_setup.h"
#include "toge.h"
#include "toge_qt.h"
#include "verdict.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTextEdit;
class QTimer;

// One verdict level as the window shows it: the scene to draw, the headline and the advice.
struct ViewData {
    std::int32_t faceType = 0;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    QString headline;
    QString advice;
};

// The calculator window: inputs, the annual dose and its verdict, and the face panel.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    // Draws one frame into the surface; the window hands it the tick's arguments.
    using FrameDrawer = void (*)(Toge& surface, std::int32_t faceType, std::int32_t decorA,
                                 std::int32_t decorB, std::int32_t decorC, std::int32_t angle,
                                 float angleScale, std::int32_t bandCount, double* bandValues,
                                 std::int32_t threshold, std::int32_t extra);

    // drawFrame is the renderer's frame setup; tests may hand in a recorder instead.
    explicit TMainForm(QWidget* owner = nullptr, FrameDrawer drawFrame = &setupFrame);
    ~TMainForm() override;

    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Read-only views for tests and tools.
    std::int32_t currentAngle() const { return angle; }
    dosecalc::SceneSelectors currentScene() const { return {faceType, decorA, decorB}; }
    const Toge& renderSurface() const { return *toge; }
    const FacePanel* facePanel() const { return Panel_V; }

public slots:
    void Button1Click();     // Calculate
    void Button2Click();     // Clear
    void RadioGroup2Click(); // the route changed
    void Timer_VTimer();     // animation tick

private:
    void loadLayout();
    void loadConcentrationBox();
    void loadDoseRateBox();
    void setTabOrderOfLayout();
    void fillVerdictTable();
    void bindRenderSurface();
    void tabToSelectedRoute();
    int selectedRoute() const;
    void showVerdict(const dosecalc::Verdict& verdict);
    void drawFrameOfTheAngle();

    // The controls of the layout, owned by the window through Qt's parent mechanism.
    QSplitter* Splitter1 = nullptr;
    FacePanel* Panel_V = nullptr;
    QTimer* Timer_V = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblSv = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QLineEdit* EdtBq_I = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* EdtBq_Cs137 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* EdtSv = nullptr;
    QLineEdit* EdtGy = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLineEdit* Edt_C_Bq = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* EdtBq_Cs134 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;

    // The two items of RadioGroup2 (ids 0 air, 1 food).
    QButtonGroup* routeItems = nullptr;
    QRadioButton* airItem = nullptr;
    QRadioButton* foodItem = nullptr;

    TogeDevice panelDC;
    std::unique_ptr<Toge> toge;
    std::int32_t angle = 0;
    std::int32_t faceType = 0;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    std::array<ViewData, dosecalc::verdictLevelCount> viewData;

    FrameDrawer drawFrame;
};

// The program's main window, once created.
extern TMainForm* MainForm;
