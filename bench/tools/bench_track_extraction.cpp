// Extraction of one-hour tracks (3600 samples) in each layout, as the player
// runs it when a recording is first played, and the GPX conversion of
// track-export. The sample set is made on the first run.
//
//   build/bench/tools/bench_track_extraction [--benchmark_filter=...]

#include "gps/KoTrackExtractor.h"
#include "gps/KoTrackExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QString Samples = QStringLiteral(HOUR_SAMPLES);

struct Layout
{
    const char *file;
    KoTrackExtractor::Kind kind;
};
const Layout Layouts[] = {{"2019_0523_150000_001A.MP4", KoTrackExtractor::Mp4Walk},
                          {"2019_0523_160000_001A.MP4", KoTrackExtractor::Mp4Walk},
                          {"20190523170000_00.MOV", KoTrackExtractor::MovWalk}};

QTemporaryDir *workDir()
{
    static QTemporaryDir dir;
    return &dir;
}

void extract(benchmark::State &state, int layout)
{
    const Layout &l = Layouts[layout];
    const QByteArray source = QFile::encodeName(Samples + QLatin1Char('/') + QLatin1String(l.file));
    const QByteArray output = QFile::encodeName(workDir()->filePath(QStringLiteral("track.txt")));
    for (auto _ : state) {
        if (extractTrack(source, output, l.kind) != 0) {
            state.SkipWithError("extraction failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 3600);
    state.SetLabel(l.file);
}

void BM_ExtractGpsIndexBox(benchmark::State &state)
{
    extract(state, 0);
}
void BM_ExtractDirectChunks(benchmark::State &state)
{
    extract(state, 1);
}
void BM_ExtractFreeGpsChunks(benchmark::State &state)
{
    extract(state, 2);
}

void BM_ExportGpx(benchmark::State &state)
{
    QFile f(Samples + QStringLiteral("/2019_0523_150000_001A.MP4.expected.txt"));
    QByteArrayList lines;
    if (f.open(QIODevice::ReadOnly)) {
        while (!f.atEnd())
            lines.append(f.readLine());
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(KoTrackExport::toGpx(lines, QStringLiteral("hour")));
    state.SetItemsProcessed(state.iterations() * lines.size());
}

BENCHMARK(BM_ExtractGpsIndexBox)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractDirectChunks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractFreeGpsChunks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportGpx)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    // The one-hour set; the maker keeps a complete one.
    QProcess maker;
    maker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    maker.start(QStringLiteral(MAKE_SAMPLES), {Samples, QStringLiteral("--set"), QStringLiteral("hour")});
    if (!maker.waitForFinished(-1) || maker.exitCode() != 0) {
        std::fprintf(stderr, "could not make the one-hour sample set in %s\n", qPrintable(Samples));
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
