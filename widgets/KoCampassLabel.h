#pragma once

#include <QIcon>
#include <QLabel>

class QPainter;

// Compass: the card image turned against the heading, so that the letter of
// the direction of travel lies under the bezel's fixed upward mark. The bezel
// comes from the label's own style sheet and is drawn under the card.
class KoCampassLabel : public QLabel
{
    Q_OBJECT

public:
    explicit KoCampassLabel(QWidget *parent = nullptr);

    // Heading in degrees clockwise from north, stored as given.
    void setDirection(double direction);
    double direction() const { return m_direction; }

    // Paints the card for a widget occupying `rect`.
    void draw(QPainter *painter, const QRect &rect) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_direction = 0.0;
    // One icon for the widget's life: it keeps the image scaled to the
    // widget's size (a new icon per paint would decode and scale it again
    // and fill the pixmap cache with copies).
    QIcon m_card;
};
