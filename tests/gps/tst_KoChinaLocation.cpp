#include "CapturedStdout.h"
#include "TestMain.h"
#include "gps/KoChinaLocation.h"

#include <cmath>

namespace {

QString fixed6(double v)
{
    return QString::number(v, 'f', 6);
}

} // namespace

class tst_KoChinaLocation : public QObject
{
    Q_OBJECT

private slots:
    void regionTest_data();
    void regionTest();
    void regionEdgeIsInside();
    void nanIsNeverInside();
    void shanghaiPublishedValues();
    void outsideChinaUnchanged();
    void convertsInPlace();
};

void tst_KoChinaLocation::regionTest_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lng");
    QTest::addColumn<bool>("inChina");
    QTest::addColumn<QByteArray>("report");
    QTest::newRow("Shanghai") << 31.2304 << 121.4737 << true << QByteArray("in region rectange\n");
    QTest::newRow("Hong Kong") << 22.3193 << 114.1694 << true << QByteArray("in region rectange\n");
    QTest::newRow("Urumqi") << 43.8256 << 87.6168 << true << QByteArray("in region rectange\n");
    QTest::newRow("Taipei") << 25.0330 << 121.5654 << false << QByteArray("in exclude rectange\n");
    QTest::newRow("Hanoi") << 21.0278 << 105.8342 << false << QByteArray("in exclude rectange\n");
    QTest::newRow("London") << 51.5 << -0.12 << false << QByteArray("out of region rectange\n");
    QTest::newRow("Tokyo") << 35.6762 << 139.6503 << false << QByteArray("out of region rectange\n");
}

void tst_KoChinaLocation::regionTest()
{
    QFETCH(double, lat);
    QFETCH(double, lng);
    QFETCH(bool, inChina);
    QFETCH(QByteArray, report);
    bool result = !inChina;
    const QByteArray printed =
        captureStdout([&] { result = KoChinaLocation::instance()->isInChina(lat, lng); });
    QCOMPARE(result, inChina);
    QCOMPARE(printed, report);
}

void tst_KoChinaLocation::regionEdgeIsInside()
{
    captureStdout([] {
        QVERIFY(KoChinaLocation::instance()->isInChina(35, 73.1246));
        QVERIFY(!KoChinaLocation::instance()->isInChina(35, 73.1245));
    });
}

void tst_KoChinaLocation::nanIsNeverInside()
{
    captureStdout([] {
        QVERIFY(!KoChinaLocation::instance()->isInChina(NAN, 121.0));
        QVERIFY(!KoChinaLocation::instance()->isInChina(31.0, NAN));
    });
}

void tst_KoChinaLocation::shanghaiPublishedValues()
{
    double lng = 0;
    double lat = 0;
    captureStdout([&] { convert_wgs84_to_gcj02(121.4737, 31.2304, &lng, &lat); });
    QCOMPARE(fixed6(lng), QStringLiteral("121.478223"));
    QCOMPARE(fixed6(lat), QStringLiteral("31.228458"));
    captureStdout([&] { convert_gcj02_to_bd09(lng, lat, &lng, &lat); });
    QCOMPARE(fixed6(lng), QStringLiteral("121.484781"));
    QCOMPARE(fixed6(lat), QStringLiteral("31.234311"));
}

void tst_KoChinaLocation::outsideChinaUnchanged()
{
    double lng = 0;
    double lat = 0;
    QTest::ignoreMessage(QtWarningMsg, "convert_wgs84_to_gcj02 is out of china");
    QTest::ignoreMessage(QtWarningMsg, "convert_gcj02_to_bd09 is out of china");
    const QByteArray printed = captureStdout([&] {
        convert_wgs84_to_gcj02(121.5654, 25.0330, &lng, &lat);
        QCOMPARE(lng, 121.5654);
        QCOMPARE(lat, 25.0330);
        convert_gcj02_to_bd09(-0.12, 51.5, &lng, &lat);
    });
    QCOMPARE(lng, -0.12);
    QCOMPARE(lat, 51.5);
    QCOMPARE(printed, QByteArray("in exclude rectange\nout of region rectange\n"));
}

void tst_KoChinaLocation::convertsInPlace()
{
    double lng = 114.1694;
    double lat = 22.3193;
    captureStdout([&] { convert_wgs84_to_gcj02(lng, lat, &lng, &lat); });
    QVERIFY(lng != 114.1694 && lat != 22.3193);
    QVERIFY(std::fabs(lng - 114.1694) < 0.01 && std::fabs(lat - 22.3193) < 0.01);
}

TAVRIN_TEST_MAIN(tst_KoChinaLocation, QCoreApplication)
#include "tst_KoChinaLocation.moc"
