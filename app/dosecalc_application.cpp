#include "dosecalc_application.h"

#include "japanese_fonts.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace {

// QApplication keeps referring to its argument count and vector, so they outlive it.
char programName[] = "dosecalc";
int argumentCount = 1;
char* argumentVector[] = {programName, nullptr};

} // namespace

DoseCalcApplication::DoseCalcApplication() : QApplication(argumentCount, argumentVector)
{
    setApplicationName(QStringLiteral("dosecalc"));
    setApplicationDisplayName(QStringLiteral("1年間の被爆量 かんたん計算"));
    // Desktops find the menu entry, and with it the icon, by this name (Wayland's app id).
    setDesktopFileName(QStringLiteral(DOSECALC_APP_ID));
    // From the icon theme once installed; X11 window managers show it in title bars and task lists.
    setWindowIcon(QIcon::fromTheme(QStringLiteral(DOSECALC_APP_ID)));
    addShippedJapaneseFonts();
    // Qt's own translation folder: Debian's qt6-translations-l10n, or the one shipped beside the
    // program on Windows.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!loadQtTranslation(folder))
        std::fprintf(stderr, "dosecalc: no qtbase_ja.qm in %s; Qt's own texts stay English\n",
                     qPrintable(folder));
}

bool DoseCalcApplication::loadQtTranslation(const QString& folder)
{
    removeTranslator(&qtTranslation);
    if (!qtTranslation.load(QStringLiteral("qtbase_ja"), folder))
        return false;
    installTranslator(&qtTranslation);
    return true;
}

bool DoseCalcApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showException(std::current_exception());
        return true;
    }
}

void DoseCalcApplication::runGuarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (...) {
        showException(std::current_exception());
    }
}

void DoseCalcApplication::showException(const std::exception_ptr& exception)
{
    QString message;
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        // Anything else is reported with an empty message.
    }
    // A handler that keeps throwing while the box is open (the animation tick) gets one box.
    if (showingException)
        return;
    showingException = true;
    QMessageBox::critical(activeWindow(), applicationDisplayName(), message);
    showingException = false;
}
