#include "TestMain.h"

#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"

#include <QTemporaryDir>

// A playlist of recording names as the camera writes them; empty files are
// enough for the grouping by name.
class tst_KoPlaylist : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<KoPlaylist> m_list;

    KoFileInfoModel *byName(const QString &name) const { return m_list->model(m_dir.filePath(name)); }

    void makeList(const QStringList &names)
    {
        m_list = std::make_unique<KoPlaylist>();
        // Every file exists before the first recording looks for its siblings.
        for (const QString &name : names) {
            QFile f(m_dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        for (const QString &name : names)
            m_list->findOrAdd(m_dir.filePath(name));
        m_list->regroup();
    }

    KoRecording recordingOf(const QString &name) const { return m_list->recordingOf(byName(name)); }

    QStringList displayed(const QString &chosen) const
    {
        QStringList names;
        for (const KoRecording::Channel &c : recordingOf(chosen).displayOrder(m_dir.filePath(chosen)))
            names << QFileInfo(c.path).fileName();
        return names;
    }

    static QString nameOf(const KoFileInfoModel *m) { return m ? m->fileName() : QStringLiteral("-"); }

private slots:
    void init()
    {
        makeList({"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4",
                  "2019_0523_143015_002A.MP4", "2019_0523_143016_003B.MP4", "2019_0523_143015_002C.MP4",
                  "20190523143025_00.MOV", "20190523143025_01_b.MOV", "2019_0601_080000_001A.MP4"});
    }

    void channelsGoToTheirDisplays()
    {
        QCOMPARE(m_list->recordings().size(), 4);
        // Any channel of a three-channel recording: channel 1 in display 1.
        const QStringList abc = {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4",
                                 "2019_0523_143005_001C.MP4"};
        QCOMPARE(displayed("2019_0523_143006_002B.MP4"), abc);
        QCOMPARE(displayed("2019_0523_143005_001C.MP4"), abc);
        // Two channels: the asked-for one stays in display 1.
        QCOMPARE(displayed("20190523143025_01_b.MOV"),
                 QStringList({"20190523143025_01_b.MOV", "20190523143025_00.MOV"}));
        QCOMPARE(displayed("2019_0601_080000_001A.MP4"), QStringList({"2019_0601_080000_001A.MP4"}));
        QCOMPARE(recordingOf("20190523143025_00.MOV").channelCount(), 2);

        // A file that is not listed is a recording of its own.
        KoFileInfoModel stray(QStringLiteral("x.MP4"), m_dir.filePath("x.MP4"));
        QCOMPARE(m_list->recordingOf(&stray).channelCount(), 1);
    }

    void stepsSkipTheChannelsOfThePlayingRecording()
    {
        // Sorted by path the list is: 00.MOV, 01_b.MOV, 001A, 001C, 002B,
        // 002A, 002C, 003B, Shanghai.
        QCOMPARE(nameOf(m_list->files().first()), QStringLiteral("20190523143025_00.MOV"));
        const KoRecording first = recordingOf("2019_0523_143005_001A.MP4");
        QCOMPARE(nameOf(m_list->nextRecording(first, false)), QStringLiteral("2019_0523_143015_002A.MP4"));
        // The channel just before is taken as it is (here the second channel
        // of the MOV recording, which then plays first).
        QCOMPARE(nameOf(m_list->previousRecording(first)), QStringLiteral("20190523143025_01_b.MOV"));

        const KoRecording last = recordingOf("2019_0601_080000_001A.MP4");
        QCOMPARE(m_list->nextRecording(last, false), nullptr);
        QCOMPARE(nameOf(m_list->nextRecording(last, true)), QStringLiteral("20190523143025_00.MOV"));

        // Previous on the first recording of the list plays the last one.
        const KoRecording mov = recordingOf("20190523143025_00.MOV");
        QCOMPARE(nameOf(m_list->previousRecording(mov)), QStringLiteral("2019_0601_080000_001A.MP4"));
        QCOMPARE(nameOf(m_list->nextRecording(mov, false)), QStringLiteral("2019_0523_143005_001A.MP4"));
        QVERIFY(!m_list->holdsOnly(mov));

        // A list of one three-channel recording has nothing to step to.
        makeList({"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"});
        QVERIFY(m_list->holdsOnly(recordingOf("2019_0523_143006_002B.MP4")));
    }

    void theSameFileIsListedOnce()
    {
        bool added = true;
        KoFileInfoModel *a = byName("2019_0523_143005_001A.MP4");
        QCOMPARE(m_list->findOrAdd(m_dir.path() + "/./2019_0523_143005_001A.MP4", nullptr, &added), a);
        QVERIFY(!added);
        const QList<KoFileInfoModel *> batch = m_list->addAll(
            {m_dir.filePath("2019_0523_143005_001C.MP4"), m_dir.filePath("2019_0523_143005_001C.MP4")});
        QCOMPARE(batch.at(0), batch.at(1));
        QCOMPARE(m_list->size(), 9);

        // Removing a channel regroups the rest of its recording.
        m_list->remove(a);
        m_list->regroup();
        QCOMPARE(m_list->size(), 8);
        QCOMPARE(recordingOf("2019_0523_143006_002B.MP4").channelCount(), 2);
        QCOMPARE(m_list->model(m_dir.filePath("2019_0523_143005_001A.MP4")), nullptr);
    }
};

TAVRIN_TEST_MAIN(tst_KoPlaylist, QCoreApplication)
#include "tst_KoPlaylist.moc"
