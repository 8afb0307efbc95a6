#include "TestMain.h"

#include "widgets/KoGPSSpeedLabel.h"

#include <QApplication>
#include <QPainter>
#include <QtMath>

#include <cmath>

// The stand-in pointer image is a red stroke from the centre towards the
// 0 mark. The painted tip is the red pixel farthest from the pivot; its
// angle is measured clockwise from straight up, in -180..180.
static QImage paintGauge(float speed, const QSize &size = QSize(152, 152))
{
    KoGPSSpeedLabel gauge;
    gauge.resize(size);
    gauge.setSpeed(speed);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    gauge.draw(&painter, QRect(QPoint(0, 0), size));
    return image;
}

static QPointF tip(const QImage &image, const QPointF &pivot)
{
    QPointF best = pivot;
    double bestDist = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 160 || c.red() < 160)
                continue;
            const double d = std::hypot(x + 0.5 - pivot.x(), y + 0.5 - pivot.y());
            if (d > bestDist) {
                bestDist = d;
                best = QPointF(x + 0.5, y + 0.5);
            }
        }
    return best;
}

static double clockwiseFromUp(const QPointF &pivot, const QPointF &p)
{
    return qRadiansToDegrees(qAtan2(p.x() - pivot.x(), pivot.y() - p.y()));
}

class tst_KoGPSSpeedLabel : public QObject
{
    Q_OBJECT

private slots:
    void pointerTurnsOneDegreePerUnit_data()
    {
        QTest::addColumn<float>("speed");
        QTest::addColumn<double>("angle");
        QTest::newRow("0 on the lower-left mark") << 0.0f << -120.0;
        QTest::newRow("120 straight up") << 120.0f << 0.0;
        QTest::newRow("240 on the lower-right mark") << 240.0f << 120.0;
        QTest::newRow("300 is not clamped") << 300.0f << 180.0;
    }
    void pointerTurnsOneDegreePerUnit()
    {
        QFETCH(float, speed);
        QFETCH(double, angle);
        const QPointF pivot(76, 76);
        const QPointF end = tip(paintGauge(speed), pivot);
        QVERIFY2(QLineF(pivot, end).length() > 55, "pointer not painted");
        double diff = clockwiseFromUp(pivot, end) - angle;
        diff = std::remainder(diff, 360.0);
        QVERIFY2(qAbs(diff) < 3.0, qPrintable(QString::number(clockwiseFromUp(pivot, end))));
    }

    void smallWidgetShrinksTheImageKeepingItsAspect()
    {
        // 76 x 152 at speed 0: the image is halved to 76 x 76 and drawn from
        // the top-left corner, so its centre (38, 38) is not the pivot.
        const QImage image = paintGauge(0.0f, QSize(76, 152));
        const QPointF end = tip(image, QPointF(38, 38));
        QVERIFY(qAbs(end.x() - 10) < 3 && qAbs(end.y() - 54) < 3);
        for (int y = 80; y < 152; ++y)
            for (int x = 0; x < 76; ++x)
                QVERIFY(image.pixelColor(x, y).alpha() == 0);
    }

    void largeWidgetKeepsTheImageSize()
    {
        // The icon pixmap is never enlarged: on a 304 x 304 widget the 152 px
        // image sits in the top-left quarter before the turn about (152, 152).
        const QImage image = paintGauge(0.0f, QSize(304, 304));
        const QPointF end = tip(image, QPointF(76, 76));
        QVERIFY(end.x() < 76 && end.y() > 76 && end.y() < 152);
    }
};

TAVRIN_TEST_MAIN(tst_KoGPSSpeedLabel, QApplication)
#include "tst_KoGPSSpeedLabel.moc"
