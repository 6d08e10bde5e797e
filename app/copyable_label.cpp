#include "copyable_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

void makeCopyable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
