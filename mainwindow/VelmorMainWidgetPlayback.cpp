// Playback across the channels of one recording: start and stop, pause and
// resume, the end of a file, previous and next recording, seeking, volume,
// zoom and snapshots.
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "library/JXDeviceTreeView.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoPlaybackRules.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/KoPlayWidgetChannel.h"
#include "playback/KoPlaybackSpeed.h"
#include "playback/PlayLabel.h"
#include "widgets/KoCoverWidget.h"
#include "widgets/KoTrackExportDialog.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMutexLocker>
#include <QSignalBlocker>

namespace {

const char *const kAutoStopOff = ".............auto stop is false";

// Keeps a cover over the whole of the display it sits in.
class CoverFollower : public QObject
{
public:
    CoverFollower(QWidget *cover, QWidget *display)
        : QObject(cover)
        , m_cover(cover)
    {
        display->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            m_cover->setGeometry(static_cast<QWidget *>(watched)->rect());
        return false;
    }

private:
    QWidget *m_cover;
};

} // namespace

KoFileInfoModel *VelmorMainWidget::channelModel(int display) const
{
    switch (display) {
    case 1:
        return m_channelModel1;
    case 2:
        return m_channelModel2;
    case 3:
        return m_channelModel3;
    default:
        return nullptr;
    }
}

JXPlayWidget *VelmorMainWidget::display(int index) const
{
    switch (index) {
    case 1:
        return ui->widget_display_1;
    case 2:
        return ui->widget_display_2;
    case 3:
        return ui->widget_display_3;
    default:
        return nullptr;
    }
}

void VelmorMainWidget::autoPlayFile(KoFileInfoModel *model)
{
    if (model == nullptr)
        return;
    {
        QMutexLocker lock(&m_playMutex);
        const KoPlaybackRules::Channels channels = KoPlaybackRules::channelsOf(model);
        m_shownSecond = -1;
        m_channelModel1 = channels[0];
        m_channelModel2 = channels[1];
        m_channelModel3 = channels[2];
        static const int logLines[] = {936, 943, 950};
        static const int modes[] = {2, 1, 0};
        for (int k = 0; k < 3; ++k) {
            KoFileInfoModel *m = channels[k];
            if (m == nullptr)
                continue;
            qWarning() << "VelmorMainWidget::autoPlayFile" << logLines[k] << m->fileName();
            m->setPlaying(true);
            m->loadGPS();
            m_splitMode = modes[k];
            m_displayCount = k + 1;
        }
        for (int k = 1; k <= 3; ++k) {
            display(k)->setKeepRatio(true);
            hideChannelFailure(k);
        }
        JXDefaultSettings::instance()->setKeepOriginalSize(true);

        relayout();
        if (m_mapBridge)
            m_mapBridge->clearGPSLine();
        showTrackLine();
        ui->widget_draw_gsensor->setModel(m_channelModel1);

        QList<KoSyncChannel *> inStep;
        for (int k = 0; k < 3; ++k) {
            KoFileInfoModel *m = channels[k];
            if (m == nullptr)
                continue;
            JXPlayWidget *d = display(k + 1);
            d->setPreviewPath(m->previewPath());
            // A channel file that went away since it was listed is not handed
            // to the engine: its display shows the cover, the others play.
            if (!QFileInfo(m->filePath()).isFile()) {
                qWarning() << "VelmorMainWidget::autoPlayFile" << __LINE__ << "channel file is gone"
                           << m->filePath();
                showChannelFailure(k + 1);
                continue;
            }
            d->playFile(m->filePath());
            // Display 1 is the clock: without it the others play on their own.
            if (!m_channelFailed[0])
                inStep << m_syncChannels[k];
        }
        m_sync->setChannels(inStep);
        if (inStep.size() > 1)
            m_sync->start();
        else
            ui->widget_display_1->setPlaybackSpeed(playbackSpeed());

        ui->pushBtn_play->setChecked(true);
        setPlayControlsEnabled(true);
        m_playState = 2;
    }
    if (m_channelFailed[0])
        playStartSlot();
}

void VelmorMainWidget::playStartSlot()
{
    // A restart still queued from before a stop (a seek, a frame) must not
    // uncover an idle window.
    if (m_playState == 0) {
        ui->widget_display_1->hide();
        return;
    }
    ui->widget_display_cover->hide();
    qWarning() << "VelmorMainWidget::playStartSlot" << 1755 << ui->widget_display_cover->geometry();
}

void VelmorMainWidget::updateVideoDurationSlot(float duration)
{
    qWarning() << "VelmorMainWidget::updateVideoDurationSlot" << 1728;
    if (m_channelModel1 == nullptr)
        return;
    qWarning() << "VelmorMainWidget::updateVideoDurationSlot" << 1730 << duration;
    m_autoStop = true;
    m_channelModel1->setVideoDuration(duration);
    m_shownSecond = -1;
    ui->horizontalSlider_progress->setRange(0, int(duration));
}

void VelmorMainWidget::stopPlay()
{
    if (m_playState == 0)
        return;
    qWarning() << "VelmorMainWidget::stopPlay" << 1019 << ui->widget_display_cover->geometry();
    ui->widget_display_cover->show();
    ui->widget_display_cover->raise();
    for (int k = 1; k <= 3; ++k) {
        display(k)->hide();
        hideChannelFailure(k);
    }
    {
        QMutexLocker lock(&m_playMutex);
        m_sync->clearChannels();
        ui->widget_display_1->stopVideo();
        if (m_channelModel2)
            ui->widget_display_2->stopVideo();
        if (m_channelModel3)
            ui->widget_display_3->stopVideo();
        ui->widget_draw_gsensor->setModel(nullptr);
        m_playState = 0;
        for (KoFileInfoModel *m : {m_channelModel1, m_channelModel2, m_channelModel3}) {
            if (m)
                m->setPlaying(false);
        }
        ui->treeView_filelist->setFileList(m_fileModels);
        m_channelModel1 = m_channelModel2 = m_channelModel3 = nullptr;
        m_shownSecond = -1;
        ui->pushBtn_play->setChecked(false);
        if (m_mapBridge)
            m_mapBridge->clearGPSLine();
        setPlayControlsEnabled(false);
        resetDisplayInfo();
    }
    m_displayCount = 1;
    relayout();
    if (ui->widget_display_1->fullScreenFlag())
        setFullScreenMode(!m_isFullScreen);
}

void VelmorMainWidget::on_pushBtn_stop_clicked()
{
    qWarning() << "VelmorMainWidget::on_pushBtn_stop_clicked" << 1317 << kAutoStopOff;
    m_autoStop = false;
    stopPlay();
}

void VelmorMainWidget::on_pushBtn_play_clicked()
{
    if (m_channelModel1 == nullptr) {
        ui->pushBtn_play->setChecked(false);
        return;
    }
    if (m_playState == 2)
        pauseAll();
    else
        resumeAll();
}

void VelmorMainWidget::pauseAll()
{
    QMutexLocker lock(&m_playMutex);
    for (int k = 1; k <= 3; ++k)
        display(k)->pause();
    if (m_sync->channelCount() > 1)
        m_sync->pause();
    m_playState = 1;
    ui->pushBtn_play->setChecked(false);
}

void VelmorMainWidget::resumeAll()
{
    QMutexLocker lock(&m_playMutex);
    // In step, the controller lines the displays up before they play on.
    if (m_sync->channelCount() > 1) {
        m_sync->resume();
    } else {
        for (int k = 1; k <= 3; ++k)
            display(k)->resume();
    }
    ui->pushBtn_play->setChecked(true);
    m_playState = 2;
}

void VelmorMainWidget::playEndSlot()
{
    // A first channel that could not be played did not reach its end: the
    // recording does not move on, the other channels play on.
    const PlayLabel *engine = ui->widget_display_1->playLabel();
    if (m_channelModel1 && engine->lastEndWasError()) {
        channelFailed(1);
        return;
    }
    // The end of a file that was stopped or replaced can be reported after
    // the next recording has started (and after another display's duration
    // report has armed the automatic advance): only a real end moves on.
    if (!engine->lastEndWasEof()) {
        qWarning() << "VelmorMainWidget::playEndSlot" << __LINE__ << "end of a stopped file ignored";
        return;
    }
    onStopPlay();
}

// The end reports of displays 2 and 3 only matter when their file failed.
void VelmorMainWidget::channelEnded(int k)
{
    if (channelModel(k) && display(k)->playLabel()->lastEndWasError())
        channelFailed(k);
}

void VelmorMainWidget::channelFailed(int k)
{
    if (channelModel(k) == nullptr || m_channelFailed[k - 1])
        return;
    qWarning() << "VelmorMainWidget::channelFailed" << __LINE__ << "channel" << k << "cannot be played"
               << channelModel(k)->filePath();
    showChannelFailure(k);
    if (k == 1)
        playStartSlot();
}

// Reports of every display beyond the designed wiring: the ends of displays 2
// and 3, and files without a picture.
void VelmorMainWidget::wireChannelReports()
{
    m_sync = new KoChannelSync(this);
    for (int k = 1; k <= 3; ++k)
        m_syncChannels[k - 1] = new KoPlayWidgetChannel(display(k), this);
    m_sync->startTicking(200);
    connect(ui->treeView_filelist, &QWidget::customContextMenuRequested, this,
            &VelmorMainWidget::showFileListMenu);

    for (int k = 1; k <= 3; ++k) {
        JXPlayWidget *d = display(k);
        if (k > 1) {
            connect(d, &JXPlayWidget::playEndSignal, this, [this, k] { channelEnded(k); });
            connect(d, &JXPlayWidget::playStartSignal, this, [this, k] {
                if (m_playState == 0 || channelModel(k) == nullptr)
                    display(k)->hide();
            });
        }
        connect(d->playLabel(), &PlayLabel::sigUpdateFileAttribute, this, [this, k](int64_t, int width, int) {
            if (width <= 0)
                channelFailed(k);
        });
    }
}

void VelmorMainWidget::onStopPlay()
{
    qWarning() << "VelmorMainWidget::onStopPlay" << 1667;
    if (!m_autoStop || m_channelModel1 == nullptr)
        return;
    qWarning() << "VelmorMainWidget::onStopPlay" << 1669 << kAutoStopOff;
    m_autoStop = false;
    KoFileInfoModel *next = findNextRecording(false);
    stopPlay();
    if (next)
        autoPlayNext(next);
    else if (m_isFullScreen)
        setFullScreenMode(false);
}

void VelmorMainWidget::autoPlayNext(KoFileInfoModel *fileModel)
{
    if (fileModel == nullptr)
        return;
    if (m_mapBridge)
        m_mapBridge->clearGPSLine();
    autoPlayFile(fileModel);
    ui->treeView_filelist->setFileList(m_fileModels);
}

KoFileInfoModel *VelmorMainWidget::findNextRecording(bool wrap)
{
    return KoPlaybackRules::nextRecording(m_fileModels, {{m_channelModel1, m_channelModel2, m_channelModel3}},
                                          wrap);
}

void VelmorMainWidget::stepRecording(bool forward)
{
    const KoPlaybackRules::Channels channels{{m_channelModel1, m_channelModel2, m_channelModel3}};
    if (m_channelModel1 == nullptr || KoPlaybackRules::onlyCurrentRecording(m_fileModels, channels))
        return;
    KoFileInfoModel *target = forward ? KoPlaybackRules::nextRecording(m_fileModels, channels, true)
                                      : KoPlaybackRules::previousRecording(m_fileModels, channels);
    if (target == nullptr)
        return;
    if (forward)
        qWarning() << "VelmorMainWidget::on_pushBtn_nextFrame_clicked" << 1496 << kAutoStopOff;
    else
        qWarning() << "VelmorMainWidget::on_pushBtn_lastFrame_clicked" << 1397 << kAutoStopOff;
    m_autoStop = false;
    stopPlay();
    autoPlayFile(target);
    ui->treeView_filelist->setFileList(m_fileModels);
}

void VelmorMainWidget::on_pushBtn_lastFrame_clicked()
{
    stepRecording(false);
}

void VelmorMainWidget::on_pushBtn_nextFrame_clicked()
{
    stepRecording(true);
}

void VelmorMainWidget::playSelectFile(QString path)
{
    qWarning() << "VelmorMainWidget::playSelectFile" << 636 << kAutoStopOff;
    m_autoStop = false;
    stopPlay();
    const QFileInfo info(path);
    qWarning() << "VelmorMainWidget::playSelectFile" << 641 << path << info.fileName()
               << info.absoluteFilePath();
    auto *model = new KoFileInfoModel(info.fileName(), info.absoluteFilePath());
    KoFileInfoModel *chosen = nullptr;
    for (KoFileInfoModel *m : qAsConst(m_fileModels)) {
        if (m->filePath() == model->filePath())
            chosen = m;
        else
            m->setPlaying(false);
    }
    if (chosen) {
        delete model;
    } else {
        m_fileModels.append(model);
        chosen = model;
    }
    autoPlayFile(chosen);
    ui->treeView_filelist->setFileList(m_fileModels);
}

void VelmorMainWidget::on_horizontalSlider_progress_sliderPressed()
{
    qWarning() << "VelmorMainWidget::on_horizontalSlider_progress_sliderPressed" << 1291;
    m_sliderPressed = true;
}

void VelmorMainWidget::on_horizontalSlider_progress_sliderReleased()
{
    qWarning() << "VelmorMainWidget::on_horizontalSlider_progress_sliderReleased" << 1297;
    m_sliderPressed = false;
}

void VelmorMainWidget::on_horizontalSlider_progress_valueChanged(int value)
{
    if (!m_sliderPressed)
        return;
    seekAll(value);
}

void VelmorMainWidget::posChangedSlot(double pos)
{
    const int target = int(ui->horizontalSlider_progress->maximum() * pos);
    seekAll(target);
}

void VelmorMainWidget::seekAll(int seconds)
{
    m_shownSecond = -1;
    if (m_sync->channelCount() > 1) {
        m_sync->seek(seconds);
    } else {
        for (int k = 1; k <= 3; ++k)
            display(k)->seek(seconds);
    }
    updateProgress(seconds);
}

void VelmorMainWidget::applyVolumeToDisplays(int volume)
{
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

void VelmorMainWidget::on_pushBtn_zoom_in_clicked()
{
    for (int k = 1; k <= 3; ++k)
        display(k)->on_pushBtn_zoomMin_clicked();
}

void VelmorMainWidget::on_pushBtn_zoom_out_clicked()
{
    for (int k = 1; k <= 3; ++k)
        display(k)->on_pushBtn_zoomAdd_clicked();
}

void VelmorMainWidget::on_pushBtn_capture_clicked()
{
    if (m_playState == 0)
        return;
    JXDefaultSettings *settings = JXDefaultSettings::instance();
    const QString folder = settings->getSnapDir();
    bool first = true;
    for (int k = 1; k <= 3; ++k) {
        KoFileInfoModel *m = channelModel(k);
        if (m == nullptr)
            continue;
        const int n = KoPlaybackRules::nextSnapshotNumber(folder, m->displayName(),
                                                          settings->getLastCaptureIndex(), first);
        first = false;
        const QString path =
            folder + QLatin1Char('/') + KoPlaybackRules::snapshotFileName(m->displayName(), n);
        settings->setLastCaptureIndex(n);
        display(k)->capture(path);
    }
}

void VelmorMainWidget::onSaved(QString path)
{
    QString name = path.section(QLatin1Char('/'), -1);
    const int cut = name.indexOf(QStringLiteral("#.#"));
    if (cut >= 0)
        name.truncate(cut);
    name += QStringLiteral(".jpg");
    const QString target = JXDefaultSettings::instance()->getSnapDir() + QLatin1Char('/') + name;
    qWarning() << "VelmorMainWidget::onSaved" << 1722 << path << target << name;
    if (QFile::exists(target))
        return;
    QFile::rename(path, target);
}

void VelmorMainWidget::playWidgetKeyEventSlot(int key)
{
    switch (key) {
    case Qt::Key_Space:
        if (m_channelModel1)
            on_pushBtn_play_clicked();
        break;
    case Qt::Key_Left:
        on_pushBtn_lastFrame_clicked();
        break;
    case Qt::Key_Right:
        on_pushBtn_nextFrame_clicked();
        break;
    case Qt::Key_Down:
        on_pushBtn_zoom_in_clicked();
        break;
    case Qt::Key_Up:
        on_pushBtn_zoom_out_clicked();
        break;
    default:
        playbackKey(key);
        break;
    }
}

double VelmorMainWidget::playbackSpeed() const
{
    return m_sync->baseSpeed();
}

bool VelmorMainWidget::playbackKey(int key)
{
    double speed = playbackSpeed();
    if (KoPlaybackSpeed::forKey(key, playbackSpeed(), &speed)) {
        setPlaybackSpeed(speed);
        return true;
    }
    if (key != Qt::Key_Period && key != Qt::Key_Comma)
        return false;
    if (m_channelModel1 == nullptr)
        return true;
    const int direction = key == Qt::Key_Period ? 1 : -1;
    if (m_playState == 2) {
        m_playState = 1;
        ui->pushBtn_play->setChecked(false);
    }
    m_shownSecond = -1;
    if (m_sync->channelCount() > 1) {
        m_sync->stepFrame(direction);
    } else {
        for (int k = 1; k <= 3; ++k) {
            if (channelModel(k) == nullptr)
                continue;
            if (direction > 0)
                display(k)->frameStep();
            else
                display(k)->frameBackStep();
        }
    }
    return true;
}

// The speed holds for every channel and the following recordings, until
// changed again.
void VelmorMainWidget::setPlaybackSpeed(double speed)
{
    m_sync->setBaseSpeed(speed);
    if (m_sync->channelCount() <= 1) {
        for (int k = 1; k <= 3; ++k)
            display(k)->setPlaybackSpeed(speed);
    }
    const QString text = ui->label_play_time->text().section(QLatin1Char(' '), 0, 0);
    ui->label_play_time->setText(text + KoPlaybackSpeed::suffix(speed));
}

void VelmorMainWidget::showFileListMenu(const QPoint &pos)
{
    const QModelIndex index = ui->treeView_filelist->indexAt(pos);
    KoFileInfoModel *recording = JXDeviceTreeView::recordingAt(index);
    if (recording == nullptr)
        return;
    QMenu menu(ui->treeView_filelist);
    applyMenuStyle(&menu);
    menu.addAction(KoTrackExportDialog::menuText(), [this, recording] {
        KoTrackExportDialog::exportTrack(this, recording, KoTrackExportDialog::filesOf(m_fileModels));
    });
    menu.exec(ui->treeView_filelist->viewport()->mapToGlobal(pos));
}

void VelmorMainWidget::setPlayControlsEnabled(bool enabled)
{
    ui->pushBtn_capture->setEnabled(enabled);
    ui->pushBtn_fullscreen->setEnabled(enabled);
    ui->pushBtn_play->setEnabled(enabled);
    ui->pushBtn_stop->setEnabled(enabled);
    ui->pushBtn_lastFrame->setEnabled(enabled);
    ui->pushBtn_nextFrame->setEnabled(enabled);
    ui->pushBtn_zoom_in->setEnabled(enabled);
    ui->pushBtn_zoom_out->setEnabled(enabled);
    ui->horizontalSlider_progress->setEnabled(enabled);
}

// A channel that cannot play shows the cover in its own display.
void VelmorMainWidget::showChannelFailure(int k)
{
    m_channelFailed[k - 1] = true;
    JXPlayWidget *d = display(k);
    KoCoverWidget *&cover = m_channelCovers[k - 1];
    if (cover == nullptr) {
        cover = new KoCoverWidget(d);
        // Stacked over the engine's native video window.
        cover->setAttribute(Qt::WA_NativeWindow);
        new CoverFollower(cover, d);
    }
    cover->setGeometry(d->rect());
    cover->show();
    cover->raise();
    d->show();
}

void VelmorMainWidget::hideChannelFailure(int k)
{
    m_channelFailed[k - 1] = false;
    if (KoCoverWidget *cover = m_channelCovers[k - 1])
        cover->hide();
}
