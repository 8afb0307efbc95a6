#include "TestMain.h"

#include "library/KoFileInfoModel.h"
#include "library/KoTrackCache.h"
#include "widgets/KoGsensorWidget.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>

#include <memory>

struct Counts
{
    int x, y, z;
};

// A recording whose track cache holds one line per entry of `counts` (raw
// G-sensor counts: 256 to the g), loaded through the model's own reader.
static std::unique_ptr<KoFileInfoModel> makeRecording(const QTemporaryDir &dir, const QString &name,
                                                      const QVector<Counts> &counts)
{
    const QString path = dir.filePath(name);
    QFile video(path);
    if (!video.open(QIODevice::WriteOnly))
        return nullptr;
    video.write("not a video");
    video.close();
    auto recording = std::make_unique<KoFileInfoModel>(name, path);
    QFile cache(recording->gpsCachePath());
    if (!cache.open(QIODevice::WriteOnly))
        return nullptr;
    int second = 0;
    for (const Counts &c : counts) {
        cache.write(
            QString::asprintf("A20190523143%03d,3112.345703,N,12130.123047,E,12.34,181.50,%d,%d,%d,35.5\n",
                              second++ % 60, c.x, c.y, c.z)
                .toLatin1());
    }
    cache.write(KoTrackCache::sourceStamp(path) + '\n'); // made from this recording
    cache.close();
    recording->loadGPS();
    return recording;
}

static QImage paint(const KoGsensorWidget &chart, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    chart.draw(&painter, QRect(QPoint(0, 0), size));
    return image;
}

static const QColor guide(49, 164, 214);
static const QColor xColor(0, 255, 255);
static const QColor yColor(251, 176, 59);
static const QColor zColor(0, 255, 0);

static bool is(const QImage &image, int x, int y, const QColor &color)
{
    return image.pixelColor(x, y) == color;
}

// The played area: the guide colour at alpha 100 over the transparent image.
static bool isPlayed(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.alpha() == 100 && qAbs(c.red() - 49) <= 2 && qAbs(c.green() - 164) <= 2 &&
           qAbs(c.blue() - 214) <= 2;
}

class tst_KoGsensorWidget : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // X 0.5 g, Y -1 g, Z 0.25 g on every sample: one scale of 1 g fills a
    // half band, so the Y curve lies on the middle band's lower edge.
    std::unique_ptr<KoFileInfoModel> constantRecording(const QString &name, int samples)
    {
        return makeRecording(m_dir, name, QVector<Counts>(samples, Counts{128, -256, 64}));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void emptyChartDrawsZeroLinesAndBordersOnly()
    {
        KoGsensorWidget chart;
        const QImage image = paint(chart, QSize(400, 100));
        // Zero lines at 100/6, 50 and 500/6 fall in rows 16, 50 and 83.
        const QSet<int> lineRows{16, 50, 83};
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 400; ++x) {
                const bool onGuide = lineRows.contains(y) || x == 0 || x == 399;
                if (onGuide != is(image, x, y, guide))
                    QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
                if (!onGuide && image.pixelColor(x, y).alpha() != 0)
                    QFAIL(qPrintable(QString("stray pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void cursorAndPlayedAreaFollowTheIndex()
    {
        auto recording = constantRecording("cursor_101.MP4", 101);
        QVERIFY(recording && recording->hasGSensor());
        KoGsensorWidget chart;
        chart.setModel(recording.get());
        QCOMPARE(chart.model(), recording.get());
        chart.setCurrentIndex(50);
        const QImage image = paint(chart, QSize(400, 100));
        // Step 4.0: the cursor at 200.5 covers column 200, from 2.5 to 97.5.
        for (int y = 3; y < 98; ++y)
            QVERIFY2(is(image, 200, y, guide) || y == 8 || y == 66 || y == 67 || y == 79,
                     qPrintable(QString::number(y)));
        QVERIFY(!is(image, 200, 1, guide));
        // The played area runs from x 0 to 200.5 and from y 2.5 to 98.5.
        QVERIFY(isPlayed(image, 1, 40));
        QVERIFY(isPlayed(image, 199, 40));
        QVERIFY(isPlayed(image, 100, 3));
        QVERIFY(isPlayed(image, 100, 98));
        QCOMPARE(image.pixelColor(100, 2).alpha(), 0);
        QCOMPARE(image.pixelColor(100, 99).alpha(), 0);
        QCOMPARE(image.pixelColor(201, 40).alpha(), 0);
        QCOMPARE(image.pixelColor(300, 40).alpha(), 0);
    }

    void curvesShareOneScaleAcrossTheBands()
    {
        auto recording = constantRecording("bands_101.MP4", 101);
        QVERIFY(recording);
        KoGsensorWidget chart;
        chart.setModel(recording.get());
        QCOMPARE(chart.maxX(), 0.5f);
        QCOMPARE(chart.maxY(), 1.0f);
        QCOMPARE(chart.maxZ(), 0.25f);
        const QImage image = paint(chart, QSize(400, 100));
        // Half band 16.67 px per g. X: a quarter band above the top zero line
        // (8.33, drawn on whole pixels: row 8). Y: 50 + 16.67, the middle
        // band's lower edge. Z: 83.33 - 4.17.
        for (int x : {20, 250, 390}) {
            QVERIFY(is(image, x, 8, xColor));
            QVERIFY(is(image, x, 66, yColor) || is(image, x, 67, yColor));
            QVERIFY(is(image, x, 79, zColor));
        }
    }

    void indexZeroAndIndexPastTheEnd()
    {
        auto recording = constantRecording("ends_101.MP4", 101);
        QVERIFY(recording);
        KoGsensorWidget chart;
        chart.setModel(recording.get());
        QCOMPARE(chart.currentIndex(), 0);
        QImage image = paint(chart, QSize(400, 100));
        // Cursor at 0.5 (under the left border), 0.5 px played: nothing right of it.
        QCOMPARE(image.pixelColor(1, 40).alpha(), 0);

        // Index 150: the view shifts left by 200 px and the cursor sits at
        // the right border; everything left of it is played.
        chart.setCurrentIndex(150);
        image = paint(chart, QSize(400, 100));
        QVERIFY(isPlayed(image, 1, 40));
        QVERIFY(isPlayed(image, 397, 40));
        QVERIFY(is(image, 399, 40, guide));
    }

    void curvesMatchSegmentBySegmentDrawing()
    {
        // The curves are drawn axis by axis; the picture must be the one of
        // drawing X, Y and Z of every segment in turn.
        QVector<Counts> counts;
        for (int i = 0; i < 700; ++i)
            counts.append(
                {int(300 * qSin(i * 0.37)), int(-200 * qCos(i * 0.11)), int(256 + 90 * qSin(i * 1.7))});
        auto recording = makeRecording(m_dir, "noisy.MP4", counts);
        QVERIFY(recording && recording->hasGSensor());
        KoGsensorWidget chart;
        chart.setModel(recording.get());
        chart.setCurrentIndex(333);
        const QSize size(440, 120);
        const QImage image = paint(chart, size);

        QImage reference = paint(KoGsensorWidget(), size);
        {
            const QList<float> xs = recording->gForceXs(), ys = recording->gForceYs(),
                               zs = recording->gForceZs();
            const int n = xs.size();
            const float band = float(120 / 3.0), half = band * 0.5f;
            const float k = half / std::max({chart.maxX(), chart.maxY(), chart.maxZ()});
            const float step = 440.0f / float(n - 1);
            const float cursor = float(333 * step + 0.5);
            QPainter p(&reference);
            p.fillRect(QRectF(0, 2.5, cursor, 116), QColor(49, 164, 214, 100));
            p.setPen(QPen(guide, 1));
            p.drawLine(QLineF(cursor, 2.5, cursor, 117.5));
            for (int i = 0; i < n - 1; ++i) {
                const float x0 = float(i) * step, x1 = float(i + 1) * step;
                p.setPen(QPen(xColor, 1.0));
                p.drawLine(QLine(int(x0), int(half - xs[i] * k), int(x1), int(half - xs[i + 1] * k)));
                p.setPen(QPen(yColor, 1.0));
                p.drawLine(QLineF(x0, half + band - ys[i] * k, x1, half + band - ys[i + 1] * k));
                p.setPen(QPen(zColor, 1.0));
                p.drawLine(QLineF(x0, 2 * band + half - zs[i] * k, x1, 2 * band + half - zs[i + 1] * k));
            }
            p.setPen(QPen(guide, 1.0));
            p.drawLine(QLineF(0, 0, 0, 120));
            p.drawLine(QLineF(439.5, 0, 439.5, 120));
        }
        QCOMPARE(image, reference);
    }

    void repaintsFollowModelSizeAndIndex()
    {
        // The curves are kept between paints: a later paint must still show
        // the current recording, size, cursor and offset.
        auto first = makeRecording(m_dir, "first.MP4", {{256, 0, 0}, {0, 128, 0}, {-256, 0, 64}});
        auto second = makeRecording(m_dir, "second.MP4", {{0, 0, 256}, {0, -256, 0}, {128, 0, 0}, {0, 0, 0}});
        QVERIFY(first && second);
        const auto fresh = [](KoFileInfoModel *model, int index, const QSize &size) {
            KoGsensorWidget chart;
            chart.setModel(model);
            chart.setCurrentIndex(index);
            return paint(chart, size);
        };
        KoGsensorWidget chart;
        chart.setModel(first.get());
        chart.setCurrentIndex(1);
        QCOMPARE(paint(chart, QSize(300, 90)), fresh(first.get(), 1, QSize(300, 90)));
        chart.setCurrentIndex(2);
        QCOMPARE(paint(chart, QSize(300, 90)), fresh(first.get(), 2, QSize(300, 90)));
        chart.setCurrentIndex(5);
        QCOMPARE(paint(chart, QSize(300, 90)), fresh(first.get(), 5, QSize(300, 90)));
        chart.setCurrentIndex(6);
        QCOMPARE(paint(chart, QSize(300, 90)), fresh(first.get(), 6, QSize(300, 90)));
        QCOMPARE(paint(chart, QSize(200, 60)), fresh(first.get(), 6, QSize(200, 60)));
        chart.setModel(second.get());
        chart.setCurrentIndex(2);
        QCOMPARE(paint(chart, QSize(200, 60)), fresh(second.get(), 2, QSize(200, 60)));
    }

    void oneSampleTrackIsNotDrawn()
    {
        // A one-sample track has no G-sensor series: the chart stays empty,
        // guides only, and nothing divides by the zero sample span.
        auto recording = makeRecording(m_dir, "one.MP4", {{256, 128, 64}});
        QVERIFY(recording);
        KoGsensorWidget chart;
        chart.setModel(recording.get());
        chart.setCurrentIndex(0);
        KoGsensorWidget empty;
        QCOMPARE(paint(chart, QSize(400, 100)), paint(empty, QSize(400, 100)));
    }

    void recordingWithoutGSensorKeepsTheShownOne()
    {
        auto shown = makeRecording(m_dir, "shown.MP4", {{-512, 10, 0}, {100, -20, 30}, {0, 0, -40}});
        auto flat = makeRecording(m_dir, "flat.MP4", {{0, 0, 0}, {0, 0, 0}});
        QVERIFY(shown && flat);
        QVERIFY(shown->hasGSensor());
        QVERIFY(!flat->hasGSensor());
        KoGsensorWidget chart;
        chart.setModel(shown.get());
        QCOMPARE(chart.maxX(), 2.0f);
        QCOMPARE(chart.maxY(), 20.0f / 256);
        QCOMPARE(chart.maxZ(), 40.0f / 256);
        chart.setCurrentIndex(2);

        chart.setModel(flat.get());
        QCOMPARE(chart.model(), shown.get());
        QCOMPARE(chart.currentIndex(), 0);
        QCOMPARE(chart.maxX(), 2.0f);
        QCOMPARE(chart.maxZ(), 40.0f / 256);

        chart.setModel(nullptr);
        QCOMPARE(chart.model(), nullptr);
        QCOMPARE(chart.maxX(), 0.0f);
        QCOMPARE(chart.maxY(), 0.0f);
        QCOMPARE(chart.maxZ(), 0.0f);
        KoGsensorWidget empty;
        QCOMPARE(paint(chart, QSize(200, 60)), paint(empty, QSize(200, 60)));
    }
};

TAVRIN_TEST_MAIN(tst_KoGsensorWidget, QApplication)
#include "tst_KoGsensorWidget.moc"
