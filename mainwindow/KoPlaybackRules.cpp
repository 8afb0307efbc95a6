#include "mainwindow/KoPlaybackRules.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

// Less room than a few large pictures is a full disk.
constexpr qint64 kFullBelowBytes = 4 * 1024 * 1024;

} // namespace

QStringList KoPlaybackRules::snapshotPaths(const QString &folder, const QStringList &displayNames,
                                           int *lastIndex, const QSet<QString> &pending)
{
    QStringList paths;
    bool first = true;
    for (const QString &name : displayNames) {
        if (name.isEmpty()) {
            paths.append(QString());
            continue;
        }
        *lastIndex = nextSnapshotNumber(folder, name, *lastIndex, first, pending);
        first = false;
        paths.append(folder + QLatin1Char('/') + snapshotFileName(name, *lastIndex));
    }
    return paths;
}

QString KoPlaybackRules::snapshotFileName(const QString &displayName, int number)
{
    return displayName + QStringLiteral("_%1.jpg").arg(number, number < 1000 ? 3 : 4, 10, QLatin1Char('0'));
}

int KoPlaybackRules::snapshotNumber(const QString &path)
{
    const QString base = QFileInfo(path).completeBaseName();
    return base.mid(base.lastIndexOf(QLatin1Char('_')) + 1).toInt();
}

int KoPlaybackRules::nextSnapshotNumber(const QString &folder, const QString &displayName, int lastIndex,
                                        bool firstOfCapture, const QSet<QString> &pending)
{
    int n = lastIndex + 1;
    if (firstOfCapture && pending.isEmpty() && QDir(folder).isEmpty(QDir::Files))
        n = 1;
    if (n < 1)
        n = 1;
    // Bounded: a folder cannot hold more names than this for one recording.
    for (int tries = 0; tries < 100000; ++tries) {
        const QString path = folder + QLatin1Char('/') + snapshotFileName(displayName, n);
        if (!pending.contains(path) && !QFileInfo::exists(path))
            return n;
        ++n;
    }
    return n;
}

KoPlaybackRules::SnapshotFailure KoPlaybackRules::snapshotFailure(bool folderExists, bool writable,
                                                                  qint64 bytesFree)
{
    if (!folderExists)
        return SnapshotFailure::FolderMissing;
    if (!writable)
        return SnapshotFailure::FolderReadOnly;
    if (bytesFree >= 0 && bytesFree < kFullBelowBytes)
        return SnapshotFailure::DiskFull;
    return SnapshotFailure::Unknown;
}

KoPlaybackRules::SnapshotFailure KoPlaybackRules::snapshotFailure(const QString &folder)
{
    const QFileInfo info(folder);
    const bool exists = info.isDir();
    const QStorageInfo storage(folder);
    const bool valid = exists && storage.isValid();
    return snapshotFailure(exists, exists && info.isWritable() && !(valid && storage.isReadOnly()),
                           valid ? storage.bytesAvailable() : -1);
}
