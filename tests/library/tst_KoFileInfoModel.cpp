#include "TestMain.h"

#include "app/JXFileManager.h"
#include "gps/KoGPSModel.h"
#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"
#include "library/KoRecording.h"
#include "library/KoTrackCache.h"
#include "tests/gps/TrackFixtures.h"

#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <sys/stat.h>

class tst_KoFileInfoModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }

    void touch(const QStringList &names, qint64 size = 0)
    {
        for (const QString &name : names) {
            QFile f(path(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(size));
        }
    }

    KoFileInfoModel *model(const QString &name, KoDirectoryListing *listing = nullptr)
    {
        return new KoFileInfoModel(name, path(name), this, listing);
    }

    // A recording whose track cache holds `lines`, made from it (the
    // recording itself holds no track, so nothing but the cache can supply
    // one).
    KoFileInfoModel *cachedRecording(const QByteArray &lines, bool direct = false)
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        touch({name}, 1000);
        KoFileInfoModel *m = model(name);
        QString cache = m->gpsCachePath();
        if (direct)
            cache.replace(".txt", "_haisi.txt");
        const QByteArray text =
            lines + (lines.endsWith('\n') ? "" : "\n") + KoTrackCache::sourceStamp(path(name)) + '\n';
        QFile f(cache);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return nullptr;
        return m;
    }

    static QStringList gpsDirEntries()
    {
        return QDir(JXFileManager::instance()->getGpsDir()).entryList(QDir::Files | QDir::Hidden);
    }

    static ino_t inode(const QString &path)
    {
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
    }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        qDeleteAll(findChildren<KoFileInfoModel *>());
        QDir(JXFileManager::instance()->getGpsDir()).removeRecursively();
    }

    void cameraTimeFromTheName()
    {
        const QDateTime t(QDate(2019, 5, 23), QTime(14, 30, 5), Qt::UTC);
        QCOMPARE(KoFileInfoModel::cameraTimeOf("/cards/2019_0523_143005_001A.MP4"), t);
        QCOMPARE(KoFileInfoModel::cameraTimeOf("20190523143005_01_b.MOV"), t);
        QVERIFY(!KoFileInfoModel::cameraTimeOf("2019_1332_143005_001A.MP4").isValid());
        QVERIFY(!KoFileInfoModel::cameraTimeOf("holiday.mp4").isValid());
        QVERIFY(!KoFileInfoModel::cameraTimeOf("2019_05.mp4").isValid());
    }

    void siblingSearch_data()
    {
        QTest::addColumn<QStringList>("folder");
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("channelIndex");
        QTest::addColumn<QStringList>("siblings");

        QTest::newRow("A, B at +1 s and +1 sequence, C")
            << QStringList(
                   {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"})
            << "2019_0523_143005_001A.MP4" << 1
            << QStringList({"2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"});
        QTest::newRow("B alone, others outside the window")
            << QStringList(
                   {"2019_0523_143005_001B.MP4", "2019_0523_143008_001A.MP4", "2019_0523_143005_004C.MP4"})
            << "2019_0523_143005_001B.MP4" << 2 << QStringList();
        // Two front-camera files in the window: both are taken, in candidate
        // order (sequence 0 before sequence 1), and C is not looked for.
        QTest::newRow("first two existing candidates")
            << QStringList({"2019_0523_143005_001B.MP4", "2019_0523_143007_000A.MP4",
                            "2019_0523_143004_001A.MP4", "2019_0523_143005_001C.MP4"})
            << "2019_0523_143005_001B.MP4" << 2
            << QStringList({"2019_0523_143007_000A.MP4", "2019_0523_143004_001A.MP4"});
        QTest::newRow("_01_b, three pieces")
            << QStringList({"20190523143005_01_b.MP4", "20190523143005_00.MP4"}) << "20190523143005_01_b.MP4"
            << 2 << QStringList({"20190523143005_00.MP4"});
        // The suffix's own "_" makes four pieces: the time-window rule runs on
        // a head that is no time, and finds nothing.
        QTest::newRow("_01_b, four pieces")
            << QStringList({"20190523_143005_01_b.MP4", "20190523_143005_00.MP4", "20190523_143005_02_c.MP4"})
            << "20190523_143005_01_b.MP4" << 2 << QStringList();
        QTest::newRow("_00.MOV with _01_b and _02_c")
            << QStringList({"20190523_143005_00.MOV", "20190523_143005_01_b.MOV", "20190523_143005_02_c.MOV"})
            << "20190523_143005_00.MOV" << 1
            << QStringList({"20190523_143005_01_b.MOV", "20190523_143005_02_c.MOV"});
        // Case-sensitive suffixes: a lower-case channel letter matches no row,
        // and a name without suffix is not its own sibling.
        QTest::newRow("lower-case letter")
            << QStringList({"2019_0523_143005_001a.mp4", "2019_0523_143005_001b.mp4"})
            << "2019_0523_143005_001a.mp4" << 0 << QStringList();
        QTest::newRow("no suffix") << QStringList({"clip.mp4"}) << "clip.mp4" << 0 << QStringList();
        QTest::newRow("vanished") << QStringList() << "2019_0523_143005_001A.MP4" << 1 << QStringList();
    }

    void siblingSearch()
    {
        QFETCH(QStringList, folder);
        QFETCH(QString, added);
        QFETCH(int, channelIndex);
        QFETCH(QStringList, siblings);
        touch(folder);
        KoFileInfoModel *m = model(added);
        QCOMPARE(m->channelIndex(), channelIndex);
        QCOMPARE(m->channelCount(), 1 + siblings.size());
        QCOMPARE(m->channelPath(0), path(added));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(m->channelPath(1 + i), i < siblings.size() ? path(siblings.at(i)) : QString());
    }

    void candidateOrderAndMidnight()
    {
        int index = -7;
        const QStringList c = KoFileInfoModel::getBackPath("/v/2019_1231_235959_005B.MOV", &index);
        QCOMPARE(index, 2);
        QCOMPARE(c.size(), 50);
        // Sequence s-2 first; within a sequence the times -1, -2, 0, +1, +2.
        QCOMPARE(c.mid(0, 6), QStringList({"/v/2019_1231_235958_003A.MOV", "/v/2019_1231_235957_003A.MOV",
                                           "/v/2019_1231_235959_003A.MOV", "/v/2020_0101_000000_003A.MOV",
                                           "/v/2020_0101_000001_003A.MOV", "/v/2019_1231_235958_004A.MOV"}));
        QCOMPARE(c.at(24), QStringLiteral("/v/2020_0101_000001_007A.MOV"));
        QCOMPARE(c.at(25), QStringLiteral("/v/2019_1231_235958_003C.MOV"));
        QCOMPARE(c.at(49), QStringLiteral("/v/2020_0101_000001_007C.MOV"));
    }

    void getBackPathWithoutTimeWindow()
    {
        int index = -7;
        QCOMPARE(KoFileInfoModel::getBackPath("/v/20190523143005_01_b.MP4", &index),
                 QStringList({"/v/20190523143005_00.MP4", "/v/20190523143005_02_c.MP4"}));
        QCOMPARE(index, 2);
        index = -7;
        QVERIFY(KoFileInfoModel::getBackPath("/v/clip.mp4", &index).isEmpty());
        QCOMPARE(index, -7);
    }

    void pathsAndCacheNames()
    {
        touch({"2019_0523_143005_001A.MP4"}, 123456789);
        KoFileInfoModel *m = model("2019_0523_143005_001A.MP4");
        const QString gpsDir = QDir::toNativeSeparators(JXFileManager::instance()->getGpsDir());
        const QString previewDir = QDir::toNativeSeparators(JXFileManager::instance()->getPreviewDir());
        QVERIFY(gpsDir.startsWith(QString::fromLocal8Bit(qgetenv("XDG_CACHE_HOME"))));
        QCOMPARE(m->fileName(), QStringLiteral("2019_0523_143005_001A.MP4"));
        QCOMPARE(m->filePath(), QDir::toNativeSeparators(path("2019_0523_143005_001A.MP4")));
        QCOMPARE(m->displayName(), QStringLiteral("2019_0523_143005_001A"));
        QCOMPARE(m->gpsCachePath(), gpsDir + "/2019_0523_143005_001A_123456789.txt");
        QCOMPARE(m->previewPath(), previewDir + "/123456789_2019_0523_143005_001A.jpg");
        QCOMPARE(m->fileInfo().size(), 123456789);
        QVERIFY(!m->gpsLoaded());
        QVERIFY(!m->isPlaying());
        QVERIFY(!m->listIndex().isValid());
        QCOMPARE(m->videoDuration(), 0.0f);
        QVERIFY(!m->previewPixmap().isValid());
    }

    void groupingDoesNotDependOnListOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("A-B-C") << QStringList(
            {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"});
        QTest::newRow("A and C") << QStringList({"2019_0523_143005_001A.MP4", "2019_0523_143005_001C.MP4"});
        QTest::newRow("B and C") << QStringList({"2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"});
        // Only the "_00" file finds its siblings here (the others split into four
        // pieces at "_"); the group must still hold together.
        QTest::newRow("00-01_b-02_c") << QStringList(
            {"20190523_143005_00.MOV", "20190523_143005_01_b.MOV", "20190523_143005_02_c.MOV"});
    }

    void groupingDoesNotDependOnListOrder()
    {
        QFETCH(QStringList, names);
        touch(names);
        // A recording of another minute in the same folder stays apart.
        touch({"2019_0523_143105_003A.MP4", "2019_0523_143105_003B.MP4"});
        QList<KoFileInfoModel *> all;
        for (const QString &name :
             names + QStringList({"2019_0523_143105_003A.MP4", "2019_0523_143105_003B.MP4"}))
            all.append(model(name));

        std::vector<int> order(all.size());
        std::iota(order.begin(), order.end(), 0);
        do {
            QList<KoFileInfoModel *> list;
            for (int i : order)
                list.append(all.at(i));
            const QVector<KoRecording> recordings = KoRecording::group(list);

            // The group's members, in channel order, and the other minute's.
            QList<KoFileInfoModel *> group = all.mid(0, names.size());
            std::sort(group.begin(), group.end(), [](KoFileInfoModel *a, KoFileInfoModel *b) {
                return a->channelIndex() < b->channelIndex();
            });
            QVector<KoRecording::Channel> channels;
            for (KoFileInfoModel *m : group)
                channels.append({m->filePath(), m->channelIndex()});
            KoFileInfoModel *otherA = all.at(names.size());
            KoFileInfoModel *otherB = all.at(names.size() + 1);
            const KoRecording other({{otherA->filePath(), 1}, {otherB->filePath(), 2}});
            QCOMPARE(recordings.size(), 2);
            QVERIFY(recordings.contains(KoRecording(channels)));
            QVERIFY(recordings.contains(other));
        } while (std::next_permutation(order.begin(), order.end()));
    }

    void regroupingAfterDeletion()
    {
        touch({"2019_0523_143005_001A.MP4", "2019_0523_143005_001B.MP4", "2019_0523_143005_001C.MP4"});
        QList<KoFileInfoModel *> list = {model("2019_0523_143005_001C.MP4"),
                                         model("2019_0523_143005_001A.MP4"),
                                         model("2019_0523_143005_001B.MP4")};
        KoFileInfoModel *c = list.at(0), *a = list.at(1), *b = list.at(2);
        auto channelsOf = [](std::initializer_list<KoFileInfoModel *> models) {
            QVector<KoRecording::Channel> channels;
            for (KoFileInfoModel *m : models)
                channels.append({m->filePath(), m->channelIndex()});
            return KoRecording(channels);
        };
        QCOMPARE(KoRecording::group(list), QVector<KoRecording>({channelsOf({a, b, c})}));

        // The list drops B (the file stays on disk): A and C stay together.
        list.removeOne(b);
        delete b;
        QCOMPARE(KoRecording::group(list), QVector<KoRecording>({channelsOf({a, c})}));

        // A file without channel suffix joins no group.
        touch({"2019_0523_143005_001a.mp4"});
        KoFileInfoModel *alone = model("2019_0523_143005_001a.mp4");
        list.prepend(alone);
        QCOMPARE(KoRecording::group(list), QVector<KoRecording>({channelsOf({alone}), channelsOf({a, c})}));
    }

    void firstLoadExtractsOnceIntoTheCache()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(5)).write(path(name)));
        KoFileInfoModel *m = model(name);
        const QString cache = m->gpsCachePath();
        QVERIFY(!QFile::exists(cache));

        m->loadGPS();
        QVERIFY(m->gpsLoaded());
        QVERIFY(!m->haisiTrack());
        QCOMPARE(m->gpsCachePath(), cache);
        QCOMPARE(gpsDirEntries(), QStringList({QFileInfo(cache).fileName()}));
        QCOMPARE(m->gpsSamples().size(), 5);
        const QByteArray text = readAll(cache);
        QCOMPARE(text.count('\n'), 6); // and the line naming the recording
        QVERIFY(text.endsWith(KoTrackCache::sourceStamp(path(name)) + '\n'));
        QVERIFY(text.startsWith(
            "A20190523140000,3112.000000,N,12130.000000,E,0.00,0.00,-25,-34,1021,35.500000\n"));
        const KoGPSModel *third = m->gpsSamples().at(2);
        QCOMPARE(third->status, 'A');
        QCOMPARE(third->parent(), m);
        QCOMPARE(third->gForceX(), -23 / 256.0f);

        // Loaded once: a second call neither reads nor extracts.
        QVERIFY(QFile::remove(cache));
        m->loadGPS();
        QVERIFY(!QFile::exists(cache));
        QCOMPARE(m->gpsSamples().size(), 5);
    }

    void laterRunReadsTheCacheWithoutExtracting()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(4)).write(path(name)));
        // A cache of the version before the check (no line names its
        // recording) is made again.
        const QString cache = model(name)->gpsCachePath();
        QFile old(cache);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("V20190523143005,0,N,0,E,0,0,0,0,0,0\n") > 0);
        old.close();
        model(name)->loadGPS();

        // The cache file is read as it is: not written again (a new file
        // would replace it).
        const ino_t written = inode(cache);
        KoFileInfoModel *again = model(name);
        again->loadGPS();
        QCOMPARE(again->gpsSamples().size(), 4);
        QCOMPARE(qRound(again->gpsSamples().at(0)->wgsLatitude * 10), 312);
        QCOMPARE(inode(cache), written);

        // Another recording of the same name, size and time (another day of
        // a camera without a clock, at a fixed bitrate) gets its own track.
        QVector<fixtures::Sample> north = fixtures::drive(4);
        for (fixtures::Sample &s : north)
            s.latitude += 30;
        const QDateTime time = QFileInfo(path(name)).lastModified();
        QVERIFY(fixtures::indexBoxMp4(north).write(path(name)));
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(time, QFileDevice::FileModificationTime));
        KoFileInfoModel *replaced = model(name);
        QCOMPARE(replaced->gpsCachePath(), cache);
        replaced->loadGPS();
        QCOMPARE(replaced->gpsSamples().size(), 4);
        QCOMPARE(qRound(replaced->gpsSamples().at(0)->wgsLatitude * 10), 317);
    }

    // Two players filling the same cache at once (two threads stand in for
    // them: the race is in the file system): each gets the whole track, and
    // one whole cache file is left, with nothing beside it (not even the
    // half file an older version left under its fixed temporary name).
    void twoWritersOfOneCache()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        const int samples = 3000;
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(samples)).write(path(name)));
        const QString cache = model(name)->gpsCachePath();
        for (int round = 0; round < 20; ++round) {
            QFile::remove(cache);
            if (round == 0) {
                QFile leftover(cache + QStringLiteral(".tmp"));
                QVERIFY(leftover.open(QIODevice::WriteOnly) && leftover.write("A2019052314") > 0);
            }
            std::atomic<int> started{0};
            int counts[2] = {-1, -1};
            auto player = [&](int k) {
                for (++started; started.load() < 2;) {
                }
                KoFileInfoModel recording(name, path(name));
                recording.loadGPS();
                counts[k] = recording.gpsLoaded() ? recording.gpsSamples().size() : -1;
            };
            std::thread a(player, 0), b(player, 1);
            a.join();
            b.join();
            QCOMPARE(counts[0], samples);
            QCOMPARE(counts[1], samples);
            QCOMPARE(readAll(cache).count('\n'), samples + 1); // the lines and the recording's
            QVERIFY(KoTrackCache::belongsTo(cache, KoTrackCache::sourceStamp(path(name))));
            QCOMPARE(gpsDirEntries(), QStringList{QFileInfo(cache).fileName()});
        }
    }

    // A recording that has finished gives its track back: no sample objects,
    // series or route stay. The next load reads the same track from the
    // cache, in the finer G-sensor scale of direct chunks, without
    // extracting again.
    void unloadedTrackIsFreedAndReadAgainFromTheCache()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        QVERIFY(fixtures::directChunksMp4(fixtures::drive(6)).write(path(name)));
        KoFileInfoModel *m = model(name);
        m->unloadTrack(); // nothing loaded yet: nothing to do
        QVERIFY(!m->gpsLoaded());
        m->loadGPS();
        QVERIFY(m->gpsLoaded());
        QCOMPARE(m->children().size(), 6);
        const QString route = m->mapPointsWgs();
        const QString routeBd = m->mapPointsBd();
        const QList<float> zs = m->gForceZs();
        QVERIFY(route.count(QLatin1String("{lng:")) >= 4 && m->hasGSensor());
        const QString cache = m->gpsCachePath();
        const ino_t written = inode(cache);

        m->unloadTrack();
        QVERIFY(!m->gpsLoaded());
        QVERIFY(m->gpsSamples().isEmpty());
        QVERIFY(m->children().isEmpty());
        QVERIFY(m->mapPointsBd().isEmpty() && m->mapPointsWgs().isEmpty() && m->mapPointsWgs2().isEmpty());
        QVERIFY(m->gForceXs().isEmpty() && m->gForceYs().isEmpty() && m->gForceZs().isEmpty());
        QVERIFY(!m->hasGSensor());

        m->loadGPS();
        QVERIFY(m->gpsLoaded() && m->haisiTrack());
        QCOMPARE(inode(cache), written);
        QCOMPARE(m->gpsSamples().size(), 6);
        QVERIFY(m->gpsSamples().last()->fineGScale);
        QCOMPARE(m->mapPointsWgs(), route);
        QCOMPARE(m->mapPointsWgs2(), route);
        QCOMPARE(m->mapPointsBd(), routeBd);
        QCOMPARE(m->gForceZs(), zs);
        QVERIFY(m->hasGSensor());
    }

    void directChunksTrackIsMarkedHaisi()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        QVERIFY(fixtures::directChunksMp4(fixtures::drive(3)).write(path(name)));
        KoFileInfoModel *m = model(name);
        const QString plain = m->gpsCachePath();
        m->loadGPS();
        QVERIFY(m->gpsLoaded());
        QVERIFY(m->haisiTrack());
        QCOMPARE(m->gpsCachePath(), QString(plain).replace(".txt", "_haisi.txt"));
        QCOMPARE(gpsDirEntries(), QStringList({QFileInfo(m->gpsCachePath()).fileName()}));

        // A new run finds the marked cache and reads the finer G-sensor scale.
        KoFileInfoModel *again = model(name);
        QCOMPARE(again->gpsCachePath(), plain);
        again->loadGPS();
        QVERIFY(again->haisiTrack());
        QCOMPARE(again->gpsSamples().size(), 3);
        for (const KoGPSModel *sample : again->gpsSamples()) {
            QVERIFY(sample->fineGScale);
            QCOMPARE(sample->gForceZ(), 1021 / 4096.0f);
        }
        QCOMPARE(again->gForceXs(), QList<float>({-25 / 4096.0f, -24 / 4096.0f, -23 / 4096.0f}));
    }

    void mapPointsAndSeries_data()
    {
        QTest::addColumn<QByteArray>("cache");
        QTest::addColumn<QString>("wgs");
        QTest::addColumn<QList<float>>("gForceX");
        QTest::addColumn<bool>("hasGSensor");

        // Shanghai (the display list is BD-09 there); the last sample has no
        // fix, so the list ends in ",]".
        QTest::newRow("last sample without fix")
            << QByteArray("A20190523143005,3112.500000,N,12130.000000,E,1.00,0.00,0,0,0,1.0\n"
                          "A20190523143006,3112.600000,N,12130.100000,E,1.00,0.00,0,0,0,1.0\n"
                          "V20190523143007,0.000000,N,0.000000,E,0.00,0.00,0,0,0,0.0\n")
            << "[{lng:121.500000,lat:31.208333},{lng:121.501667,lat:31.210000},]" << QList<float>({0, 0, 0})
            << false;
        QTest::newRow("last sample with fix, CR LF")
            << QByteArray("V20190523143005,0.000000,N,0.000000,E,0.00,0.00,0,0,0,0.0\r\n"
                          "A20190523143006,5130.000000,N,00006.000000,W,1.00,0.00,0,0,0,1.0\r\n")
            << "[{lng:-0.100000,lat:51.500000}]" << QList<float>({0, 0}) << false;
        QTest::newRow("no fix at all")
            << QByteArray("V20190523143005,0.000000,N,0.000000,E,0.00,0.00,256,0,-512,0.0\n"
                          "V20190523143006,0.000000,N,0.000000,E,0.00,0.00,0,0,0,0.0\n")
            << "[]" << QList<float>({1, 0}) << true;
        QTest::newRow("one sample")
            << QByteArray("A20190523143005,3112.500000,N,12130.000000,E,1.00,0.00,9,9,9,1.0\n") << QString()
            << QList<float>() << false;
    }

    void mapPointsAndSeries()
    {
        QFETCH(QByteArray, cache);
        QFETCH(QString, wgs);
        QFETCH(QList<float>, gForceX);
        QFETCH(bool, hasGSensor);
        KoFileInfoModel *m = cachedRecording(cache);
        QVERIFY(m);
        m->loadGPS();
        QVERIFY(m->gpsLoaded());
        QCOMPARE(m->gpsSamples().size(), cache.count('\n'));
        QCOMPARE(m->mapPointsWgs(), wgs);
        QCOMPARE(m->mapPointsWgs2(), wgs);
        QCOMPARE(m->gForceXs(), gForceX);
        QCOMPARE(m->gForceZs().size(), gForceX.size());
        QCOMPARE(m->hasGSensor(), hasGSensor);

        // The display list: BD-09 inside China, the same as WGS-84 elsewhere.
        if (QTest::currentDataTag() == QLatin1String("last sample without fix")) {
            QVERIFY(m->mapPointsBd() != wgs);
            QCOMPARE(m->mapPointsBd().count("{lng:"), 2);
            QVERIFY(m->mapPointsBd().endsWith("},]"));
        } else {
            QCOMPARE(m->mapPointsBd(), wgs);
        }
    }

    void malformedCacheLines()
    {
        QByteArray lines = "A20190523143005,3112.500000,N,12130.000000,E,1.00,0.00,1,2,3,1.0\n"
                           "\n"
                           "garbage,,,\n";
        lines += "A" + QByteArray(1000, '9') + ",1,N,1,E\n"; // one over-long line: one sample
        lines += QByteArray("A2019") + '\0' + QByteArray("\xff\xfe,,\n");
        lines += "A20190523143006,3112.500000,N"; // cut short, no line break
        KoFileInfoModel *m = cachedRecording(lines);
        QVERIFY(m);
        m->loadGPS();
        QVERIFY(m->gpsLoaded());
        QCOMPARE(m->gpsSamples().size(), 6);
        QCOMPARE(m->gpsSamples().at(2)->status, 'g');
        QCOMPARE(m->gpsSamples().at(4)->status, 'A');
        QVERIFY(qAbs(m->gpsSamples().at(5)->wgsLatitude - 31.208333) < 1e-6);
        QCOMPARE(m->gForceXs().size(), 6);
    }

    void lineOfExactlyTheLimitReadWhole()
    {
        // 255 bytes with the line break, the longest line extraction writes:
        // its last digit (the altitude's) must not be cut off.
        QByteArray longest = "A20190523143005,3112.500000,N,12130.000000,E,1.00,0.00,1,2,3,0.000001\n";
        longest.insert(16, QByteArray(255 - longest.size(), '0'));
        QCOMPARE(longest.size(), 255);
        KoFileInfoModel *m =
            cachedRecording(longest + "A20190523143006,3113.000000,N,12130.000000,E,1.00,0.00,1,2,3,2.0\n");
        QVERIFY(m);
        m->loadGPS();
        QCOMPARE(m->gpsSamples().size(), 2);
        QVERIFY(qAbs(m->gpsSamples().at(0)->wgsLatitude - 31.208333) < 1e-6);
        QVERIFY(m->gpsSamples().at(0)->altitude > 0);
        QCOMPARE(m->gpsSamples().at(1)->altitude, 2.0f);
    }

    void everyChannelSuffix_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QStringList>("siblings");
        QTest::addColumn<int>("channelIndex");
        const char *const letters[] = {"A", "B", "C"};
        for (const char *ext : {".MP4", ".mp4", ".mov", ".MOV", ".avi", ".AVI", ".TS", ".ts"}) {
            for (int c = 0; c < 3; ++c) {
                QStringList siblings;
                for (int o = 0; o < 3; ++o) {
                    if (o != c)
                        siblings << QLatin1String(letters[o]) + QLatin1String(ext);
                }
                const QString own = QLatin1String(letters[c]) + QLatin1String(ext);
                QTest::newRow(qPrintable(own)) << own << siblings << c + 1;
            }
        }
        for (const char *ext : {".MP4", ".MOV"}) {
            const QString e = QLatin1String(ext);
            QTest::newRow(qPrintable("_00" + e)) << "_00" + e << QStringList({"_01_b" + e, "_02_c" + e}) << 1;
            QTest::newRow(qPrintable("_01_b" + e))
                << "_01_b" + e << QStringList({"_00" + e, "_02_c" + e}) << 2;
            QTest::newRow(qPrintable("_02_c" + e))
                << "_02_c" + e << QStringList({"_00" + e, "_01_b" + e}) << 3;
        }
    }

    // Every row of the channel-suffix table: its channel and its two
    // siblings, for a name outside the time-window rule.
    void everyChannelSuffix()
    {
        QFETCH(QString, own);
        QFETCH(QStringList, siblings);
        QFETCH(int, channelIndex);
        int index = -7;
        const QString head = QStringLiteral("/v/20190523143005");
        QCOMPARE(KoFileInfoModel::getBackPath(head + own, &index),
                 QStringList({head + siblings.at(0), head + siblings.at(1)}));
        QCOMPARE(index, channelIndex);
    }

    void unreadableCacheFile()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        touch({name}, 10);
        KoFileInfoModel *m = model(name);
        // A folder where the cache file should be: exists, cannot be read.
        QVERIFY(QDir().mkpath(m->gpsCachePath()));
        m->loadGPS();
        QVERIFY(!m->gpsLoaded());
        m->loadGPS();
        QVERIFY(!m->gpsLoaded());
        QVERIFY(m->gpsSamples().isEmpty());
    }

    void failedExtractionLeavesNoCache()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        touch({name}, 4000);
        KoFileInfoModel *m = model(name);
        m->loadGPS();
        QVERIFY(!m->gpsLoaded());
        QVERIFY(!QFile::exists(m->gpsCachePath()));

        // A transport stream carries no track that can be extracted.
        const QString ts = QStringLiteral("2019_0523_143005_001A.TS");
        QFile tsFile(path(ts));
        QVERIFY(tsFile.open(QIODevice::WriteOnly));
        for (int i = 0; i < 100; ++i)
            tsFile.write(fixtures::makeTsPacket(quint16(0x100 + i % 3), i % 10 == 0));
        tsFile.close();
        KoFileInfoModel *stream = model(ts);
        stream->loadGPS();
        QVERIFY(!stream->gpsLoaded());

        // The recording vanished after it was listed.
        const QString other = QStringLiteral("2019_0523_143105_002A.MP4");
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(3)).write(path(other)));
        KoFileInfoModel *gone = model(other);
        QVERIFY(QFile::remove(path(other)));
        gone->loadGPS();
        QVERIFY(!gone->gpsLoaded());
        QVERIFY(!QFile::exists(gone->gpsCachePath()));
        for (const QString &entry : gpsDirEntries())
            QVERIFY2(!entry.endsWith(".txt"), qPrintable(entry));
    }

    void emptyCacheIsExtractedAgain()
    {
        const QString name = QStringLiteral("2019_0523_143005_001A.MP4");
        QVERIFY(fixtures::indexBoxMp4(fixtures::drive(3)).write(path(name)));
        KoFileInfoModel *m = model(name);
        QFile empty(m->gpsCachePath());
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        m->loadGPS();
        QCOMPARE(m->gpsSamples().size(), 3);
        QCOMPARE(readAll(m->gpsCachePath()).count('\n'), 4);
    }

    // The sample set: real recordings with the camera's names and layouts.
    void sampleSetGroupsIntoRecordings()
    {
        const QDir dir(QStringLiteral(TAVRIN_SAMPLES_DIR));
        const QStringList files = dir.entryList({"*.MP4", "*.MOV", "*.TS"}, QDir::Files);
        QCOMPARE(files.size(), 12);
        KoDirectoryListing listing;
        QList<KoFileInfoModel *> list;
        QHash<QString, KoFileInfoModel *> byName;
        for (const QString &name : files) {
            list.append(new KoFileInfoModel(name, dir.filePath(name), this, &listing));
            byName.insert(name, list.last());
        }
        std::sort(list.begin(), list.end(),
                  [](KoFileInfoModel *a, KoFileInfoModel *b) { return a->filePath() < b->filePath(); });
        const QVector<KoRecording> grouped = KoRecording::group(list);
        QCOMPARE(grouped.size(), 7);

        const QList<QStringList> recordings = {
            {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"},
            {"2019_0523_143015_002A.MP4", "2019_0523_143016_003B.MP4", "2019_0523_143015_002C.MP4"},
            {"20190523143025_00.MOV", "20190523143025_01_b.MOV"},
            {"2019_0601_080000_001A.MP4"},
            {"2019_0714_164530_001A.MOV"},
            {"2019_0801_101010_001A.TS"},
            {"2019_0801_101500_001A.MP4"}};
        for (const QStringList &names : recordings) {
            for (int i = 0; i < names.size(); ++i) {
                KoFileInfoModel *m = byName.value(names.at(i));
                QVERIFY2(m, qPrintable(names.at(i)));
                QCOMPARE(m->channelIndex(), i + 1);
                QCOMPARE(m->channelCount(), names.size());
                const KoRecording::Channel channel{m->filePath(), i + 1};
                const auto in = std::find_if(grouped.cbegin(), grouped.cend(),
                                             [&](const KoRecording &r) { return r.contains(m->filePath()); });
                QVERIFY(in != grouped.cend());
                QCOMPARE(in->channelCount(), names.size());
                QCOMPARE(in->channels().at(i), channel);
            }
        }
    }

    void sampleTracksAreCachedAsExtracted()
    {
        const QDir dir(QStringLiteral(TAVRIN_SAMPLES_DIR));
        QFile manifest(dir.filePath("manifest.tsv"));
        QVERIFY(manifest.open(QIODevice::ReadOnly | QIODevice::Text));
        int recordings = 0;
        while (!manifest.atEnd()) {
            // name, layout, extractor kind, channel, samples, place
            const QStringList fields = QString::fromUtf8(manifest.readLine()).trimmed().split('\t');
            if (fields.size() < 5 || fields.at(0).startsWith(QLatin1Char('#')))
                continue;
            ++recordings;
            const QString name = fields.at(0);
            const bool direct = fields.at(1) == QLatin1String("direct");
            const int samples = fields.at(4).toInt();

            KoFileInfoModel *m = new KoFileInfoModel(name, dir.filePath(name), this);
            m->loadGPS();
            if (samples == 0) {
                // A transport stream, or an MP4 without any track.
                QVERIFY2(!m->gpsLoaded(), qPrintable(name));
                continue;
            }
            QVERIFY2(m->gpsLoaded(), qPrintable(name));
            QCOMPARE(m->haisiTrack(), direct);
            QCOMPARE(m->gpsCachePath().endsWith("_haisi.txt"), direct);
            QCOMPARE(readAll(m->gpsCachePath()), readAll(dir.filePath(name + ".expected.txt")) +
                                                     KoTrackCache::sourceStamp(dir.filePath(name)) + '\n');
            QCOMPARE(m->gpsSamples().size(), samples);
            QCOMPARE(m->gForceYs().size(), samples);
            QVERIFY(m->hasGSensor());
            QVERIFY(!QFile::exists(m->gpsCachePath() + ".tmp"));
            int fixes = 0;
            for (const KoGPSModel *sample : m->gpsSamples()) {
                QCOMPARE(sample->fineGScale, direct);
                fixes += sample->status == 'A';
            }
            QCOMPARE(m->mapPointsBd().count("{lng:"), fixes);
            QCOMPARE(m->mapPointsWgs().count("{lng:"), fixes);
        }
        QCOMPARE(recordings, 12);
    }

    void listingFindsTheSameSiblings()
    {
        // A folder with several recordings around the same seconds, a folder
        // and a dangling link named like siblings: the listing must find
        // exactly what per-path tests find.
        QStringList names;
        for (int second = 0; second < 8; ++second) {
            for (int seq = 0; seq < 3; ++seq) {
                const char channel = "ABC"[(second + seq) % 3];
                names << QString::asprintf("2019_0523_1430%02d_%03d%c.MP4", second * 2, seq + second,
                                           channel);
            }
        }
        touch(names);
        QVERIFY(QDir(m_dir->path()).mkdir("2019_0523_143001_001B.MP4"));
        QVERIFY(QFile::link(path("nowhere"), path("2019_0523_143003_002C.MP4")));
        QVERIFY(QFile::link(path(names.first()), path("2019_0523_143001_001C.MP4")));
        names << "2019_0523_143002_001A.MP4";

        KoDirectoryListing listing;
        for (const QString &name : names) {
            std::unique_ptr<KoFileInfoModel> plain(new KoFileInfoModel(name, path(name)));
            std::unique_ptr<KoFileInfoModel> listed(new KoFileInfoModel(name, path(name), nullptr, &listing));
            QCOMPARE(listed->channelCount(), plain->channelCount());
            for (int i = 0; i < 3; ++i)
                QCOMPARE(listed->channelPath(i), plain->channelPath(i));
        }
        QCOMPARE(listing.listedDirectoryCount(), 1);
    }
};

TAVRIN_TEST_MAIN(tst_KoFileInfoModel, QCoreApplication)
#include "tst_KoFileInfoModel.moc"
