#include "widgets/KoGPSSpeedLabel.h"

#include <QPainter>

#include <cmath>

namespace {
const char *const kPointerImage = ":/images/images/icon_meter_pointer.png";
}

KoGPSSpeedLabel::KoGPSSpeedLabel(QWidget *parent)
    : QLabel(parent)
    , m_pointer(QString::fromLatin1(kPointerImage))
{}

void KoGPSSpeedLabel::setSpeed(float speed)
{
    // A value that is no number would turn the pointer to nowhere: the last
    // one stays.
    if (!std::isfinite(speed))
        return;
    m_speed = speed;
    update();
}

void KoGPSSpeedLabel::draw(QPainter *painter, const QRect &rect) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Integer halves on purpose: the artwork's pivot is its centre pixel.
    const int halfW = rect.width() / 2;
    const int halfH = rect.height() / 2;
    painter->translate(rect.left() + halfW, rect.top() + halfH);
    painter->rotate(m_speed);
    painter->translate(-halfW, -halfH);
    // A missing image gives a null pixmap, which draws nothing.
    const QPixmap pointer = m_pointer.pixmap(rect.size(), QIcon::Normal, QIcon::Off);
    painter->drawPixmap(0, 0, pointer);
    painter->restore();
}

void KoGPSSpeedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(&painter, rect());
}
