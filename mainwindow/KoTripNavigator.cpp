#include "mainwindow/KoTripNavigator.h"

#include "app/KoLogging.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "library/KoTrips.h"
#include "playback/KoPlaybackSession.h"

#include <QStringList>

namespace {

KoRecordingTracks::Entry entryOf(const KoRecording &recording, const KoPlaylist &playlist)
{
    KoRecordingTracks::Entry entry;
    for (const KoRecording::Channel &c : recording.channels()) {
        const KoFileInfoModel *m = playlist.model(c.path);
        entry.append({c.path, m ? m->gpsCachePath() : QString()});
    }
    return entry;
}

// Cameras cut a drive into recordings of some minutes.
constexpr qint64 kLongestRecordingSeconds = 3600;

bool unread(KoRecordingTracks::State state)
{
    return state == KoRecordingTracks::State::Unknown || state == KoRecordingTracks::State::Loading;
}

} // namespace

KoTripNavigator::KoTripNavigator(const KoPlaylist *playlist, const KoPlaybackSession *session,
                                 QObject *parent)
    : QObject(parent)
    , m_playlist(playlist)
    , m_session(session)
{
    m_tracks.setThresholds(KoDrivingEvents::thresholdsFromSettings());
    connect(&m_tracks, &KoRecordingTracks::summariesChanged, this, [this] {
        updateTrip();
        emit headersChanged();
    });
    connect(&m_tracks, &KoRecordingTracks::trackLoaded, this, &KoTripNavigator::onTrackLoaded);
}

KoTripNavigator::~KoTripNavigator() = default;

QString KoTripNavigator::keyOf(int recording) const
{
    const QVector<KoRecording> &recordings = m_playlist->recordings();
    return recording >= 0 && recording < recordings.size() ? recordings.at(recording).firstPath() : QString();
}

void KoTripNavigator::listChanged()
{
    QVector<KoRecordingTracks::Entry> entries;
    entries.reserve(m_playlist->recordings().size());
    for (const KoRecording &r : m_playlist->recordings())
        entries.append(entryOf(r, *m_playlist));
    m_tracks.setRecordings(entries);
    m_playing = m_session->isStopped() ? -1 : m_playlist->recordingIndex(m_session->recording());
    m_pendingStep.active = false;
    if (m_playing < 0)
        m_read.clear();
    updateTrip();
    emit headersChanged();
}

void KoTripNavigator::recordingLoaded()
{
    m_pendingStep.active = false;
    // The recording played before stays in the trip when it belongs to it.
    if (m_playing >= 0 && !m_playingPath.isEmpty())
        m_read.insert(keyOf(m_playing), {keyOf(m_playing), m_playingPath, m_playingTrack});
    const KoFileInfoModel *m = m_session->model(1);
    m_playingPath = m ? m->filePath() : QString();
    m_playingTrack =
        m && m->gpsLoaded() ? KoTrackSample::fromModels(m->gpsSamples()) : QVector<KoTrackSample>();
    m_events = KoDrivingEvents::detect(m_playingTrack, m_tracks.thresholds());
    m_playing = m_playlist->recordingIndex(m_session->recording());
    if (m_playing >= 0 && m_tracks.indexOf(keyOf(m_playing)) == m_playing)
        m_tracks.setKnown(m_playing, m_playingPath, m_playingTrack);
    updateTrip();
}

void KoTripNavigator::stopped()
{
    m_pendingStep.active = false;
    // Kept for the recording that follows: the same trip, most often.
    if (m_playing >= 0 && !m_playingPath.isEmpty())
        m_read.insert(keyOf(m_playing), {keyOf(m_playing), m_playingPath, m_playingTrack});
    m_playing = -1;
    m_playingPath.clear();
    m_playingTrack.clear();
    m_events.clear();
    const bool had = !m_trip.isEmpty();
    m_trip.clear();
    m_playingPart = -1;
    if (had)
        emit tripChanged();
}

QVector<QVector<KoTrackSample>> KoTripNavigator::tripTracks() const
{
    QVector<QVector<KoTrackSample>> tracks;
    tracks.reserve(m_trip.size());
    for (const Part &part : m_trip)
        tracks.append(part.track);
    return tracks;
}

void KoTripNavigator::updateTrip()
{
    QVector<Part> trip;
    int playingPart = -1;
    m_tripFirst = m_tripLast = m_playing;
    if (m_playing >= 0 && m_playing < m_tracks.size() && !m_playingPath.isEmpty()) {
        const QVector<KoTrips::Recording> recordings = m_tracks.tripRecordings();
        const QVector<KoTrips::Trip> trips = KoTrips::group(recordings);
        const KoTrips::Trip &t = trips.at(KoTrips::tripOf(trips, m_playing));
        m_tripFirst = t.first;
        m_tripLast = t.last;
        for (int r = t.first; r <= t.last; ++r) {
            const QString key = keyOf(r);
            if (r == m_playing) {
                playingPart = trip.size();
                trip.append({key, m_playingPath, m_playingTrack});
                continue;
            }
            if (!m_read.contains(key) && m_tracks.state(r) != KoRecordingTracks::State::NoTrack)
                m_tracks.requestTrack(r);
            trip.append(m_read.value(key, Part{key, QString(), {}}));
        }
        // A recording never played just after the trip joins it when it
        // starts in time (its name tells), one just before when it starts
        // at most a recording's length earlier: read once, they tell.
        const int before = t.first - 1;
        const int after = t.last + 1;
        if (after < m_tracks.size() && m_tracks.state(after) == KoRecordingTracks::State::Unknown &&
            KoTrips::followsOn(recordings.at(t.last).start, recordings.at(t.last).durationSeconds,
                               recordings.at(after).start))
            m_tracks.requestTrack(after);
        if (before >= 0 && m_tracks.state(before) == KoRecordingTracks::State::Unknown) {
            const QDateTime from = recordings.at(before).start;
            const QDateTime to = recordings.at(t.first).start;
            const qint64 gap = from.isValid() && to.isValid() ? from.secsTo(to) : -1;
            if (gap >= 0 && gap <= kLongestRecordingSeconds)
                m_tracks.requestTrack(before);
        }
    } else if (!m_playingPath.isEmpty()) {
        playingPart = 0;
        trip.append({QString(), m_playingPath, m_playingTrack});
    }

    // Only the trip's own tracks are kept.
    QHash<QString, Part> kept;
    for (const Part &part : qAsConst(trip)) {
        if (m_read.contains(part.key))
            kept.insert(part.key, m_read.value(part.key));
    }
    if (m_playing >= 0)
        m_read = kept;

    bool same = trip.size() == m_trip.size() && playingPart == m_playingPart;
    for (int i = 0; same && i < trip.size(); ++i)
        same = trip.at(i).key == m_trip.at(i).key && trip.at(i).trackPath == m_trip.at(i).trackPath &&
               trip.at(i).track.size() == m_trip.at(i).track.size();
    m_trip = trip;
    m_playingPart = playingPart;
    if (!same) {
        qCDebug(lcMap) << "trip of" << m_trip.size() << "recordings, the playing one at" << m_playingPart;
        emit tripChanged();
    }
}

void KoTripNavigator::onTrackLoaded(const QString &key, const QString &trackPath,
                                    const QVector<KoTrackSample> &track)
{
    // The trip's recordings and those just before and after it (which join
    // it through updateTrip() when they follow on).
    const int index = m_tracks.indexOf(key);
    if (m_playing >= 0 && index >= m_tripFirst - 1 && index <= m_tripLast + 1)
        m_read.insert(key, {key, trackPath, track});
    updateTrip();
    if (m_pendingStep.active && m_pendingStep.waitingFor == key) {
        m_pendingStep.active = false;
        stepEvent(m_pendingStep.forward, m_pendingStep.position);
    }
}

void KoTripNavigator::stepEvent(bool forward, double position)
{
    m_pendingStep.active = false;
    if (m_playingPath.isEmpty())
        return;
    if (m_playing < 0 || m_playing >= m_tracks.size()) {
        const KoDrivingEvents::Step s = KoDrivingEvents::step({m_events}, 0, position, forward);
        if (s.recording == 0)
            choose(-1, m_playingPath, s.seekSecond);
        return;
    }
    QVector<QVector<KoDrivingEvents::Event>> events(m_tracks.size());
    events[m_playing] = m_events;
    const int direction = forward ? 1 : -1;
    int unknown = -1;
    for (int r = m_playing + direction; r >= 0 && r < m_tracks.size(); r += direction) {
        if (unread(m_tracks.state(r))) {
            unknown = r;
            break;
        }
        events[r] = m_tracks.summary(r).events;
    }
    const KoDrivingEvents::Step s = KoDrivingEvents::step(events, m_playing, position, forward);
    if (s.recording >= 0) {
        choose(s.recording, s.recording == m_playing ? m_playingPath : m_tracks.trackPath(s.recording),
               s.seekSecond);
        return;
    }
    if (unknown < 0) {
        qCDebug(lcPlayback) << "no driving event" << (forward ? "after" : "before") << position << "s";
        return;
    }
    // The events of a recording never played are found first.
    m_pendingStep = {true, forward, position, keyOf(unknown)};
    m_tracks.requestTrack(unknown);
}

void KoTripNavigator::choose(int recording, const QString &trackPath, int second)
{
    KoFileInfoModel *file = m_playlist->model(trackPath);
    if (file == nullptr)
        return;
    qCDebug(lcPlayback).noquote() << "to" << second << "s of" << file->fileName() << "(recording" << recording
                                  << "of the list)";
    emit momentChosen(file, second);
}

void KoTripNavigator::routeClicked(double lng, double lat, bool bd09)
{
    if (m_trip.isEmpty())
        return;
    const KoTrips::Moment moment =
        KoTrips::nearestMoment(tripTracks(), lat, lng, bd09 ? KoTrips::MapDatum : KoTrips::Wgs84);
    if (!moment.found())
        return;
    const Part &part = m_trip.at(moment.recording);
    qCDebug(lcMap) << "route clicked" << moment.distanceMetres << "m from second" << moment.second
                   << "of trip part" << moment.recording;
    choose(m_playing < 0 ? -1 : m_playing - m_playingPart + moment.recording, part.trackPath, moment.second);
}

QVector<KoTripNavigator::Header> KoTripNavigator::headers(bool mph) const
{
    QVector<Header> headers;
    const QVector<KoTrips::Recording> recordings = m_tracks.tripRecordings();
    for (const KoTrips::Trip &t : KoTrips::group(recordings)) {
        if (t.size() < 2 && !recordings.at(t.first).summary.valid)
            continue;
        QStringList tip = {tr("Trip: %1").arg(t.describe(mph)), tr("Recordings: %1").arg(t.size()),
                           tr("Driving events: %1").arg(t.eventCount)};
        if (!t.complete)
            tip.append(tr("The figures count only the recordings whose track has been read."));
        headers.append({t.first, t.describe(mph), tip.join(QLatin1Char('\n'))});
    }
    return headers;
}
