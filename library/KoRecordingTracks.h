#pragma once

#include "gps/KoDrivingEvents.h"
#include "gps/KoTrackSample.h"
#include "library/KoTrackSummary.h"
#include "library/KoTrips.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

// What is known of the tracks of the playlist's recordings: for each, its
// summary (duration, distance, top speed, driving events) from its track
// cache, and on request its whole track in the light form. The reading runs
// on a thread of its own, one file at a time, and never builds a
// KoFileInfoModel track: the list may hold thousands of recordings.
//
// A recording is known by its first channel file. Its track is the first of
// its channel files (in channel order) that has one.
class KoRecordingTracks : public QObject
{
    Q_OBJECT

public:
    struct Channel
    {
        QString path;
        QString cachePath; // KoFileInfoModel::gpsCachePath()
    };
    using Entry = QVector<Channel>; // one recording's channel files, in channel order

    enum class State
    {
        Unknown, // no track cache read yet (never played)
        Loading, // its track is being read or extracted
        Known,
        NoTrack // none of its files holds a track
    };

    explicit KoRecordingTracks(QObject *parent = nullptr);
    ~KoRecordingTracks() override;

    // The event thresholds of the summaries from now on.
    void setThresholds(const KoDrivingEvents::Thresholds &thresholds) { m_thresholds = thresholds; }
    const KoDrivingEvents::Thresholds &thresholds() const { return m_thresholds; }

    // The recordings of the list, in list order. What is known of a
    // recording still listed is kept; the others' caches are read in the
    // background (no extraction), and summariesChanged tells when some
    // became known.
    void setRecordings(const QVector<Entry> &entries);
    int size() const { return m_keys.size(); }
    int indexOf(const QString &firstChannelPath) const { return m_indexOfKey.value(firstChannelPath, -1); }

    State state(int i) const;
    // Invalid unless state(i) is Known.
    KoTrackSummary summary(int i) const;
    // The channel file whose track the summary is of; empty unless Known.
    QString trackPath(int i) const;
    // The recordings as KoTrips groups them (unknown ones end their trip).
    QVector<KoTrips::Recording> tripRecordings() const;

    // A track the caller read itself (the playing recording's).
    void setKnown(int i, const QString &trackPath, const QVector<KoTrackSample> &track);
    // Reads the track of recording i in the background, from its cache or
    // extracted once into it; trackLoaded follows (also when it has none).
    // Ahead of the cache reads of setRecordings.
    void requestTrack(int i);

    // Blocks until the reads asked for so far are done (for tests and tools).
    void waitForIdle();

signals:
    void summariesChanged();
    // A requested track: `trackPath` empty and `track` empty when the
    // recording has none.
    void trackLoaded(const QString &key, const QString &trackPath, const QVector<KoTrackSample> &track);

private:
    struct Info
    {
        State state = State::Unknown; // never Loading: see `loading`
        bool loading = false;         // a requested read is under way
        bool cacheRead = false;
        KoTrackSummary summary;
        QString trackPath;
    };
    class Worker;
    struct Read
    {
        QString key;
        QString trackPath;
        KoTrackSummary summary;
    };

    void onSummariesRead(const QVector<Read> &reads);
    void onTrackRead(const QString &key, const QString &trackPath, const QVector<KoTrackSample> &track,
                     const KoTrackSummary &summary);

    KoDrivingEvents::Thresholds m_thresholds;
    QVector<QString> m_keys;
    QVector<Entry> m_entries;
    QHash<QString, int> m_indexOfKey;
    QHash<QString, Info> m_info;
    std::unique_ptr<Worker> m_worker;
};
