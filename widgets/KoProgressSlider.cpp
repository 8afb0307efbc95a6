#include "widgets/KoProgressSlider.h"

#include "app/KoLogging.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

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

void KoProgressSlider::setMarks(double in, double out)
{
    if (in == m_markIn && out == m_markOut)
        return;
    m_markIn = in;
    m_markOut = out;
    update();
}

int KoProgressSlider::xOf(double value) const
{
    const double span = double(maximum()) - double(minimum());
    if (span <= 0)
        return 0;
    return int(std::clamp((value - minimum()) / span, 0.0, 1.0) * width());
}

void KoProgressSlider::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    const bool hasIn = m_markIn >= 0;
    const bool hasOut = m_markOut >= 0;
    if (!hasIn && !hasOut)
        return;
    QPainter painter(this);
    const QColor mark(255, 190, 40);
    const int middle = height() / 2;
    if (hasIn && hasOut) {
        const int left = xOf(std::min(m_markIn, m_markOut));
        const int right = xOf(std::max(m_markIn, m_markOut));
        QColor band = mark;
        band.setAlpha(110);
        painter.fillRect(QRect(left, middle - 3, std::max(1, right - left), 6), band);
    }
    for (const double value : {hasIn ? m_markIn : -1.0, hasOut ? m_markOut : -1.0}) {
        if (value < 0)
            continue;
        const int x = std::min(xOf(value), width() - 2);
        painter.fillRect(QRect(x, 0, 2, height()), mark);
    }
}
