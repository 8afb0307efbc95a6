#pragma once

#include <QSlider>

// Playback progress bar that jumps to the place it is pressed and reports
// that place as a fraction of its width, with any mouse button.
class KoProgressSlider : public QSlider
{
    Q_OBJECT

public:
    explicit KoProgressSlider(QWidget *parent = nullptr);

signals:
    // Press x divided by the widget width: 0.0 at the left edge.
    void posChangedSignal(double pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
