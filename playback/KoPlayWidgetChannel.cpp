#include "playback/KoPlayWidgetChannel.h"

#include "playback/JXPlayWidget.h"
#include "playback/PlayLabel.h"

KoPlayWidgetChannel::KoPlayWidgetChannel(JXPlayWidget *display, QObject *parent)
    : QObject(parent)
    , m_display(display)
{
    PlayLabel *engine = display->playLabel();
    connect(engine, &PlayLabel::sigPlaybackRestart, this, &KoPlayWidgetChannel::onRestart);
    connect(engine, &PlayLabel::sigPlayFinish, this, &KoPlayWidgetChannel::onFinish);
    // The picture's size comes just before the length, from the same event.
    connect(engine, &PlayLabel::sigUpdateFileAttribute, this,
            [this](int64_t, int width, int) { m_width = width; });
    connect(engine, &PlayLabel::sigSetVideoRange, this, &KoPlayWidgetChannel::onLoaded);
}

void KoPlayWidgetChannel::open(const QString &path, double startSeconds)
{
    if (m_display)
        m_display->playFile(path, startSeconds);
}

void KoPlayWidgetChannel::close()
{
    if (m_display)
        m_display->stopVideo();
}

void KoPlayWidgetChannel::onLoaded(float duration)
{
    notifyLoaded(duration, m_width > 0);
}

void KoPlayWidgetChannel::onRestart()
{
    m_active = true;
    // Read once per file: every read waits for the player's core.
    if (m_frameDuration <= 0.0 && m_display)
        m_frameDuration = m_display->playLabel()->frameDuration();
    notifySeekDone();
}

void KoPlayWidgetChannel::onFinish()
{
    m_active = false;
    m_frameDuration = 0.0;
    if (!m_display)
        return;
    const PlayLabel *engine = m_display->playLabel();
    notifyEnded(engine->lastEndWasError() ? End::Failed
                : engine->lastEndWasEof() ? End::Finished
                                          : End::Stopped);
}

double KoPlayWidgetChannel::position() const
{
    return m_display ? m_display->precisePosition() : -1.0;
}

bool KoPlayWidgetChannel::isActive() const
{
    return m_display && m_active;
}

bool KoPlayWidgetChannel::isPaused() const
{
    return !m_display || m_display->playLabel()->isPaused();
}

double KoPlayWidgetChannel::frameDuration() const
{
    return m_frameDuration > 0.0 ? m_frameDuration : 1.0 / 30.0;
}

void KoPlayWidgetChannel::setSpeed(double speed)
{
    if (m_display)
        m_display->setPlaybackSpeed(speed);
}

void KoPlayWidgetChannel::seekExact(double seconds)
{
    if (m_display)
        m_display->seekExact(seconds);
}

void KoPlayWidgetChannel::setPaused(bool paused)
{
    if (!m_display)
        return;
    if (paused)
        m_display->pause();
    else
        m_display->resume();
}
