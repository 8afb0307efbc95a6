#pragma once

#include "library/KoTrackSummary.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

#include <limits>

class KoGPSModel;

// Trips: consecutive recordings of the file list whose camera times follow
// on, and the moment of a trip nearest to a point of its route. Plain data
// in, plain data out; the caller decides what a recording is and feeds the
// list in its order.
class KoTrips
{
public:
    // A recording follows on when it starts less than this many seconds
    // after the end of the one before it (and not before that one's start).
    static constexpr int MaxGapSeconds = 10;

    struct Recording
    {
        QDateTime start;          // camera clock at its start; invalid: unknown
        int durationSeconds = -1; // -1: unknown (such a recording ends its trip)
        KoTrackSummary summary;   // optional: summary.valid false when not known
    };

    struct Trip
    {
        int first = 0; // indices into the recordings handed in, inclusive
        int last = 0;
        QDateTime start;          // of its first recording
        int durationSeconds = -1; // first start to last end; -1 when the end is not known
        double distanceKm = 0;    // sum over the summaries known
        bool hasSpeed = false;
        float topSpeedKmh = 0;
        int eventCount = 0;
        bool complete = false; // every recording had a summary (else the figures are a lower bound)

        int size() const { return last - first + 1; }
        bool contains(int recording) const { return recording >= first && recording <= last; }
        // For a header row: "2019-05-23 14:30 · 0:30:00 · 31.2 km · top speed 100 km/h"
        // (miles and mph with `mph`); the parts not known are left out.
        QString describe(bool mph = false) const;
    };

    // A recording's data as the player knows it. `start` is the summary's
    // (the first sample's camera time less its index) when the summary has
    // one, else the time in the file name (KoFileInfoModel::cameraTimeOf);
    // the duration is the summary's (one sample per second) when valid, else
    // `fallbackDurationSeconds` (for example the video's, -1 when unknown).
    static Recording recordingOf(const QString &fileName, const KoTrackSummary &summary,
                                 int fallbackDurationSeconds = -1);

    // Every recording lands in exactly one trip; trips come in list order and
    // a recording alone is a trip of one. Recording r + 1 joins r's trip when
    // both starts and r's duration are known and
    // 0 <= start(r+1) - start(r) and start(r+1) - (start(r) + duration(r)) < MaxGapSeconds.
    static QVector<Trip> group(const QVector<Recording> &recordings);
    // The rule of group(): a recording starting at `nextStart` follows one
    // that started at `start` and ran `durationSeconds`. The second form
    // reads the starts from the file names.
    static bool followsOn(const QDateTime &start, double durationSeconds, const QDateTime &nextStart);
    static bool followsOn(const QString &file, double durationSeconds, const QString &nextFile);
    // Index of the trip holding `recording`, -1 when none does.
    static int tripOf(const QVector<Trip> &trips, int recording);

    // The coordinates a clicked point is given in: WGS-84, or the map's own
    // (KoGPSModel::latitude/longitude: BD-09 inside China, as on the Baidu page).
    enum Datum
    {
        Wgs84,
        MapDatum
    };
    struct Moment
    {
        int recording = -1; // index into the tracks handed in; -1: no sample with a fix
        int second = 0;     // sample index = seconds from that recording's start
        double distanceMetres = std::numeric_limits<double>::infinity(); // click to that sample
        bool found() const { return recording >= 0; }
    };
    // The moment the car was nearest to (lat, lng): over the samples with a
    // fix and a finite position of the trip's tracks (in trip order), the
    // nearest one; the earliest of equally near ones.
    static Moment nearestMoment(const QVector<QList<KoGPSModel *>> &tracks, double lat, double lng,
                                Datum datum = Wgs84);
    // The same over light tracks (KoTrackSample, WGS-84): for MapDatum each
    // position is converted as KoGPSModel converts it for the map.
    static Moment nearestMoment(const QVector<QVector<KoTrackSample>> &tracks, double lat, double lng,
                                Datum datum = Wgs84);
};
