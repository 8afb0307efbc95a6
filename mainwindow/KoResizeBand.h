#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// The resize borders of the frameless main window: bands 2 to 5 pixels in
// from each edge (the outermost two pixels belong to no band), corners where
// two bands meet.
class KoResizeBand
{
public:
    // Edges of the band under `pos` (window coordinates) in a window of `size`;
    // none when the point is on no band.
    static Qt::Edges edgesAt(const QPoint &pos, const QSize &size);

    static Qt::CursorShape cursorFor(Qt::Edges edges);

    // A window geometry dragged by its `edges` by `delta`, never smaller than
    // `minimum` (the opposite edges stay put). For a system without a window
    // manager, where the window resizes itself.
    static QRect resized(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum);
};
