#include "playback/KoChannelSync.h"

#include "app/KoLogging.h"
#include "playback/KoSyncChannel.h"

#include <QElapsedTimer>

#include <memory>

namespace {

// Nudges stay within a few percent, so the picture never jumps and the sound
// (pitch kept by the player) hardly changes.
constexpr double MinNudge = 0.02;
constexpr double MaxNudge = 0.06;
// A corrective seek that never lands is given up after this long.
constexpr qint64 SeekTimeoutMs = 3000;

} // namespace

KoChannelSync::KoChannelSync(QObject *parent)
    : QObject(parent)
{
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    m_clock = [elapsed] { return elapsed->elapsed(); };
    connect(&m_timer, &QTimer::timeout, this, &KoChannelSync::tick);
}

KoChannelSync::~KoChannelSync()
{
    for (KoSyncChannel *channel : qAsConst(m_channels))
        channel->setSeekDoneHandler(nullptr);
}

void KoChannelSync::setChannels(const QList<KoSyncChannel *> &channels)
{
    for (KoSyncChannel *channel : qAsConst(m_channels))
        channel->setSeekDoneHandler(nullptr);
    m_channels = channels;
    m_followers = QVector<Follower>(channels.size());
    m_phase = Phase::Idle;
    m_waiting.clear();
    m_pendingTarget = -1.0;
    for (int i = 0; i < m_channels.size(); ++i)
        m_channels[i]->setSeekDoneHandler([this, i] { onSeekDone(i); });
    resetFollowers();
}

void KoChannelSync::setClock(Clock clock)
{
    m_clock = std::move(clock);
    resetFollowers();
}

void KoChannelSync::setCorrectionEnabled(bool on)
{
    m_correction = on;
    if (!on) {
        for (int i = 1; i < m_channels.size(); ++i)
            applySpeed(i, 1.0);
    }
}

void KoChannelSync::start()
{
    if (m_channels.isEmpty())
        return;
    m_playing = true;
    pauseAll();
    // The chosen speed carries over to the next recording.
    for (int i = 0; i < m_channels.size(); ++i) {
        m_followers[i].speedFactor = 1.0;
        m_channels[i]->setSpeed(m_baseSpeed);
    }
    m_phase = Phase::Loading;
    m_phaseStartMs = m_clock();
    m_pendingTarget = -1.0;
    m_waiting.clear();
    for (int i = 0; i < m_channels.size(); ++i)
        m_waiting.insert(i);
    qCDebug(lcSync) << "start: waiting for the first frame of" << m_channels.size() << "channels";
}

void KoChannelSync::align()
{
    if (m_channels.isEmpty())
        return;
    // Whoever paused or resumed without this controller: the clock tells.
    if (m_phase == Phase::Idle)
        m_playing = !m_channels.first()->isPaused();
    alignToClock();
}

void KoChannelSync::alignToClock()
{
    // Files opened at one second mostly show its frame already; a display
    // that played on before its pause took hold is moved.
    const bool afterLoad = m_phase == Phase::Loading;
    pauseAll();
    const double target = m_channels.first()->position();
    if (target < 0.0) {
        finishAlignment();
        return;
    }
    m_pendingTarget = -1.0;
    seekChannels(target, false, afterLoad);
}

void KoChannelSync::seek(double seconds)
{
    if (m_channels.isEmpty())
        return;
    if (m_phase == Phase::Idle)
        m_playing = !m_channels.first()->isPaused();
    pauseAll();
    m_pendingTarget = qMax(0.0, seconds);
    seekChannels(m_pendingTarget, true);
}

void KoChannelSync::pause()
{
    m_playing = false;
    if (m_phase == Phase::Idle)
        alignToClock();
    else
        pauseAll();
}

void KoChannelSync::resume()
{
    m_playing = true;
    if (m_phase != Phase::Idle)
        return; // plays on when the alignment under way has landed
    resetFollowers();
    for (KoSyncChannel *channel : qAsConst(m_channels)) {
        if (channel->isActive())
            channel->setPaused(false);
    }
}

void KoChannelSync::stepFrame(int direction)
{
    if (m_channels.isEmpty() || direction == 0)
        return;
    KoSyncChannel *clock = m_channels.first();
    const double from =
        m_pendingTarget >= 0.0 && m_phase != Phase::Idle ? m_pendingTarget : clock->position();
    if (from < 0.0)
        return;
    m_playing = false;
    pauseAll();
    m_pendingTarget = qMax(0.0, from + (direction > 0 ? 1 : -1) * clock->frameDuration());
    seekChannels(m_pendingTarget, true);
}

void KoChannelSync::setBaseSpeed(double speed)
{
    if (!(speed > 0.0))
        return;
    m_baseSpeed = speed;
    for (int i = 0; i < m_channels.size(); ++i) {
        m_followers[i].speedFactor = 1.0;
        m_channels[i]->setSpeed(speed);
    }
    // Three speed changes never take effect at the same instant.
    if (m_phase == Phase::Idle)
        align();
}

void KoChannelSync::release(KoSyncChannel *channel)
{
    const int i = m_channels.indexOf(channel);
    if (i < 0 || !m_waiting.remove(i) || !m_waiting.isEmpty())
        return;
    qCDebug(lcSync) << "channel" << i + 1 << "left out of the alignment";
    if (m_phase == Phase::Loading)
        alignToClock();
    else if (m_phase == Phase::Seeking)
        finishAlignment();
}

void KoChannelSync::startTicking(int intervalMs)
{
    m_timer.start(intervalMs);
}

void KoChannelSync::stopTicking()
{
    m_timer.stop();
}

void KoChannelSync::pauseAll()
{
    for (KoSyncChannel *channel : qAsConst(m_channels))
        channel->setPaused(true);
}

void KoChannelSync::seekChannels(double seconds, bool includeClock, bool skipLanded)
{
    m_phase = Phase::Seeking;
    m_phaseStartMs = m_clock();
    m_waiting.clear();
    for (int i = includeClock ? 0 : 1; i < m_channels.size(); ++i) {
        KoSyncChannel *channel = m_channels[i];
        if (!channel->isActive())
            continue;
        applySpeed(i, 1.0);
        // Already on that frame (files opened at the same second, say): a
        // seek would only cost its round trip.
        if (skipLanded && qAbs(channel->position() - seconds) < channel->frameDuration() / 2)
            continue;
        m_followers[i].seekPending = false;
        m_waiting.insert(i);
        channel->seekExact(seconds);
    }
    qCDebug(lcSync) << "align: exact seek to" << seconds << "of" << m_waiting.size() << "channels";
    if (m_waiting.isEmpty())
        finishAlignment();
}

void KoChannelSync::onSeekDone(int index)
{
    if (index < 0 || index >= m_channels.size())
        return;
    if (m_phase == Phase::Idle) {
        Follower &f = m_followers[index];
        if (f.seekPending) {
            const double took = (m_clock() - f.seekSentMs) / 1000.0;
            f.seekLatency = qBound(0.05, (f.seekLatency + took) / 2.0, 2.0);
            f.seekPending = false;
            f.lastPosition = -1.0;
            f.lastMoveMs = m_clock();
            qCDebug(lcSync) << "channel" << index + 1 << "landed after" << took << "s";
        }
        return;
    }
    m_waiting.remove(index);
    if (!m_waiting.isEmpty())
        return;
    if (m_phase == Phase::Loading) {
        // Every channel shows its first frame; they may still differ by the
        // frames some played before the pause reached them.
        alignToClock();
        return;
    }
    finishAlignment();
}

void KoChannelSync::finishAlignment()
{
    m_phase = Phase::Idle;
    m_waiting.clear();
    m_pendingTarget = -1.0;
    resetFollowers();
    if (m_playing) {
        for (KoSyncChannel *channel : qAsConst(m_channels)) {
            if (channel->isActive())
                channel->setPaused(false);
        }
    }
    emit aligned();
}

void KoChannelSync::resetFollowers()
{
    const qint64 now = m_clock ? m_clock() : 0;
    for (Follower &f : m_followers) {
        f.holdUntilMs = -1;
        f.strikes = 0;
        f.lastPosition = -1.0;
        f.lastMoveMs = now;
    }
}

void KoChannelSync::applySpeed(int index, double factor)
{
    Follower &f = m_followers[index];
    if (qAbs(f.speedFactor - factor) < 1e-4)
        return;
    f.speedFactor = factor;
    m_channels[index]->setSpeed(m_baseSpeed * factor);
}

void KoChannelSync::releaseHold(int index)
{
    Follower &f = m_followers[index];
    f.holdUntilMs = -1;
    f.lastPosition = -1.0;
    f.lastMoveMs = m_clock();
    if (m_phase == Phase::Idle && m_playing && m_channels[index]->isActive())
        m_channels[index]->setPaused(false);
}

void KoChannelSync::tick()
{
    const qint64 now = m_clock();
    if (m_phase != Phase::Idle) {
        // A channel that failed to load or ended during the alignment never
        // lands; nor may one whose seek went astray hold the others forever.
        for (auto it = m_waiting.begin(); it != m_waiting.end();) {
            if (m_phase == Phase::Seeking && !m_channels[*it]->isActive())
                it = m_waiting.erase(it);
            else
                ++it;
        }
        if (now - m_phaseStartMs >= AlignTimeoutMs) {
            qCDebug(lcSync) << "alignment timed out waiting for" << m_waiting.size() << "channels";
            m_waiting.clear();
        }
        if (m_waiting.isEmpty()) {
            if (m_phase == Phase::Loading) {
                alignToClock();
            } else {
                finishAlignment();
            }
        }
        return;
    }
    if (!m_playing || !m_correction || m_channels.size() < 2)
        return;
    KoSyncChannel *clock = m_channels.first();
    if (!clock->isActive())
        return;
    // A read waits until the player's core is free, which under load can
    // take a good part of a frame: each follower's position is taken back to
    // the moment the clock was read.
    QElapsedTimer reads;
    reads.start();
    const double clockPosition = clock->position();
    if (clockPosition < 0.0)
        return;
    const qint64 clockReadNs = reads.nsecsElapsed();
    const double frame = clock->frameDuration();
    for (int i = 1; i < m_channels.size(); ++i)
        correct(i, clockPosition, frame, now, [&] { return (reads.nsecsElapsed() - clockReadNs) / 1e9; });
}

void KoChannelSync::correct(int index, double clockPosition, double frame, qint64 now,
                            const std::function<double()> &sinceClockRead)
{
    KoSyncChannel *channel = m_channels[index];
    Follower &f = m_followers[index];
    if (!channel->isActive()) {
        // Ended on its own (a shorter channel): nothing to keep in step.
        f.speedFactor = 1.0;
        return;
    }
    if (f.holdUntilMs >= 0) {
        if (now < f.holdUntilMs)
            return;
        releaseHold(index);
    }
    if (f.seekPending) {
        if (now - f.seekSentMs < SeekTimeoutMs)
            return;
        qCDebug(lcSync) << "channel" << index + 1 << "seek never landed; trying again";
        f.seekPending = false;
    }
    const double position = channel->position();
    if (position < 0.0)
        return;
    const double late = sinceClockRead() * m_baseSpeed * f.speedFactor;
    if (position != f.lastPosition) {
        f.lastPosition = position;
        f.lastMoveMs = now;
    }
    const double gap = position - late - clockPosition; // above 0: the follower leads
    const bool stalled = now - f.lastMoveMs >= StallMs;
    if (!stalled && gap > StumbleSeconds && gap <= LargeGapSeconds) {
        // The clock stumbled: hold this one until it has caught up.
        const qint64 holdMs = qint64(gap / m_baseSpeed * 1000.0);
        qCDebug(lcSync) << "channel" << index + 1 << "ahead by" << gap << "s: waits" << holdMs << "ms";
        applySpeed(index, 1.0);
        f.strikes = 0;
        f.holdUntilMs = now + holdMs;
        channel->setPaused(true);
        QTimer::singleShot(int(holdMs), this, [this, index] {
            // An older hold's timer must not end a newer one.
            if (index < m_followers.size() && m_followers[index].holdUntilMs >= 0 &&
                m_clock() >= m_followers[index].holdUntilMs - 5)
                releaseHold(index);
        });
        return;
    }
    // One corrective seek a second at most: a decoder that keeps failing is
    // not flooded with them.
    const bool mayseek = f.seekSentMs == 0 || now - f.seekSentMs >= StallMs;
    if (mayseek && (stalled || gap < -StumbleSeconds || gap > LargeGapSeconds)) {
        // Aimed where the clock will be when the seek lands; landing a little
        // early is mended by a hold, which costs nothing.
        const double target = clockPosition + late + f.seekLatency * m_baseSpeed;
        qCDebug(lcSync) << "channel" << index + 1 << (stalled ? "stalled" : "off") << "by" << gap
                        << "s: exact seek to" << target;
        applySpeed(index, 1.0);
        f.strikes = 0;
        f.seekPending = true;
        f.seekSentMs = now;
        f.lastMoveMs = now;
        channel->seekExact(target);
        return;
    }
    // Positions come in whole frames: one frame apart may be any offset
    // below two, so only more than that is acted on, and a nudge runs until
    // both show the same frame.
    const double off = qAbs(gap);
    if (f.speedFactor != 1.0) {
        if (off <= frame / 2) {
            qCDebug(lcSync) << "channel" << index + 1 << "back in step";
            applySpeed(index, 1.0);
            f.strikes = 0;
            return;
        }
    } else if (off <= frame * 1.25) {
        f.strikes = 0;
        return;
    } else if (++f.strikes < 2) {
        return; // one reading may have caught a frame change in between
    }
    const double nudge = qBound(MinNudge, off / 2.0, MaxNudge);
    const double factor = gap > 0 ? 1.0 - nudge : 1.0 + nudge;
    if (qAbs(factor - f.speedFactor) > 0.005) {
        qCDebug(lcSync) << "channel" << index + 1 << "gap" << gap << "s: speed x" << factor;
        applySpeed(index, factor);
    }
}
