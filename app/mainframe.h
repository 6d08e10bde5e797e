#pragma once

#include "face_panel.h"
#include "frame_setup.h"
#include "toge.h"
#include "toge_qt.h"
#include "ui_mainframe.h"
#include "verdict.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QTimer;

// One verdict level as the window shows it: the scene to draw, the headline and the advice.
struct ViewData {
    std::int32_t faceType = 0;
    std::int32_t decorA = 0;
    std::int32_t decorB = 0;
    QString headline;
    QString advice;
};

// The calculator window: inputs, the annual dose and its verdict, and the face panel. Its controls
// and their layout come from the form mainframe.ui (Qt Designer), whose members it takes on.
class TMainForm : public QWidget, private Ui::TMainForm {
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
    void completeLayout();
    void connectHandlers();
    void fillVerdictTable();
    void bindRenderSurface();
    void showStartScene();
    void tabToSelectedRoute();
    int selectedRoute() const;
    void showVerdict(const dosecalc::Verdict& verdict);
    void drawFrameOfTheAngle();

    // The layout's timer (the form holds widgets only).
    QTimer* Timer_V = nullptr;
    // What lblSv is to assistive technology; a calculation adds its breakdown.
    QString doseDescription;

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
