#include "widgets/KoProgressSlider.h"

#include "app/KoLogging.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

KoProgressSlider::KoProgressSlider(QWidget *parent)
    : QSlider(parent)
{}

double KoProgressSlider::fractionAt(int x) const
{
    if (width() <= 0)
        return 0.0;
    return qBound(0.0, double(x) / double(width()), 1.0);
}

int KoProgressSlider::valueAt(double fraction) const
{
    return int(double(minimum()) + (double(maximum()) - double(minimum())) * fraction);
}

bool KoProgressSlider::isOnHandle(const QPoint &pos) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this).contains(pos);
}

void KoProgressSlider::mousePressEvent(QMouseEvent *event)
{
    if (width() <= 0) {
        QSlider::mousePressEvent(event);
        return;
    }
    const bool besideHandle = event->button() == Qt::LeftButton && !isOnHandle(event->pos());
    // On the handle, or with another button, the base class first: a press on
    // the handle starts its own drag. Beside the handle this slider drags
    // itself (the base class would only page towards the press).
    if (!besideHandle)
        QSlider::mousePressEvent(event);
    const double fraction = fractionAt(event->pos().x());
    setValue(valueAt(fraction));
    qCDebug(lcUi) << "progress bar pressed at" << fraction;
    event->accept();
    emit posChangedSignal(fraction);
    if (besideHandle) {
        // Pressed from here on: the window seeks on every value the drag
        // gives, and its playback reports leave the handle alone.
        m_dragFromPress = true;
        setSliderDown(true);
    }
}

void KoProgressSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragFromPress) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    event->accept();
    setSliderPosition(valueAt(fractionAt(event->pos().x())));
}

void KoProgressSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragFromPress) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->buttons() & Qt::LeftButton)
        return;
    m_dragFromPress = false;
    setSliderDown(false);
}
