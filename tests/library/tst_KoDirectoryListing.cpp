#include "TestMain.h"

#include "library/KoDirectoryListing.h"

#include <QTemporaryDir>

class tst_KoDirectoryListing : public QObject
{
    Q_OBJECT

private slots:
    void answersAsFileInfoExists()
    {
        QTemporaryDir dir;
        const QString d = dir.path() + QLatin1Char('/');
        QFile(d + "file.MP4").open(QIODevice::WriteOnly);
        QFile(d + ".hidden.MP4").open(QIODevice::WriteOnly);
        QDir(d).mkdir("folder.MP4");
        QDir(d).mkdir("sub");
        QFile(d + "sub/inner.MP4").open(QIODevice::WriteOnly);
        QFile::link(d + "file.MP4", d + "link.MP4");
        QFile::link(d + "missing.MP4", d + "dangling.MP4");
        QFile::link(d + "sub", d + "linkeddir");

        const QStringList paths = {d + "file.MP4",
                                   d + ".hidden.MP4",
                                   d + "folder.MP4",
                                   d + "link.MP4",
                                   d + "dangling.MP4",
                                   d + "missing.MP4",
                                   d + "FILE.MP4",
                                   d + "sub/inner.MP4",
                                   d + "sub/none.MP4",
                                   d + "linkeddir/inner.MP4",
                                   d + "nodir/file.MP4",
                                   d + ".",
                                   d + "..",
                                   d + "sub/",
                                   "file.MP4",
                                   QString()};
        KoDirectoryListing listing;
        for (const QString &path : paths)
            QVERIFY2(listing.exists(path) == QFileInfo::exists(path), qPrintable(path));
        // The folder, "sub" and the linked "sub"; not the missing "nodir".
        QCOMPARE(listing.listedDirectoryCount(), 3);
    }

    void aListingIsASnapshot()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/late.MP4";
        KoDirectoryListing listing;
        QVERIFY(!listing.exists(path));
        QFile(path).open(QIODevice::WriteOnly);
        QVERIFY(!listing.exists(path));
        QVERIFY(KoDirectoryListing().exists(path));
    }
};

TAVRIN_TEST_MAIN(tst_KoDirectoryListing, QCoreApplication)
#include "tst_KoDirectoryListing.moc"
