#include "face_panel.h"

#include <QPainter>
#include <QPaintEvent>
#include <QWindow>

FacePanel::FacePanel(QWidget* parent) : QWidget(parent)
{
    // Every pixel is the frame's once there is one: no background is painted under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FacePanel::showFrame(const QImage& shown)
{
    frame = shown;
    update();
}

void FacePanel::paintEvent(QPaintEvent* event)
{
    // Asked once, when the paint goes to the screen (not into a picture of the widget).
    const QWindow* shownIn = window()->windowHandle();
    if (frame.isNull() && !firstFrameAsked && shownIn != nullptr && shownIn->isExposed()) {
        firstFrameAsked = true;
        emit firstFrameWanted();
    }
    QPainter painter(this);
    if (frame.isNull()) {
        // No GL, or nothing presented yet: the window's own background, as an empty panel.
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    painter.drawImage(QPointF(0, 0), frame);
}
