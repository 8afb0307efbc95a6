// A long trip on the map: the script text the bridge makes for it on the GUI
// thread, and (on a display: xvfb-run) the time the OpenStreetMap page takes
// to run it and draw the trip's layers. Four hours of driving in one-minute
// recordings: 240 parts of 60 points.
#include "app/JXPlatform.h"
#include "bench/BenchEnv.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoMapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QVector<KoRoutePart> fourHourTrip()
{
    QVector<KoRoutePart> parts(240);
    double lng = 121.40;
    double lat = 31.20;
    for (int part = 0; part < parts.size(); ++part) {
        for (int i = 0; i < 60; ++i) {
            lng += 0.0002 * ((part / 10) % 2 == 0 ? 1 : -0.3);
            lat += 0.00015;
            parts[part] << KoRoutePoint{lng, lat, lng + 0.0065, lat + 0.0060};
        }
    }
    return parts;
}

const QVector<KoRoutePart> g_trip = fourHourTrip();

void BM_TripScript(benchmark::State &state)
{
    qsizetype size = 0;
    for (auto _ : state) {
        const QString script = KoMapBridge::tripScript(g_trip, 120, false);
        size = script.size();
        benchmark::DoNotOptimize(script.constData());
    }
    state.counters["kchars"] = double(size) / 1000.0;
}
BENCHMARK(BM_TripScript)->Unit(benchmark::kMillisecond);

void BM_DrawTripInPage(benchmark::State &state)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        state.SkipWithError("needs a display (run under xvfb-run)");
        return;
    }
    KoMapView view;
    KoMapBridge bridge(&view);
    view.resize(640, 480);
    view.show();
    QEventLoop loading;
    bool loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, &loading, [&](bool ok) {
        loaded = ok;
        loading.quit();
    });
    QTimer::singleShot(30000, &loading, &QEventLoop::quit);
    bridge.load(QStringLiteral(TAVRIN_BINARY_DIR "/dunmoreos.html"));
    loading.exec();
    if (!loaded) {
        state.SkipWithError("the map page did not load");
        return;
    }
    const QString script =
        KoMapBridge::tripScript(g_trip, 120, false) + QStringLiteral("; trip.lines.length");
    for (auto _ : state) {
        bool done = false;
        view.page()->runJavaScript(script, [&done](const QVariant &) { done = true; });
        QElapsedTimer waited;
        waited.start();
        while (!done && waited.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}
BENCHMARK(BM_DrawTripInPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home, true);
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
