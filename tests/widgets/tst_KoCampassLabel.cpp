#include "TestMain.h"

#include "widgets/KoCampassLabel.h"

#include <QApplication>
#include <QPainter>

// The stand-in card has a red dot at N (top) and a blue dot at E (right),
// each 62 px from the centre.
static QImage paintCompass(double heading)
{
    KoCampassLabel compass;
    compass.resize(152, 152);
    compass.setDirection(heading);
    QImage image(152, 152, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    compass.draw(&painter, compass.rect());
    return image;
}

static bool isRed(const QColor &c)
{
    return c.alpha() > 200 && c.red() > 200 && c.blue() < 60;
}
static bool isBlue(const QColor &c)
{
    return c.alpha() > 200 && c.blue() > 200 && c.red() < 60;
}

class tst_KoCampassLabel : public QObject
{
    Q_OBJECT

private:
    const QPoint top{76, 14}, right{138, 76}, bottom{76, 138}, left{14, 76};

private slots:
    void headingZeroShowsNorthAtTheTop()
    {
        const QImage image = paintCompass(0);
        QVERIFY(isRed(image.pixelColor(top)));
        QVERIFY(isBlue(image.pixelColor(right)));
    }

    void headingNinetyShowsEastAtTheTop()
    {
        // The card turns anticlockwise by the heading: N goes to the left.
        const QImage image = paintCompass(90);
        QVERIFY(isBlue(image.pixelColor(top)));
        QVERIFY(isRed(image.pixelColor(left)));
        QVERIFY(!isRed(image.pixelColor(right)));
    }

    void headingTwoSeventyShowsWestAtTheTop()
    {
        const QImage image = paintCompass(270);
        QVERIFY(isRed(image.pixelColor(right)));
        QVERIFY(isBlue(image.pixelColor(bottom)));
        QCOMPARE(paintCompass(-90), image);
    }
};

TAVRIN_TEST_MAIN(tst_KoCampassLabel, QApplication)
#include "tst_KoCampassLabel.moc"
