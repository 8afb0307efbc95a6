#pragma once

#include "playback/KoSyncChannel.h"

#include <QObject>
#include <QPointer>

class JXPlayWidget;

// A video display as a channel of the playback session and KoChannelSync:
// opens and closes its file, reads the engine's position and steers it,
// reports each playback restart (first frame of a file, landed seek) as a
// finished seek, and the loading and the end of its file.
class KoPlayWidgetChannel : public QObject, public KoSyncChannel
{
    Q_OBJECT

public:
    explicit KoPlayWidgetChannel(JXPlayWidget *display, QObject *parent = nullptr);

    JXPlayWidget *display() const { return m_display; }

    void open(const QString &path, double startSeconds) override;
    void close() override;
    double position() const override;
    bool isActive() const override;
    bool isPaused() const override;
    double frameDuration() const override;
    void setSpeed(double speed) override;
    void seekExact(double seconds) override;
    void setPaused(bool paused) override;

private:
    void onRestart();
    void onFinish();
    void onLoaded(float duration);

    QPointer<JXPlayWidget> m_display;
    bool m_active = false;
    double m_frameDuration = 0.0;
    int m_width = 0;
};
