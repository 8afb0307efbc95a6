#include "library/KoRecordingTracks.h"

#include "app/KoLogging.h"
#include "library/KoLightTrack.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <deque>
#include <functional>

namespace {

// Cache reads per job: a requested track never waits behind more than these.
constexpr int kSummariesPerJob = 32;

} // namespace

// One thread working through two queues, the requested tracks first.
class KoRecordingTracks::Worker
{
public:
    Worker()
        : m_thread(QThread::create([this] { run(); }))
    {
        m_thread->setObjectName(QStringLiteral("recording tracks"));
        m_thread->start(QThread::LowPriority);
    }

    ~Worker()
    {
        {
            QMutexLocker lock(&m_mutex);
            m_quit = true;
            m_wake.wakeAll();
        }
        m_thread->wait();
    }

    void post(std::function<void()> job, bool urgent)
    {
        QMutexLocker lock(&m_mutex);
        (urgent ? m_urgent : m_background).push_back(std::move(job));
        m_wake.wakeAll();
    }

    void waitForIdle()
    {
        QMutexLocker lock(&m_mutex);
        while (m_busy || !m_urgent.empty() || !m_background.empty())
            m_idle.wait(&m_mutex);
    }

    std::atomic<int> generation{0};

private:
    void run()
    {
        for (;;) {
            std::function<void()> job;
            {
                QMutexLocker lock(&m_mutex);
                m_busy = false;
                while (!m_quit && m_urgent.empty() && m_background.empty()) {
                    m_idle.wakeAll();
                    m_wake.wait(&m_mutex);
                }
                if (m_quit)
                    return;
                std::deque<std::function<void()>> &queue = m_urgent.empty() ? m_background : m_urgent;
                job = std::move(queue.front());
                queue.pop_front();
                m_busy = true;
            }
            job();
        }
    }

    std::unique_ptr<QThread> m_thread;
    QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_idle;
    std::deque<std::function<void()>> m_urgent;
    std::deque<std::function<void()>> m_background;
    bool m_busy = false;
    bool m_quit = false;
};

KoRecordingTracks::KoRecordingTracks(QObject *parent)
    : QObject(parent)
    , m_worker(std::make_unique<Worker>())
{}

// The worker is stopped first (a job under way finishes); results it posted
// and that were not delivered go with this object.
KoRecordingTracks::~KoRecordingTracks()
{
    m_worker.reset();
}

void KoRecordingTracks::setRecordings(const QVector<Entry> &entries)
{
    const int generation = ++m_worker->generation;
    QHash<QString, Info> kept;
    m_keys.clear();
    m_keys.reserve(entries.size());
    m_entries.clear();
    m_indexOfKey.clear();
    m_indexOfKey.reserve(entries.size());
    QVector<std::pair<QString, Entry>> toRead;
    // Index i is always the list's recording i; a recording is known by its
    // first channel file, which is in no other.
    for (const Entry &entry : entries) {
        const QString key = entry.isEmpty() ? QString() : entry.first().path;
        if (!m_indexOfKey.contains(key))
            m_indexOfKey.insert(key, m_keys.size());
        m_keys.append(key);
        m_entries.append(entry);
        const Info info = m_info.value(key);
        if (info.state == State::Unknown && !info.cacheRead)
            toRead.append({key, entry});
        kept.insert(key, info);
    }
    m_info = kept;

    const KoDrivingEvents::Thresholds t = m_thresholds;
    Worker *worker = m_worker.get();
    for (int from = 0; from < toRead.size(); from += kSummariesPerJob) {
        const QVector<std::pair<QString, Entry>> chunk = toRead.mid(from, kSummariesPerJob);
        m_worker->post(
            [this, worker, chunk, t, generation] {
                QVector<Read> reads;
                for (const auto &item : chunk) {
                    if (worker->generation != generation)
                        return; // the list changed: its own reads follow
                    Read read{item.first, QString(), KoTrackSummary()};
                    for (const Channel &c : item.second) {
                        read.summary = KoTrackSummary::fromCache(c.cachePath, t);
                        if (read.summary.valid) {
                            read.trackPath = c.path;
                            break;
                        }
                    }
                    reads.append(read);
                }
                QMetaObject::invokeMethod(
                    this, [this, reads] { onSummariesRead(reads); }, Qt::QueuedConnection);
            },
            false);
    }
}

KoRecordingTracks::State KoRecordingTracks::state(int i) const
{
    if (i < 0 || i >= m_keys.size())
        return State::Unknown;
    const Info info = m_info.value(m_keys.at(i));
    return info.state == State::Unknown && info.loading ? State::Loading : info.state;
}

KoTrackSummary KoRecordingTracks::summary(int i) const
{
    return state(i) == State::Known ? m_info.value(m_keys.at(i)).summary : KoTrackSummary();
}

QString KoRecordingTracks::trackPath(int i) const
{
    return state(i) == State::Known ? m_info.value(m_keys.at(i)).trackPath : QString();
}

QVector<KoTrips::Recording> KoRecordingTracks::tripRecordings() const
{
    QVector<KoTrips::Recording> recordings;
    recordings.reserve(m_keys.size());
    for (int i = 0; i < m_keys.size(); ++i)
        recordings.append(KoTrips::recordingOf(m_keys.at(i), summary(i)));
    return recordings;
}

void KoRecordingTracks::setKnown(int i, const QString &trackPath, const QVector<KoTrackSample> &track)
{
    if (i < 0 || i >= m_keys.size())
        return;
    Info &info = m_info[m_keys.at(i)];
    if (track.isEmpty()) {
        if (info.state != State::Known)
            info.state = State::NoTrack;
        return;
    }
    info.state = State::Known;
    info.cacheRead = true;
    info.trackPath = trackPath;
    info.summary = KoTrackSummary::of(track, m_thresholds);
    emit summariesChanged();
}

void KoRecordingTracks::requestTrack(int i)
{
    if (i < 0 || i >= m_keys.size())
        return;
    const QString key = m_keys.at(i);
    Info &info = m_info[key];
    if (info.loading)
        return;
    info.loading = true;
    const Entry entry = m_entries.at(i);
    const KoDrivingEvents::Thresholds t = m_thresholds;
    m_worker->post(
        [this, key, entry, t] {
            QVector<KoTrackSample> track;
            QString path;
            for (const Channel &c : entry) {
                if (KoLightTrack::load(c.path, c.cachePath, &track)) {
                    path = c.path;
                    break;
                }
            }
            const KoTrackSummary summary = path.isEmpty() ? KoTrackSummary() : KoTrackSummary::of(track, t);
            QMetaObject::invokeMethod(
                this, [this, key, path, track, summary] { onTrackRead(key, path, track, summary); },
                Qt::QueuedConnection);
        },
        true);
}

void KoRecordingTracks::waitForIdle()
{
    m_worker->waitForIdle();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void KoRecordingTracks::onSummariesRead(const QVector<Read> &reads)
{
    bool learnt = false;
    for (const Read &read : reads) {
        auto it = m_info.find(read.key);
        if (it == m_info.end() || it->state != State::Unknown)
            continue;
        it->cacheRead = true;
        if (!read.summary.valid)
            continue;
        it->state = State::Known;
        it->trackPath = read.trackPath;
        it->summary = read.summary;
        learnt = true;
    }
    if (learnt)
        emit summariesChanged();
}

void KoRecordingTracks::onTrackRead(const QString &key, const QString &trackPath,
                                    const QVector<KoTrackSample> &track, const KoTrackSummary &summary)
{
    auto it = m_info.find(key);
    if (it == m_info.end())
        return;
    it->loading = false;
    const bool learnt = it->state != State::Known;
    if (learnt) {
        it->cacheRead = true;
        it->state = trackPath.isEmpty() ? State::NoTrack : State::Known;
        it->trackPath = trackPath;
        it->summary = summary;
        qCDebug(lcLibrary).noquote() << "track of" << key << (trackPath.isEmpty() ? "not found" : "read");
    }
    // The track first: whoever asked for it holds it when the summaries are looked at.
    emit trackLoaded(key, trackPath, track);
    if (learnt)
        emit summariesChanged();
}
