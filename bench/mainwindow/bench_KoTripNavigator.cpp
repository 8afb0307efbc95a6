// A click on the drawn trip in the real main window, to every display showing
// the frame of the moment clicked: 20 clicks on the route of the sample drive's
// two-recording trip (the `tests` sample set), real X clicks (xdotool), half of
// them on the other recording's part (which loads that recording first), half
// on the playing one's (a seek). Run on a display with a window manager:
//
//   tests/desktop/run_on_desktop.sh build/bench_KoTripNavigator [--clicks N]
//
// (built beside the player, where the window finds its map pages).
//
// Each click is timed from the press reaching the program (and, as an upper
// bound, from starting xdotool's click) until the displays are in step again
// and each one's position is the clicked second. Median and worst; target
// under 300 ms.
#include "app/JXDefaultSettings.h"
#include "app/JXPlatform.h"
#include "bench/BenchEnv.h"
#include "desktop/DesktopInput.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoTripNavigator.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <mpv/client.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct Figures
{
    QList<double> ms;
    double median() const
    {
        QList<double> s = ms;
        std::sort(s.begin(), s.end());
        return s.isEmpty() ? 0 : s.at(s.size() / 2);
    }
    double worst() const { return ms.isEmpty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

void print(const char *what, const Figures &f)
{
    std::printf("%-46s %2d clicks  median %7.1f ms  worst %7.1f ms  (target < 300 ms)\n", what,
                int(f.ms.size()), f.median(), f.worst());
}

// The time the next mouse press reaches the program.
struct PressClock : QObject
{
    QElapsedTimer *clock = nullptr;
    qint64 pressedNs = -1;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && pressedNs < 0)
            pressedNs = clock->nsecsElapsed();
        return false;
    }
};

QVariant eval(VelmorMainWidget &window, const QString &script)
{
    auto result = std::make_shared<std::pair<bool, QVariant>>();
    window.form()->webview->page()->runJavaScript(script, [result](const QVariant &v) {
        *result = {true, v};
    });
    (void)QTest::qWaitFor([&] { return result->first; }, 10000);
    return result->second;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home);
    qputenv("QT_QPA_PLATFORM", "xcb");
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    QCommandLineParser parser;
    QCommandLineOption clicksOption("clicks", "Clicks on the route.", "n", "20");
    QCommandLineOption verboseOption("verbose", "Keep the program's log (QT_LOGGING_RULES for more).");
    parser.addOptions({clicksOption, verboseOption});
    parser.process(app);
    if (!parser.isSet(verboseOption))
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const int clicks = qMax(2, parser.value(clicksOption).toInt());

    const QString samples = QStringLiteral(TEST_SAMPLES);
    if (!QFile::exists(samples + QStringLiteral("/samples.stamp"))) {
        QProcess maker;
        maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        maker.start(QStringLiteral(MAKE_SAMPLES), {samples});
        if (!maker.waitForFinished(-1) || maker.exitCode() != 0) {
            std::fprintf(stderr, "cannot make the sample recordings in %s\n", qPrintable(samples));
            return 2;
        }
    }

    JXDefaultSettings::instance()->setMapType(KoMapType::OpenStreetMap);
    VelmorMainWidget window;
    for (int k = 1; k <= 3; ++k)
        mpv_set_option_string(window.display(k)->playLabel()->mpvHandle(), "ao", "null");
    window.resize(1500, 900);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !DesktopInput::activate(&window)) {
        std::fprintf(stderr, "the window did not show (a display with a window manager is needed)\n");
        return 2;
    }
    window.addChosenFolder(samples);
    if (!QTest::qWaitFor([&] { return window.mapBridge()->isPageReady(); }, 30000)) {
        std::fprintf(stderr, "the map page did not load\n");
        return 2;
    }
    window.playSelectFile(samples + QStringLiteral("/2019_0523_143005_001A.MP4"));
    KoTripNavigator *trip = window.tripNavigator();
    const bool ready = QTest::qWaitFor(
        [&] {
            const auto tracks = trip->tripTracks();
            return window.display(1)->state() == 1 && tracks.size() == 2 && !tracks[0].isEmpty() &&
                   !tracks[1].isEmpty();
        },
        30000);
    if (!ready) {
        std::fprintf(stderr, "the trip of the sample drive did not show\n");
        return 2;
    }
    window.pauseAll();
    (void)QTest::qWaitFor([&] { return !window.channelSync()->isAligning(); }, 10000);
    (void)QTest::qWaitFor(
        [&] {
            return eval(window,
                        QStringLiteral("trip !== null && map.getBounds().contains(trip.hit.getBounds())"))
                .toBool();
        },
        10000);
    QTest::qWait(1000); // the zoom animation ends
    const QVector<QVector<KoTrackSample>> tracks = trip->tripTracks();
    const QStringList names = {QStringLiteral("2019_0523_143005_001A.MP4"),
                               QStringLiteral("2019_0523_143015_002A.MP4")};

    QElapsedTimer clock;
    clock.start();
    // With --verbose: where the GUI thread was held up.
    QTimer watch;
    qint64 lastTick = 0;
    if (parser.isSet(verboseOption)) {
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            if (now - lastTick > 30)
                qInfo("GUI thread held for %lld ms", now - lastTick);
            lastTick = now;
        });
        watch.start(5);
    }
    PressClock press;
    press.clock = &clock;
    app.installEventFilter(&press);
    Figures other, same, all, fromXdotool;
    int part = 0;
    for (int i = 0; i < clicks; ++i) {
        // Pairs of clicks: the first on the other recording's part, the second
        // on the same part.
        if (i % 2 == 0)
            part = 1 - part;
        const int second = 2 + (i * 3) % 7;
        const KoTrackSample &s = tracks[part][second];
        const QVariantList xy =
            eval(window, QStringLiteral("(function () { var p = map.latLngToContainerPoint("
                                        "L.latLng(%1, %2)); return [p.x, p.y]; })()")
                             .arg(s.latitude, 0, 'f', 7)
                             .arg(s.longitude, 0, 'f', 7))
                .toList();
        const QPoint at = DesktopInput::screenPoint(
            window.form()->webview, QPoint(qRound(xy.value(0).toDouble()), qRound(xy.value(1).toDouble())));
        if (!DesktopInput::moveTo(at))
            return 2;
        QTest::qWait(200);

        bool done = false;
        qint64 doneNs = -1;
        const auto check = [&] {
            const KoFileInfoModel *m = window.channelModel(1);
            if (done || !m || m->fileName() != names[part] || window.channelSync()->isAligning())
                return;
            for (int k = 1; k <= 3; ++k) {
                if (qAbs(window.display(k)->precisePosition() - second) > 0.05)
                    return;
            }
            done = true;
            doneNs = clock.nsecsElapsed();
        };
        const QMetaObject::Connection aligned =
            QObject::connect(window.channelSync(), &KoChannelSync::aligned, &window, check);
        press.pressedNs = -1;
        const qint64 startNs = clock.nsecsElapsed();
        if (!DesktopInput::xdotool({"click", "1"}))
            return 2;
        if (!QTest::qWaitFor([&] { return done; }, 10000)) {
            QObject::disconnect(aligned);
            std::fprintf(stderr, "click %d (second %d of %s) did not land\n", i + 1, second,
                         qPrintable(names[part]));
            return 1;
        }
        QObject::disconnect(aligned);
        const double ms = (doneNs - (press.pressedNs >= 0 ? press.pressedNs : startNs)) / 1e6;
        (i % 2 == 0 ? other : same).ms.append(ms);
        all.ms.append(ms);
        fromXdotool.ms.append((doneNs - startNs) / 1e6);
        std::printf("click %2d: second %d of %s  %7.1f ms\n", i + 1, second, qPrintable(names[part]), ms);
        std::fflush(stdout);
        QTest::qWait(300);
    }
    app.removeEventFilter(&press);
    window.stopPlay();

    print("route click, all", all);
    print("  into the other recording of the trip", other);
    print("  within the playing recording", same);
    print("  the same from starting xdotool's click", fromXdotool);
    return all.worst() < 300 ? 0 : 1;
}
