#pragma once

#include <QApplication>
#include <QTranslator>

#include <exception>
#include <functional>

// The application object: shows an exception that escapes an event handler in a message box and
// lets the event loop go on.
class DoseCalcApplication : public QApplication {
    Q_OBJECT

public:
    // The program takes no command-line arguments, so Qt is given none either. Qt's own texts
    // (context menus, message box buttons) are Japanese from the start, whatever the locale.
    DoseCalcApplication();

    // Loads Qt's Japanese translation, qtbase_ja.qm, from the folder and puts it in force; where the
    // file is missing, Qt's texts are its English ones. Returns whether it was found.
    bool loadQtTranslation(const QString& folder);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs body; an exception escaping it is shown the same way and goes no further.
    void runGuarded(const std::function<void()>& body);

    // Shows the exception's message (empty for one that is not a std::exception) in a modal
    // message box.
    void showException(const std::exception_ptr& exception);

private:
    bool showingException = false;
    QTranslator qtTranslation;
};
