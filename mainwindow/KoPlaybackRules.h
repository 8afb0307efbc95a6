#pragma once

#include <QString>

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
};
