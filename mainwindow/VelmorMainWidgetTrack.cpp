// The recording's track on the map and on the instruments, in step with the
// first display's position; its trip, driving events and the moments the
// map and the event keys lead to (KoTripNavigator).
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "gps/KoGPSModel.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoTripNavigator.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/KoPlaybackSpeed.h"
#include "widgets/KoCampassLabel.h"
#include "widgets/KoGPSSpeedLabel.h"
#include "widgets/KoGsensorWidget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSignalBlocker>
#include <QTimer>

#include <cmath>

namespace {

QString unitText()
{
    return JXDefaultSettings::instance()->getSpeedUnit() == KoSpeedUnit::MilesPerHour
               ? QStringLiteral("MPH")
               : QStringLiteral("KM/H");
}

bool inMiles()
{
    return JXDefaultSettings::instance()->getSpeedUnit() == KoSpeedUnit::MilesPerHour;
}

} // namespace

void VelmorMainWidget::connectNavigator()
{
    m_navigator = new KoTripNavigator(m_playlist.get(), m_session.get(), this);
    m_headerTimer = new QTimer(this);
    m_headerTimer->setSingleShot(true);
    m_headerTimer->setInterval(100);
    connect(m_headerTimer, &QTimer::timeout, this, &VelmorMainWidget::updateTripHeaders);
    connect(m_navigator, &KoTripNavigator::headersChanged, m_headerTimer, qOverload<>(&QTimer::start));
    // Tracks read in the background can grow a long trip one recording at a
    // time: the map draws what has come in at most every 150 ms. A recording
    // that starts draws its trip at once (recordingLoadedSlot).
    m_routeTimer = new QTimer(this);
    m_routeTimer->setSingleShot(true);
    m_routeTimer->setInterval(150);
    connect(m_routeTimer, &QTimer::timeout, this, &VelmorMainWidget::showRoute);
    connect(m_navigator, &KoTripNavigator::tripChanged, m_routeTimer, [this] {
        if (!m_routeTimer->isActive())
            m_routeTimer->start();
    });
    connect(m_navigator, &KoTripNavigator::momentChosen, this, &VelmorMainWidget::goToMoment);
    connect(m_mapBridge, &KoMapBridge::routeClicked, this, [this](double lng, double lat) {
        m_navigator->routeClicked(lng, lat, m_mapBridge->pageUsesBd09());
    });
}

void VelmorMainWidget::showRoute()
{
    m_routeTimer->stop();
    // The session is still stopped while a recording loads: its model tells.
    if (m_mapBridge == nullptr || channelModel(1) == nullptr)
        return;
    const QVector<QVector<KoTrackSample>> tracks = m_navigator->tripTracks();
    if (tracks.size() < 2) {
        showTrackLine();
        return;
    }
    QVector<KoRoutePart> parts;
    parts.reserve(tracks.size());
    for (const QVector<KoTrackSample> &track : tracks) {
        KoRoutePart part = KoMapBridge::routeOf(track);
        // The second between two recordings is driven too: each part starts
        // where the one before ended.
        if (!parts.isEmpty() && !parts.last().isEmpty() && !part.isEmpty())
            part.prepend(parts.last().last());
        parts.append(part);
    }
    m_mapBridge->initTripLine(parts, m_navigator->playingPart());
    // A new drawing puts the marker at the part's start: back to the position.
    updateProgress(ui->horizontalSlider_progress->value());
}

void VelmorMainWidget::goToMoment(KoFileInfoModel *file, double seconds)
{
    if (file == nullptr)
        return;
    if (file == channelModel(1)) {
        seekAll(int(seconds));
        return;
    }
    const bool paused = playState() == KoPlaybackSession::State::Paused;
    m_session->play(file, seconds);
    if (paused)
        m_session->pause();
}

void VelmorMainWidget::updateTripHeaders()
{
    const QList<KoFileInfoModel *> &files = m_playlist->files();
    QHash<const KoFileInfoModel *, int> rowOf;
    rowOf.reserve(files.size());
    for (int row = 0; row < files.size(); ++row)
        rowOf.insert(files.at(row), row);
    QVector<JXDeviceTreeView::TripHeader> rows;
    for (const KoTripNavigator::Header &h : m_navigator->headers(inMiles())) {
        if (h.recording < 0 || h.recording >= m_playlist->recordings().size())
            continue;
        // Above the recording's first row.
        int first = -1;
        for (const KoRecording::Channel &c : m_playlist->recordings().at(h.recording).channels()) {
            const int row = rowOf.value(m_playlist->model(c.path), -1);
            if (row >= 0 && (first < 0 || row < first))
                first = row;
        }
        if (first >= 0)
            rows.append({first, h.text, h.toolTip});
    }
    ui->treeView_filelist->setTripHeaders(rows);
}

void VelmorMainWidget::loadMap()
{
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         KoMapBridge::pageName(JXDefaultSettings::instance()->getMapType());
    qCDebug(lcMap).noquote() << "loading the map page" << path;
    if (m_mapBridge)
        m_mapBridge->load(QFileInfo(path).absoluteFilePath());
}

void VelmorMainWidget::mapLoadFinishedSlot(bool isok)
{
    Q_UNUSED(isok);
    // A new page (another map type: another datum) gets the route and the
    // marker again, also while paused.
    showRoute();
    if (m_shownSecond >= 0)
        updateProgress(m_shownSecond);
}

void VelmorMainWidget::showTrackLine()
{
    const KoFileInfoModel *m = channelModel(1);
    if (m == nullptr || m_mapBridge == nullptr)
        return;
    QString points;
    switch (JXDefaultSettings::instance()->getMapType()) {
    case KoMapType::Baidu:
        points = m->mapPointsBd();
        break;
    case KoMapType::OpenStreetMap:
        points = m->mapPointsWgs2();
        break;
    case KoMapType::Google:
        points = m->mapPointsWgs();
        break;
    }
    // A recording without a track leaves the map empty.
    if (points.isEmpty() || points == QLatin1String("[]"))
        m_mapBridge->clearGPSLine();
    else
        m_mapBridge->initGPSLine(points);
}

void VelmorMainWidget::updateProgress(int index)
{
    const KoFileInfoModel *m = channelModel(1);
    if (m == nullptr || index < 0 || index >= m->gpsSamples().size())
        return;
    const KoGPSModel *s = m->gpsSamples().at(index);
    ui->widget_draw_gsensor->setCurrentIndex(index);
    ui->label_gsensor_x->setText(QStringLiteral("X: %1").arg(s->gForceX(), 0, 'f', 4));
    ui->label_gsensor_y->setText(QStringLiteral("Y: %1").arg(s->gForceY(), 0, 'f', 4));
    ui->label_gsensor_z->setText(QStringLiteral("Z: %1").arg(s->gForceZ(), 0, 'f', 4));
    const bool mph = JXDefaultSettings::instance()->getSpeedUnit() == KoSpeedUnit::MilesPerHour;
    const QString unit = unitText();
    // A value that is no number (or a position off the globe) leaves its
    // display and the marker at the last good one.
    if (s->hasAltitude())
        ui->label_altitude_value->setText(QString::number(s->altitude, 'f', 1));
    if (s->status == 'A') {
        const bool bd = JXDefaultSettings::instance()->getMapType() == KoMapType::Baidu;
        const double lng = bd ? s->longitude : s->wgsLongitude;
        const double lat = bd ? s->latitude : s->wgsLatitude;
        if (s->hasPosition()) {
            ui->label_lng->setText(QString::number(std::fabs(lng), 'f', 6) + QLatin1Char(s->lngHemisphere));
            ui->label_lat->setText(QString::number(std::fabs(lat), 'f', 6) + QLatin1Char(s->latHemisphere));
        }
        if (s->hasSpeed()) {
            const int speed = mph ? int(s->speedMph) : int(s->speedKmh);
            ui->label_draw_speed->setSpeed(speed);
            ui->label_speed_value->setText(QStringLiteral("%1 %2").arg(speed).arg(unit));
        }
        ui->label_campass->setDirection(s->heading);
        if (m_mapBridge && s->hasPosition())
            m_mapBridge->moveGPS(lng, lat);
    } else {
        ui->label_lng->setText(QStringLiteral("000.000000"));
        ui->label_lat->setText(QStringLiteral("00.000000"));
        ui->label_draw_speed->setSpeed(0);
        ui->label_speed_value->setText(QStringLiteral("0 %1").arg(unit));
        ui->label_campass->setDirection(s->heading);
    }
}

void VelmorMainWidget::updateVideoProgressSlot(float progress)
{
    const KoFileInfoModel *m = channelModel(1);
    if (m == nullptr)
        return;
    const int current = int(progress + 0.5f);
    // The engine reports every frame; what is shown changes once a second.
    if (current == m_shownSecond)
        return;
    m_shownSecond = current;
    const int total = int(m->videoDuration());
    // While the user holds the handle the slider is theirs: a report would
    // pull it back and seek every display to where the video was.
    if (!m_sliderPressed)
        ui->horizontalSlider_progress->setValue(current);
    ui->label_play_time->setText(QStringLiteral("%1/%2").arg(timeText(current), timeText(total)) +
                                 KoPlaybackSpeed::suffix(playbackSpeed()));
    updateProgress(current);
}

QString VelmorMainWidget::timeText(int seconds)
{
    if (seconds < 3600)
        return QString::asprintf("%.2d:%.2d", seconds / 60, seconds % 60);
    return QString::asprintf("%.2d:%.2d:%.2d", seconds / 3600, seconds % 3600 / 60, seconds % 60);
}

void VelmorMainWidget::resetDisplayInfo()
{
    ui->label_play_time->setText(QStringLiteral("00:00/00:00") + KoPlaybackSpeed::suffix(playbackSpeed()));
    ui->label_lng->setText(QStringLiteral("000.000000"));
    ui->label_lat->setText(QStringLiteral("00.000000"));
    ui->label_altitude_value->setText(QStringLiteral("000"));
    ui->label_draw_speed->setSpeed(0);
    ui->label_campass->setDirection(0);
    ui->label_speed_value->setText(QStringLiteral("0 %1").arg(unitText()));
    ui->label_gsensor_x->setText(QStringLiteral("X: 0"));
    ui->label_gsensor_y->setText(QStringLiteral("Y: 0"));
    ui->label_gsensor_z->setText(QStringLiteral("Z: 0"));
    // Not a user's move: no seek.
    const QSignalBlocker block(ui->horizontalSlider_progress);
    ui->horizontalSlider_progress->setValue(0);
    m_clipMarks = KoClipRange::Marks();
    ui->horizontalSlider_progress->setMarks(-1, -1);
}
