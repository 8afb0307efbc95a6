#pragma once

#include "gps/KoDrivingEvents.h"
#include "gps/KoTrackSample.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

class KoGPSModel;

// What one recording's track says in a few figures: how long, how far, how
// fast, how many driving events. For the tool tip of a file list row and the
// trip headers (KoTrips). The player passes the thresholds of its settings
// (KoDrivingEvents::thresholdsFromSettings()).
struct KoTrackSummary
{
    bool valid = false;      // a track was read (false: nothing known)
    int durationSeconds = 0; // one sample per second
    double distanceKm = 0;   // see distanceMetres()
    bool hasSpeed = false;   // some sample had a GPS speed
    float topSpeedKmh = 0;   // highest plausible GPS speed (KoTrackSample::plausibleSpeeds)
    QDateTime start;         // camera clock at second 0 (KoTrackSample::startTime); may be invalid
    QVector<KoDrivingEvents::Event> events;

    int eventCount() const { return events.size(); }

    static KoTrackSummary of(const QVector<KoTrackSample> &track,
                             const KoDrivingEvents::Thresholds &t = KoDrivingEvents::Thresholds());
    // Over a loaded recording's records (KoFileInfoModel::gpsSamples()).
    static KoTrackSummary of(const QList<KoGPSModel *> &track,
                             const KoDrivingEvents::Thresholds &t = KoDrivingEvents::Thresholds());

    // From the track cache alone, never extracting: `cachePath` is
    // KoFileInfoModel::gpsCachePath(); when that file is missing or empty its
    // direct-chunks variant (KoFileInfoModel::directChunksCachePath, G-sensor
    // in 1/4096 g) is read instead. Invalid when neither holds a track (a row
    // never played). The read is bounded like the player's own
    // (kMaxTrackLines lines of at most one track line each).
    static KoTrackSummary fromCache(const QString &cachePath,
                                    const KoDrivingEvents::Thresholds &t = KoDrivingEvents::Thresholds());

    // Distance driven: great-circle distances between consecutive samples
    // with a fix and a finite position. A step that would need more than
    // KoTrackSample::MaxSpeedKmh is a jump of the receiver and is left out
    // (the next plausible step is measured from the last good position, or
    // from the jumped-to one when the track goes on from there); steps while
    // the car stands (GPS speed below 3 km/h at both ends) are the receiver's
    // wander and are left out too.
    static double distanceMetres(const QVector<KoTrackSample> &track);
    // On a sphere of the Earth's mean radius; degrees in, metres out.
    static double greatCircleMetres(double lat1, double lng1, double lat2, double lng2);

    // The tool tip text: duration, distance, top speed and events, for
    // example "Duration 0:10:00\nDistance 8.3 km\nTop speed 100 km/h\nEvents 1";
    // `mph` gives miles and mph. An invalid summary gives an empty text.
    QString describe(bool mph = false) const;
    // "h:mm:ss".
    static QString durationText(int seconds);
};
