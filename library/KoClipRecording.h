#pragma once

#include <QString>
#include <QStringList>

// The recordings a clip is cut from, found the way the file list finds them:
// the channel files of one recording from any of them, and the recording that
// follows on in the same folder. (A stand-in until the recording model hands
// these over itself.)
class KoClipRecording
{
public:
    // The channel files of the recording `file` belongs to, in channel order
    // (front, rear, interior), `file` among them. A name without a channel
    // part is a recording of its own.
    static QStringList channelFiles(const QString &file);

    // Whether the recording starting with `next` follows on the one starting
    // with `first`, `firstDuration` seconds long: by the camera times in their
    // names, it starts after it and no later than its end plus 10 s.
    static bool followsOn(const QString &first, double firstDuration, const QString &next);

    // The channel files of the earliest recording in the folder of `channels`
    // that starts after them by its camera time (whether it follows on is
    // for followsOn()); empty when there is none.
    static QStringList nextInFolder(const QStringList &channels);
};
