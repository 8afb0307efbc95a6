#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What a snapshot is called, as plain functions a test can call.
class KoPlaybackRules
{
public:
    // Why a snapshot was not written, as far as its folder tells.
    enum class SnapshotFailure
    {
        FolderMissing,
        FolderReadOnly,
        DiskFull,
        Unknown
    };

    // "<displayName>_007.jpg": three digits below 1000, four from there on.
    static QString snapshotFileName(const QString &displayName, int number);
    // The number of the next snapshot in `folder`: 1 in a folder without
    // files and nothing `pending`, else one past `lastIndex`; moved on past
    // numbers whose file already exists for `displayName` or is being
    // written (in `pending`, full paths), so that nothing is overwritten and
    // no two pictures get one name.
    static int nextSnapshotNumber(const QString &folder, const QString &displayName, int lastIndex,
                                  bool firstOfCapture, const QSet<QString> &pending = {});
    // The files of one snapshot of every display, one per display name (an
    // empty name gets an empty path), numbered on from `*lastIndex`, which
    // is moved to the last number used.
    static QStringList snapshotPaths(const QString &folder, const QStringList &displayNames, int *lastIndex,
                                     const QSet<QString> &pending = {});
    // The number in a snapshot's file name; 0 when it has none.
    static int snapshotNumber(const QString &path);

    // Why pictures could not be written into a folder that exists or not,
    // may be written or not, and has `bytesFree` left (negative: unknown).
    static SnapshotFailure snapshotFailure(bool folderExists, bool writable, qint64 bytesFree);
    // The same, read from the folder as it is now.
    static SnapshotFailure snapshotFailure(const QString &folder);
};
