#pragma once

#include "gps/KoDrivingEvents.h"

#include <QColor>
#include <QSlider>
#include <QVector>

// Playback progress bar that jumps to the place it is pressed and reports
// that place as a fraction of its width, with any mouse button. A left press
// beside the handle goes on as a drag of the handle while the button is held,
// as a press on the handle does. It shows the in and out marks of a clip over
// the groove, and the recording's driving events as marks in their kind's
// colour, each with its description as a tool tip.
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

    // The driving events of the recording shown (offsets in the slider's
    // units, seconds); `mph` for the tool tips' speeds.
    void setEvents(const QVector<KoDrivingEvents::Event> &events, bool mph);
    const QVector<KoDrivingEvents::Event> &events() const { return m_events; }
    // The event whose mark is at x (within a few pixels, the nearest); -1 none.
    int eventAt(int x) const;
    // What a mark of the kind is painted in.
    static QColor eventColour(KoDrivingEvents::Kind kind);

signals:
    // Press x divided by the widget width: 0.0 at the left edge.
    void posChangedSignal(double pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    // x over the whole width (not the groove), held to the ends.
    double fractionAt(int x) const;
    int valueAt(double fraction) const;
    bool isOnHandle(const QPoint &pos) const;

    // A drag this slider runs itself, from a press beside the handle.
    bool m_dragFromPress = false;
    double m_markIn = -1;
    double m_markOut = -1;
    QVector<KoDrivingEvents::Event> m_events;
    bool m_mph = false;
};
