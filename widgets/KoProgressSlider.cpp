#include "widgets/KoProgressSlider.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
