#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// Before the application object: benchmarks keep their settings, track cache
// and previews in `home`, never in the user's folders, and paint offscreen
// unless a platform is asked for; with `onDisplay`, on the X display when
// there is one (a real window, map page or video output).
inline void isolateBenchEnvironment(const QTemporaryDir &home, bool onDisplay = false)
{
    if (onDisplay && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
