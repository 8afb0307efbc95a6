#pragma once

// Real input for end-to-end tests on a desktop (tests/desktop/run_on_desktop.sh):
// every click, key and drag goes through the X server (xdotool, XTest), to
// whatever window the window manager placed and focused, exactly as a
// user's input does. Nothing is sent to a widget directly.
//
// xdotool runs as a child process while this process keeps handling its
// events, so a drag this process starts (or a menu it opens) goes on while
// the pointer moves.

#include <QDir>
#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtTest>

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

inline QPoint centreOf(const QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

inline bool moveTo(const QPoint &global)
{
    return xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
}

// A click of `button` (1 left, 3 right) at a point of the screen.
inline bool clickAt(const QPoint &global, int button = 1)
{
    return moveTo(global) && xdotool({"click", QString::number(button)});
}

// A click where a user would click `w`: its centre, or `local` in it.
inline bool click(const QWidget *w, QPoint local = QPoint(-1, -1), int button = 1)
{
    if (local == QPoint(-1, -1))
        local = w->rect().center();
    return clickAt(w->mapToGlobal(local), button);
}

inline bool doubleClick(const QWidget *w, QPoint local = QPoint(-1, -1))
{
    if (local == QPoint(-1, -1))
        local = w->rect().center();
    return moveTo(w->mapToGlobal(local)) && xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
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

// The whole screen as a PNG (ImageMagick's import), for a person to look at.
inline bool screenshot(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return QProcess::execute(QStringLiteral("import"), {"-window", "root", path}) == 0;
}

} // namespace DesktopInput
