#include "widgets/KoProgressSlider.h"

#include <QDebug>
#include <QMouseEvent>

KoProgressSlider::KoProgressSlider(QWidget *parent)
    : QSlider(parent)
{}

void KoProgressSlider::mousePressEvent(QMouseEvent *event)
{
    // The base class first, so that a press on the handle still starts a drag.
    QSlider::mousePressEvent(event);
    if (width() <= 0)
        return;
    // The whole widget width counts, not the groove; a press outside the
    // widget (a grabbed mouse) is held to the ends.
    const double fraction = qBound(0.0, double(event->pos().x()) / double(width()), 1.0);
    const double target = double(minimum()) + (double(maximum()) - double(minimum())) * fraction;
    setValue(int(target));
    qWarning() << "clicked pos" << fraction;
    event->accept();
    emit posChangedSignal(fraction);
}
