#pragma once

#include "gps/KoDrivingEvents.h"
#include "gps/KoTrackSample.h"
#include "library/KoRecordingTracks.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

class KoFileInfoModel;
class KoPlaybackSession;
class KoPlaylist;

// The moments of a drive across the recordings of the list: the trip the
// playing recording belongs to (the recordings around it whose camera times
// follow on, KoTrips), the driving events for "next event" and "previous
// event", the moment of the trip nearest to a clicked point of its route,
// and the trips' headers for the file list.
//
// Tracks of the recordings that are not playing are held in the light form
// (KoTrackSample), only for the playing trip, and dropped when the trip
// changes. They are read beside the GUI thread (KoRecordingTracks): from
// their caches, and for the recordings just before and after the trip that
// were never played, extracted once, so that a trip shows whole as soon as
// one of its recordings plays. What a choice leads to is told by
// momentChosen; the window seeks or loads the recording.
class KoTripNavigator : public QObject
{
    Q_OBJECT

public:
    KoTripNavigator(const KoPlaylist *playlist, const KoPlaybackSession *session, QObject *parent = nullptr);
    ~KoTripNavigator() override;

    KoRecordingTracks *tracks() { return &m_tracks; }

    // After every change of the list (KoPlaylist::regroup).
    void listChanged();
    // The session loaded a recording (its display 1 track is loaded), or stopped.
    void recordingLoaded();
    void stopped();

    // The playing recording's trip in list order: one track per recording,
    // empty while it is being read; fewer than two when the recording is a
    // trip of its own.
    QVector<QVector<KoTrackSample>> tripTracks() const;
    int playingPart() const { return m_playingPart; }
    // The driving events of the playing recording (its display 1 track).
    const QVector<KoDrivingEvents::Event> &playingEvents() const { return m_events; }

    // The next (or previous) driving event from `position` seconds into the
    // playing recording, in it or in the recordings after (before) it in the
    // list: momentChosen with 3 s before it. Recordings whose track was never
    // read are read first (in the background), in order, until one has an
    // event; a later choice or another recording cancels the search.
    void stepEvent(bool forward, double position);
    // A click on the drawn route at (lng, lat), in BD-09 when `bd09` (the
    // Baidu page) else WGS-84: momentChosen with the nearest moment of the trip.
    void routeClicked(double lng, double lat, bool bd09);

    // Where trips begin in the list: the recording (index in
    // KoPlaylist::recordings()), a header line and a tool tip. Trips of one
    // recording whose track is not known get none.
    struct Header
    {
        int recording = -1;
        QString text;
        QString toolTip;
    };
    QVector<Header> headers(bool mph) const;

signals:
    // tripTracks() or playingPart() changed.
    void tripChanged();
    // What headers() gives may have changed.
    void headersChanged();
    // Play `file` at `seconds` (seek when it is display 1's file already).
    void momentChosen(KoFileInfoModel *file, double seconds);

private:
    struct Part
    {
        QString key;
        QString trackPath;
        QVector<KoTrackSample> track;
    };

    void updateTrip();
    void onTrackLoaded(const QString &key, const QString &trackPath, const QVector<KoTrackSample> &track);
    void choose(int recording, const QString &trackPath, int second);
    QString keyOf(int recording) const;

    const KoPlaylist *m_playlist;
    const KoPlaybackSession *m_session;
    KoRecordingTracks m_tracks;
    // The playing recording: index in the list, display 1's file and track.
    int m_playing = -1;
    QString m_playingPath;
    QVector<KoTrackSample> m_playingTrack;
    QVector<KoDrivingEvents::Event> m_events;
    // The trip's parts, the playing one at m_playingPart, and the tracks
    // read for it (by recording key).
    QVector<Part> m_trip;
    int m_playingPart = -1;
    int m_tripFirst = -1; // in the list
    int m_tripLast = -1;
    QHash<QString, Part> m_read;
    // A "next/previous event" waiting for a track to be read.
    struct PendingStep
    {
        bool active = false;
        bool forward = true;
        double position = 0;
        QString waitingFor;
    } m_pendingStep;
};
