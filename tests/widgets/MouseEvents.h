#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events with an explicit screen position, delivered the way the
// application delivers them (an ignored event goes on to the parent).
inline void sendMouse(QWidget *target, QEvent::Type type, const QPoint &global,
                      Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held =
        (type == QEvent::MouseButtonRelease) ? Qt::NoButton : Qt::MouseButtons(button);
    const Qt::MouseButton changed = (type == QEvent::MouseMove) ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), changed, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press at `from` on `target`, move through each step, release at the end.
inline void drag(QWidget *target, QPoint from, const QList<QPoint> &steps)
{
    sendMouse(target, QEvent::MouseButtonPress, from);
    for (const QPoint &step : steps) {
        from += step;
        sendMouse(target, QEvent::MouseMove, from);
    }
    sendMouse(target, QEvent::MouseButtonRelease, from);
}
