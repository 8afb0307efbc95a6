#include "mainwindow/KoSplitLayout.h"

namespace {

QRect alone(const QRect &area, bool keep)
{
    const float w = area.width();
    const float h = keep ? w * 9 / 16 : area.height();
    return QRect(area.x(), int(area.y() + (area.height() - h) / 2), int(w), int(h));
}

} // namespace

KoSplitLayout::Placement KoSplitLayout::place(int mode, const QRect &area, const std::array<bool, 3> &keep)
{
    Placement p;
    const float x = area.x();
    const float y = area.y();
    const float w = area.width();
    const float h = area.height();
    switch (mode) {
    case 0: {
        const float H = h * 2 / 3;
        const float W = keep[0] ? H * 16 / 9 : w;
        p.rects[0] = QRect(int(x + (w - W) / 2), int(y), int(W), int(H));
        const QSize lower(int(W * 0.5f), int(H * 0.5f));
        p.rects[1] = QRect(QPoint(p.rects[0].left(), p.rects[0].bottom()), lower);
        p.rects[2] = QRect(QPoint(p.rects[1].right(), p.rects[0].bottom()), lower);
        p.visible = {{true, true, true}};
        break;
    }
    case 1: {
        const float W = w * 0.5f;
        const float H = keep[0] ? W * 9 / 16 : h;
        p.rects[0] = QRect(int(x), int(y + (h - H) / 2), int(W), int(H));
        p.rects[1] = QRect(QPoint(p.rects[0].right(), p.rects[0].top()), p.rects[0].size());
        p.visible = {{true, true, false}};
        break;
    }
    case 2:
    case 3:
    case 4: {
        const int shown = mode - 2;
        p.rects[shown] = alone(area, keep[shown]);
        p.visible[shown] = true;
        break;
    }
    default:
        break;
    }
    return p;
}

KoSplitLayout::PipeStep KoSplitLayout::nextPipe(int displayCount, int mode, bool keep)
{
    PipeStep step{mode, keep};
    if (displayCount == 2) {
        step.mode = mode + 1 >= 4 ? 1 : mode + 1;
    } else if (displayCount >= 3) {
        if (mode == 0 && keep) {
            step.keep = false;
            return step;
        }
        step.keep = true;
        step.mode = mode + 1;
        if (step.mode >= 5)
            step.mode = 0;
        else if (step.mode == 1)
            step.mode = 2;
    }
    return step;
}
