// Shows the instrument strip (G-sensor chart, speed gauge, compass) and the
// file list as the main window arranges them, for looking at the painted
// widgets outside the player.
//
// Usage: instrument_preview [--speed KMH] [--heading DEG] [--index N] [--playing ROW]
//                           [--made-up-track] [recording...]
// The first recording's track drives the chart (cursor at --index, default
// the middle); every recording is listed. Without recordings, or with
// --made-up-track, the chart shows a made-up three-minute drive. The tool
// keeps its own cache folder ($XDG_CACHE_HOME/instrument_preview: GPS/ and
// Previews/, named as the player names them), so it never writes into the
// player's caches.
#include "app/JXPlatform.h"
#include "library/JXDeviceTreeView.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackCache.h"
#include "widgets/KoCampassLabel.h"
#include "widgets/KoGPSSpeedLabel.h"
#include "widgets/KoGsensorWidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtMath>

namespace {

// A three-minute town drive written as a track cache: road noise, two
// brakings, a bend, a kerb.
void writeMadeUpDrive(const QString &cachePath)
{
    QFile cache(cachePath);
    if (!cache.open(QIODevice::WriteOnly))
        return;
    for (int i = 0; i < 180; ++i) {
        double x = 10 * qSin(i * 0.9) + 6 * qSin(i * 2.3);
        double y = 8 * qCos(i * 1.3);
        double z = 18 * qSin(i * 1.7) + 9 * qCos(i * 3.1);
        if (i >= 40 && i < 46)
            x -= 90 * qSin((i - 40) * M_PI / 6);
        if (i >= 120 && i < 127)
            x -= 140 * qSin((i - 120) * M_PI / 7);
        if (i >= 70 && i < 95)
            y += 70 * qSin((i - 70) * M_PI / 25);
        if (i == 150)
            z += 120;
        if (i == 151)
            z -= 80;
        cache.write(QString::asprintf(
                        "A20190523%02d%02d%02d,3112.345703,N,12130.123047,E,30.00,90.00,%d,%d,%d,12.0\n", 14,
                        30 + (5 + i) / 60, (5 + i) % 60, int(x), int(y), int(z))
                        .toLatin1());
    }
}

KoFileInfoModel *madeUpRecording(const QTemporaryDir &dir)
{
    const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
    QFile video(dir.filePath(name));
    if (!video.open(QIODevice::WriteOnly))
        return nullptr;
    video.write("preview");
    video.close();
    auto *recording = new KoFileInfoModel(name, video.fileName());
    writeMadeUpDrive(recording->gpsCachePath());
    QFile cache(recording->gpsCachePath()); // made from this recording
    if (cache.open(QIODevice::Append))
        cache.write(KoTrackCache::sourceStamp(video.fileName()) + '\n');
    return recording;
}

QLabel *label(const QString &text, const QString &style, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setStyleSheet(style);
    return l;
}

QWidget *instrumentStrip(KoFileInfoModel *recording, float speed, double heading, int index, QWidget *parent)
{
    auto *status = new QWidget(parent);
    status->setObjectName("widget_status");
    status->setFixedHeight(160);
    status->setStyleSheet("QWidget#widget_status { background-color: rgb(10, 19, 39); }");
    auto *row = new QHBoxLayout(status);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addStretch();

    auto *legends = new QWidget(status);
    legends->setMinimumWidth(20);
    const char *names[] = {"X", "Y", "Z"};
    const char *colours[] = {"rgb(0,255,255)", "rgb(251,176,59)", "rgb(0,255,0)"};
    const int tops[] = {9, 37, 66};
    for (int i = 0; i < 3; ++i) {
        auto *l = label(names[i], QString("font: 75 12px \"Tahoma\";\ncolor: %1;").arg(colours[i]), legends);
        l->setGeometry(0, tops[i], 21, 16);
    }
    row->addWidget(legends);

    auto *chartPanel = new QWidget(status);
    chartPanel->setMinimumWidth(330);
    chartPanel->setMaximumWidth(440);
    auto *panel = new QVBoxLayout(chartPanel);
    panel->setContentsMargins(0, 4, 0, 4);
    panel->setSpacing(2);
    auto *chart = new KoGsensorWidget(chartPanel);
    chart->setModel(recording);
    chart->setCurrentIndex(index);
    panel->addWidget(chart, 1);
    auto *values = new QHBoxLayout;
    values->setSpacing(0);
    QStringList now = {"X: 0", "Y: 0", "Z: 0"};
    if (recording && index >= 0 && index < recording->gForceXs().size()) {
        now = QStringList{QString("X: %1").arg(recording->gForceXs().at(index), 0, 'f', 2),
                          QString("Y: %1").arg(recording->gForceYs().at(index), 0, 'f', 2),
                          QString("Z: %1").arg(recording->gForceZs().at(index), 0, 'f', 2)};
    }
    for (int i = 0; i < 3; ++i) {
        auto *l = label(now[i], QString("font: 75 12px \"Tahoma\";\ncolor: %1;").arg(colours[i]), chartPanel);
        l->setFixedHeight(16);
        values->addWidget(l);
    }
    panel->addLayout(values);
    auto *coordinates = new QWidget(chartPanel);
    coordinates->setObjectName("widget_lat_lng");
    coordinates->setFixedHeight(45);
    coordinates->setStyleSheet("QWidget#widget_lat_lng { border: 1px solid rgb(229, 229, 229); }");
    auto *grid = new QGridLayout(coordinates);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    const QString caption = "color: white; font: 13px \"Tahoma\";";
    const QString value = "color: #12fdfe; font: 13px \"Tahoma\";";
    grid->addWidget(label("Longitude", caption, coordinates), 0, 0, Qt::AlignCenter);
    grid->addWidget(label("121.502051", value, coordinates), 1, 0, Qt::AlignCenter);
    grid->addWidget(label("Latitude", caption, coordinates), 0, 1, Qt::AlignCenter);
    grid->addWidget(label("31.205761", value, coordinates), 1, 1, Qt::AlignCenter);
    grid->addWidget(label("Altitude", caption, coordinates), 0, 2, Qt::AlignCenter);
    grid->addWidget(label("12", value, coordinates), 1, 2, Qt::AlignCenter);
    panel->addWidget(coordinates);
    row->addWidget(chartPanel, 1);
    row->addStretch();

    auto *dials = new QWidget(status);
    dials->setFixedSize(315, 160);
    auto *speedInfo = new QWidget(dials);
    speedInfo->setGeometry(5, 0, 152, 160);
    auto *ring = label(QString(), "image: url(:/images/images/icon_meter_ring.png);", speedInfo);
    ring->setGeometry(0, 28, 152, 152);
    auto *gauge = new KoGPSSpeedLabel(speedInfo);
    gauge->setGeometry(0, 28, 152, 152);
    gauge->setSpeed(speed);
    auto *unit =
        label(QString("%1 KM/H").arg(int(speed)), "color: white; font: 75 12px \"Tahoma\";", speedInfo);
    unit->setAlignment(Qt::AlignCenter);
    unit->setGeometry(0, 144, 152, 15);
    auto *compassBox = new QWidget(dials);
    compassBox->setGeometry(153, 0, 152, 160);
    auto *compass = new KoCampassLabel(compassBox);
    compass->setStyleSheet("image: url(:/images/images/icon_pointer_ring.png);");
    compass->setGeometry(0, 28, 152, 152);
    compass->setDirection(heading);
    row->addWidget(dials);
    row->addStretch();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption speedOption("speed", "Gauge value.", "kmh", "87");
    QCommandLineOption headingOption("heading", "Compass heading.", "degrees", "135");
    QCommandLineOption indexOption("index", "Chart cursor sample (default: the middle).", "n", "-1");
    QCommandLineOption playingOption("playing", "Row shown as playing.", "row", "0");
    QCommandLineOption madeUpOption(
        "made-up-track", "Give the first recording the made-up drive when it has no track cache yet.");
    parser.addOptions({speedOption, headingOption, indexOption, playingOption, madeUpOption});
    parser.addPositionalArgument("recording", "Recordings to list; the first drives the chart.");
    parser.process(app);

    QTemporaryDir dir;
    QList<KoFileInfoModel *> recordings;
    for (const QString &path : parser.positionalArguments()) {
        const QFileInfo info(path);
        recordings.append(new KoFileInfoModel(info.fileName(), info.absoluteFilePath()));
    }
    if (recordings.isEmpty())
        recordings.append(madeUpRecording(dir));
    KoFileInfoModel *first = parser.isSet(madeUpOption) ? madeUpRecording(dir) : recordings.value(0);
    if (first)
        first->loadGPS();
    int index = parser.value(indexOption).toInt();
    if (index < 0 && first)
        index = first->gForceXs().size() / 2;
    const int playing = parser.value(playingOption).toInt();
    if (playing >= 0 && playing < recordings.size())
        recordings[playing]->setPlaying(true);

    QWidget window;
    window.setObjectName("preview");
    window.setStyleSheet("QWidget#preview { background-color: rgb(0, 0, 0); }");
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    auto *left = new QVBoxLayout;
    left->addStretch();
    left->addWidget(instrumentStrip(first, parser.value(speedOption).toFloat(),
                                    parser.value(headingOption).toDouble(), index, &window));
    layout->addLayout(left, 1);

    auto *listPanel = new QWidget(&window);
    listPanel->setObjectName("widget_filelist_bg");
    listPanel->setStyleSheet("QWidget#widget_filelist_bg { background-color: rgb(12, 13, 34); }");
    listPanel->setFixedWidth(340);
    auto *listLayout = new QVBoxLayout(listPanel);
    listLayout->setContentsMargins(7, 2, 8, 13);
    auto *list = new JXDeviceTreeView(listPanel);
    list->setObjectName("treeView_filelist");
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setItemsExpandable(false);
    list->setStyleSheet("QTreeView { background: transparent; }");
    listLayout->addWidget(list);
    layout->addWidget(listPanel);

    window.resize(1100, 420);
    window.show();
    // After the layout has sized the list, as the player's start-up restore.
    list->setFileList(recordings);
    return app.exec();
}
