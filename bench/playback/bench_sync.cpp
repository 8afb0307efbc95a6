// Three displays playing the channels of one recording, first as they are
// (each engine on its own clock), then kept in step by KoChannelSync, with a
// second process keeping one core busy all along.
//
//   bench_sync [--seconds N] [--seeks N] [--pauses N] FILE1 FILE2 FILE3
//
// For each run: the spread of the three displays' positions (largest minus
// smallest, sampled every 100 ms, the first second after the start left
// out) as median, 99th percentile and maximum, in milliseconds of position
// and in frames; the CPU seconds of the process while playing; the dropped
// frames. Then the spread 1 s after each of N random seeks and N
// pause/resume cycles.

#include "app/JXPlatform.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/KoPlayWidgetChannel.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHBoxLayout>
#include <QRandomGenerator>
#include <QTimer>

#include <mpv/client.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).trimmed()
                                          : QStringLiteral("?");
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for `ms`, or until `done` holds (tested every 20 ms).
void spin(int ms, const std::function<bool()> &done = {})
{
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if ((done && done()) || timer.elapsed() >= ms)
            loop.quit();
    });
    poll.start(20);
    loop.exec();
}

int64_t intProperty(mpv_handle *h, const char *name)
{
    int64_t v = 0;
    mpv_get_property(h, name, MPV_FORMAT_INT64, &v);
    return v;
}

struct Stats
{
    std::vector<double> values;
    double at(double q) const
    {
        if (values.empty())
            return 0.0;
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5))];
    }
    double max() const { return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end()); }
};

void printStats(const char *what, const Stats &ms, const Stats &frames)
{
    std::printf("  %-34s n %5zu  median %6.1f ms  p99 %6.1f ms  max %6.1f ms   frames: median %.0f p99 %.0f "
                "max %.0f\n",
                what, ms.values.size(), ms.at(0.5), ms.at(0.99), ms.max(), frames.at(0.5), frames.at(0.99),
                frames.max());
}

class Bench
{
public:
    Bench(const QStringList &files, bool sync)
        : m_files(files)
        , m_useSync(sync)
    {
        m_window.setStyleSheet(QStringLiteral("background: rgb(30, 30, 30);"));
        auto *layout = new QHBoxLayout(&m_window);
        layout->setContentsMargins(8, 8, 8, 8);
        layout->setSpacing(8);
        QList<KoSyncChannel *> channels;
        for (int i = 0; i < files.size(); ++i) {
            auto *display = new JXPlayWidget(&m_window);
            mpv_set_option_string(display->playLabel()->mpvHandle(), "ao", "null");
            layout->addWidget(display);
            m_displays.push_back(display);
            m_channels.push_back(std::make_unique<KoPlayWidgetChannel>(display));
            channels.append(m_channels.back().get());
        }
        m_sync.setChannels(channels);
        m_window.setGeometry(0, 0, 1920, 380);
        m_window.show();
        spin(500);
    }
    ~Bench()
    {
        m_sync.stopTicking();
        m_sync.clearChannels();
        for (JXPlayWidget *d : m_displays)
            d->stopVideo();
        spin(300);
    }

    bool start()
    {
        QObject scope; // the connections below end with this call
        int started = 0;
        for (JXPlayWidget *d : m_displays)
            QObject::connect(d, &JXPlayWidget::playStartSignal, &scope, [&started] { ++started; });
        for (int i = 0; i < m_files.size(); ++i)
            m_displays[size_t(i)]->playFile(m_files[i]);
        if (m_useSync) {
            bool aligned = false;
            QObject::connect(&m_sync, &KoChannelSync::aligned, &scope, [&aligned] { aligned = true; });
            m_sync.start();
            m_sync.startTicking(200);
            spin(20000, [&] { return aligned; });
            return aligned;
        }
        spin(20000, [&] { return started >= m_files.size(); });
        return started >= m_files.size();
    }

    // Spread of the positions now: seconds, and the same in whole frames.
    // Each read waits for its player's core; the later reads are taken back
    // to the moment of the first by the time that passed in between.
    std::pair<double, double> spread() const
    {
        double lo = 1e9, hi = -1e9;
        QElapsedTimer reads;
        reads.start();
        qint64 firstNs = -1;
        for (JXPlayWidget *d : m_displays) {
            const double p = d->precisePosition();
            const qint64 atNs = reads.nsecsElapsed();
            if (p < 0)
                continue;
            if (firstNs < 0)
                firstNs = atNs;
            const double taken = p - (d->playLabel()->isPaused() ? 0.0 : (atNs - firstNs) / 1e9 * m_speed);
            lo = std::min(lo, taken);
            hi = std::max(hi, taken);
        }
        if (hi < lo)
            return {0.0, 0.0};
        return {hi - lo, std::round((hi - lo) / m_frame)};
    }
    double clock() const { return m_displays[0]->precisePosition(); }
    QString positions() const
    {
        QStringList p;
        for (JXPlayWidget *d : m_displays)
            p << QString::number(d->precisePosition(), 'f', 3);
        return p.join(' ');
    }

    void play(double seconds)
    {
        const double from = clock();
        QElapsedTimer timer;
        timer.start();
        const double cpu0 = cpuSeconds();
        QTimer sample;
        QObject::connect(&sample, &QTimer::timeout, [&] {
            const auto s = spread();
            if (m_trace && s.second > 1)
                std::fprintf(stderr, "at %lld ms: %s\n", static_cast<long long>(timer.elapsed()),
                             qPrintable(positions()));
            if (timer.elapsed() >= 1000) { // the start's first second left out
                m_playMs.values.push_back(s.first * 1000.0);
                m_playFrames.values.push_back(s.second);
            }
        });
        sample.start(100);
        spin(int(seconds * 1000) + 60000, [&] { return clock() >= from + seconds; });
        sample.stop();
        m_cpu = cpuSeconds() - cpu0;
        m_wall = timer.elapsed() / 1000.0;
        m_played = clock() - from;
    }

    void seeks(int count, double length)
    {
        QRandomGenerator random(42);
        for (int i = 0; i < count; ++i) {
            const double target = 5.0 + random.generateDouble() * (length - 30.0);
            if (m_useSync) {
                m_sync.seek(target);
            } else {
                for (JXPlayWidget *d : m_displays)
                    d->seek(int(target));
            }
            spin(1000);
            const auto s = spread();
            m_seekMs.values.push_back(s.first * 1000.0);
            m_seekFrames.values.push_back(s.second);
        }
    }

    void pauses(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (m_useSync) {
                m_sync.pause();
                spin(500);
                m_sync.resume();
            } else {
                for (JXPlayWidget *d : m_displays)
                    d->pause();
                spin(500);
                for (JXPlayWidget *d : m_displays)
                    d->resume();
            }
            spin(1000);
            const auto s = spread();
            m_pauseMs.values.push_back(s.first * 1000.0);
            m_pauseFrames.values.push_back(s.second);
        }
    }

    void report(const char *title) const
    {
        std::printf("%s\n", title);
        std::printf(
            "  played %.1f s of video in %.1f s; CPU %.1f s (%.1f %% of one core per second of video)\n",
            m_played, m_wall, m_cpu, m_played > 0 ? 100.0 * m_cpu / m_played : 0.0);
        for (size_t i = 0; i < m_displays.size(); ++i) {
            mpv_handle *h = m_displays[i]->playLabel()->mpvHandle();
            std::printf("  display %zu: frame-drop-count %lld  decoder-frame-drop-count %lld\n", i + 1,
                        static_cast<long long>(intProperty(h, "frame-drop-count")),
                        static_cast<long long>(intProperty(h, "decoder-frame-drop-count")));
        }
        printStats("spread while playing", m_playMs, m_playFrames);
        printStats("spread 1 s after a seek", m_seekMs, m_seekFrames);
        printStats("spread 1 s after pause/resume", m_pauseMs, m_pauseFrames);
        std::fflush(stdout);
    }

private:
    QStringList m_files;
    bool m_useSync;
    bool m_trace = qEnvironmentVariableIsSet("BENCH_SYNC_TRACE");
    double m_speed = 1.0;
    double m_frame = 1.0 / 30.0;
    QWidget m_window;
    std::vector<JXPlayWidget *> m_displays;
    std::vector<std::unique_ptr<KoPlayWidgetChannel>> m_channels;
    KoChannelSync m_sync;
    Stats m_playMs, m_playFrames, m_seekMs, m_seekFrames, m_pauseMs, m_pauseFrames;
    double m_cpu = 0.0, m_wall = 0.0, m_played = 0.0;
};

} // namespace

int main(int argc, char **argv)
{
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();

    QCommandLineParser parser;
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("Video seconds played per run."), QStringLiteral("N"),
                                     QStringLiteral("120"));
    const QCommandLineOption seekCount(QStringLiteral("seeks"), QStringLiteral("Random seeks per run."),
                                       QStringLiteral("N"), QStringLiteral("20"));
    const QCommandLineOption pauseCount(QStringLiteral("pauses"),
                                        QStringLiteral("Pause/resume cycles per run."), QStringLiteral("N"),
                                        QStringLiteral("20"));
    parser.addOptions({seconds, seekCount, pauseCount});
    parser.addPositionalArgument(QStringLiteral("FILES"), QStringLiteral("The three channel files."));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 3) {
        std::fprintf(stderr, "bench_sync: give the three channel files\n");
        return 2;
    }
    const double length = parser.value(seconds).toDouble();

    // One core kept busy by another process, as on a machine doing other work.
    const pid_t busy = fork();
    if (busy == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (volatile unsigned long n = 0;; n = n + 1) {
        }
    }
    std::printf("load average before: %s\n", qPrintable(loadAverage()));

    for (bool sync : {false, true}) {
        Bench bench(files, sync);
        if (!bench.start()) {
            std::printf("%s: the files did not start\n", sync ? "sync" : "plain");
            continue;
        }
        bench.play(length);
        std::fflush(stdout);
        bench.seeks(parser.value(seekCount).toInt(), 290.0);
        bench.pauses(parser.value(pauseCount).toInt());
        bench.report(sync ? "Correction on (KoChannelSync, aligned start, ticks every 200 ms)"
                          : "Correction off (each display on its own clock; seeks to whole seconds)");
        std::printf("load average: %s\n", qPrintable(loadAverage()));
    }
    if (busy > 0) {
        kill(busy, SIGKILL);
        waitpid(busy, nullptr, 0);
    }
    return 0;
}
