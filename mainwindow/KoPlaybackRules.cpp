#include "mainwindow/KoPlaybackRules.h"

#include <QDir>
#include <QFileInfo>

QStringList KoPlaybackRules::snapshotPaths(const QString &folder, const QStringList &displayNames,
                                           int *lastIndex)
{
    QStringList paths;
    bool first = true;
    for (const QString &name : displayNames) {
        if (name.isEmpty()) {
            paths.append(QString());
            continue;
        }
        *lastIndex = nextSnapshotNumber(folder, name, *lastIndex, first);
        first = false;
        paths.append(folder + QLatin1Char('/') + snapshotFileName(name, *lastIndex));
    }
    return paths;
}

QString KoPlaybackRules::snapshotFileName(const QString &displayName, int number)
{
    return displayName + QStringLiteral("_%1.jpg").arg(number, number < 1000 ? 3 : 4, 10, QLatin1Char('0'));
}

int KoPlaybackRules::nextSnapshotNumber(const QString &folder, const QString &displayName, int lastIndex,
                                        bool firstOfCapture)
{
    int n = lastIndex + 1;
    if (firstOfCapture && QDir(folder).isEmpty(QDir::Files))
        n = 1;
    if (n < 1)
        n = 1;
    // Bounded: a folder cannot hold more names than this for one recording.
    for (int tries = 0; tries < 100000; ++tries) {
        if (!QFileInfo::exists(folder + QLatin1Char('/') + snapshotFileName(displayName, n)))
            return n;
        ++n;
    }
    return n;
}
