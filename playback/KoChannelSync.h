#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QVector>

#include <functional>

class KoSyncChannel;

// Keeps the other channels of a recording on the first one (the clock).
//
// While playing, tick() compares each follower with the clock: within one
// frame it is left alone; a small lag or lead is closed by running the
// follower a few percent faster or slower until it is back within half a
// frame. A player that stumbles (a decoder late on a busy machine) loses a
// few tenths of a second at once, which a nudge would take seconds to win
// back: a follower that far ahead waits, paused, until the clock has caught
// up; one that far behind, stalled or more than a second off is sought
// exactly to where the clock will be when the seek lands. Start, seek, pause, frame
// step and speed change go through an alignment: everything paused, exact
// seeks, and playing on together once every channel has landed.
//
// A channel that ends (a shorter file) is left alone; the others play on.
class KoChannelSync : public QObject
{
    Q_OBJECT

public:
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    explicit KoChannelSync(QObject *parent = nullptr);
    ~KoChannelSync() override;

    // The channels of the recording being played, the clock first. Not owned;
    // they must outlive the controller or be replaced before they go.
    void setChannels(const QList<KoSyncChannel *> &channels);
    void clearChannels() { setChannels({}); }
    int channelCount() const { return m_channels.size(); }
    void setClock(Clock clock);

    // Off: tick() leaves the followers alone (alignments still happen).
    void setCorrectionEnabled(bool on);
    bool correctionEnabled() const { return m_correction; }

    bool isPlaying() const { return m_playing; }
    bool isAligning() const { return m_phase != Phase::Idle; }
    double baseSpeed() const { return m_baseSpeed; }

    // After every channel was told to play its file: holds each on its first
    // frame until all have one, aligns them and lets them play together.
    void start();
    // Pauses all, seeks the followers exactly to the clock's position, waits
    // until each has landed, then plays on if it was playing.
    void align();
    // Every channel to `seconds`, landing on the same frame.
    void seek(double seconds);
    void pause();
    void resume();
    // One frame forward (+1) or back (-1) on every channel; pauses first.
    void stepFrame(int direction);
    // Speed of all channels together.
    void setBaseSpeed(double speed);
    // A channel that cannot play (its file failed): an alignment under way
    // no longer waits for it.
    void release(KoSyncChannel *channel);

    // One comparison of the followers with the clock; a few times a second.
    void tick();
    void startTicking(int intervalMs = 200);
    void stopTicking();

    // How long an alignment waits for a channel before playing on without it.
    static constexpr qint64 AlignTimeoutMs = 4000;
    // Beyond this gap a follower is sought instead of nudged.
    static constexpr double LargeGapSeconds = 1.0;
    // A follower whose position has not moved for this long is stalled.
    static constexpr qint64 StallMs = 1000;
    // Beyond this gap (a few frames) a follower waits for the clock or is
    // sought ahead of it instead of being nudged.
    static constexpr double StumbleSeconds = 0.15;

signals:
    // Every channel landed after start, seek, pause, step or speed change.
    void aligned();

private:
    enum class Phase
    {
        Idle,
        Loading, // waiting for every channel's first frame
        Seeking  // waiting for every sought channel to land
    };

    struct Follower
    {
        double speedFactor = 1.0; // current nudge, 1 when none
        int strikes = 0;          // ticks in a row outside one frame
        bool seekPending = false; // a corrective seek is under way
        double seekLatency = 0.5; // how long a seek takes to land, learnt
        qint64 holdUntilMs = -1;  // waiting for the clock until then
        qint64 seekSentMs = 0;
        double lastPosition = -1.0;
        qint64 lastMoveMs = 0;
    };

    void alignToClock();
    void onSeekDone(int index);
    void pauseAll();
    // Exact seeks to `seconds`; with `skipLanded`, not of a channel already
    // within half a frame of it.
    void seekChannels(double seconds, bool includeClock, bool skipLanded = false);
    void finishAlignment();
    void applySpeed(int index, double factor);
    void releaseHold(int index);
    void resetFollowers();
    void correct(int index, double clockPosition, double frame, qint64 now,
                 const std::function<double()> &sinceClockRead);

    QList<KoSyncChannel *> m_channels;
    QVector<Follower> m_followers;
    Clock m_clock;
    QTimer m_timer;
    Phase m_phase = Phase::Idle;
    QSet<int> m_waiting;
    qint64 m_phaseStartMs = 0;
    // Target of the step or seek under way, so that repeated steps add up.
    double m_pendingTarget = -1.0;
    bool m_playing = false;
    bool m_correction = true;
    double m_baseSpeed = 1.0;
};
