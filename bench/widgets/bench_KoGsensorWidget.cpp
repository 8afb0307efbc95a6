// Time to paint the G-sensor chart of a one-hour track (3600 samples) at the
// widest panel size, 440 x 120: a repaint for a moved cursor (progress
// updates, up to thirty a second) and a paint that draws the curves.
#include "bench/BenchEnv.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackCache.h"
#include "widgets/KoGsensorWidget.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {
std::unique_ptr<KoFileInfoModel> g_recording;

std::unique_ptr<KoFileInfoModel> makeHourTrack(const QTemporaryDir &dir)
{
    const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
    QFile video(dir.filePath(name));
    if (!video.open(QIODevice::WriteOnly))
        return nullptr;
    video.write("bench");
    video.close();
    auto recording = std::make_unique<KoFileInfoModel>(name, video.fileName());
    QFile cache(recording->gpsCachePath());
    if (!cache.open(QIODevice::WriteOnly))
        return nullptr;
    for (int i = 0; i < 3600; ++i) {
        // Road noise on all axes, a braking bump every few minutes.
        const int x = int(40 * qSin(i * 0.37) + (i % 300 < 4 ? 300 : 0));
        const int y = int(30 * qCos(i * 0.23));
        const int z = int(256 + 25 * qSin(i * 1.7));
        cache.write(QString::asprintf(
                        "A20190523%02d%02d%02d,3112.345703,N,12130.123047,E,30.00,90.00,%d,%d,%d,10.0\n",
                        14 + i / 3600, (i / 60) % 60, i % 60, x, y, z)
                        .toLatin1());
    }
    cache.write(KoTrackCache::sourceStamp(video.fileName()) + '\n'); // made from this recording
    cache.close();
    recording->loadGPS();
    return recording;
}

void BM_PaintChart(benchmark::State &state)
{
    KoGsensorWidget chart;
    chart.resize(440, 120);
    chart.setModel(g_recording.get());
    QImage image(440, 120, QImage::Format_ARGB32_Premultiplied);
    int index = 0;
    for (auto _ : state) {
        chart.setCurrentIndex(index++ % 3600);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        chart.draw(&painter, chart.rect());
    }
    state.counters["samples"] = double(g_recording->gForceXs().size());
}
BENCHMARK(BM_PaintChart)->Unit(benchmark::kMillisecond);

// The first paint of a recording or of a new size draws the curves; the
// two sizes alternate so that every paint does.
void BM_PaintChartWithCurves(benchmark::State &state)
{
    KoGsensorWidget chart;
    chart.setModel(g_recording.get());
    chart.setCurrentIndex(1800);
    QImage image(440, 120, QImage::Format_ARGB32_Premultiplied);
    bool narrow = false;
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        chart.draw(&painter, QRect(0, 0, narrow ? 439 : 440, 120));
        narrow = !narrow;
    }
}
BENCHMARK(BM_PaintChartWithCurves)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home);
    QApplication app(argc, argv);
    // The model and the chart log every loaded line and the whole series.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    g_recording = makeHourTrack(home);
    if (!g_recording || g_recording->gForceXs().size() != 3600) {
        std::fprintf(stderr, "could not build the one-hour track\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_recording.reset();
    return 0;
}
