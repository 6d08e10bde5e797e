#include "copyable_label.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace {

// A double click selects the whole text but its padding blanks: the label's own word selection
// would stop at the decimal point and take "42" of "1.42".
class WholeTextOnDoubleClick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick
            || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        auto* label = static_cast<QLabel*>(watched);
        const QString text = label->text();
        const QString trimmed = text.trimmed();
        const qsizetype start = trimmed.isEmpty() ? 0 : text.indexOf(trimmed);
        label->setSelection(static_cast<int>(start), static_cast<int>(trimmed.size()));
        return true;
    }
};

} // namespace

void makeCopyable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->installEventFilter(new WholeTextOnDoubleClick(label));
    // Qt's label offers a context menu on links only, so the label brings its own.
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(label, &QWidget::customContextMenuRequested, label, [label](const QPoint& position) {
        auto* menu = new QMenu(label);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copy = menu->addAction(QStringLiteral("コピー(&C)"), label, [label] {
            QGuiApplication::clipboard()->setText(label->hasSelectedText() ? label->selectedText()
                                                                           : label->text().trimmed());
        });
        copy->setObjectName(QStringLiteral("edit-copy"));
        QAction* selectAll = menu->addAction(QStringLiteral("すべて選択(&A)"), label, [label] {
            label->setSelection(0, static_cast<int>(label->text().size()));
        });
        selectAll->setObjectName(QStringLiteral("select-all"));
        menu->popup(label->mapToGlobal(position));
    });
}
