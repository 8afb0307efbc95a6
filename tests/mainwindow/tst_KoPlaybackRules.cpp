#include "TestMain.h"

#include "library/KoFileInfoModel.h"
#include "mainwindow/KoPlaybackRules.h"

#include <QTemporaryDir>

// Recording names as the camera writes them; empty files are enough for the
// grouping by name.
class tst_KoPlaybackRules : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<KoFileInfoModel *> m_list;

    KoFileInfoModel *byName(const QString &name) const
    {
        for (KoFileInfoModel *m : m_list) {
            if (m->fileName() == name)
                return m;
        }
        return nullptr;
    }

    void makeList(const QStringList &names)
    {
        qDeleteAll(m_list);
        m_list.clear();
        // Every file exists before the first recording looks for its siblings.
        for (const QString &name : names) {
            QFile f(m_dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        for (const QString &name : names)
            m_list.append(new KoFileInfoModel(name, m_dir.filePath(name)));
        KoFileInfoModel::groupRecordings(m_list);
    }

    KoPlaybackRules::Channels slotsOf(const QString &name) const
    {
        return KoPlaybackRules::channelsOf(byName(name));
    }

    QString nameOf(const KoFileInfoModel *m) const { return m ? m->fileName() : QStringLiteral("-"); }

private slots:
    void init()
    {
        makeList({"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4",
                  "2019_0523_143015_002A.MP4", "2019_0523_143016_003B.MP4", "2019_0523_143015_002C.MP4",
                  "20190523143025_00.MOV", "20190523143025_01_b.MOV", "2019_0601_080000_001A.MP4"});
    }

    void cleanupTestCase() { qDeleteAll(m_list); }

    void channelsGoToTheirDisplays()
    {
        // Any channel of a three-channel recording: channel 1 in display 1.
        for (const char *asked : {"2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"}) {
            const KoPlaybackRules::Channels s = slotsOf(asked);
            QCOMPARE(nameOf(s[0]), QStringLiteral("2019_0523_143005_001A.MP4"));
            QCOMPARE(nameOf(s[1]), QStringLiteral("2019_0523_143006_002B.MP4"));
            QCOMPARE(nameOf(s[2]), QStringLiteral("2019_0523_143005_001C.MP4"));
        }
        // Two channels: the asked-for one stays in display 1.
        KoPlaybackRules::Channels s = slotsOf("20190523143025_01_b.MOV");
        QCOMPARE(nameOf(s[0]), QStringLiteral("20190523143025_01_b.MOV"));
        QCOMPARE(nameOf(s[1]), QStringLiteral("20190523143025_00.MOV"));
        QCOMPARE(s[2], nullptr);
        s = slotsOf("2019_0601_080000_001A.MP4");
        QCOMPARE(KoPlaybackRules::filledChannels(s), 1);
        QCOMPARE(KoPlaybackRules::chainLength(s[0]), 1);
        QCOMPARE(KoPlaybackRules::chainLength(byName("2019_0523_143005_001A.MP4")), 3);
        QCOMPARE(KoPlaybackRules::chainLength(byName("20190523143025_00.MOV")), 2);
    }

    void stepsSkipTheChannelsOfThePlayingRecording()
    {
        // Sorted by path the list is: 00.MOV, 01_b.MOV, 001A, 001C, 002B,
        // 002A, 002C, 003B, Shanghai.
        QCOMPARE(nameOf(m_list.first()), QStringLiteral("20190523143025_00.MOV"));
        const auto first = slotsOf("2019_0523_143005_001A.MP4");
        QCOMPARE(nameOf(KoPlaybackRules::nextRecording(m_list, first, false)),
                 QStringLiteral("2019_0523_143015_002A.MP4"));
        // The channel just before is taken as it is (here the second channel
        // of the MOV recording, which then plays first).
        QCOMPARE(nameOf(KoPlaybackRules::previousRecording(m_list, first)),
                 QStringLiteral("20190523143025_01_b.MOV"));

        const auto last = slotsOf("2019_0601_080000_001A.MP4");
        QCOMPARE(KoPlaybackRules::nextRecording(m_list, last, false), nullptr);
        QCOMPARE(nameOf(KoPlaybackRules::nextRecording(m_list, last, true)),
                 QStringLiteral("20190523143025_00.MOV"));

        // Previous on the first recording of the list plays the last one.
        const auto mov = slotsOf("20190523143025_00.MOV");
        QCOMPARE(nameOf(KoPlaybackRules::previousRecording(m_list, mov)),
                 QStringLiteral("2019_0601_080000_001A.MP4"));
        QCOMPARE(nameOf(KoPlaybackRules::nextRecording(m_list, mov, false)),
                 QStringLiteral("2019_0523_143005_001A.MP4"));
        QVERIFY(!KoPlaybackRules::onlyCurrentRecording(m_list, mov));

        // A list of one three-channel recording has nothing to step to.
        makeList({"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"});
        QVERIFY(KoPlaybackRules::onlyCurrentRecording(m_list, slotsOf("2019_0523_143006_002B.MP4")));
    }

    void snapshotNumbersNeverOverwrite()
    {
        QTemporaryDir folder;
        const QString name = QStringLiteral("2019_0523_143005_001A");
        QCOMPARE(KoPlaybackRules::nextSnapshotNumber(folder.path(), name, 41, true), 1);
        QCOMPARE(KoPlaybackRules::snapshotFileName(name, 1), name + "_001.jpg");
        QCOMPARE(KoPlaybackRules::snapshotFileName(name, 1000), name + "_1000.jpg");

        QFile other(folder.filePath("unrelated.jpg"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QCOMPARE(KoPlaybackRules::nextSnapshotNumber(folder.path(), name, 998, true), 999);
        // Taken names are passed over.
        for (int n : {999, 1000}) {
            QFile taken(folder.filePath(KoPlaybackRules::snapshotFileName(name, n)));
            QVERIFY(taken.open(QIODevice::WriteOnly));
        }
        QCOMPARE(KoPlaybackRules::nextSnapshotNumber(folder.path(), name, 998, true), 1001);
        QCOMPARE(KoPlaybackRules::nextSnapshotNumber(folder.path(), name + "x", 998, false), 999);
    }
};

TAVRIN_TEST_MAIN(tst_KoPlaybackRules, QCoreApplication)
#include "tst_KoPlaybackRules.moc"
