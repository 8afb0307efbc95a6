// One hour of driving (3600 samples) stored in each of the three layouts
// of a recording, with about 2 Mbit/s of (sparse) video between the GPS
// records. Measures, with the files in the page cache, the extraction into
// a track text file, the extraction in memory (the parser without the disk)
// and the parsing of the 3600 lines into records.

#include "TrackFixtures.h"
#include "gps/KoGPSModel.h"
#include "gps/KoTrackExtractor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace fixtures;

namespace {

constexpr int kSamples = 3600;
QTemporaryDir *s_dir = nullptr;

QString recordingPath(int layout)
{
    static const char *names[] = {"index_box.mp4", "free_gps.mov", "direct_chunks.mp4"};
    return s_dir->filePath(QString::fromLatin1(names[layout]));
}

KoTrackExtractor::Kind kindOf(int layout)
{
    return layout == 1 ? KoTrackExtractor::MovWalk : KoTrackExtractor::Mp4Walk;
}

bool makeRecordings()
{
    Options o;
    o.gap = 256 * 1024;
    const QVector<Sample> samples = drive(kSamples);
    return indexBoxMp4(samples, o).write(recordingPath(0)) &&
           freeGpsMov(samples, 1, 16, 8000, o).write(recordingPath(1)) &&
           directChunksMp4(samples, o).write(recordingPath(2));
}

void extractToFile(benchmark::State &state)
{
    const int layout = int(state.range(0));
    const QByteArray source = QFile::encodeName(recordingPath(layout));
    const QByteArray output = QFile::encodeName(s_dir->filePath(QStringLiteral("track.txt.tmp")));
    int lines = 0;
    for (auto _ : state) {
        if (extractTrack(source, output, kindOf(layout)) != 0) {
            state.SkipWithError("extraction failed");
            break;
        }
    }
    QFile f(QString::fromLocal8Bit(output));
    if (f.open(QIODevice::ReadOnly))
        lines = f.readAll().count('\n');
    state.counters["lines"] = lines;
    state.SetLabel(QFileInfo(recordingPath(layout)).fileName().toStdString());
}

// The parser alone: the three layouts held in memory (64 bytes between the
// records), the track text into memory.
void extractInMemory(benchmark::State &state)
{
    const int layout = int(state.range(0));
    const QVector<Sample> samples = drive(kSamples);
    const QByteArray file = layout == 0   ? indexBoxMp4(samples).bytes()
                            : layout == 1 ? freeGpsMov(samples, 1, 16, 8000).bytes()
                                          : directChunksMp4(samples).bytes();
    QByteArray track;
    for (auto _ : state) {
        if (extractTrackFromBuffer(file, kindOf(layout), &track) != 0) {
            state.SkipWithError("extraction failed");
            break;
        }
        benchmark::DoNotOptimize(track.data());
    }
    state.counters["lines"] = track.count('\n');
    state.SetLabel(QFileInfo(recordingPath(layout)).fileName().toStdString());
}

void parseTrackLines(benchmark::State &state)
{
    QByteArray track;
    extractTrackFromBuffer(directChunksMp4(drive(kSamples)).bytes(), KoTrackExtractor::Mp4Walk, &track);
    QList<QByteArray> lines = track.split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line += '\n';
    for (auto _ : state) {
        auto recording = std::make_unique<QObject>();
        for (const QByteArray &line : lines)
            new KoGPSModel(line.constData(), recording.get());
        benchmark::DoNotOptimize(recording->children().size());
        state.PauseTiming(); // the records die with their recording
        recording.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines.size();
}

} // namespace

BENCHMARK(extractToFile)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(extractInMemory)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(parseTrackLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    s_dir = &dir;
    if (!dir.isValid() || !makeRecordings()) {
        fprintf(stderr, "cannot write the recordings to %s\n", qPrintable(dir.path()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
