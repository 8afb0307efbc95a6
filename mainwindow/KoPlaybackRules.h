#pragma once

#include <QString>
#include <QStringList>

// What a snapshot is called, as plain functions a test can call.
class KoPlaybackRules
{
public:
    // "<displayName>_007.jpg": three digits below 1000, four from there on.
    static QString snapshotFileName(const QString &displayName, int number);
    // The number of the next snapshot in `folder`: 1 in a folder without
    // files, else one past `lastIndex`; moved on past numbers whose file
    // already exists for `displayName`, so that nothing is overwritten.
    static int nextSnapshotNumber(const QString &folder, const QString &displayName, int lastIndex,
                                  bool firstOfCapture);
    // The files of one snapshot of every display, one per display name (an
    // empty name gets an empty path), numbered on from `*lastIndex`, which
    // is moved to the last number used.
    static QStringList snapshotPaths(const QString &folder, const QStringList &displayNames, int *lastIndex);
};
