#include "gauge_style.h"

#include <QApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QStyleOption>
#include <QtMath>

namespace {

class HighlightedBarStyle : public QProxyStyle {
public:
    // A new instance of the application's style (the platform's, or the one the user chose with
    // QT_STYLE_OVERRIDE or -style), which this one owns.
    HighlightedBarStyle() : QProxyStyle(QApplication::style()->name()) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element != CE_ProgressBarContents || option->rect.isEmpty()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // The style's own filled part, drawn alone on a transparent image at the painter's
        // resolution, takes the highlight colour wherever it covers and is then laid on the bar.
        const qreal ratio = painter->device()->devicePixelRatio();
        QImage filled(qCeil(option->rect.width() * ratio), qCeil(option->rect.height() * ratio),
                      QImage::Format_ARGB32_Premultiplied);
        filled.setDevicePixelRatio(ratio);
        filled.fill(Qt::transparent);
        QPainter filledPainter(&filled);
        filledPainter.translate(-option->rect.topLeft());
        QProxyStyle::drawControl(element, option, &filledPainter, widget);
        filledPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        filledPainter.fillRect(option->rect, option->palette.color(QPalette::Highlight));
        filledPainter.end();
        painter->drawImage(option->rect.topLeft(), filled);
    }
};

} // namespace

void paintBarInHighlightColour(QProgressBar* bar)
{
    auto* style = new HighlightedBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
}
