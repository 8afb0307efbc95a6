// Times the clip export on the sample maker's bench recording (three channels,
// 1920x1080, 30 fps, 60 s; made on first run into build/bench-samples):
//  - separate files: the 60 s of every channel by stream copy, the median of
//    several runs (target: under 2 s);
//  - one video at 1920x1080: the export against the plain ffmpeg command
//    running the same filter graph, taken in turns in the same run; the ratio
//    of their medians (target: 1.1 or less).
//
//   bench_KoClipExport [--copy-runs N] [--video-runs N] [--seconds S]

#include "../BenchEnv.h"
#include "library/KoClipExport.h"
#include "library/KoClipRecording.h"
#include "library/KoMediaTool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

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

int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int copyRuns = std::max(1, option(args, QStringLiteral("--copy-runs"), 5));
    const int videoRuns = std::max(1, option(args, QStringLiteral("--video-runs"), 2));
    const int seconds = std::max(1, option(args, QStringLiteral("--seconds"), 60));

    const QString samples = QStringLiteral(BENCH_SAMPLES);
    QProcess maker;
    maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    maker.start(QStringLiteral(MAKE_SAMPLES), {samples, QStringLiteral("--set"), QStringLiteral("bench")});
    if (!maker.waitForFinished(-1) || maker.exitCode() != 0) {
        std::fprintf(stderr, "cannot make the bench recording in %s\n", qPrintable(samples));
        return 2;
    }
    KoClipExport::Request request;
    request.channels = KoClipRecording::channelFiles(samples + QStringLiteral("/2019_0523_143005_001A.MP4"));
    request.from = 0;
    request.to = seconds;
    std::printf("recording: %s (%d channels), range 0 to %d s\n", qPrintable(request.channels.first()),
                int(request.channels.size()), seconds);
    std::printf("load average before: %s\n",
                qPrintable(QString::fromLatin1([] {
                               QFile f(QStringLiteral("/proc/loadavg"));
                               return f.open(QIODevice::ReadOnly) ? f.readAll().left(14) : QByteArray();
                           }())
                               .trimmed()));
    std::fflush(stdout);

    QVector<double> copies;
    for (int i = 0; i < copyRuns; ++i) {
        QTemporaryDir out;
        request.folder = out.path();
        QElapsedTimer timer;
        timer.start();
        const KoClipExport::Result result = KoClipExport::run(request);
        copies << timer.nsecsElapsed() / 1e9;
        if (result.status != KoClipExport::Ok) {
            std::fprintf(stderr, "stream copy failed: %s\n", qPrintable(result.message));
            return 2;
        }
    }
    const double copy = median(copies);
    std::printf("stream copy: median %.2f s (runs %s) target < 2 s %s\n", copy, qPrintable(list(copies)),
                copy < 2 ? "ok" : "MISSED");
    std::fflush(stdout);

    // The plain command: the plan's own ffmpeg arguments, less the progress
    // report, run in its own folders.
    request.oneVideo = true;
    request.videoSize = QSize(1920, 1080);
    QVector<double> ours;
    QVector<double> plain;
    for (int i = 0; i < videoRuns; ++i) {
        QTemporaryDir out;
        request.folder = out.path();
        QElapsedTimer timer;
        timer.start();
        const KoClipExport::Result result = KoClipExport::run(request);
        ours << timer.nsecsElapsed() / 1e9;
        if (result.status != KoClipExport::Ok) {
            std::fprintf(stderr, "one video failed: %s\n", qPrintable(result.message));
            return 2;
        }

        QTemporaryDir work;
        QTemporaryDir target;
        const KoClipExport::Plan plan = KoClipExport::plan(request, target.path(), work.path());
        QStringList arguments = plan.steps.value(0).arguments;
        const int progress = arguments.indexOf(QStringLiteral("-progress"));
        if (progress >= 0)
            arguments.erase(arguments.begin() + progress, arguments.begin() + progress + 2);
        arguments.removeAll(QStringLiteral("-nostats"));
        if (i == 0)
            std::printf("plain command: ffmpeg %s\n", qPrintable(arguments.join(QLatin1Char(' '))));
        QProcess ffmpeg;
        ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        timer.start();
        ffmpeg.start(KoMediaTool::program(QStringLiteral("ffmpeg")), arguments);
        if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitCode() != 0) {
            std::fprintf(stderr, "the plain ffmpeg command failed\n");
            return 2;
        }
        plain << timer.nsecsElapsed() / 1e9;
        std::printf("one video run %d: export %.2f s, plain ffmpeg %.2f s\n", i + 1, ours.last(),
                    plain.last());
        std::fflush(stdout);
    }
    const double ratio = median(ours) / median(plain);
    std::printf("one video 1920x1080: export median %.2f s, plain ffmpeg median %.2f s, ratio %.3f target <= "
                "1.10 %s\n",
                median(ours), median(plain), ratio, ratio <= 1.10 ? "ok" : "MISSED");
    return copy < 2 && ratio <= 1.10 ? 0 : 1;
}
