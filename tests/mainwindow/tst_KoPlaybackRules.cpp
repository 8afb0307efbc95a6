#include "TestMain.h"

#include "mainwindow/KoPlaybackRules.h"

#include <QTemporaryDir>

// Snapshot names: numbered on, never over a file.
class tst_KoPlaybackRules : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(KoPlaybackRules::snapshotNumber(folder.filePath(name + "_1001.jpg")), 1001);
    }

    // Pictures still being written count as taken: a second quick press in
    // an empty folder does not start again at 1.
    void picturesBeingWrittenKeepTheirNames()
    {
        QTemporaryDir folder;
        const QStringList names = {"2019_0523_143005_001A", "2019_0523_143006_002B", "2019_0523_143005_001C"};
        int last = 17;
        const QStringList first = KoPlaybackRules::snapshotPaths(folder.path(), names, &last);
        QCOMPARE(first.at(0), folder.filePath(names.at(0) + "_001.jpg"));
        QCOMPARE(first.at(2), folder.filePath(names.at(2) + "_003.jpg"));
        QCOMPARE(last, 3);
        const QSet<QString> pending(first.cbegin(), first.cend());
        const QStringList second = KoPlaybackRules::snapshotPaths(folder.path(), names, &last, pending);
        QCOMPARE(second.at(0), folder.filePath(names.at(0) + "_004.jpg"));
        QCOMPARE(last, 6);
        // An earlier number whose picture is still being written is passed over.
        int from = 0;
        QCOMPARE(KoPlaybackRules::snapshotPaths(folder.path(), {names.at(0)}, &from, pending).first(),
                 folder.filePath(names.at(0) + "_002.jpg"));
    }

    void whyASnapshotWasNotWritten()
    {
        using F = KoPlaybackRules::SnapshotFailure;
        QCOMPARE(KoPlaybackRules::snapshotFailure(false, false, -1), F::FolderMissing);
        QCOMPARE(KoPlaybackRules::snapshotFailure(true, false, 1 << 30), F::FolderReadOnly);
        QCOMPARE(KoPlaybackRules::snapshotFailure(true, true, 1024), F::DiskFull);
        QCOMPARE(KoPlaybackRules::snapshotFailure(true, true, 1 << 30), F::Unknown);
        QCOMPARE(KoPlaybackRules::snapshotFailure(true, true, -1), F::Unknown);
        QTemporaryDir folder;
        QCOMPARE(KoPlaybackRules::snapshotFailure(folder.filePath("gone")), F::FolderMissing);
        // A file where the folder should be is no folder either.
        QFile file(folder.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(KoPlaybackRules::snapshotFailure(file.fileName()), F::FolderMissing);
    }
};

TAVRIN_TEST_MAIN(tst_KoPlaybackRules, QCoreApplication)
#include "tst_KoPlaybackRules.moc"
