#pragma once

#include <QImage>
#include <QWidget>

// The face panel: a plain widget that shows the last frame presented to it, pixel for pixel at
// the screen's resolution, and paints nothing before the first one. It draws no frame itself:
// frames are drawn offscreen and handed over by the render surface (toge_qt.cpp). The only frame
// it asks for is the very first, when it is first painted, so that the face appears with the
// window rather than one animation tick later.
class FacePanel : public QWidget {
    Q_OBJECT

public:
    explicit FacePanel(QWidget* parent = nullptr);

    // Shows the frame from the next paint on. The frame's device pixel ratio says how many of
    // its pixels make one of the panel's logical pixels.
    void showFrame(const QImage& frame);
    // The frame shown, as the panel's device pixels (null before the first).
    const QImage& shownFrame() const { return frame; }

signals:
    // Sent once, from the first paint, while no frame has been shown yet; a frame presented by a
    // receiver connected directly is shown in that same paint.
    void firstFrameWanted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage frame;
    bool firstFrameAsked = false;
};
