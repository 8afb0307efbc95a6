#include "playback/KoPlaybackSession.h"

#include "app/KoLogging.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "playback/KoChannelSync.h"

#include <QFileInfo>

#include <utility>

KoPlaybackSession::KoPlaybackSession(KoPlaylist *playlist, QObject *parent)
    : QObject(parent)
    , m_playlist(playlist)
    , m_sync(new KoChannelSync(this))
{}

KoPlaybackSession::~KoPlaybackSession()
{
    for (KoSyncChannel *channel : m_channels) {
        if (channel)
            channel->setFileHandlers(nullptr, nullptr);
    }
}

void KoPlaybackSession::setChannels(const std::array<KoSyncChannel *, 3> &channels)
{
    close();
    m_channels = channels;
    for (int k = 0; k < 3; ++k) {
        if (KoSyncChannel *channel = m_channels[k]) {
            channel->setFileHandlers(
                [this, k](double duration, bool picture) { onLoaded(k, duration, picture); },
                [this, k](KoSyncChannel::End end) { onEnded(k, end); });
        }
    }
}

KoFileInfoModel *KoPlaybackSession::model(int display) const
{
    return display >= 1 && display <= 3 ? m_models[display - 1] : nullptr;
}

bool KoPlaybackSession::hasFailed(int display) const
{
    return display >= 1 && display <= 3 && m_failed[display - 1];
}

double KoPlaybackSession::speed() const
{
    return m_sync->baseSpeed();
}

void KoPlaybackSession::play(KoFileInfoModel *chosen, double seconds)
{
    if (chosen == nullptr || m_channels[0] == nullptr)
        return;
    const KoRecording next = m_playlist->recordingOf(chosen);
    const QVector<KoRecording::Channel> order = next.displayOrder(chosen->filePath());
    // The displays the next recording uses are not stopped: opening its file
    // replaces the one they play, which spares the engine an idle state in
    // between (and the picture a reconfiguration).
    const std::array<KoFileInfoModel *, 3> before = m_models;
    const bool wasPlaying = !isStopped();
    m_keepOpen = qMin(order.size(), 3);
    m_switching = true;
    close();
    m_switching = false;
    std::array<bool, 3> stillOpen{};
    for (int k = 0; k < m_keepOpen; ++k)
        stillOpen[k] = wasPlaying && m_channels[k] && (k == 0 || before[k]);
    m_keepOpen = 0;
    m_recording = next;
    m_displayCount = qMin(order.size(), 3);
    for (int k = 0; k < m_displayCount; ++k) {
        const QString &path = order.at(k).path;
        KoFileInfoModel *m = path == chosen->filePath() ? chosen : m_playlist->model(path);
        m_models[k] = m;
        if (m == nullptr)
            continue;
        qCInfo(lcPlayback).noquote() << "display" << k + 1 << "plays" << m->fileName();
        m->setPlaying(true);
        m->loadGPS();
    }
    emit recordingLoaded();

    // Playing before the files open: a file found missing now already
    // counts as a failure of a playing recording.
    setState(State::Playing);
    QList<KoSyncChannel *> group;
    for (int k = 0; k < m_displayCount; ++k) {
        KoFileInfoModel *m = m_models[k];
        if (m == nullptr || m_channels[k] == nullptr) {
            if (stillOpen[k])
                m_channels[k]->close();
            continue;
        }
        // A channel file that went away since it was listed is not opened.
        if (!QFileInfo(m->filePath()).isFile()) {
            qCInfo(lcPlayback).noquote() << "channel file is gone:" << m->filePath();
            if (stillOpen[k])
                m_channels[k]->close();
            fail(k);
            continue;
        }
        m_channels[k]->open(m->filePath(), seconds);
        group.append(m_channels[k]);
    }
    m_sync->setChannels(group);
    m_sync->start();
    emit playingMarksChanged();
}

void KoPlaybackSession::close()
{
    if (m_state == State::Stopped)
        return;
    m_sync->clearChannels();
    for (int k = 0; k < 3; ++k) {
        if (m_channels[k] && (k == 0 || m_models[k]) && k >= m_keepOpen)
            m_channels[k]->close();
        if (m_models[k])
            m_models[k]->setPlaying(false);
    }
    const std::array<KoFileInfoModel *, 3> left = std::exchange(m_models, {});
    m_failed = {};
    m_recording = KoRecording();
    m_displayCount = 0;
    setState(State::Stopped);
    // The track display lets go of the recording here.
    emit stopped();
    emit playingMarksChanged();
    // A finished recording keeps no track in memory: a day of recordings
    // played one after the other would otherwise hold every one of them.
    for (KoFileInfoModel *m : left) {
        if (m)
            m->unloadTrack();
    }
}

void KoPlaybackSession::stop()
{
    if (m_state != State::Stopped)
        qCDebug(lcPlayback) << "stopped by the user";
    close();
}

void KoPlaybackSession::togglePause()
{
    if (m_models[0] == nullptr)
        return;
    if (m_state == State::Playing)
        pause();
    else
        resume();
}

void KoPlaybackSession::pause()
{
    if (m_state == State::Stopped)
        return;
    m_sync->pause();
    setState(State::Paused);
}

void KoPlaybackSession::resume()
{
    if (m_state == State::Stopped)
        return;
    // The controller lines the displays up before they play on.
    m_sync->resume();
    setState(State::Playing);
}

void KoPlaybackSession::step(bool forward)
{
    if (m_models[0] == nullptr || m_playlist->holdsOnly(m_recording))
        return;
    KoFileInfoModel *target =
        forward ? m_playlist->nextRecording(m_recording, true) : m_playlist->previousRecording(m_recording);
    if (target)
        play(target);
}

void KoPlaybackSession::seek(double seconds)
{
    if (m_state != State::Stopped)
        m_sync->seek(seconds);
}

void KoPlaybackSession::stepFrame(int direction)
{
    if (m_models[0] == nullptr)
        return;
    if (m_state == State::Playing)
        setState(State::Paused);
    m_sync->stepFrame(direction);
}

void KoPlaybackSession::setSpeed(double speed)
{
    m_sync->setBaseSpeed(speed);
    emit speedChanged(m_sync->baseSpeed());
}

void KoPlaybackSession::markPlaying()
{
    for (KoFileInfoModel *m : m_models) {
        if (m)
            m->setPlaying(true);
    }
    emit playingMarksChanged();
}

void KoPlaybackSession::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void KoPlaybackSession::fail(int k)
{
    if (m_models[k] == nullptr || m_failed[k])
        return;
    m_failed[k] = true;
    m_sync->release(m_channels[k]);
    qCInfo(lcPlayback).noquote() << "display" << k + 1 << "cannot play" << m_models[k]->filePath();
    emit channelFailed(k + 1);
}

void KoPlaybackSession::onLoaded(int k, double duration, bool hasPicture)
{
    if (m_state == State::Stopped || m_models[k] == nullptr)
        return;
    if (!hasPicture) {
        fail(k);
        return;
    }
    if (k == 0) {
        m_models[0]->setVideoDuration(float(duration));
        emit durationKnown(duration);
    }
}

void KoPlaybackSession::onEnded(int k, KoSyncChannel::End end)
{
    if (m_state == State::Stopped || m_models[k] == nullptr)
        return;
    if (end == KoSyncChannel::End::Failed) {
        fail(k);
        return;
    }
    // Only the real end of display 1's file moves on; the other channels'
    // ends leave them alone.
    if (k != 0 || end != KoSyncChannel::End::Finished)
        return;
    KoFileInfoModel *next = m_playlist->nextRecording(m_recording, false);
    qCDebug(lcPlayback) << "end of the recording;" << (next ? "the next one follows" : "nothing follows");
    if (next)
        play(next);
    else
        close();
}
