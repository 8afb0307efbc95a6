// Driving events over one hour of driving (3600 samples of the program's own
// synthetic drive, the one behind the sample recordings), from the records a
// loaded recording holds: with the G-sensor in both scales and with the GPS
// speed alone. Beside it, what a file list row's tool tip and a click on a
// trip's route cost: the summary of a one-hour track read from its cache
// file, and the nearest moment on a two-hour trip.

#include "gps/KoDrivingEvents.h"
#include "gps/KoGPSModel.h"
#include "library/KoTrackSummary.h"
#include "library/KoTrips.h"
#include "tools/samples/KoSyntheticDrive.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kSeconds = 3600;

// An hour with its one hard braking, and two hours for a trip of two
// recordings.
const KoSyntheticDrive &drive(int hours)
{
    static const QDateTime start(QDate(2019, 5, 23), QTime(15, 0), Qt::UTC);
    static const KoSyntheticDrive one(KoSyntheticDrive::Munich, start, kSeconds);
    static const KoSyntheticDrive two(KoSyntheticDrive::Munich, start, 2 * kSeconds);
    return hours == 1 ? one : two;
}

QByteArray trackText(int hours, int first, int countsPerG, bool gSensor)
{
    QByteArray text;
    for (KoDriveSample s : drive(hours).samples(first, kSeconds, false, countsPerG)) {
        if (!gSensor)
            s.gX = s.gY = s.gZ = 0;
        text += s.toTrackLine(false);
    }
    return text;
}

QList<KoGPSModel *> records(const QByteArray &text, bool fineGScale, QObject *owner)
{
    QList<KoGPSModel *> out;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        auto *m = new KoGPSModel(line, owner);
        m->fineGScale = fineGScale;
        out.append(m);
    }
    return out;
}

// Arg 0: 1/256 g, 1: 1/4096 g, 2: no G-sensor (GPS speed only).
void BM_DetectEvents(benchmark::State &state)
{
    const int variant = int(state.range(0));
    QObject owner;
    const QList<KoGPSModel *> track =
        records(trackText(1, 0, variant == 1 ? 4096 : 256, variant != 2), variant == 1, &owner);
    const KoDrivingEvents::Thresholds thresholds;
    int events = 0;
    for (auto _ : state) {
        const QVector<KoDrivingEvents::Event> found = KoDrivingEvents::detect(track, thresholds);
        events = found.size();
        benchmark::DoNotOptimize(found.constData());
    }
    state.counters["samples"] = track.size();
    state.counters["events"] = events;
}

void BM_SummaryFromCache(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2019_0523_150000_001A_12345.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(trackText(1, 0, 256, true)) <= 0) {
        state.SkipWithError("cannot write the cache file");
        return;
    }
    file.close();
    int events = 0;
    for (auto _ : state) {
        const KoTrackSummary s = KoTrackSummary::fromCache(path);
        events = s.eventCount();
        benchmark::DoNotOptimize(s.distanceKm);
    }
    state.counters["events"] = events;
}

void BM_NearestMomentTwoHourTrip(benchmark::State &state)
{
    QObject owner;
    const QVector<QList<KoGPSModel *>> trip = {records(trackText(2, 0, 256, true), false, &owner),
                                               records(trackText(2, kSeconds, 256, true), false, &owner)};
    const KoGPSModel *target = trip[1][1234];
    int second = 0;
    for (auto _ : state) {
        const KoTrips::Moment m = KoTrips::nearestMoment(trip, target->wgsLatitude, target->wgsLongitude);
        second = m.second;
        benchmark::DoNotOptimize(m.distanceMetres);
    }
    state.counters["second"] = second;
}

} // namespace

BENCHMARK(BM_DetectEvents)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SummaryFromCache)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_NearestMomentTwoHourTrip)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The record parser's region reports go to standard output: the figures
    // go to the original one, the reports to /dev/null.
    fflush(stdout);
    const int terminal = dup(1);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, 1);
    close(devNull);
    std::ofstream out("/proc/self/fd/" + std::to_string(terminal));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&out);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
