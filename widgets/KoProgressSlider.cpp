#include "widgets/KoProgressSlider.h"

#include "app/KoLogging.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

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

void KoProgressSlider::setEvents(const QVector<KoDrivingEvents::Event> &events, bool mph)
{
    m_events = events;
    m_mph = mph;
    update();
}

int KoProgressSlider::eventAt(int x) const
{
    // Half a mark's width and a little more: easy to point at.
    constexpr int Reach = 5;
    int best = -1;
    int bestDistance = Reach + 1;
    for (int i = 0; i < m_events.size(); ++i) {
        const int distance = std::abs(xOf(m_events.at(i).offset) - x);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

QColor KoProgressSlider::eventColour(KoDrivingEvents::Kind kind)
{
    switch (kind) {
    case KoDrivingEvents::HarshBraking:
        return QColor(240, 70, 60);
    case KoDrivingEvents::HarshAcceleration:
        return QColor(70, 205, 95);
    case KoDrivingEvents::SharpCornering:
        return QColor(185, 120, 255);
    case KoDrivingEvents::Impact:
        break;
    }
    return QColor(255, 90, 200);
}

bool KoProgressSlider::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QSlider::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int i = eventAt(help->pos().x());
    if (i < 0) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), KoDrivingEvents::describe(m_events.at(i), m_mph), this);
    }
    return true;
}

void KoProgressSlider::paintEvent(QPaintEvent *event)
{
    QSlider::paintEvent(event);
    const bool hasIn = m_markIn >= 0;
    const bool hasOut = m_markOut >= 0;
    if (m_events.isEmpty() && !hasIn && !hasOut)
        return;
    QPainter painter(this);
    // Events: a small flag over the groove at the event's first second.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const KoDrivingEvents::Event &e : qAsConst(m_events)) {
        const int x = std::clamp(xOf(e.offset), 3, std::max(3, width() - 4));
        const QColor colour = eventColour(e.kind);
        painter.fillRect(QRectF(x - 1, 0, 2, height()), colour);
        QPainterPath flag;
        flag.moveTo(x - 5, 0);
        flag.lineTo(x + 5, 0);
        flag.lineTo(x, 7);
        flag.closeSubpath();
        painter.fillPath(flag, colour);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
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
