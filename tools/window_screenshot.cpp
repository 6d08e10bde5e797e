// Shows the calculator window on the X display, optionally types into it and calculates, and writes
// a PNG of the window as the screen shows it (the face panel's GL surface included).
//
// Usage: dosecalc-screenshot OUTPUT.png [NAME=TEXT]... [--air] [--calculate] [--tooltip]
//   NAME=TEXT    sets the text of the edit field or unit list with that object name
//   --air        selects the air route (as a click on 空気中)
//   --calculate  runs Calculate once everything is typed
//   --tooltip    shows the dose's tooltip, as the mouse resting on it does; the picture takes in
//                the tooltip where it reaches beyond the window
#include "dosecalc_application.h"
#include "mainframe.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <string>

namespace {

void waitFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool applyArgument(TMainForm& form, const QString& argument)
{
    if (argument == QLatin1String("--air")) {
        auto* air = form.findChild<QRadioButton*>(QStringLiteral("RadioGroup2_Item0"));
        if (air == nullptr)
            return false;
        air->click();
        return true;
    }
    if (argument == QLatin1String("--calculate")) {
        form.Button1Click();
        return true;
    }
    if (argument == QLatin1String("--tooltip")) {
        auto* dose = form.findChild<QLabel*>(QStringLiteral("lblSv"));
        if (dose == nullptr)
            return false;
        const QPoint pointer(dose->width() / 2, dose->height() / 2);
        QHelpEvent hover(QEvent::ToolTip, pointer, dose->mapToGlobal(pointer));
        QCoreApplication::sendEvent(dose, &hover);
        return true;
    }
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    const QString name = argument.left(equals);
    const QString text = argument.mid(equals + 1);
    if (auto* edit = form.findChild<QLineEdit*>(name)) {
        edit->setText(text);
        return true;
    }
    if (auto* list = form.findChild<QComboBox*>(name)) {
        list->setEditText(text);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs(
            "usage: dosecalc-screenshot OUTPUT.png [NAME=TEXT]... [--air] [--calculate] [--tooltip]\n",
            stderr);
        return 2;
    }
    DoseCalcApplication application;
    TMainForm form;
    form.move(0, 0);
    form.show();
    // Let the window map and the animation draw a few frames.
    waitFor(400);
    for (int i = 2; i < argc; ++i) {
        if (!applyArgument(form, QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "dosecalc-screenshot: cannot apply %s\n", argv[i]);
            return 2;
        }
    }
    waitFor(400);

    // The window and any tooltip it shows.
    QRect area = form.frameGeometry();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible())
            area |= window->geometry();
    }
    const QPixmap shot =
        form.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "dosecalc-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
