// Times the clip export on the sample maker's bench recording (three channels,
// 1920x1080, 30 fps, 60 s; made on first run into build/bench-samples):
//  - separate files: the 60 s of every channel by stream copy, the median of
//    several runs (target: under 2 s);
//  - one video at 1920x1080: the export against the plain ffmpeg command
//    running the same filter graph, taken in turns in the same run; the ratio
//    of their medians (target: 1.1 or less).
// Each figure is given as wall time and as CPU time (this process and the
// programs it ran); the verdict goes by the CPU time, which other work on a
// shared machine does not stretch. The track extractor's report is dropped.
//
//   bench_KoClipExport [--copy-runs N] [--video-runs N (0: none)] [--seconds S]

#include "../BenchEnv.h"
#include "library/KoClipExport.h"
#include "library/KoMediaTool.h"
#include "library/KoRecording.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString list(const QVector<double> &values)
{
    QStringList text;
    for (double v : values)
        text << QString::number(v, 'f', 2);
    return text.join(QStringLiteral(", "));
}

// CPU seconds of this process and of the children it waited for.
double cpuSeconds()
{
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

// Wall and CPU seconds of `work`.
template <typename Work> QPair<double, double> timed(Work work)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu = cpuSeconds();
    work();
    return {timer.nsecsElapsed() / 1e9, cpuSeconds() - cpu};
}

FILE *g_out = stdout;

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char **argv)
{
    std::fflush(stdout);
    const int out = dup(STDOUT_FILENO);
    const int sink = open("/dev/null", O_WRONLY);
    if (out < 0 || sink < 0 || dup2(sink, STDOUT_FILENO) < 0)
        return 2;
    g_out = fdopen(out, "w");
    qInstallMessageHandler(quiet);
    QTemporaryDir home;
    isolateBenchEnvironment(home);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int copyRuns = std::max(1, option(args, QStringLiteral("--copy-runs"), 5));
    const int videoRuns = std::max(0, option(args, QStringLiteral("--video-runs"), 2));
    const int seconds = std::max(1, option(args, QStringLiteral("--seconds"), 60));

    // Made once: the maker would make the set again after every change of the
    // core library it links, though the recordings come out the same.
    const QString samples = QStringLiteral(BENCH_SAMPLES);
    if (!QFile::exists(samples + QStringLiteral("/samples.stamp"))) {
        QProcess maker;
        maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        maker.start(QStringLiteral(MAKE_SAMPLES),
                    {samples, QStringLiteral("--set"), QStringLiteral("bench")});
        if (!maker.waitForFinished(-1) || maker.exitCode() != 0) {
            std::fprintf(stderr, "cannot make the bench recording in %s\n", qPrintable(samples));
            return 2;
        }
    }
    KoClipExport::Request request;
    request.channels = KoRecording::ofFile(samples + QStringLiteral("/2019_0523_143005_001A.MP4")).paths();
    request.from = 0;
    request.to = seconds;
    std::fprintf(g_out, "recording: %s (%d channels), range 0 to %d s\n",
                 qPrintable(request.channels.first()), int(request.channels.size()), seconds);
    auto load = [] {
        QFile f(QStringLiteral("/proc/loadavg"));
        return f.open(QIODevice::ReadOnly) ? f.readAll().left(14).trimmed() : QByteArray();
    };
    std::fprintf(g_out, "load average before: %s\n", load().constData());
    std::fflush(g_out);

    QVector<double> copyWall;
    QVector<double> copyCpu;
    for (int i = 0; i < copyRuns; ++i) {
        QTemporaryDir out;
        request.folder = out.path();
        KoClipExport::Result result;
        const auto t = timed([&] { result = KoClipExport::run(request); });
        if (result.status != KoClipExport::Ok) {
            std::fprintf(stderr, "stream copy failed: %s\n", qPrintable(result.message));
            return 2;
        }
        copyWall << t.first;
        copyCpu << t.second;
    }
    const double copy = median(copyCpu);
    std::fprintf(g_out, "stream copy: median %.2f s wall (runs %s), %.2f s CPU (runs %s); target < 2 s %s\n",
                 median(copyWall), qPrintable(list(copyWall)), copy, qPrintable(list(copyCpu)),
                 copy < 2 ? "ok" : "MISSED");
    std::fflush(g_out);
    if (videoRuns == 0)
        return copy < 2 ? 0 : 1;

    // The plain command: the plan's own ffmpeg arguments, less the progress
    // report, writing into a folder of its own.
    request.oneVideo = true;
    request.videoSize = QSize(1920, 1080);
    QVector<double> oursWall, oursCpu, plainWall, plainCpu;
    // Taken in turns, each side first every other run, so that neither
    // always meets a cold or a warm machine.
    auto exportRun = [&]() -> bool {
        QTemporaryDir out;
        request.folder = out.path();
        KoClipExport::Result result;
        const auto t = timed([&] { result = KoClipExport::run(request); });
        if (result.status != KoClipExport::Ok) {
            std::fprintf(stderr, "one video failed: %s\n", qPrintable(result.message));
            return false;
        }
        oursWall << t.first;
        oursCpu << t.second;
        return true;
    };
    auto plainRun = [&](bool show) -> bool {
        QTemporaryDir work;
        QTemporaryDir target;
        const KoClipExport::Plan plan = KoClipExport::plan(request, target.path(), work.path());
        QStringList arguments = plan.steps.value(0).arguments;
        const int progress = arguments.indexOf(QStringLiteral("-progress"));
        if (progress >= 0)
            arguments.erase(arguments.begin() + progress, arguments.begin() + progress + 2);
        arguments.removeAll(QStringLiteral("-nostats"));
        if (show)
            std::fprintf(g_out, "plain command: ffmpeg %s\n", qPrintable(arguments.join(QLatin1Char(' '))));
        bool ok = false;
        const auto t = timed([&] {
            QProcess ffmpeg;
            ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            ffmpeg.start(KoMediaTool::program(QStringLiteral("ffmpeg")), arguments);
            ok = ffmpeg.waitForFinished(-1) && ffmpeg.exitCode() == 0;
        });
        if (!ok) {
            std::fprintf(stderr, "the plain ffmpeg command failed\n");
            return false;
        }
        plainWall << t.first;
        plainCpu << t.second;
        return true;
    };
    for (int i = 0; i < videoRuns; ++i) {
        const bool ok = i % 2 ? plainRun(false) && exportRun() : exportRun() && plainRun(i == 0);
        if (!ok)
            return 2;
        std::fprintf(g_out,
                     "one video run %d: export %.2f s wall %.2f s CPU, plain ffmpeg %.2f s wall %.2f s CPU\n",
                     i + 1, oursWall.last(), oursCpu.last(), plainWall.last(), plainCpu.last());
        std::fflush(g_out);
    }
    const double ratio = median(oursCpu) / median(plainCpu);
    std::fprintf(g_out,
                 "one video 1920x1080: wall ratio %.3f (%.2f s / %.2f s), CPU ratio %.3f (%.2f s / %.2f s); "
                 "ratio %.3f target <= 1.10 %s\n",
                 median(oursWall) / median(plainWall), median(oursWall), median(plainWall), ratio,
                 median(oursCpu), median(plainCpu), ratio, ratio <= 1.10 ? "ok" : "MISSED");
    std::fprintf(g_out, "load average after: %s\n", load().constData());
    return copy < 2 && ratio <= 1.10 ? 0 : 1;
}
