#include "widgets/KoCampassLabel.h"

#include <QPainter>

#include <cmath>

namespace {
const char *const kCardImage = ":/images/images/icon_pointer.png";
}

KoCampassLabel::KoCampassLabel(QWidget *parent)
    : QLabel(parent)
    , m_card(QString::fromLatin1(kCardImage))
{}

void KoCampassLabel::setDirection(double direction)
{
    if (!std::isfinite(direction))
        return; // the needle keeps its last direction
    m_direction = direction;
    update();
}

void KoCampassLabel::draw(QPainter *painter, const QRect &rect) const
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const int halfW = rect.width() / 2;
    const int halfH = rect.height() / 2;
    painter->translate(rect.left() + halfW, rect.top() + halfH);
    painter->rotate(-m_direction);
    painter->translate(-halfW, -halfH);
    const QPixmap card = m_card.pixmap(rect.size(), QIcon::Normal, QIcon::Off);
    painter->drawPixmap(0, 0, card);
    painter->restore();
}

void KoCampassLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(&painter, rect());
}
