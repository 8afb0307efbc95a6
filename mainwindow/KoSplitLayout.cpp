#include "mainwindow/KoSplitLayout.h"

namespace {

QRect alone(const QRect &area, bool keep)
{
    const float w = area.width();
    const float h = keep ? w * 9 / 16 : area.height();
    return QRect(area.x(), int(area.y() + (area.height() - h) / 2), int(w), int(h));
}

} // namespace

KoSplitLayout::Mode KoSplitLayout::modeFor(int displayCount)
{
    if (displayCount >= 3)
        return Mode::Stacked;
    return displayCount == 2 ? Mode::SideBySide : Mode::FirstAlone;
}

KoSplitLayout::Placement KoSplitLayout::place(Mode mode, const QRect &area, const std::array<bool, 3> &keep)
{
    Placement p;
    const float x = area.x();
    const float y = area.y();
    const float w = area.width();
    const float h = area.height();
    switch (mode) {
    case Mode::Stacked: {
        const float H = h * 2 / 3;
        const float W = keep[0] ? H * 16 / 9 : w;
        p.rects[0] = QRect(int(x + (w - W) / 2), int(y), int(W), int(H));
        const QSize lower(int(W * 0.5f), int(H * 0.5f));
        p.rects[1] = QRect(QPoint(p.rects[0].left(), p.rects[0].bottom()), lower);
        p.rects[2] = QRect(QPoint(p.rects[1].right(), p.rects[0].bottom()), lower);
        p.visible = {{true, true, true}};
        break;
    }
    case Mode::SideBySide: {
        const float W = w * 0.5f;
        const float H = keep[0] ? W * 9 / 16 : h;
        p.rects[0] = QRect(int(x), int(y + (h - H) / 2), int(W), int(H));
        p.rects[1] = QRect(QPoint(p.rects[0].right(), p.rects[0].top()), p.rects[0].size());
        p.visible = {{true, true, false}};
        break;
    }
    case Mode::FirstAlone:
    case Mode::SecondAlone:
    case Mode::ThirdAlone: {
        const int shown = int(mode) - int(Mode::FirstAlone);
        p.rects[shown] = alone(area, keep[shown]);
        p.visible[shown] = true;
        break;
    }
    }
    return p;
}

KoSplitLayout::PipeStep KoSplitLayout::nextPipe(int displayCount, Mode mode, bool keep)
{
    // Two displays: side by side, 1 alone, 2 alone. Three: stacked (kept,
    // then stretched), 1 alone, 2 alone, 3 alone.
    PipeStep step{mode, keep};
    const int n = int(mode);
    if (displayCount == 2) {
        step.mode = Mode(n + 1 > int(Mode::SecondAlone) ? int(Mode::SideBySide) : n + 1);
    } else if (displayCount >= 3) {
        if (mode == Mode::Stacked && keep) {
            step.keep = false;
            return step;
        }
        step.keep = true;
        if (n + 1 >= kModeCount)
            step.mode = Mode::Stacked;
        else if (n + 1 == int(Mode::SideBySide))
            step.mode = Mode::FirstAlone;
        else
            step.mode = Mode(n + 1);
    }
    return step;
}
