// Playback across the channels of one recording: the window's side of the
// playback session (which plays) — the transport controls, the displays'
// covers and layout, seeking, volume and snapshots.
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoPlaybackRules.h"
#include "mainwindow/KoSnapshotTaker.h"
#include "mainwindow/KoTripNavigator.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/KoPlayWidgetChannel.h"
#include "playback/KoPlaybackSpeed.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoCoverWidget.h"

// How often the displays are compared while a recording plays.
constexpr int kSyncTickMs = 200;

void VelmorMainWidget::connectSession()
{
    for (int k = 1; k <= 3; ++k)
        m_channels[k - 1] = new KoPlayWidgetChannel(display(k), this);
    m_session = std::make_unique<KoPlaybackSession>(m_playlist.get());
    m_session->setChannels({{m_channels[0], m_channels[1], m_channels[2]}});
    m_session->sync()->startTicking(kSyncTickMs);

    KoPlaybackSession *s = m_session.get();
    connect(s, &KoPlaybackSession::recordingLoaded, this, &VelmorMainWidget::recordingLoadedSlot);
    connect(s, &KoPlaybackSession::stopped, this, &VelmorMainWidget::sessionStoppedSlot);
    connect(s, &KoPlaybackSession::stateChanged, this, [this](KoPlaybackSession::State state) {
        ui->pushBtn_play->setChecked(state == KoPlaybackSession::State::Playing);
    });
    connect(s, &KoPlaybackSession::channelFailed, this, [this](int k) {
        showChannelFailure(k);
        // Without display 1's first frame the idle cover would stay.
        if (k == 1)
            playStartSlot();
    });
    connect(s, &KoPlaybackSession::durationKnown, this, &VelmorMainWidget::updateVideoDurationSlot);
    connect(s, &KoPlaybackSession::speedChanged, this, &VelmorMainWidget::showSpeed);
    connect(s, &KoPlaybackSession::playingMarksChanged, ui->treeView_filelist,
            &JXDeviceTreeView::showPlaying);

    for (int k = 1; k <= 3; ++k) {
        JXPlayWidget *d = display(k);
        if (k == 1) {
            connect(d, &JXPlayWidget::playStartSignal, this, &VelmorMainWidget::playStartSlot);
            connect(d, &JXPlayWidget::updateVideoProgressSignal, this,
                    &VelmorMainWidget::updateVideoProgressSlot);
        } else {
            // A restart still queued from before a stop must not show an
            // unused display.
            connect(d, &JXPlayWidget::playStartSignal, this, [this, k] {
                if (m_session->isStopped() || channelModel(k) == nullptr)
                    display(k)->hide();
            });
        }
        connect(d, &JXPlayWidget::previewSaved, ui->treeView_filelist->viewport(),
                qOverload<>(&QWidget::update));
    }
    m_snapshots = new KoSnapshotTaker({{display(1), display(2), display(3)}}, this);
    // Told after the press, not from inside the engine's report.
    connect(
        m_snapshots, &KoSnapshotTaker::failed, this,
        [this](const QString &message) { JXAlertDialog::information(this, tr("抓拍图片"), message); },
        Qt::QueuedConnection);
}

// A recording's files are about to open: layout, map and instruments for it.
void VelmorMainWidget::recordingLoadedSlot()
{
    m_shownSecond = -1;
    m_splitMode = KoSplitLayout::modeFor(displayCount());
    for (int k = 1; k <= 3; ++k) {
        display(k)->setKeepRatio(true);
        hideChannelFailure(k);
        if (KoFileInfoModel *m = channelModel(k))
            display(k)->setPreviewPath(m->previewPath());
    }
    JXDefaultSettings::instance()->setKeepOriginalSize(true);
    relayout();
    m_navigator->recordingLoaded();
    showRoute();
    ui->horizontalSlider_progress->setEvents(m_navigator->playingEvents(),
                                             JXDefaultSettings::instance()->getSpeedUnit() ==
                                                 KoSpeedUnit::MilesPerHour);
    ui->widget_draw_gsensor->setModel(channelModel(1));
    setPlayControlsEnabled(true);
}

void VelmorMainWidget::playStartSlot()
{
    // A restart still queued from before a stop (a seek, a frame) must not
    // uncover an idle window.
    if (m_session->isStopped()) {
        ui->widget_display_1->hide();
        return;
    }
    ui->widget_display_cover->hide();
    qCDebug(lcPlayback) << "display 1 shows its first frame";
}

void VelmorMainWidget::updateVideoDurationSlot(double duration)
{
    m_shownSecond = -1;
    ui->horizontalSlider_progress->setRange(0, int(duration));
}

// Every display was closed: the idle cover over the video area, the
// instruments at rest. When the next recording starts at once (the end of
// one, a step, a moment chosen), its own start sets the displays, the layout
// and the map: the window is not taken to rest in between.
void VelmorMainWidget::sessionStoppedSlot()
{
    ui->widget_draw_gsensor->setModel(nullptr);
    m_shownSecond = -1;
    ui->horizontalSlider_progress->setEvents({}, false);
    m_navigator->stopped();
    resetDisplayInfo();
    if (m_session->isSwitching())
        return;
    ui->widget_display_cover->show();
    ui->widget_display_cover->raise();
    for (int k = 1; k <= 3; ++k) {
        display(k)->hide();
        hideChannelFailure(k);
    }
    if (m_mapBridge)
        m_mapBridge->clearGPSLine();
    setPlayControlsEnabled(false);
    relayout();
    if (ui->widget_display_1->fullScreenFlag())
        setFullScreenMode(false);
}

void VelmorMainWidget::on_pushBtn_play_clicked()
{
    m_session->togglePause();
    // The button toggles itself on a click; it shows the state.
    ui->pushBtn_play->setChecked(playState() == KoPlaybackSession::State::Playing);
}

void VelmorMainWidget::playSelectFile(const QString &path)
{
    m_session->play(m_playlist->findOrAdd(path));
}

void VelmorMainWidget::on_horizontalSlider_progress_valueChanged(int value)
{
    if (m_sliderPressed)
        seekAll(value);
}

void VelmorMainWidget::posChangedSlot(double pos)
{
    seekAll(int(ui->horizontalSlider_progress->maximum() * pos));
}

void VelmorMainWidget::seekAll(int seconds)
{
    m_shownSecond = -1;
    m_session->seek(seconds);
    updateProgress(seconds);
}

void VelmorMainWidget::applyVolumeToDisplays(int volume)
{
    // Only display 1 is heard.
    ui->widget_display_1->setVolume(volume);
    ui->widget_display_2->setVolume(0);
    ui->widget_display_3->setVolume(0);
}

void VelmorMainWidget::on_horizontalSlider_volume_valueChanged(int value)
{
    applyVolumeToDisplays(value);
    ui->pushBtn_mute->setChecked(value == 0);
    JXDefaultSettings::instance()->setVolume(value);
}

void VelmorMainWidget::on_pushBtn_mute_clicked()
{
    if (ui->pushBtn_mute->isChecked()) {
        m_savedVolume = ui->horizontalSlider_volume->value();
        ui->horizontalSlider_volume->setValue(0);
    } else {
        ui->horizontalSlider_volume->setValue(m_savedVolume);
    }
}

void VelmorMainWidget::on_pushBtn_capture_clicked()
{
    if (m_session->isStopped())
        return;
    // A display whose file cannot be played has nothing to take.
    QStringList names;
    for (int k = 1; k <= m_session->displayCount(); ++k) {
        KoFileInfoModel *m = channelModel(k);
        names << (m && !m_session->hasFailed(k) ? m->displayName() : QString());
    }
    m_snapshots->take(JXDefaultSettings::instance()->getSnapDir(), names);
}

// The speed holds for every channel and the following recordings, until
// changed again; it shows beside the time.
void VelmorMainWidget::showSpeed(double speed)
{
    const QString text = ui->label_play_time->text().section(QLatin1Char(' '), 0, 0);
    ui->label_play_time->setText(text + KoPlaybackSpeed::suffix(speed));
}

void VelmorMainWidget::setPlayControlsEnabled(bool enabled)
{
    const QList<QWidget *> controls = {
        ui->pushBtn_capture, ui->pushBtn_fullscreen, ui->pushBtn_play,
        ui->pushBtn_stop,    ui->pushBtn_lastFrame,  ui->pushBtn_nextFrame,
        ui->pushBtn_zoom_in, ui->pushBtn_zoom_out,   ui->horizontalSlider_progress};
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

// A channel that cannot play shows the cover in its own display.
void VelmorMainWidget::showChannelFailure(int k)
{
    KoCoverWidget *&cover = m_channelCovers[k - 1];
    if (cover == nullptr)
        cover = KoCoverWidget::over(display(k));
    cover->show();
    cover->raise();
    display(k)->show();
}

void VelmorMainWidget::hideChannelFailure(int k)
{
    if (KoCoverWidget *cover = m_channelCovers[k - 1])
        cover->hide();
}
