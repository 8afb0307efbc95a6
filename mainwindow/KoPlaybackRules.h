#pragma once

#include <QList>
#include <QString>

#include <array>

class KoFileInfoModel;

// The decisions of playback across channels, as plain functions of the
// playlist and the channel channels: what plays in which display, which
// recording comes next or before, and what a snapshot is called.
class KoPlaybackRules
{
public:
    // The channel models of displays 1 to 3; a null slot is never followed
    // by a filled one.
    using Channels = std::array<KoFileInfoModel *, 3>;

    // The recording of `model` spread over the displays: the asked-for model
    // in display 1 and its linked siblings after it, re-sorted by channel
    // index when all three channels are there.
    static Channels channelsOf(KoFileInfoModel *model);
    static int filledChannels(const Channels &channels);

    // Channel models linked with `model` (1 to 3).
    static int chainLength(const KoFileInfoModel *model);

    // True when the playlist holds nothing but the playing recording.
    static bool onlyCurrentRecording(const QList<KoFileInfoModel *> &list, const Channels &channels);

    // The first channel of the recording after the playing one, skipping the
    // playing recording's own channels; null at the end unless `wrap`.
    static KoFileInfoModel *nextRecording(const QList<KoFileInfoModel *> &list, const Channels &channels,
                                          bool wrap);
    // The recording before the playing one; always wraps to the last entry.
    static KoFileInfoModel *previousRecording(const QList<KoFileInfoModel *> &list, const Channels &channels);

    // "<displayName>_007.jpg": three digits below 1000, four from there on.
    static QString snapshotFileName(const QString &displayName, int number);
    // The number of the next snapshot in `folder`: 1 in a folder without
    // files, else one past `lastIndex`; moved on past numbers whose file
    // already exists for `displayName`, so that nothing is overwritten.
    static int nextSnapshotNumber(const QString &folder, const QString &displayName, int lastIndex,
                                  bool firstOfCapture);
};
