#pragma once

#include <QIcon>
#include <QLabel>

class QPainter;

// Speed gauge: the pointer image turned about the widget centre by the speed,
// one degree per unit. The printed scale is a separate ring image behind it.
class KoGPSSpeedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit KoGPSSpeedLabel(QWidget *parent = nullptr);

    // Stored as given (no clamping): the caller decides unit and rounding. A
    // value that is not finite is ignored.
    void setSpeed(float speed);
    float speed() const { return m_speed; }

    // Paints the pointer for a widget occupying `rect`.
    void draw(QPainter *painter, const QRect &rect) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_speed = 0.0f;
    // One icon for the widget's life: it keeps the image scaled to the
    // widget's size (a new icon per paint would decode and scale it again
    // and fill the pixmap cache with copies).
    QIcon m_pointer;
};
