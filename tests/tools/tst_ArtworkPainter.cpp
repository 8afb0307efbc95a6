#include "TestMain.h"

#include "tools/artwork/ArtworkPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QSet>

// The committed images are the generator's output: a change to a drawing
// that was not followed by remaking the images fails here.
class tst_ArtworkPainter : public QObject
{
    Q_OBJECT

    static QString resources() { return QStringLiteral(TAVRIN_SOURCE_DIR "/resources"); }

private slots:
    void initTestCase()
    {
        if (!ArtworkPainter::loadFonts())
            QSKIP("the DejaVu fonts the drawings use are not installed");
    }

    void namesAreUniqueAndEveryShippedImageIsDrawn()
    {
        QSet<QString> drawn;
        for (const ArtworkEntry &entry : ArtworkPainter::catalog()) {
            const QString key = entry.folder + QLatin1Char('/') + entry.name;
            QVERIFY2(!drawn.contains(key), qPrintable(key));
            drawn.insert(key);
        }
        for (const char *folder : {"images", "maps"}) {
            const QDir dir(resources() + QLatin1Char('/') + QLatin1String(folder));
            for (const QString &name : dir.entryList({QStringLiteral("*.png")}, QDir::Files)) {
                const QString key = QLatin1String(folder) + QLatin1Char('/') + name;
                QVERIFY2(drawn.contains(key), qPrintable(key + QStringLiteral(" has no drawing")));
            }
        }
    }

    void committedImagesMatchTheDrawings()
    {
        for (const ArtworkEntry &entry : ArtworkPainter::catalog()) {
            const QString path =
                resources() + QLatin1Char('/') + entry.folder + QLatin1Char('/') + entry.name;
            const QImage committed = QImage(path).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!committed.isNull(),
                     qPrintable(path + QStringLiteral(" missing: run the 'artwork' target")));
            const QImage drawn = ArtworkPainter::render(entry);
            QCOMPARE(drawn.size(), entry.size);
            QCOMPARE(committed.size(), entry.size);
            // Allow for small differences of text rasterisation between
            // font library versions, not for a changed drawing.
            qint64 diff = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                const QRgb *a = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
                const QRgb *b = reinterpret_cast<const QRgb *>(committed.constScanLine(y));
                for (int x = 0; x < drawn.width(); ++x)
                    diff += qAbs(qRed(a[x]) - qRed(b[x])) + qAbs(qGreen(a[x]) - qGreen(b[x])) +
                            qAbs(qBlue(a[x]) - qBlue(b[x])) + qAbs(qAlpha(a[x]) - qAlpha(b[x]));
            }
            const double mean = double(diff) / (4.0 * drawn.width() * drawn.height());
            QVERIFY2(mean < 1.5, qPrintable(QStringLiteral("%1 differs from its drawing (mean %2): run the "
                                                           "'artwork' target")
                                                .arg(entry.name)
                                                .arg(mean)));
        }
    }

    void contactSheetShowsEveryImage()
    {
        QVector<QPair<QString, QImage>> images;
        for (const ArtworkEntry &entry : ArtworkPainter::catalog())
            images.push_back({entry.name, ArtworkPainter::render(entry)});
        const QImage sheet = ArtworkPainter::contactSheet(images);
        QVERIFY(!sheet.isNull());
        QCOMPARE(sheet.width(), 1500);
        QVERIFY(sheet.height() > 1000);
    }
};

TAVRIN_TEST_MAIN(tst_ArtworkPainter, QGuiApplication)
#include "tst_ArtworkPainter.moc"
