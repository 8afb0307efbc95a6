// Three video displays side by side, each playing one channel of a recording,
// against three standalone mpv processes on the same files; or the whole
// main window playing the recording with its track and map.
//
//   bench_playback [--seconds N] [--only embedded|standalone|window] FILE1 FILE2 FILE3
//   bench_playback --window [--seconds N] FILE1 FILE2 FILE3
//
// For each player: dropped frames ("frame-drop-count", "decoder-frame-drop-count")
// once it has played N seconds of video; for each side: CPU seconds (user +
// system, from the first load to the end) and peak resident memory. With
// --window: the main window against the standalone players, the web engine's
// processes counted with the window, and the GUI thread's longest stall.

#include "app/JXDefaultSettings.h"
#include "app/JXPlatform.h"
#include "bench/BenchEnv.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <mpv/client.h>

#include <QDirIterator>
#include <QRect>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Drops
{
    QString output;
    int64_t vo = -1;
    int64_t decoder = -1;
    double position = 0.0;
};

struct Usage
{
    double cpuSeconds = 0.0;
    double peakMiB = 0.0;
};

double seconds(const timeval &tv)
{
    return double(tv.tv_sec) + double(tv.tv_usec) / 1e6;
}

// The machine's load: drops mean little when other work competes for the cores.
QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?\n");
    return QString::fromLatin1(file.readLine());
}

// Runs the event loop, testing `done` every 100 ms, until it holds or the time
// is up.
void waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer timer;
    timer.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || timer.elapsed() >= timeoutMs)
            loop.quit();
    });
    poll.start(100);
    loop.exec();
}

int64_t intProperty(mpv_handle *h, const char *name)
{
    int64_t v = -1;
    mpv_get_property(h, name, MPV_FORMAT_INT64, &v);
    return v;
}

double doubleProperty(mpv_handle *h, const char *name)
{
    double v = 0.0;
    mpv_get_property(h, name, MPV_FORMAT_DOUBLE, &v);
    return v;
}

void printRow(const char *side, int i, const QString &file, const Drops &d)
{
    std::printf("%-10s %d  vo %-4s  frame-drop-count %4lld  decoder-frame-drop-count %4lld  at %6.2f s  %s\n",
                side, i + 1, qPrintable(d.output), static_cast<long long>(d.vo),
                static_cast<long long>(d.decoder), d.position, qPrintable(QDir(file).dirName()));
}

Usage runEmbedded(const QStringList &files, double length)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Three displays"));
    window.setStyleSheet(QStringLiteral("background: rgb(30, 30, 30);"));
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    std::vector<JXPlayWidget *> displays;
    for (int i = 0; i < files.size(); ++i) {
        auto *display = new JXPlayWidget(&window);
        display->setObjectName(QStringLiteral("widget_display_%1").arg(i + 1));
        mpv_set_option_string(display->playLabel()->mpvHandle(), "ao", "null");
        layout->addWidget(display);
        displays.push_back(display);
    }
    window.setGeometry(0, 0, 1920, 380);
    window.show();
    waitFor([] { return false; }, 500);

    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (int i = 0; i < files.size(); ++i)
        displays[i]->playFile(files[i]);

    std::vector<Drops> drops(files.size());
    std::vector<bool> done(files.size(), false);
    waitFor(
        [&] {
            bool all = true;
            for (size_t i = 0; i < displays.size(); ++i) {
                if (done[i])
                    continue;
                mpv_handle *h = displays[i]->playLabel()->mpvHandle();
                double pos = doubleProperty(h, "time-pos");
                if (pos >= length) {
                    char *vo = mpv_get_property_string(h, "current-vo");
                    drops[i] = {QString::fromUtf8(vo ? vo : "?"), intProperty(h, "frame-drop-count"),
                                intProperty(h, "decoder-frame-drop-count"), pos};
                    mpv_free(vo);
                    done[i] = true;
                } else {
                    all = false;
                }
            }
            return all;
        },
        int(length * 1000) + 20000);
    for (auto *display : displays)
        display->stopVideo();
    waitFor([] { return false; }, 300);

    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    for (int i = 0; i < files.size(); ++i)
        printRow("embedded", i, files[i], drops[i]);
    Usage u;
    u.cpuSeconds = seconds(after.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_utime) -
                   seconds(before.ru_stime);
    u.peakMiB = after.ru_maxrss / 1024.0;
    return u;
}

QByteArray geometryOption(const QRect &r)
{
    return "--geometry=" + QByteArray::number(r.width()) + "x" + QByteArray::number(r.height()) + "+" +
           QByteArray::number(r.x()) + "+" + QByteArray::number(r.y());
}

// One standalone mpv with a JSON IPC socket.
struct Standalone
{
    pid_t pid = -1;
    QString socketPath;
    std::unique_ptr<QLocalSocket> socket;

    QJsonValue get(const char *name)
    {
        if (!socket || socket->state() != QLocalSocket::ConnectedState)
            return QJsonValue();
        QJsonObject request{{"command", QJsonArray{"get_property", name}}, {"request_id", 1}};
        socket->write(QJsonDocument(request).toJson(QJsonDocument::Compact) + "\n");
        socket->flush();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 2000) {
            if (!socket->canReadLine() && !socket->waitForReadyRead(100))
                continue;
            while (socket->canReadLine()) {
                const QJsonObject reply = QJsonDocument::fromJson(socket->readLine()).object();
                if (reply.value("request_id").toInt() == 1)
                    return reply.value("data");
            }
        }
        return QJsonValue();
    }
};

// Each player's window size; by default three 636x358 windows side by side.
Usage runStandalone(const QStringList &files, double length, const QByteArray &vo,
                    const QList<QRect> &windows = {})
{
    std::vector<Standalone> players(files.size());
    for (int i = 0; i < files.size(); ++i) {
        Standalone &p = players[i];
        p.socketPath =
            QDir::temp().filePath(QStringLiteral("bench_playback_%1_%2.sock").arg(getpid()).arg(i));
        QList<QByteArray> args{"mpv",
                               "--no-config",
                               "--really-quiet",
                               "--no-osc",
                               "--load-scripts=no",
                               "--ytdl=no",
                               "--vo=" + vo,
                               "--gpu-api=opengl",
                               "--hwdec=no",
                               "--ao=null",
                               "--keep-open=yes",
                               geometryOption(windows.value(i, QRect(8 + i * 644, 420, 636, 358))),
                               "--input-ipc-server=" + QFile::encodeName(p.socketPath),
                               QFile::encodeName(files[i])};
        std::vector<char *> argv;
        for (QByteArray &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&p.pid, "mpv", nullptr, nullptr, argv.data(), environ) != 0) {
            std::fprintf(stderr, "cannot start mpv\n");
            p.pid = -1;
        }
    }
    for (Standalone &p : players) {
        p.socket = std::make_unique<QLocalSocket>();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 10000) {
            p.socket->connectToServer(p.socketPath);
            if (p.socket->waitForConnected(200))
                break;
            QThread::msleep(100);
        }
    }

    std::vector<Drops> drops(files.size());
    std::vector<bool> done(files.size(), false);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < length * 1000 + 20000) {
        bool all = true;
        for (size_t i = 0; i < players.size(); ++i) {
            if (done[i])
                continue;
            double pos = players[i].get("time-pos").toDouble();
            if (pos >= length) {
                drops[i] = {players[i].get("current-vo").toString(),
                            players[i].get("frame-drop-count").toVariant().toLongLong(),
                            players[i].get("decoder-frame-drop-count").toVariant().toLongLong(), pos};
                done[i] = true;
            } else {
                all = false;
            }
        }
        if (all)
            break;
        QThread::msleep(100);
    }

    Usage u;
    for (size_t i = 0; i < players.size(); ++i) {
        Standalone &p = players[i];
        if (p.socket && p.socket->state() == QLocalSocket::ConnectedState) {
            p.socket->write("{\"command\":[\"quit\"]}\n");
            p.socket->flush();
            p.socket->waitForBytesWritten(500);
        } else if (p.pid > 0) {
            kill(p.pid, SIGTERM);
        }
        if (p.pid > 0) {
            int status = 0;
            rusage r{};
            wait4(p.pid, &status, 0, &r);
            u.cpuSeconds += seconds(r.ru_utime) + seconds(r.ru_stime);
            u.peakMiB += r.ru_maxrss / 1024.0;
        }
        QFile::remove(p.socketPath);
        printRow("standalone", int(i), files[int(i)], drops[i]);
    }
    return u;
}

// CPU seconds and peak memory of the processes started below this one (the
// web engine's renderer and helpers).
Usage descendantsUsage()
{
    std::map<pid_t, pid_t> parentOf;
    std::map<pid_t, double> cpu;
    const double tick = double(sysconf(_SC_CLK_TCK));
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        bool ok = false;
        const pid_t pid = it.next().section(QLatin1Char('/'), -1).toInt(&ok);
        QFile stat(it.filePath() + QStringLiteral("/stat"));
        if (!ok || !stat.open(QIODevice::ReadOnly))
            continue;
        // The command name may hold spaces: fields are counted after its ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> f = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (f.size() < 13)
            continue;
        parentOf[pid] = f.at(1).toInt();
        cpu[pid] = (f.at(11).toDouble() + f.at(12).toDouble()) / tick;
    }
    Usage u;
    const pid_t self = getpid();
    for (const auto &entry : parentOf) {
        pid_t p = entry.second;
        for (int depth = 0; depth < 8 && p > 1 && p != self; ++depth)
            p = parentOf.count(p) ? parentOf[p] : 0;
        if (p != self || entry.first == self)
            continue;
        u.cpuSeconds += cpu[entry.first];
        QFile status(QStringLiteral("/proc/%1/status").arg(entry.first));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &l : status.readAll().split('\n')) {
                if (l.startsWith("VmHWM:"))
                    u.peakMiB += l.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
            }
        }
    }
    return u;
}

struct WindowRun
{
    Usage player;
    Usage webEngine;
    double startStallMs = 0;
    double longestStallMs = 0;
    QList<QRect> displays;
};

WindowRun runWindow(const QStringList &files, double length)
{
    // The offline map page: the route and marker draw with no network.
    JXDefaultSettings::instance()->setMapType(KoMapType::OpenStreetMap);
    VelmorMainWidget window;
    for (int k = 1; k <= 3; ++k)
        mpv_set_option_string(window.display(k)->playLabel()->mpvHandle(), "ao", "null");
    window.setGeometry(0, 0, 1920, 1050);
    window.show();
    waitFor([] { return false; }, 3000);

    // The largest gap between two ticks of a 10 ms timer: while the
    // recording starts (its first two seconds) and while it plays.
    QElapsedTimer clock;
    qint64 lastTick = -1;
    double longest = 0;
    double atStart = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastTick >= 0) {
            const double gap = (now - lastTick) / 1e6 - 10.0;
            double &worst = now < 2000000000LL ? atStart : longest;
            worst = std::max(worst, gap);
        }
        lastTick = now;
    });

    const Usage engineBefore = descendantsUsage();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    window.addChosenFiles(files);
    clock.start();
    ticker.start(10);

    std::vector<Drops> drops(3);
    std::vector<bool> done(3, false);
    waitFor(
        [&] {
            bool all = true;
            for (int k = 1; k <= 3; ++k) {
                if (done[k - 1])
                    continue;
                mpv_handle *h = window.display(k)->playLabel()->mpvHandle();
                const double pos = doubleProperty(h, "time-pos");
                if (pos >= length) {
                    char *vo = mpv_get_property_string(h, "current-vo");
                    drops[k - 1] = {QString::fromUtf8(vo ? vo : "?"), intProperty(h, "frame-drop-count"),
                                    intProperty(h, "decoder-frame-drop-count"), pos};
                    mpv_free(vo);
                    done[k - 1] = true;
                } else {
                    all = false;
                }
            }
            return all;
        },
        int(length * 1000) + 20000);
    ticker.stop();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const Usage engineAfter = descendantsUsage();
    WindowRun run;
    for (int k = 1; k <= 3; ++k) {
        KoFileInfoModel *m = window.channelModel(k);
        printRow("window", k - 1, m ? m->filePath() : QStringLiteral("-"), drops[k - 1]);
        run.displays << QRect(window.display(k)->mapToGlobal(QPoint(0, 0)), window.display(k)->size());
    }
    window.stopPlay();

    run.player.cpuSeconds = seconds(after.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_utime) -
                            seconds(before.ru_stime);
    run.player.peakMiB = after.ru_maxrss / 1024.0;
    run.webEngine.cpuSeconds = engineAfter.cpuSeconds - engineBefore.cpuSeconds;
    run.webEngine.peakMiB = engineAfter.peakMiB;
    run.startStallMs = atStart;
    run.longestStallMs = longest;
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    // Settings, track cache and previews of the window run stay out of the
    // user's folders; the displays need the X11 platform.
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    isolateBenchEnvironment(home);
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "Seconds of video each player plays.", "N", "30"});
    parser.addOption({"only", "Run one side only: embedded, standalone or window.", "side"});
    parser.addOption({"window", "The main window against the standalone players."});
    parser.addPositionalArgument("files", "Three video files, one per display.");
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 3) {
        std::fprintf(stderr, "three files expected\n");
        return 2;
    }
    const double length = parser.value("seconds").toDouble();
    QString only = parser.value("only");
    const bool windowRun = parser.isSet("window") || only == QLatin1String("window");

    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::printf("%g s of playback per player, three players; load average before: %s", length,
                qPrintable(loadAverage()));
    // The standalone players get the output the engine chose for this machine.
    QByteArray vo;
    {
        PlayLabel probe;
        char *value = mpv_get_property_string(probe.mpvHandle(), "vo");
        vo = value ? QByteArray(value) : QByteArray("gpu,x11");
        mpv_free(value);
    }
    std::printf("video output: %s, gpu-api opengl, hwdec no, ao null\n", vo.constData());
    Usage embedded, standalone;
    if (windowRun) {
        const WindowRun window = runWindow(files, length);
        // The standalone players get the sizes and places of the displays.
        if (only.isEmpty())
            standalone = runStandalone(files, length, vo, window.displays);
        const double total = window.player.cpuSeconds + window.webEngine.cpuSeconds;
        std::printf("window      player process CPU %6.2f s   peak RSS %7.1f MiB\n", window.player.cpuSeconds,
                    window.player.peakMiB);
        std::printf("            web engine processes CPU %6.2f s   peak RSS %7.1f MiB (sum)\n",
                    window.webEngine.cpuSeconds, window.webEngine.peakMiB);
        std::printf(
            "            longest GUI stall while playing %.1f ms (target <= 50); while starting %.1f ms\n",
            window.longestStallMs, window.startStallMs);
        for (const QRect &r : window.displays)
            std::printf("            display %dx%d at %d,%d\n", r.width(), r.height(), r.x(), r.y());
        if (standalone.cpuSeconds > 0) {
            std::printf("standalone  3 processes CPU %6.2f s   peak RSS %7.1f MiB (sum of the three)\n",
                        standalone.cpuSeconds, standalone.peakMiB);
            std::printf("CPU ratio whole program / standalone: %.2f (target <= 1.25)\n",
                        total / standalone.cpuSeconds);
        }
        std::printf("load average after: %s", qPrintable(loadAverage()));
        return 0;
    }
    if (only != QLatin1String("standalone"))
        embedded = runEmbedded(files, length);
    if (only != QLatin1String("embedded"))
        standalone = runStandalone(files, length, vo);
    if (only.isEmpty() || only == QLatin1String("embedded"))
        std::printf("embedded    process CPU %6.2f s   peak RSS %7.1f MiB (whole process)\n",
                    embedded.cpuSeconds, embedded.peakMiB);
    if (only.isEmpty() || only == QLatin1String("standalone"))
        std::printf("standalone  3 processes CPU %6.2f s   peak RSS %7.1f MiB (sum of the three)\n",
                    standalone.cpuSeconds, standalone.peakMiB);
    std::printf("load average after: %s", qPrintable(loadAverage()));
    if (only.isEmpty() && standalone.cpuSeconds > 0)
        std::printf("CPU ratio embedded / standalone: %.2f (target <= 1.10)\n",
                    embedded.cpuSeconds / standalone.cpuSeconds);
    return 0;
}
