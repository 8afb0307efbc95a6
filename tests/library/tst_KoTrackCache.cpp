#include "TestMain.h"

#include "app/JXFileManager.h"
#include "gps/KoGPSModel.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackCache.h"
#include "tests/gps/TrackFixtures.h"

#include <QTemporaryDir>

#include <atomic>
#include <memory>
#include <thread>

namespace {

// A camera without a set clock names every recording from the same start.
const QString kName = QStringLiteral("2000_0101_000000_001A.MP4");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList gpsDirEntries()
{
    return QDir(JXFileManager::instance()->getGpsDir()).entryList(QDir::Files | QDir::Hidden);
}

// The fixture drive `minutes` of arc further north: a file of the same size.
QVector<fixtures::Sample> driveNorthOf(int count, float minutes)
{
    QVector<fixtures::Sample> samples = fixtures::drive(count);
    for (fixtures::Sample &s : samples)
        s.latitude += minutes;
    return samples;
}

bool setModified(const QString &path, const QDateTime &time)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(time, QFileDevice::FileModificationTime);
}

std::unique_ptr<KoFileInfoModel> loaded(const QString &path)
{
    auto recording = std::make_unique<KoFileInfoModel>(QFileInfo(path).fileName(), path);
    recording->loadGPS();
    return recording;
}

} // namespace

class tst_KoTrackCache : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir(JXFileManager::instance()->getGpsDir()).removeRecursively(); }

    // Two recordings of the same name, size and time (different days of a
    // camera without a clock, at a fixed bitrate) share the cache name: each
    // still shows its own route.
    void anotherRecordingOfTheSameNameAndSize()
    {
        QTemporaryDir dir;
        const QString monday = dir.filePath(QStringLiteral("monday/") + kName);
        const QString tuesday = dir.filePath(QStringLiteral("tuesday/") + kName);
        QVERIFY(QDir().mkpath(QFileInfo(monday).path()) && QDir().mkpath(QFileInfo(tuesday).path()));
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(6)).write(monday));
        QVERIFY(fixtures::indexBoxMp4(driveNorthOf(6, 30)).write(tuesday));
        const QDateTime clockless(QDate(2000, 1, 1), QTime(0, 1), Qt::UTC);
        QVERIFY(setModified(monday, clockless) && setModified(tuesday, clockless));
        QCOMPARE(QFileInfo(monday).size(), QFileInfo(tuesday).size());

        const auto first = loaded(monday);
        QVERIFY(qAbs(first->gpsSamples().at(0)->wgsLatitude - 31.2) < 1e-6);
        const auto second = loaded(tuesday);
        QCOMPARE(second->gpsCachePath(), first->gpsCachePath());
        QVERIFY(second->gpsLoaded());
        QVERIFY(qAbs(second->gpsSamples().at(0)->wgsLatitude - 31.7) < 1e-6);
        QVERIFY(second->mapPointsWgs() != first->mapPointsWgs());
        // And back.
        QCOMPARE(loaded(monday)->mapPointsWgs(), first->mapPointsWgs());
        QCOMPARE(gpsDirEntries(), QStringList{QFileInfo(first->gpsCachePath()).fileName()});
    }

    // A cache of the version before the check (no line naming its
    // recording), in both namings: made again once, under the same name.
    void cacheWithoutTheCheckIsMadeAgain()
    {
        QTemporaryDir dir;
        const QByteArray foreign = "A20190523143005,0000.000000,N,00000.000000,E,1.00,0.00,0,0,0,1.0\n";
        for (const bool direct : {false, true}) {
            const QString path = dir.filePath(kName);
            const fixtures::Recording recording = direct ? fixtures::directChunksMp4(fixtures::drive(4))
                                                         : fixtures::indexBoxMp4(fixtures::drive(4));
            QVERIFY(recording.write(path));
            const QString plain = KoFileInfoModel(kName, path).gpsCachePath();
            const QString cache = direct ? QString(plain).replace(".txt", "_haisi.txt") : plain;
            QFile old(cache);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(foreign) == foreign.size());
            old.close();

            const auto recordingNow = loaded(path);
            QVERIFY(recordingNow->gpsLoaded());
            QCOMPARE(recordingNow->haisiTrack(), direct);
            QCOMPARE(recordingNow->gpsCachePath(), cache);
            QCOMPARE(recordingNow->gpsSamples().size(), 4);
            QVERIFY(qAbs(recordingNow->gpsSamples().at(0)->wgsLatitude - 31.2) < 1e-6);
            QVERIFY(readAll(cache).endsWith(KoTrackCache::sourceStamp(path) + '\n'));
            QVERIFY(KoTrackCache::belongsTo(cache, KoTrackCache::sourceStamp(path)));
            QVERIFY(QFile::remove(cache));
        }
    }

    // Two players filling the same cache at once. Two threads stand in for
    // them: the race is in the file system, where the cache is written.
    void twoWritersOfOneCache()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kName);
        const int samples = 3000;
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(samples)).write(path));
        const QString cache = KoFileInfoModel(kName, path).gpsCachePath();
        const QByteArray stamp = KoTrackCache::sourceStamp(path);
        for (int round = 0; round < 20; ++round) {
            QFile::remove(cache);
            std::atomic<int> started{0};
            int counts[2] = {-1, -1};
            auto player = [&](int k) {
                ++started;
                while (started.load() < 2) {
                }
                KoFileInfoModel recording(kName, path);
                recording.loadGPS();
                counts[k] = recording.gpsLoaded() ? recording.gpsSamples().size() : -1;
            };
            std::thread a(player, 0);
            std::thread b(player, 1);
            a.join();
            b.join();
            QCOMPARE(counts[0], samples);
            QCOMPARE(counts[1], samples);
            // One whole file, from one of the two, and nothing left beside it.
            const QByteArray text = readAll(cache);
            QCOMPARE(text.count('\n'), samples + 1);
            QVERIFY(text.endsWith(stamp + '\n'));
            QCOMPARE(gpsDirEntries(), QStringList{QFileInfo(cache).fileName()});
        }
        QCOMPARE(loaded(path)->gpsSamples().size(), samples);
    }
};

TAVRIN_TEST_MAIN(tst_KoTrackCache, QCoreApplication)
#include "tst_KoTrackCache.moc"
