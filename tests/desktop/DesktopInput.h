#pragma once

// Real input for end-to-end tests on a desktop (tests/desktop/run_on_desktop.sh):
// every click, key and drag goes through the X server (xdotool, XTest), to
// whatever window the window manager placed and focused, exactly as a
// user's input does. Nothing is sent to a widget directly.
//
// xdotool runs as a child process while this process keeps handling its
// events, so a drag this process starts (or a menu it opens) goes on while
// the pointer moves.

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace DesktopInput {

// Runs xdotool with `args`; false when it failed or took over 10 s.
inline bool xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForStarted(5000))
        return false;
    QElapsedTimer t;
    t.start();
    while (p.state() != QProcess::NotRunning && t.elapsed() < 10000)
        QTest::qWait(5);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    // Let the events the input caused arrive before the test looks.
    QTest::qWait(60);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Where the top-level window of `w` really is on the screen, as the X server
// has it (not Qt's own idea of it, which a window manager can leave wrong);
// an empty rectangle when it cannot be read.
inline QRect serverGeometry(const QWidget *w)
{
    // xwininfo translates to root coordinates through the window manager's
    // frame (xdotool's getwindowgeometry counts the frame offset twice).
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {"-id", QString::number(w->window()->winId())});
    if (!p.waitForFinished(5000))
        return QRect();
    QHash<QByteArray, int> values;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            values.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed().toInt());
    }
    if (!values.contains("Absolute upper-left X") || !values.contains("Width"))
        return QRect();
    return QRect(values.value("Absolute upper-left X"), values.value("Absolute upper-left Y"),
                 values.value("Width"), values.value("Height"));
}

// The screen point of `local` in `w`, from where its window really is.
inline QPoint screenPoint(const QWidget *w, QPoint local)
{
    return serverGeometry(w).topLeft() + w->mapTo(w->window(), local);
}

inline QPoint centreOf(const QWidget *w)
{
    return screenPoint(w, w->rect().center());
}

inline bool moveTo(const QPoint &global)
{
    // "--sync" waits for the pointer to move: to where it already is, it
    // would wait for ever (the server's own position, not Qt's idea of it).
    if (QCursor::pos() == global)
        return true;
    return xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
}

// A click of `button` (1 left, 3 right) at a point of the screen.
inline bool clickAt(const QPoint &global, int button = 1)
{
    return moveTo(global) && xdotool({"click", QString::number(button)});
}

// A click where a user would click `w`: its centre, or `local` in it, where
// `w` is on the screen.
inline bool click(const QWidget *w, QPoint local = QPoint(-1, -1), int button = 1)
{
    if (local == QPoint(-1, -1))
        local = w->rect().center();
    return clickAt(screenPoint(w, local), button);
}

inline bool doubleClick(const QWidget *w, QPoint local = QPoint(-1, -1))
{
    if (local == QPoint(-1, -1))
        local = w->rect().center();
    return moveTo(screenPoint(w, local)) && xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
}

// Keys by their X names: "space", "bracketright", "BackSpace", "Left",
// "shift+n", "ctrl+comma". They go to the window that has the focus.
inline bool key(const QString &keys)
{
    return xdotool({"key", "--delay", "40", keys});
}

inline bool type(const QString &text)
{
    return xdotool({"type", "--delay", "20", text});
}

// Press at `from`, move there in steps, release at `to`.
inline bool drag(const QPoint &from, const QPoint &to, int steps = 12)
{
    if (!moveTo(from) || !xdotool({"mousedown", "1"}))
        return false;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        if (!moveTo(p))
            return false;
        QTest::qWait(20);
    }
    return xdotool({"mouseup", "1"});
}

// Asks the window manager to raise and focus the top-level window of `w`,
// as a click on its task-bar entry would, and waits until it is active.
inline bool activate(const QWidget *w)
{
    const QString id = QString::number(w->window()->winId());
    if (!xdotool({"windowactivate", "--sync", id}))
        return false;
    return QTest::qWaitFor([w] { return w->window()->isActiveWindow(); }, 5000);
}

// A click (or key) that opens a modal dialog does not come back until the
// dialog is closed: the dialog runs its own event loop. `whileOpen` runs in
// that loop, once a new modal dialog is up, and should close it; a dialog it
// leaves open (a failed check) is closed after it. Returns whether
// `trigger` worked and `whileOpen` ran.
inline bool withModal(const std::function<bool()> &trigger, const std::function<void(QWidget *)> &whileOpen,
                      int timeoutMs = 20000)
{
    QWidget *before = QApplication::activeModalWidget();
    bool ran = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (ran || !modal || modal == before || !modal->isVisible())
            return;
        ran = true;
        poll.stop();
        QPointer<QWidget> guard(modal);
        whileOpen(modal);
        if (guard && guard->isVisible())
            guard->close();
    });
    poll.start();
    const bool triggered = trigger();
    (void)QTest::qWaitFor([&ran] { return ran; }, timeoutMs);
    poll.stop();
    return triggered && ran;
}

// The whole screen as a PNG (ImageMagick's import), for a person to look at.
inline bool screenshot(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return QProcess::execute(QStringLiteral("import"), {"-window", "root", path}) == 0;
}

} // namespace DesktopInput
