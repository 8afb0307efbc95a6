// Adding a folder of dash-camera recordings (constructing the recording
// models, with their sibling search, and grouping them) and loading the track
// of a one-hour recording, first from the recording and then from the cache.
//
// Run: build/bench/library/bench_KoFileInfoModel
// The diagnostic lines of the code under test (stdout and stderr) go to
// /dev/null, as formatted text, so that only the figures are shown;
// --diagnostics keeps them.

#include "gps/KoGPSModel.h"
#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"
#include "tests/gps/TrackFixtures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <fstream>
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
        KoFileInfoModel::groupRecordings(models);

        state.PauseTiming();
        linked = 0;
        for (KoFileInfoModel *m : qAsConst(models))
            linked += m->nextRecording() != nullptr;
        qDeleteAll(models);
        state.ResumeTiming();
    }
    // Two forward links per recording: A -> B -> C.
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

// A one-hour drive, one sample per second, in an MP4 with a GPS index box;
// 500 kB of (sparse) video between the blocks, 1.8 GB in all.
class HourRecording
{
public:
    HourRecording()
    {
        m_name = QStringLiteral("2019_0523_140000_001A.MP4");
        m_path = m_dir.path() + QLatin1Char('/') + m_name;
        fixtures::Options options;
        options.gap = 500000;
        if (!fixtures::indexBoxMp4(fixtures::drive(3600), options).write(m_path))
            qFatal("cannot write %s", qPrintable(m_path));
    }

    std::unique_ptr<KoFileInfoModel> model() const
    {
        return std::unique_ptr<KoFileInfoModel>(new KoFileInfoModel(m_name, m_path));
    }

private:
    QTemporaryDir m_dir;
    QString m_name;
    QString m_path;
};

const HourRecording &hourRecording()
{
    static HourRecording r;
    return r;
}

void checkTrack(benchmark::State &state, const KoFileInfoModel &m)
{
    if (!m.gpsLoaded() || m.gpsSamples().size() != 3600 || m.gForceXs().size() != 3600)
        state.SkipWithError("track not loaded");
}

void BM_LoadGPS_First(benchmark::State &state)
{
    const HourRecording &r = hourRecording();
    for (auto _ : state) {
        state.PauseTiming();
        auto m = r.model();
        QFile::remove(m->gpsCachePath());
        state.ResumeTiming();

        m->loadGPS();

        state.PauseTiming();
        checkTrack(state, *m);
        m.reset();
        state.ResumeTiming();
    }
}

void BM_LoadGPS_Cached(benchmark::State &state)
{
    const HourRecording &r = hourRecording();
    r.model()->loadGPS();
    for (auto _ : state) {
        state.PauseTiming();
        auto m = r.model();
        state.ResumeTiming();

        m->loadGPS();

        state.PauseTiming();
        checkTrack(state, *m);
        m.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_LoadGPS_First)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(9);
BENCHMARK(BM_LoadGPS_Cached)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(9);
BENCHMARK(BM_AddFolder_Listing)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9);
BENCHMARK(BM_AddFolder_PerPathExists)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    // Keep the track cache and preview folders out of the user's home.
    QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path()));
    QCoreApplication app(argc, argv);

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
