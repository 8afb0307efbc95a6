// Adding a folder of dash-camera recordings (constructing the recording
// models, with their sibling search, and grouping them) and loading the track
// of a one-hour recording, first from the recording and then from the cache,
// for each track layout (the "hour" sample set, made on first run into
// build/bench-samples-hour); and the memory a loaded one-hour track holds,
// before and after it is unloaded.
//
// Run: build/bench/library/bench_KoFileInfoModel
// The diagnostic lines of the code under test (stdout and stderr) go to
// /dev/null, as formatted text, so that only the figures are shown;
// --diagnostics keeps them.

#include "bench/BenchEnv.h"
#include "gps/KoGPSModel.h"
#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"
#include "library/KoRecording.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kRecordings = 1000;

// 1,000 three-channel recordings of one minute each; the rear camera starts a
// second later with the next sequence number, as cameras do.
class Folder
{
public:
    Folder()
    {
        const QDateTime start(QDate(2019, 5, 23), QTime(14, 30, 5), Qt::UTC);
        for (int i = 0; i < kRecordings; ++i) {
            const QDateTime t = start.addSecs(60 * i);
            const QString front = t.toString(QStringLiteral("yyyy_MMdd_HHmmss_"));
            const QString rear = t.addSecs(1).toString(QStringLiteral("yyyy_MMdd_HHmmss_"));
            const int seq = i % 900 + 1;
            add(front + QString::asprintf("%03dA.MP4", seq));
            add(rear + QString::asprintf("%03dB.MP4", seq + 1));
            add(front + QString::asprintf("%03dC.MP4", seq));
        }
    }

    const QStringList &names() const { return m_names; }
    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

private:
    void add(const QString &name)
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(path(name)));
        m_names.append(name);
    }

    QTemporaryDir m_dir;
    QStringList m_names;
};

Folder &folder()
{
    static Folder f;
    return f;
}

void addFolder(benchmark::State &state, bool useListing)
{
    const Folder &f = folder();
    int linked = 0;
    for (auto _ : state) {
        QList<KoFileInfoModel *> models;
        models.reserve(f.names().size());
        {
            KoDirectoryListing listing;
            for (const QString &name : f.names())
                models.append(
                    new KoFileInfoModel(name, f.path(name), nullptr, useListing ? &listing : nullptr));
        }
        std::sort(models.begin(), models.end(), [](const KoFileInfoModel *a, const KoFileInfoModel *b) {
            return a->filePath() < b->filePath();
        });
        const QVector<KoRecording> recordings = KoRecording::group(models);

        state.PauseTiming();
        linked = 0;
        for (const KoRecording &r : recordings)
            linked += r.channelCount() - 1;
        qDeleteAll(models);
        state.ResumeTiming();
    }
    // Three channels per recording: two beside the first.
    if (linked != 2 * kRecordings)
        state.SkipWithError(qPrintable(QString("grouping found the wrong recordings: %1").arg(linked)));
    state.counters["files"] = f.names().size();
}

void BM_AddFolder_Listing(benchmark::State &state)
{
    addFolder(state, true);
}

void BM_AddFolder_PerPathExists(benchmark::State &state)
{
    addFolder(state, false);
}

// The one-hour recordings of the "hour" sample set, one per track layout.
const char *const kHourRecordings[] = {"2019_0523_150000_001A.MP4", "2019_0523_160000_001A.MP4",
                                       "20190523170000_00.MOV"};
const char *const kHourLayouts[] = {"gps-index", "direct", "free-gps"};

std::unique_ptr<KoFileInfoModel> hourRecording(int layout)
{
    const QString name = QString::fromLatin1(kHourRecordings[layout]);
    return std::unique_ptr<KoFileInfoModel>(
        new KoFileInfoModel(name, QStringLiteral(HOUR_SAMPLES "/") + name));
}

void checkTrack(benchmark::State &state, const KoFileInfoModel &m)
{
    if (!m.gpsLoaded() || m.gpsSamples().size() != 3600 || m.gForceXs().size() != 3600)
        state.SkipWithError("track not loaded");
}

// Extraction from the recording into the cache, then reading it.
void BM_LoadGPS_First(benchmark::State &state)
{
    const int layout = int(state.range(0));
    state.SetLabel(kHourLayouts[layout]);
    for (auto _ : state) {
        state.PauseTiming();
        auto m = hourRecording(layout);
        QFile::remove(m->gpsCachePath());
        QFile::remove(QString(m->gpsCachePath()).replace(".txt", "_haisi.txt"));
        state.ResumeTiming();

        m->loadGPS();

        state.PauseTiming();
        checkTrack(state, *m);
        m.reset();
        state.ResumeTiming();
    }
}

// A later run: the cache file is read.
void BM_LoadGPS_Cached(benchmark::State &state)
{
    const int layout = int(state.range(0));
    state.SetLabel(kHourLayouts[layout]);
    hourRecording(layout)->loadGPS();
    for (auto _ : state) {
        state.PauseTiming();
        auto m = hourRecording(layout);
        state.ResumeTiming();

        m->loadGPS();

        state.PauseTiming();
        checkTrack(state, *m);
        m.reset();
        state.ResumeTiming();
    }
}

// Heap bytes in use (glibc's count, mappings of large blocks included).
size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// What a loaded one-hour track holds in memory (sample objects, map point
// lists, G-sensor series) and what is left of it once the recording has
// finished playing and its track was unloaded.
void BM_TrackMemory(benchmark::State &state)
{
    const int layout = int(state.range(0));
    state.SetLabel(kHourLayouts[layout]);
    hourRecording(layout)->loadGPS();
    double held = 0;
    double left = 0;
    for (auto _ : state) {
        auto m = hourRecording(layout);
        const size_t before = heapInUse();
        m->loadGPS();
        const size_t loaded = heapInUse();
        checkTrack(state, *m);
        m->unloadTrack();
        const size_t unloaded = heapInUse();
        held = double(loaded) - double(before);
        left = double(unloaded) - double(before);
    }
    state.counters["held_KiB"] = held / 1024;
    state.counters["left_KiB"] = left / 1024;
}

BENCHMARK(BM_LoadGPS_First)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(9);
BENCHMARK(BM_LoadGPS_Cached)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(9);
BENCHMARK(BM_TrackMemory)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AddFolder_Listing)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9);
BENCHMARK(BM_AddFolder_PerPathExists)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    isolateBenchEnvironment(home);
    QCoreApplication app(argc, argv);

    // The maker keeps a complete set: after the first run this is a file check.
    QProcess maker;
    maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    maker.start(QStringLiteral(MAKE_SAMPLES),
                {QStringLiteral(HOUR_SAMPLES), QStringLiteral("--set"), QStringLiteral("hour")});
    if (!maker.waitForFinished(-1) || maker.exitCode() != 0) {
        std::fprintf(stderr, "could not make the one-hour sample set in %s\n", HOUR_SAMPLES);
        return 1;
    }

    bool diagnostics = false;
    for (int i = 1; i < argc; ++i)
        diagnostics |= std::strcmp(argv[i], "--diagnostics") == 0;
    // The figures go to the original stdout; the diagnostics to /dev/null.
    std::ofstream results;
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    if (!diagnostics) {
        const int figures = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        fflush(stdout);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        results.open("/proc/self/fd/" + std::to_string(figures));
        reporter.SetOutputStream(&results);
        reporter.SetErrorStream(&results);
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
