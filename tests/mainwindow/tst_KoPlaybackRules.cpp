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
    }
};

TAVRIN_TEST_MAIN(tst_KoPlaybackRules, QCoreApplication)
#include "tst_KoPlaybackRules.moc"
