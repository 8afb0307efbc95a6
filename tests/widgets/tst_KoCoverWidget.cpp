#include "TestMain.h"

#include "widgets/KoCoverWidget.h"

#include <QApplication>
#include <QLabel>

class tst_KoCoverWidget : public QObject
{
    Q_OBJECT

private slots:
    void panelFillsTheCoverAfterEachResize()
    {
        QWidget window;
        window.resize(1200, 800);
        auto *cover = new KoCoverWidget(&window);
        cover->setGeometry(0, 0, 691, 401);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *panel = cover->contentPanel();
        QCOMPARE(panel->objectName(), QStringLiteral("widget_tmp"));
        QTRY_COMPARE(panel->geometry(), QRect(0, 0, 691, 401));
        cover->resize(1100, 620);
        QTRY_COMPARE(panel->geometry(), QRect(0, 0, 1100, 620));
        cover->resize(300, 200);
        QTRY_COMPARE(panel->geometry(), QRect(0, 0, 300, 200));
        QVERIFY(!cover->findChild<QWidget *>(QStringLiteral("widget_tmp_oasser"))->isVisibleTo(cover));
    }

    void drawsTheBackgroundAndACentredLogo()
    {
        KoCoverWidget cover;
        cover.resize(800, 450);
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        const QImage shot = cover.grab().toImage();
        // The stretched background hides the cover's own black everywhere.
        for (const QPoint &p :
             {QPoint(2, 2), QPoint(797, 2), QPoint(2, 447), QPoint(797, 447), QPoint(400, 60)}) {
            const QColor c = shot.pixelColor(p);
            QVERIFY2(c.blue() > 10 && c.blue() > c.red(),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
        // The logo's cyan lies around the centre, left and right of it alike.
        auto cyanIn = [&](const QRect &r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    n += c.green() > 200 && c.blue() > 200 && c.red() < 120;
                }
            return n;
        };
        QVERIFY(cyanIn(QRect(210, 170, 190, 110)) > 50);
        QVERIFY(cyanIn(QRect(400, 170, 190, 110)) > 50);
        QCOMPARE(cyanIn(QRect(0, 0, 800, 120)), 0);
    }
};

TAVRIN_TEST_MAIN(tst_KoCoverWidget, QApplication)
#include "tst_KoCoverWidget.moc"
