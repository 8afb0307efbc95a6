#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

#include <limits>

class KoGPSModel;
class QIODevice;

// One second of a track reduced to what the driving analysis needs (event
// detection, summaries, trips), as plain values: thousands of them are cheap
// to hold and to walk. Sample i of a track belongs to second i of the
// recording, as in KoGPSModel.
//
// Unknown values are NaN: a speed without a fix, a position without a fix or
// with a coordinate that is not finite. The G-sensor is "missing" for a sample
// whose three counts are zero (cameras write that while the sensor is off).
struct KoTrackSample
{
    static constexpr float Unknown = std::numeric_limits<float>::quiet_NaN();
    // Speeds above this are no car's and read as unknown.
    static constexpr float MaxSpeedKmh = 400;

    bool fix = false; // status 'A' with a position off 0/0
    float speedKmh = Unknown;
    float heading = Unknown;                                    // degrees, 0 = north, clockwise
    double latitude = std::numeric_limits<double>::quiet_NaN(); // WGS-84, signed degrees
    double longitude = std::numeric_limits<double>::quiet_NaN();
    float gX = 0; // g, after the track's scale (1/256 or 1/4096 g per count)
    float gY = 0;
    float gZ = 0;
    bool hasG = false;
    char dateTime[16] = {}; // the camera clock as the track line gives it, "20YYMMDDhhmmss"

    static KoTrackSample fromModel(const KoGPSModel &model);
    static QVector<KoTrackSample> fromModels(const QList<KoGPSModel *> &models);

    // Reads a track cache file (the player's track text lines) without
    // building a recording: at most kMaxTrackLines lines, each at most one
    // track line long (the rest of a longer line is skipped). `fineGScale`:
    // the counts are 1/4096 g (tracks from direct chunks, the "_haisi" cache
    // files). False when the file cannot be opened; `out` then stays empty.
    static bool readCacheFile(const QString &path, bool fineGScale, QVector<KoTrackSample> *out);
    // The same from an open device (a track text held in memory).
    static void readTrack(QIODevice *device, bool fineGScale, QVector<KoTrackSample> *out);

    // The camera clock of this sample, labelled UTC like
    // KoFileInfoModel::cameraTimeOf (the camera stores no time zone); invalid
    // when the text is not a date and time.
    QDateTime cameraTime() const;
    // The camera clock written "yyyyMMddHHmmss" (as track lines and file
    // names hold it), labelled UTC; invalid for anything else.
    static QDateTime cameraTimeOf(QLatin1String text);

    // The camera clock at second 0 of the track: the first sample with a
    // valid time, less its index. Invalid when no sample has one.
    static QDateTime startTime(const QVector<KoTrackSample> &track);
    // The camera clock at `second` of the track: that sample's own time when
    // valid, else counted from startTime(). Invalid when neither is known.
    static QDateTime timeAt(const QVector<KoTrackSample> &track, int second);

    // Each sample's speed in km/h, with speeds no car can reach removed
    // (NaN): a sample that jumps away from both neighbours and back (a spike
    // of at least 0.3 g each way), or that differs from every known neighbour
    // by more than MaxChangeG over one second.
    static QVector<float> plausibleSpeeds(const QVector<KoTrackSample> &track);
    static constexpr double MaxChangeG = 1.5;
};
