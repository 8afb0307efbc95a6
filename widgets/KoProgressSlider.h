#pragma once

#include <QSlider>

// Playback progress bar that jumps to the place it is pressed and reports
// that place as a fraction of its width, with any mouse button. It shows the
// in and out marks of a clip over the groove.
class KoProgressSlider : public QSlider
{
    Q_OBJECT

public:
    explicit KoProgressSlider(QWidget *parent = nullptr);

    // The marks in the slider's units; a negative mark is not set. Both set:
    // the range between them is shaded; one alone: a tick.
    void setMarks(double in, double out);
    double markIn() const { return m_markIn; }
    double markOut() const { return m_markOut; }
    // Where a value is drawn: the same fraction of the widget's width that a
    // press there reports.
    int xOf(double value) const;

signals:
    // Press x divided by the widget width: 0.0 at the left edge.
    void posChangedSignal(double pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    double m_markIn = -1;
    double m_markOut = -1;
};
