#include "TestMain.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtMath>

// The images the forms name: present in the bundle (or beside the map pages),
// at the sizes the forms are laid out for, drawn for what their control does.
class tst_ImageBundle : public QObject
{
    Q_OBJECT

    static QImage bundled(const QString &name) { return QImage(QStringLiteral(":/images/images/") + name); }

    // Direction of the mean of the pixels `keep` accepts, in degrees clockwise
    // from up, seen from the image centre; only pixels at least `minRadius` out.
    template <typename Keep>
    static qreal meanDirection(const QImage &img, qreal minRadius, Keep keep, int *count = nullptr)
    {
        const QPointF c(img.width() / 2.0, img.height() / 2.0);
        QPointF sum;
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QPointF d = QPointF(x + 0.5, y + 0.5) - c;
                if (qSqrt(d.x() * d.x() + d.y() * d.y()) >= minRadius && keep(img.pixelColor(x, y))) {
                    sum += d;
                    ++n;
                }
            }
        if (count)
            *count = n;
        return qRadiansToDegrees(qAtan2(sum.x(), -sum.y()));
    }

    static QColor onDial(const QImage &img, qreal radius, qreal degrees)
    {
        const qreal a = qDegreesToRadians(degrees);
        return img.pixelColor(qRound(76 + radius * qSin(a) - 0.5), qRound(76 - radius * qCos(a) - 0.5));
    }

private slots:
    void everyNamedImageIsThere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size"); // invalid: the layout stretches it, any size will do

        const QSize any;
        for (const char *base : {"icon_top_cancel", "icon_top_recovery", "icon_top_enlarge",
                                 "icon_top_narrow", "icon_top_set"}) {
            QTest::newRow(base) << QString::fromLatin1(base) + QStringLiteral(".png") << QSize(30, 30);
            QTest::newRow(qPrintable(QString::fromLatin1(base) + QStringLiteral("_press")))
                << QString::fromLatin1(base) + QStringLiteral("_press.png") << QSize(30, 30);
        }
        QTest::newRow("logo") << QStringLiteral("logo.png") << QSize(132, 28);

        // Transport buttons: normal, "_press" and (but for the folder) "_dis".
        for (const char *base :
             {"icon_folder", "icon_zoom", "icon_cut", "icon_enter", "icon_play", "icon_retreat", "icon_pause",
              "icon_shrink", "icon_enlarge", "icon_pipe", "icon_sound"}) {
            const QString b = QString::fromLatin1(base);
            QTest::newRow(base) << b + QStringLiteral(".png") << any;
            QTest::newRow(qPrintable(b + QStringLiteral("_press")))
                << b + QStringLiteral("_press.png") << any;
            if (b != QLatin1String("icon_folder"))
                QTest::newRow(qPrintable(b + QStringLiteral("_dis")))
                    << b + QStringLiteral("_dis.png") << any;
        }
        // Checked forms of play and mute.
        for (const char *name :
             {"icon_stop.png", "icon_stop_press.png", "icon_mute.png", "icon_mute_press.png"})
            QTest::newRow(name) << QString::fromLatin1(name) << any;

        QTest::newRow("slider handle") << QStringLiteral("schedule_round.png") << QSize(13, 13);
        for (const char *name :
             {"file_add_file.png", "file_add_dir.png", "file_clear.png", "icon_off.png",
              "default_file_icon.png", "file_shadow_top.png", "file_shadow_bottom.png", "file_shadow.png",
              "control_shadow.png", "main_shadow.png", "display_logo.png", "display_logo_bottom.png",
              "display_bg.png", "hline_white.png", "icon_set_dropdown.png"})
            QTest::newRow(name) << QString::fromLatin1(name) << any;
        for (const char *name :
             {"icon_meter_ring.png", "icon_meter_pointer.png", "icon_pointer_ring.png", "icon_pointer.png"})
            QTest::newRow(name) << QString::fromLatin1(name) << QSize(152, 152);
        QTest::newRow("settings background") << QStringLiteral("setting_shadow.png") << QSize(420, 520);
    }

    void everyNamedImageIsThere()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage img = bundled(name);
        QVERIFY2(!img.isNull(), qPrintable(name));
        if (size.isValid())
            QCOMPARE(img.size(), size);
        QVERIFY(img.hasAlphaChannel());
    }

    void smallImagesHaveTransparentCorners()
    {
        for (const char *name :
             {"icon_top_cancel.png", "icon_top_set_press.png", "icon_play.png", "icon_pause.png",
              "icon_stop_press.png", "icon_mute.png", "schedule_round.png", "file_clear.png", "icon_off.png",
              "icon_meter_ring.png", "icon_meter_pointer.png", "icon_pointer_ring.png", "icon_pointer.png",
              "icon_set_dropdown.png", "logo.png"}) {
            const QImage img = bundled(QString::fromLatin1(name));
            for (const QPoint &p : {QPoint(0, 0), QPoint(img.width() - 1, 0), QPoint(0, img.height() - 1),
                                    QPoint(img.width() - 1, img.height() - 1)})
                QVERIFY2(img.pixelColor(p).alpha() == 0, name);
        }
    }

    void mapMarkersLieBesideThePages()
    {
        for (const char *name : {"map_tab_s.png", "map_tab_f.png", "map_tab_current.png"}) {
            const QImage img(QStringLiteral(TAVRIN_SOURCE_DIR "/resources/maps/") + QLatin1String(name));
            QVERIFY2(!img.isNull(), name);
            QCOMPARE(img.size(), QSize(30, 30));
            QVERIFY(img.hasAlphaChannel());
            QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
        }
        // Start and end markers are pins whose tip is the bottom centre; the
        // moving marker is centred.
        for (const char *pin : {"map_tab_s.png", "map_tab_f.png"}) {
            const QImage img(QStringLiteral(TAVRIN_SOURCE_DIR "/resources/maps/") + QLatin1String(pin));
            QVERIFY(img.pixelColor(15, 28).alpha() > 0 || img.pixelColor(14, 28).alpha() > 0);
            QCOMPARE(img.pixelColor(4, 28).alpha(), 0);
        }
        const QImage current(QStringLiteral(TAVRIN_SOURCE_DIR "/resources/maps/map_tab_current.png"));
        QCOMPARE(current.pixelColor(15, 15).alpha(), 255);
    }

    void menuStyleSheetIsPlainText()
    {
        QFile css(QStringLiteral(":/images/images/appMenuSheet.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        const QByteArray text = css.readAll();
        QVERIFY(text.contains("QMenu"));
        for (char ch : text)
            QVERIFY2(uchar(ch) < 0x80, "read as Latin-1: keep it ASCII");
    }

    void speedPointerPointsAtTheZeroMark()
    {
        int n = 0;
        const qreal direction = meanDirection(
            bundled(QStringLiteral("icon_meter_pointer.png")), 20.0,
            [](const QColor &c) { return c.alpha() > 128; }, &n);
        QVERIFY(n > 50);
        QVERIFY2(qAbs(direction - (-120.0)) < 2.0, qPrintable(QString::number(direction)));
    }

    void speedScaleSpans240DegreesWithTheTopInRed()
    {
        const QImage ring = bundled(QStringLiteral("icon_meter_ring.png"));
        auto cyanish = [](const QColor &c) { return c.blue() > 100 && c.green() > 100 && c.red() < 80; };
        auto reddish = [](const QColor &c) { return c.red() > 150 && c.blue() < 100; };
        // The band runs from the 0 mark (-120) to the 240 mark (+120).
        for (qreal a = -118; a <= 78; a += 4)
            QVERIFY2(cyanish(onDial(ring, 68.0, a)), qPrintable(QString::number(a)));
        for (qreal a = 82; a <= 118; a += 4)
            QVERIFY2(reddish(onDial(ring, 68.0, a)), qPrintable(QString::number(a)));
        // Nothing beyond the ends: the bottom stays free for the speed text.
        for (qreal a : {126.0, 150.0, 180.0, 210.0, 234.0}) {
            const QColor c = onDial(ring, 68.0, a);
            QVERIFY2(!cyanish(c) && !reddish(c), qPrintable(QString::number(a)));
        }
        // The printed numbers are white and sit on the upper part of the dial.
        int whites = 0;
        const qreal labels = meanDirection(
            ring, 40.0,
            [&](const QColor &c) {
                return c.red() > 230 && c.green() > 230 && c.blue() > 230 && c.alpha() == 255;
            },
            &whites);
        QVERIFY(whites > 100);
        QVERIFY2(qAbs(labels) < 15.0, qPrintable(QString::number(labels)));
    }

    void compassCardHasNorthAtTheTopAndBezelMarksUp()
    {
        const QImage card = bundled(QStringLiteral("icon_pointer.png"));
        int n = 0;
        const qreal north = meanDirection(
            card, 30.0, [](const QColor &c) { return c.green() > 200 && c.blue() > 200 && c.red() < 100; },
            &n);
        QVERIFY(n > 10);
        QVERIFY2(qAbs(north) < 3.0, qPrintable(QString::number(north)));
        // The card's centre is clear so that the bezel's vehicle mark shows through.
        QCOMPARE(card.pixelColor(76, 76).alpha(), 0);

        const QImage bezel = bundled(QStringLiteral("icon_pointer_ring.png"));
        const QColor mark = bezel.pixelColor(76, 9);
        QVERIFY(mark.green() > 200 && mark.blue() > 200 && mark.red() < 100);
    }
};

TAVRIN_TEST_MAIN(tst_ImageBundle, QGuiApplication)
#include "tst_ImageBundle.moc"
