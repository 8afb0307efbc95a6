#pragma once

#include "gps/KoTrackSample.h"

#include <QString>
#include <QVector>

// The track of a recording that is not playing, in the light form
// (KoTrackSample), for trips and driving events: read from its track cache
// when the cache was made from the recording as it is now, else extracted
// once and stored as the cache, as playing the recording would. No
// KoFileInfoModel is built, so this runs on any thread.
class KoLightTrack
{
public:
    // `cachePath` is the recording's KoFileInfoModel::gpsCachePath() (either
    // variant). False when the recording holds no track or cannot be read;
    // `track` is then empty.
    static bool load(const QString &recordingPath, const QString &cachePath, QVector<KoTrackSample> *track);

    // The plain cache name of either variant: ".../name_123_haisi.txt" -> ".../name_123.txt".
    static QString plainCachePath(const QString &cachePath);
};
