// Adding a folder of dash-camera recordings: constructing the recording
// models (sibling search) and grouping them.
//
// Run: build/bench/library/bench_KoFileInfoModel 2>/dev/null
// (the models write their diagnostic lines to stderr).

#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

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

BENCHMARK(BM_AddFolder_Listing)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9);
BENCHMARK(BM_AddFolder_PerPathExists)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    // Keep the track cache and preview folders out of the user's home.
    QTemporaryDir cacheHome;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path()));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
