#pragma once

#include "gps/KoTrackSample.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

class KoGPSModel;

// Finds the moments a driver looks for in a recording's track: harsh
// braking, harsh acceleration, sharp cornering and impacts.
//
// Two sources are read, each on its own:
// - The G-sensor. Gravity and the camera's mounting tilt are removed with a
//   running median per axis (31 s window) over the quiet seconds, those
//   without a GPS speed or heading change (a drive that keeps accelerating
//   would otherwise read as a tilt); what remains is split into the
//   part along gravity (vertical) and the rest (horizontal). As the axes'
//   orientation in the car is not known, the car's forward direction is
//   learned from the track itself, from the way the horizontal readings
//   follow the GPS speed changes; without enough GPS movement to learn it, a
//   horizontal reading counts towards whichever manoeuvre the GPS shows at
//   that second. A track whose readings do not show gravity at about 1 g is
//   checked against the other scale (1/256 against 1/4096 g per count, a
//   factor of 16) and otherwise left out, with a log line.
// - The GPS speed between consecutive fixes (at most 2 s apart): a fall of
//   `brakingG` or more per second is harsh braking, a rise of
//   `accelerationG` harsh acceleration, and speed times the change of
//   heading (above 15 km/h) gives the sideways acceleration of cornering.
//   Speed spikes and changes beyond 1.5 g per second are taken as receiver
//   glitches.
//
// Impacts are G-sensor shocks: a reading `impactG` or more away from the
// baseline in any direction, or a jolt (change between consecutive readings)
// of `impactJoltG` or more that neither lasts into the next reading nor
// comes with a matching GPS speed change. A car standing still (below
// 5 km/h on both sides) cannot brake, accelerate or corner: its shocks
// count only as impacts.
//
// Seconds that reach a threshold and lie at most 2 s apart form one event
// (one physical event gives one event); its kind is an impact when any of
// its seconds is one, else the manoeuvre that went furthest past its
// threshold.
//
// Everything here is plain data and runs on any thread.
class KoDrivingEvents
{
public:
    enum Kind
    {
        HarshBraking,
        HarshAcceleration,
        SharpCornering,
        Impact
    };

    // In g (9.80665 m/s^2). The player reads them from its settings
    // (thresholdsFromSettings, README "Driving events").
    struct Thresholds
    {
        double brakingG = 0.40;      // deceleration
        double accelerationG = 0.35; // acceleration
        double corneringG = 0.40;    // sideways acceleration
        double impactG = 1.5;        // reading away from the baseline, any direction
        double impactJoltG = 1.0;    // change between two consecutive readings
    };

    struct Event
    {
        int offset = 0; // seconds from the recording's start: the event's first second
        QDateTime time; // camera clock at `offset`, UTC-labelled like KoTrackSample::cameraTime;
                        // invalid when the track carries no time
        Kind kind = HarshBraking;
        float peakG = 0; // the strongest reading of its kind: deceleration, acceleration,
                         // sideways acceleration, or for an impact the shock's size, in g
        float speedBeforeKmh = KoTrackSample::Unknown; // GPS speed the second before (NaN: unknown)
        float speedAfterKmh = KoTrackSample::Unknown;  // GPS speed the second after its last one
    };

    // The events of one track in time order. Samples with values that are
    // not finite count as readings that are missing.
    static QVector<Event> detect(const QVector<KoTrackSample> &track, const Thresholds &t);
    static QVector<Event> detect(const QVector<KoTrackSample> &track); // default thresholds
    // The same over the records of a loaded recording
    // (KoFileInfoModel::gpsSamples()).
    static QVector<Event> detect(const QList<KoGPSModel *> &track, const Thresholds &t);

    // The thresholds in the settings (JXDefaultSettings::getEvent*G).
    static Thresholds thresholdsFromSettings();

    // "harsh_braking", "harsh_acceleration", "sharp_cornering", "impact": the
    // names in the CSV (stable, not translated).
    static QString kindName(Kind kind);
    // The kind for the user, translated ("Harsh braking").
    static QString kindLabel(Kind kind);
    // A tool tip for one event: kind, camera time, peak and speeds, e.g.
    // "Harsh braking\n14:30:27\n0.82 g, 70 → 12 km/h". `mph`: speeds in mph.
    static QString describe(const Event &event, bool mph = false);

    // "offset_s,time,kind,peak_g,speed_before_kmh,speed_after_kmh" and one
    // row per event; time as yyyy-MM-ddTHH:mm:ss without a zone, peak with two
    // decimals, speeds with one (empty when unknown).
    static QByteArray toCsv(const QVector<Event> &events);
    static const char *csvHeader();

    // "Next event" and "previous event" across the recordings of a list.
    // `events[r]` holds the events of recording r in list order (empty when
    // it has none or they are not known); `position` is the current playing
    // position in seconds of `recording`. The target is `leadIn` seconds
    // before the event (not before 0). Forward: the first event whose target
    // lies more than 0.5 s after `position`, in this recording or else the
    // first event of the following recordings; backward: the last event whose
    // target lies more than 1.5 s before `position` (so that a second press
    // moves on while the first target is still playing), else the last event
    // of the recordings before.
    struct Step
    {
        int recording = -1; // -1: no event that way
        int event = -1;     // index in events[recording]
        int seekSecond = 0;
    };
    static Step step(const QVector<QVector<Event>> &events, int recording, double position, bool forward,
                     int leadIn = 3);
};
