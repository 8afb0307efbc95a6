// Temporary bodies of the playback and track-display functions, so that the
// window builds and runs with a playlist and no playback. Replaced by
// VelmorMainWidgetPlayback.cpp and VelmorMainWidgetTrack.cpp.
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/ui_VelmorMainWidget.h"

#include <QDebug>

void VelmorMainWidget::autoPlayFile(KoFileInfoModel *model)
{
    qWarning() << "VelmorMainWidget::autoPlayFile" << __LINE__ << "no playback yet" << model;
}

void VelmorMainWidget::playSelectFile(QString path)
{
    qWarning() << "VelmorMainWidget::playSelectFile" << __LINE__ << "no playback yet" << path;
}

void VelmorMainWidget::pauseAll() {}
void VelmorMainWidget::resumeAll() {}

KoFileInfoModel *VelmorMainWidget::findNextRecording(bool)
{
    return nullptr;
}

void VelmorMainWidget::setPlayControlsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->pushBtn_capture, ui->pushBtn_fullscreen, ui->pushBtn_play, ui->pushBtn_stop,
             ui->pushBtn_lastFrame, ui->pushBtn_nextFrame, ui->pushBtn_zoom_in, ui->pushBtn_zoom_out,
             ui->horizontalSlider_progress})
        w->setEnabled(enabled);
}

KoFileInfoModel *VelmorMainWidget::channelModel(int display) const
{
    return display == 1   ? m_channelModel1
           : display == 2 ? m_channelModel2
           : display == 3 ? m_channelModel3
                          : nullptr;
}

JXPlayWidget *VelmorMainWidget::display(int index) const
{
    return index == 1   ? ui->widget_display_1
           : index == 2 ? ui->widget_display_2
           : index == 3 ? ui->widget_display_3
                        : nullptr;
}

void VelmorMainWidget::loadMap() {}
void VelmorMainWidget::showTrackLine() {}

void VelmorMainWidget::resetDisplayInfo()
{
    ui->label_play_time->setText(QStringLiteral("00:00/00:00"));
    ui->label_lng->setText(QStringLiteral("000.000000"));
    ui->label_lat->setText(QStringLiteral("00.000000"));
    ui->label_altitude_value->setText(QStringLiteral("000"));
    ui->label_draw_speed->setSpeed(0);
    ui->label_campass->setDirection(0);
    const QString unit =
        JXDefaultSettings::instance()->getSpeedUnit() == 1 ? QStringLiteral("MPH") : QStringLiteral("KM/H");
    ui->label_speed_value->setText(QStringLiteral("0 %1").arg(unit));
    ui->label_gsensor_x->setText(QStringLiteral("X: 0"));
    ui->label_gsensor_y->setText(QStringLiteral("Y: 0"));
    ui->label_gsensor_z->setText(QStringLiteral("Z: 0"));
    ui->horizontalSlider_progress->setValue(0);
}

QString VelmorMainWidget::timeText(int seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void VelmorMainWidget::applyVolumeToDisplays(int volume)
{
    ui->widget_display_1->setVolume(volume);
    ui->widget_display_2->setVolume(0);
    ui->widget_display_3->setVolume(0);
}

void VelmorMainWidget::playStartSlot() {}

void VelmorMainWidget::stopPlay()
{
    ui->widget_draw_gsensor->setModel(nullptr);
    for (KoFileInfoModel *model : {m_channelModel1, m_channelModel2, m_channelModel3}) {
        if (model)
            model->setPlaying(false);
    }
    m_channelModel1 = m_channelModel2 = m_channelModel3 = nullptr;
    m_playState = 0;
    m_displayCount = 1;
}

void VelmorMainWidget::autoPlayNext(KoFileInfoModel *) {}
void VelmorMainWidget::updateProgress(int) {}
void VelmorMainWidget::mapLoadFinishedSlot(bool) {}
void VelmorMainWidget::posChangedSlot(double) {}
void VelmorMainWidget::onStopPlay() {}
void VelmorMainWidget::slotLoadFinished(QString, QString) {}
void VelmorMainWidget::slotLoadError() {}
void VelmorMainWidget::onSaved(QString) {}
void VelmorMainWidget::updateVideoDurationSlot(float) {}
void VelmorMainWidget::updateVideoProgressSlot(float) {}
void VelmorMainWidget::playEndSlot() {}
void VelmorMainWidget::playWidgetKeyEventSlot(int) {}
void VelmorMainWidget::on_pushBtn_zoom_in_clicked() {}
void VelmorMainWidget::on_horizontalSlider_progress_valueChanged(int) {}
void VelmorMainWidget::on_horizontalSlider_progress_sliderPressed() {}
void VelmorMainWidget::on_horizontalSlider_progress_sliderReleased() {}
void VelmorMainWidget::on_pushBtn_play_clicked() {}
void VelmorMainWidget::on_pushBtn_stop_clicked() {}
void VelmorMainWidget::on_pushBtn_lastFrame_clicked() {}
void VelmorMainWidget::on_pushBtn_nextFrame_clicked() {}
void VelmorMainWidget::on_pushBtn_capture_clicked() {}

void VelmorMainWidget::on_horizontalSlider_volume_valueChanged(int value)
{
    applyVolumeToDisplays(value);
}

void VelmorMainWidget::on_pushBtn_mute_clicked() {}
void VelmorMainWidget::on_pushBtn_zoom_out_clicked() {}
