#include "TestMain.h"
#include "gps/KoChinaLocation.h"

#include <cmath>

Q_DECLARE_METATYPE(KoChinaLocation::Placement)

namespace {

QString fixed6(double v)
{
    return QString::number(v, 'f', 6);
}

KoChinaLocation::Placement placementOf(double lat, double lng)
{
    return KoChinaLocation::instance()->placementOf(lat, lng);
}

} // namespace

class tst_KoChinaLocation : public QObject
{
    Q_OBJECT

private slots:
    void regionTest_data();
    void regionTest();
    void everyRectangle_data();
    void everyRectangle();
    void regionEdgeIsInside();
    void nanIsNeverInside();
    void shanghaiPublishedValues();
    void outsideChinaUnchanged();
    void convertsInPlace();
    void bd09DecidedOnTheWgs84Point_data();
    void bd09DecidedOnTheWgs84Point();
};

void tst_KoChinaLocation::regionTest_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lng");
    QTest::addColumn<bool>("inChina");
    QTest::addColumn<KoChinaLocation::Placement>("placement");
    QTest::newRow("Shanghai") << 31.2304 << 121.4737 << true << KoChinaLocation::InRegion;
    QTest::newRow("Hong Kong") << 22.3193 << 114.1694 << true << KoChinaLocation::InRegion;
    QTest::newRow("Urumqi") << 43.8256 << 87.6168 << true << KoChinaLocation::InRegion;
    QTest::newRow("Taipei") << 25.0330 << 121.5654 << false << KoChinaLocation::Excluded;
    QTest::newRow("Hanoi") << 21.0278 << 105.8342 << false << KoChinaLocation::Excluded;
    QTest::newRow("London") << 51.5 << -0.12 << false << KoChinaLocation::OutsideRegions;
    QTest::newRow("Tokyo") << 35.6762 << 139.6503 << false << KoChinaLocation::OutsideRegions;
}

void tst_KoChinaLocation::regionTest()
{
    QFETCH(double, lat);
    QFETCH(double, lng);
    QFETCH(bool, inChina);
    QFETCH(KoChinaLocation::Placement, placement);
    QCOMPARE(KoChinaLocation::instance()->isInChina(lat, lng), inChina);
    QCOMPARE(placementOf(lat, lng), placement);
}

// One point inside each rectangle (and, for a region, in no other region),
// so that a rectangle lost or miscopied from the table fails its row.
void tst_KoChinaLocation::everyRectangle_data()
{
    QTest::addColumn<bool>("exclude");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lng");
    QTest::newRow("region 1, Altay") << false << 0 << 46.0 << 88.0;
    QTest::newRow("region 2, Harbin") << false << 1 << 45.75 << 126.63;
    QTest::newRow("region 3, Chengdu") << false << 2 << 30.66 << 104.07;
    QTest::newRow("region 4, southern Tibet") << false << 3 << 28.0 << 90.0;
    QTest::newRow("region 5, Guangzhou") << false << 4 << 23.13 << 113.26;
    QTest::newRow("region 6, Sanya") << false << 5 << 18.25 << 109.51;
    QTest::newRow("exclude 1, Taipei") << true << 0 << 25.033 << 121.5654;
    QTest::newRow("exclude 2, Hanoi") << true << 1 << 21.0278 << 105.8342;
    QTest::newRow("exclude 3, Haiphong") << true << 2 << 20.8449 << 106.6881;
    QTest::newRow("exclude 4, Transbaikal") << true << 3 << 52.0 << 115.0;
    QTest::newRow("exclude 5, Amur") << true << 4 << 50.5 << 130.0;
    QTest::newRow("exclude 6, Vladivostok") << true << 5 << 43.1155 << 131.8855;
}

void tst_KoChinaLocation::everyRectangle()
{
    QFETCH(bool, exclude);
    QFETCH(int, index);
    QFETCH(double, lat);
    QFETCH(double, lng);
    const KoChinaLocation *location = KoChinaLocation::instance();
    const QVector<KoChinaLocation::Rect> &own = exclude ? location->excludes() : location->regions();
    QCOMPARE(own.size(), 6);
    QVERIFY(own.at(index).contains(lat, lng));
    if (!exclude) {
        for (int i = 0; i < location->regions().size(); ++i)
            QVERIFY(i == index || !location->regions().at(i).contains(lat, lng));
    }
    QCOMPARE(location->isInChina(lat, lng), !exclude);
    QCOMPARE(location->placementOf(lat, lng),
             exclude ? KoChinaLocation::Excluded : KoChinaLocation::InRegion);
}

void tst_KoChinaLocation::regionEdgeIsInside()
{
    QVERIFY(KoChinaLocation::instance()->isInChina(35, 73.1246));
    QCOMPARE(placementOf(35, 73.1245), KoChinaLocation::OutsideRegions);
}

void tst_KoChinaLocation::nanIsNeverInside()
{
    QCOMPARE(placementOf(NAN, 121.0), KoChinaLocation::OutsideRegions);
    QCOMPARE(placementOf(31.0, NAN), KoChinaLocation::OutsideRegions);
}

void tst_KoChinaLocation::shanghaiPublishedValues()
{
    double lng = 0;
    double lat = 0;
    convert_wgs84_to_gcj02(121.4737, 31.2304, &lng, &lat);
    QCOMPARE(fixed6(lng), QStringLiteral("121.478223"));
    QCOMPARE(fixed6(lat), QStringLiteral("31.228458"));
    convert_gcj02_to_bd09(lng, lat, &lng, &lat);
    QCOMPARE(fixed6(lng), QStringLiteral("121.484781"));
    QCOMPARE(fixed6(lat), QStringLiteral("31.234311"));
}

void tst_KoChinaLocation::outsideChinaUnchanged()
{
    double lng = 0;
    double lat = 0;
    // Taipei is left alone by its exclude rectangle, London by the regions.
    QCOMPARE(placementOf(25.0330, 121.5654), KoChinaLocation::Excluded);
    convert_wgs84_to_gcj02(121.5654, 25.0330, &lng, &lat);
    QCOMPARE(lng, 121.5654);
    QCOMPARE(lat, 25.0330);
    QCOMPARE(placementOf(51.5, -0.12), KoChinaLocation::OutsideRegions);
    convert_gcj02_to_bd09(-0.12, 51.5, &lng, &lat);
    QCOMPARE(lng, -0.12);
    QCOMPARE(lat, 51.5);

    convert_wgs84_to_bd09(105.8342, 21.0278, &lng, &lat);
    QCOMPARE(lng, 105.8342);
    QCOMPARE(lat, 21.0278);
}

void tst_KoChinaLocation::convertsInPlace()
{
    double lng = 114.1694;
    double lat = 22.3193;
    convert_wgs84_to_gcj02(lng, lat, &lng, &lat);
    QVERIFY(lng != 114.1694 && lat != 22.3193);
    QVERIFY(std::fabs(lng - 114.1694) < 0.01 && std::fabs(lat - 22.3193) < 0.01);
}

void tst_KoChinaLocation::bd09DecidedOnTheWgs84Point_data()
{
    QTest::addColumn<double>("lng");
    QTest::addColumn<double>("lat");
    QTest::addColumn<QString>("bd09");
    QTest::addColumn<KoChinaLocation::Placement>("gcj02Placement");
    QTest::newRow("Shanghai") << 121.4737 << 31.2304 << "121.484781 31.234311" << KoChinaLocation::InRegion;
    // Their GCJ-02 points fall past the west edge of exclude rectangles 5 and
    // 6; asking the region test again there skipped the BD-09 shift (~800 m).
    QTest::newRow("Heihe edge") << 127.4520 << 50.2400 << "127.465999 50.248027" << KoChinaLocation::Excluded;
    QTest::newRow("Suifenhe edge") << 131.2600 << 44.0000 << "131.273834 44.008723"
                                   << KoChinaLocation::Excluded;
}

void tst_KoChinaLocation::bd09DecidedOnTheWgs84Point()
{
    QFETCH(double, lng);
    QFETCH(double, lat);
    QFETCH(QString, bd09);
    QFETCH(KoChinaLocation::Placement, gcj02Placement);
    QCOMPARE(placementOf(lat, lng), KoChinaLocation::InRegion);
    double gcjLng = 0;
    double gcjLat = 0;
    convert_wgs84_to_gcj02(lng, lat, &gcjLng, &gcjLat);
    QCOMPARE(placementOf(gcjLat, gcjLng), gcj02Placement);
    convert_wgs84_to_bd09(lng, lat, &lng, &lat);
    QCOMPARE(fixed6(lng) + ' ' + fixed6(lat), bd09);
}

TAVRIN_TEST_MAIN(tst_KoChinaLocation, QCoreApplication)
#include "tst_KoChinaLocation.moc"
