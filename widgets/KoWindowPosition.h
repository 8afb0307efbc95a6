#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Where a top-level window really is, as the X server has it, and Qt's own
// idea of it brought back in line.
//
// Qt learns a window's screen position from the X server's configure
// notifications and keeps a copy. A window manager that reparents a newly
// mapped window into its frame can leave that copy wrong: Qt reads the
// position in the middle of the reparenting (at 0,0 in the still unplaced
// frame), and no later notification corrects it when the frame is put where
// the window already was. Everything Qt then places by mapToGlobal (a combo
// box's list, a dialog centred on its parent) lands near the screen's
// top-left corner, and a drag by a custom title bar starts from there.
// Frameless windows are the ones affected: openbox tells a decorated window
// its final place.
class KoWindowPosition
{
public:
    // The screen position of the top-left corner of the top-level window of
    // `widget` as the X server has it; empty where there is no X server to
    // ask (another platform, or the window not created yet).
    static std::optional<QPoint> serverPosition(const QWidget *widget);

    // Makes Qt's idea of where the top-level window of `widget` is agree with
    // the X server. Returns whether it had to be corrected.
    static bool sync(QWidget *widget);

    // Syncs `window` each time it is activated: the window manager has mapped
    // and placed it by then, before the user can open a list in it, drag it
    // by its title bar or open a dialog centred on it.
    static void syncOnActivation(QWidget *window);
};
