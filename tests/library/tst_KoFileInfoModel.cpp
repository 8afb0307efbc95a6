#include "TestMain.h"

#include "app/JXFileManager.h"
#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"

#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

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

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        qDeleteAll(findChildren<KoFileInfoModel *>());
    }

    void threeChannelsWithinTheTimeWindow()
    {
        touch({"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"});
        KoFileInfoModel *a = model("2019_0523_143005_001A.MP4");
        QCOMPARE(a->channelIndex(), 1);
        QCOMPARE(a->channelCount(), 3);
        QCOMPARE(a->channelPath(0), path("2019_0523_143005_001A.MP4"));
        QCOMPARE(a->channelPath(1), path("2019_0523_143006_002B.MP4"));
        QCOMPARE(a->channelPath(2), path("2019_0523_143005_001C.MP4"));
    }

    void loneRearChannel()
    {
        touch({"2019_0523_143005_001B.MP4", "2019_0523_143008_001A.MP4", "2019_0523_143005_004C.MP4"});
        KoFileInfoModel *b = model("2019_0523_143005_001B.MP4");
        QCOMPARE(b->channelIndex(), 2);
        QCOMPARE(b->channelCount(), 1);
        QVERIFY(b->channelPath(1).isEmpty());
        QVERIFY(b->channelPath(2).isEmpty());
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

    void underscoreSchemeWithThreePieces()
    {
        touch({"20190523143005_01_b.MP4", "20190523143005_00.MP4"});
        int index = 0;
        QCOMPARE(KoFileInfoModel::getBackPath(path("20190523143005_01_b.MP4"), &index),
                 QStringList({path("20190523143005_00.MP4"), path("20190523143005_02_c.MP4")}));
        QCOMPARE(index, 2);
        KoFileInfoModel *b = model("20190523143005_01_b.MP4");
        QCOMPARE(b->channelIndex(), 2);
        QCOMPARE(b->channelCount(), 2);
        QCOMPARE(b->channelPath(1), path("20190523143005_00.MP4"));
    }

    void underscoreSchemeWithFourPiecesFindsNothing()
    {
        // The suffix's own "_" makes four pieces: the time-window rule runs on
        // a head that is no time, and finds nothing.
        touch({"20190523_143005_01_b.MP4", "20190523_143005_00.MP4", "20190523_143005_02_c.MP4"});
        KoFileInfoModel *b = model("20190523_143005_01_b.MP4");
        QCOMPARE(b->channelIndex(), 2);
        QCOMPARE(b->channelCount(), 1);
    }

    void underscoreSchemeMovThreeChannels()
    {
        touch({"20190523_143005_00.MOV", "20190523_143005_01_b.MOV", "20190523_143005_02_c.MOV"});
        KoFileInfoModel *m = model("20190523_143005_00.MOV");
        QCOMPARE(m->channelIndex(), 1);
        QCOMPARE(m->channelCount(), 3);
        QCOMPARE(m->channelPath(1), path("20190523_143005_01_b.MOV"));
        QCOMPARE(m->channelPath(2), path("20190523_143005_02_c.MOV"));
    }

    void unmatchedNameHasNoSiblings()
    {
        touch({"2019_0523_143005_001a.mp4", "2019_0523_143005_001b.mp4", "clip.mp4"});
        int index = -7;
        QVERIFY(KoFileInfoModel::getBackPath(path("clip.mp4"), &index).isEmpty());
        QCOMPARE(index, -7);
        for (const char *name : {"2019_0523_143005_001a.mp4", "clip.mp4"}) {
            KoFileInfoModel *m = model(name);
            QCOMPARE(m->channelIndex(), 0);
            // Not its own sibling.
            QCOMPARE(m->channelCount(), 1);
            QVERIFY(m->channelPath(1).isEmpty());
        }
    }

    void firstTwoExistingCandidatesWin()
    {
        // Two front-camera files in the window: both are taken, in candidate
        // order (sequence 0 comes before sequence 1), and C is not looked for.
        touch({"2019_0523_143005_001B.MP4", "2019_0523_143007_000A.MP4", "2019_0523_143004_001A.MP4",
               "2019_0523_143005_001C.MP4"});
        KoFileInfoModel *b = model("2019_0523_143005_001B.MP4");
        QCOMPARE(b->channelCount(), 3);
        QCOMPARE(b->channelPath(1), path("2019_0523_143007_000A.MP4"));
        QCOMPARE(b->channelPath(2), path("2019_0523_143004_001A.MP4"));
    }

    void outsideTheWindowIsAnotherRecording()
    {
        touch({"2019_0523_143005_001A.MP4", "2019_0523_143008_001B.MP4", "2019_0523_143005_004C.MP4"});
        QCOMPARE(model("2019_0523_143005_001A.MP4")->channelCount(), 1);
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

    void nameWithSeveralDots()
    {
        touch({"drive.2019.mp4"}, 10);
        KoFileInfoModel *m = model("drive.2019.mp4");
        QCOMPARE(m->displayName(), QStringLiteral("drive.2019"));
        QVERIFY(m->gpsCachePath().endsWith("/drive_10.txt"));
        QVERIFY(m->previewPath().endsWith("/10_drive.jpg"));
    }

    void vanishedFile()
    {
        KoFileInfoModel *m = model("2019_0523_143005_001A.MP4");
        QCOMPARE(m->channelCount(), 1);
        QVERIFY(m->gpsCachePath().endsWith("/2019_0523_143005_001A_0.txt"));
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
            KoFileInfoModel::groupRecordings(list);

            for (int i = 1; i < list.size(); ++i)
                QVERIFY(list.at(i - 1)->filePath() < list.at(i)->filePath());
            // The group's members, in channel order.
            QList<KoFileInfoModel *> group = all.mid(0, names.size());
            std::sort(group.begin(), group.end(), [](KoFileInfoModel *a, KoFileInfoModel *b) {
                return a->channelIndex() < b->channelIndex();
            });
            for (int i = 0; i < group.size(); ++i) {
                QCOMPARE(group.at(i)->prevRecording(), i > 0 ? group.at(i - 1) : nullptr);
                QCOMPARE(group.at(i)->nextRecording(), i + 1 < group.size() ? group.at(i + 1) : nullptr);
            }
            KoFileInfoModel *otherA = all.at(names.size());
            KoFileInfoModel *otherB = all.at(names.size() + 1);
            QCOMPARE(otherA->prevRecording(), nullptr);
            QCOMPARE(otherA->nextRecording(), otherB);
            QCOMPARE(otherB->prevRecording(), otherA);
            QCOMPARE(otherB->nextRecording(), nullptr);
        } while (std::next_permutation(order.begin(), order.end()));
    }

    void regroupingAfterDeletion()
    {
        touch({"2019_0523_143005_001A.MP4", "2019_0523_143005_001B.MP4", "2019_0523_143005_001C.MP4"});
        QList<KoFileInfoModel *> list = {model("2019_0523_143005_001C.MP4"),
                                         model("2019_0523_143005_001A.MP4"),
                                         model("2019_0523_143005_001B.MP4")};
        KoFileInfoModel::groupRecordings(list);
        KoFileInfoModel *a = list.at(0), *b = list.at(1), *c = list.at(2);
        QCOMPARE(a->nextRecording(), b);

        // The list drops B (the file stays on disk): A and C link directly.
        list.removeOne(b);
        delete b;
        KoFileInfoModel::groupRecordings(list);
        QCOMPARE(a->nextRecording(), c);
        QCOMPARE(c->prevRecording(), a);
    }

    void unmatchedFilesStayAlone()
    {
        touch({"2019_0523_143005_001a.mp4", "2019_0523_143005_001b.mp4", "2019_0523_143005_001A.mp4"});
        QList<KoFileInfoModel *> list = {model("2019_0523_143005_001a.mp4"),
                                         model("2019_0523_143005_001b.mp4"),
                                         model("2019_0523_143005_001A.mp4")};
        // Stale links from an earlier grouping are replaced.
        list.at(0)->setNextRecording(list.at(1));
        KoFileInfoModel::groupRecordings(list);
        for (KoFileInfoModel *m : list) {
            QCOMPARE(m->prevRecording(), nullptr);
            QCOMPARE(m->nextRecording(), nullptr);
        }
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
