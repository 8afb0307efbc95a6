#pragma once

#include "playback/KoPlaybackKeys.h"

#include <QObject>
#include <QSet>

#include <functional>

class QWidget;

// Hands every playback key pressed inside one window to one handler,
// whichever of the window's widgets has the focus: the map's web view (whose
// page would take the arrows and Backspace for itself), the file list, a
// video display, a slider or a button (which would click on Space). The key
// is taken before the focused widget sees it. Keys pressed in the window's
// dialogs and menus (windows of their own) are left alone, and so is every
// key that is no playback key, with the modifiers it was pressed with.
class KoPlaybackKeyRouter : public QObject
{
    Q_OBJECT

public:
    // Returns whether the key was taken; a key the handler declines (Escape
    // outside full screen) goes on to the focused widget.
    using Handler = std::function<bool(KoPlaybackKeys::Action action)>;

    KoPlaybackKeyRouter(QWidget *window, Handler handler);
    ~KoPlaybackKeyRouter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
    // Keys whose press was taken: their release is taken too, so that no
    // widget sees half a key.
    QSet<int> m_taken;
};
