#include "TestMain.h"

#include "library/KoFileInfoModel.h"
#include "library/KoPreviewLoader.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

class tst_KoPreviewLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_count = 0;

    // A recording whose preview image file does not exist yet.
    std::unique_ptr<KoFileInfoModel> recording()
    {
        const QString name =
            QStringLiteral("2019_0523_1430%1_001A.MP4").arg(m_count++, 2, 10, QLatin1Char('0'));
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("video");
        f.close();
        std::unique_ptr<KoFileInfoModel> m(new KoFileInfoModel(name, path));
        QFile::remove(m->previewPath());
        return m;
    }

    static void writeImage(const QString &path, int w, int h)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(path));
    }

private slots:
    void nullUntilTheImageExists()
    {
        auto m = recording();
        QVERIFY(KoPreviewLoader::previewPixmap(m.get()).isNull());
        QVERIFY(KoPreviewLoader::previewPixmap(nullptr).isNull());
        writeImage(m->previewPath(), 60, 40);
        QCOMPARE(KoPreviewLoader::previewPixmap(m.get()).size(), QSize(60, 40));
    }

    void shrunkOnlyWhenLarger_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("full frame") << QSize(1920, 1080) << QSize(80, 45);
        QTest::newRow("90 x 50 kept") << QSize(90, 50) << QSize(90, 50);
        QTest::newRow("91 wide") << QSize(91, 50) << QSize(80, 45);
        QTest::newRow("51 high") << QSize(90, 51) << QSize(80, 45);
        QTest::newRow("tall and narrow") << QSize(40, 300) << QSize(80, 45);
        QTest::newRow("small") << QSize(64, 36) << QSize(64, 36);
    }

    void shrunkOnlyWhenLarger()
    {
        QFETCH(QSize, stored);
        QFETCH(QSize, shown);
        auto m = recording();
        writeImage(m->previewPath(), stored.width(), stored.height());
        QCOMPARE(KoPreviewLoader::previewPixmap(m.get()).size(), shown);
        // The shrunk image replaces the file, still a JPEG.
        QCOMPARE(QImage(m->previewPath()).size(), shown);
        QFile f(m->previewPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(2), QByteArray("\xFF\xD8"));
    }

    void loadedOnce()
    {
        auto m = recording();
        writeImage(m->previewPath(), 320, 180);
        const QPixmap first = KoPreviewLoader::previewPixmap(m.get());
        QVERIFY(QFile::remove(m->previewPath()));
        const QPixmap again = KoPreviewLoader::previewPixmap(m.get());
        QCOMPARE(again.size(), QSize(80, 45));
        QCOMPARE(again.cacheKey(), first.cacheKey());
    }

    void brokenImageFile()
    {
        auto m = recording();
        QFile f(m->previewPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray garbage("\xFF\xD8 not really a JPEG");
        f.write(garbage);
        f.close();
        QVERIFY(KoPreviewLoader::previewPixmap(m.get()).isNull());
        QCOMPARE(QFileInfo(m->previewPath()).size(), qint64(garbage.size()));
        // Written properly later, it is picked up.
        writeImage(m->previewPath(), 200, 100);
        QCOMPARE(KoPreviewLoader::previewPixmap(m.get()).size(), QSize(80, 45));
    }
};

TAVRIN_TEST_MAIN(tst_KoPreviewLoader, QApplication)
#include "tst_KoPreviewLoader.moc"
