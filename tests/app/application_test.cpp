// Exceptions that escape an event handler or start-up are shown in a message box and go no further.
#include "dosecalc_application.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Accepts the next message box that opens and remembers what it said.
class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            ++shown;
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        poll.start();
    }

    int shown = 0;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    QTimer poll;
};

class ThrowingReceiver : public QObject {
public:
    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("計算できません");
        if (event->type() == QEvent::Type(QEvent::User + 1))
            throw 42;
        ++handled;
        return true;
    }
};

TEST(Application, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn)
{
    MessageBoxWatcher watcher;
    ThrowingReceiver receiver;
    QEvent failing(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &failing);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(watcher.text, QStringLiteral("計算できません"));
    EXPECT_EQ(watcher.icon, QMessageBox::Critical);

    // Events are still delivered afterwards, through the running loop too.
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::Type(QEvent::User + 2)));
    QCoreApplication::processEvents();
    EXPECT_EQ(receiver.handled, 1);
}

TEST(Application, AnyOtherExceptionIsShownWithAnEmptyMessage)
{
    MessageBoxWatcher watcher;
    ThrowingReceiver receiver;
    QEvent failing(QEvent::Type(QEvent::User + 1));
    QCoreApplication::sendEvent(&receiver, &failing);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_TRUE(watcher.text.isEmpty());
}

TEST(Application, AnExceptionEscapingStartUpIsShownAndStopsThere)
{
    MessageBoxWatcher watcher;
    auto* application = qobject_cast<DoseCalcApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    bool after = false;
    application->runGuarded([&after] {
        throw std::runtime_error("start-up failed");
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(watcher.text, QStringLiteral("start-up failed"));
}

} // namespace
