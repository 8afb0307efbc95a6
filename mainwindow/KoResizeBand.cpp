#include "mainwindow/KoResizeBand.h"

#include <QtGlobal>

Qt::Edges KoResizeBand::edgesAt(const QPoint &pos, const QSize &size)
{
    const int x = pos.x();
    const int y = pos.y();
    const int w = size.width();
    const int h = size.height();
    Qt::Edges edges;
    if (x >= 2 && x <= 5)
        edges |= Qt::LeftEdge;
    if (x > w - 6 && x < w - 1)
        edges |= Qt::RightEdge;
    if (y >= 2 && y <= 5)
        edges |= Qt::TopEdge;
    if (y > h - 6 && y < h - 1)
        edges |= Qt::BottomEdge;
    // A tiny window could be on both opposite bands: the later test wins, as
    // with the native hit test.
    if ((edges & Qt::LeftEdge) && (edges & Qt::RightEdge))
        edges &= ~Qt::Edges(Qt::LeftEdge);
    if ((edges & Qt::TopEdge) && (edges & Qt::BottomEdge))
        edges &= ~Qt::Edges(Qt::TopEdge);
    return edges;
}

Qt::CursorShape KoResizeBand::cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool left = edges & Qt::LeftEdge;
        const bool top = edges & Qt::TopEdge;
        return left == top ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    if (vertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

QRect KoResizeBand::resized(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum)
{
    QRect r = start;
    if (edges & Qt::LeftEdge)
        r.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        r.setRight(qMax(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        r.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        r.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return r;
}
