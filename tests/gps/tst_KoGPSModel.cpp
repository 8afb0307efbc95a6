#include "TestMain.h"
#include "TrackFixtures.h"
#include "gps/KoGPSModel.h"
#include "gps/KoTrackExtractor.h"

#include <cmath>
#include <memory>

namespace {

QString fixed6(double v)
{
    return QString::number(v, 'f', 6);
}

std::unique_ptr<KoGPSModel> parsed(const QByteArray &line)
{
    return std::make_unique<KoGPSModel>(line);
}

} // namespace

class tst_KoGPSModel : public QObject
{
    Q_OBJECT

private slots:
    void southWestLine();
    void chinaPointConvertedToBd09_data();
    void chinaPointConvertedToBd09();
    void outsideChinaKeepsWgs84();
    void onlyStatusLetter();
    void nmeaToDecimal_data();
    void nmeaToDecimal();
    void dateTimeValue();
    void longDateTimeKeepsFifteenCharacters();
    void stopsAtFirstMismatch();
    void acceptsCrLf();
    void neverReadsPastTheLine();
    void outOfRangeNumbers();
    void extractedLineReadsBack();
};

void tst_KoGPSModel::southWestLine()
{
    auto m = parsed("A20190523143005,3112.500000,S,12130.000000,W,10.00,90.00,256,-256,4096,-12.5\n");
    QCOMPARE(m->status, 'A');
    QCOMPARE(m->dateTimeText(), QStringLiteral("20190523143005"));
    QCOMPARE(fixed6(m->wgsLatitude), QStringLiteral("-31.208333"));
    QCOMPARE(m->wgsLongitude, -121.5);
    QCOMPARE(m->latitude, m->wgsLatitude);
    QCOMPARE(m->longitude, m->wgsLongitude);
    QCOMPARE(m->latHemisphere, 'S');
    QCOMPARE(m->lngHemisphere, 'W');
    QCOMPARE(m->speedKnots, 10.0f);
    QCOMPARE(m->speedKmh, 18.52f);
    QCOMPARE(m->speedMph, 11.50779f);
    QCOMPARE(m->heading, 90.0f);
    QCOMPARE(m->altitude, 12.5f);
    QCOMPARE(m->fineGScale, false);
    QCOMPARE(m->gForceX(), 1.0f);
    QCOMPARE(m->gForceY(), -1.0f);
    QCOMPARE(m->gForceZ(), 16.0f);
    m->fineGScale = true;
    QCOMPARE(m->gForceX(), 0.0625f);
    QCOMPARE(m->gForceY(), -0.0625f);
    QCOMPARE(m->gForceZ(), 1.0f);
}

void tst_KoGPSModel::chinaPointConvertedToBd09_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("wgs");
    QTest::addColumn<QString>("bd09");
    // WGS-84 and BD-09 as "lat lng", 6 decimals.
    QTest::newRow("Shanghai") << QByteArray(
                                     "A20190523143005,3113.824000,N,12128.422000,E,0.00,0.00,0,0,0,0.0\n")
                              << "31.230400 121.473700"
                              << "31.234311 121.484781";
    // Inside China, but the GCJ-02 shift carries them into an exclude
    // rectangle: the BD-09 shift must still be applied.
    QTest::newRow("Heihe edge") << QByteArray(
                                       "A20190523143005,5014.400000,N,12727.120000,E,0.00,0.00,0,0,0,0.0\n")
                                << "50.240000 127.452000"
                                << "50.248027 127.465999";
    QTest::newRow("Suifenhe edge")
        << QByteArray("A20190523143005,4400.000000,N,13115.600000,E,0.00,0.00,0,0,0,0.0\n")
        << "44.000000 131.260000"
        << "44.008723 131.273834";
}

void tst_KoGPSModel::chinaPointConvertedToBd09()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, wgs);
    QFETCH(QString, bd09);
    auto m = parsed(line);
    QCOMPARE(fixed6(m->wgsLatitude) + ' ' + fixed6(m->wgsLongitude), wgs);
    QCOMPARE(fixed6(m->latitude) + ' ' + fixed6(m->longitude), bd09);
}

void tst_KoGPSModel::outsideChinaKeepsWgs84()
{
    auto m = parsed("A20190523143005,5130.000000,N,00007.200000,W,0.00,0.00,0,0,0,0.0\n");
    QCOMPARE(fixed6(m->latitude), QStringLiteral("51.500000"));
    QCOMPARE(fixed6(m->longitude), QStringLiteral("-0.120000"));
    QCOMPARE(m->latitude, m->wgsLatitude);
    QCOMPARE(m->longitude, m->wgsLongitude);
}

void tst_KoGPSModel::onlyStatusLetter()
{
    auto m = parsed("V");
    QCOMPARE(m->status, 'V');
    QCOMPARE(m->dateTimeText(), QString());
    QCOMPARE(m->latitude, 0.0);
    QCOMPARE(m->longitude, 0.0);
    QCOMPARE(m->latHemisphere, 'N');
    QCOMPARE(m->lngHemisphere, 'E');
    QCOMPARE(m->speedKnots, 0.0f);
    QCOMPARE(m->speedKmh, 0.0f);
    QCOMPARE(m->heading, 0.0f);
    QCOMPARE(m->gX, 0);
    QCOMPARE(m->gZ, 0);
    QCOMPARE(m->altitude, 0.0f);

    QCOMPARE(parsed("")->status, '\0');
}

void tst_KoGPSModel::nmeaToDecimal_data()
{
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("degrees");
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("31 deg 12.5 min") << 3112.5 << 31.0 + 12.5 / 60.0;
    // 31.999999999999 prints as 32.00000000: 32 whole degrees, not 31 and 59.99 minutes.
    QTest::newRow("rounds to whole degree") << 3199.9999999999 << 31.99999999999;
    QTest::newRow("negative") << -3112.5 << -(31.0 + 12.5 / 60.0);
    QTest::newRow("longitude") << 12130.0 << 121.5;
}

void tst_KoGPSModel::nmeaToDecimal()
{
    QFETCH(double, raw);
    QFETCH(double, degrees);
    QVERIFY2(std::fabs(KoGPSModel::nmeaToDecimal(raw) - degrees) < 1e-9,
             qPrintable(QString::number(KoGPSModel::nmeaToDecimal(raw), 'f', 12)));
}

void tst_KoGPSModel::dateTimeValue()
{
    auto m = parsed("A20190523143005,3112.5,N,12130.0,E,0,0,0,0,0,0\n");
    QCOMPARE(m->dateTimeValue(), QDateTime(QDate(2019, 5, 23), QTime(14, 30, 5)));
    QVERIFY(!parsed("V")->dateTimeValue().isValid());
}

void tst_KoGPSModel::longDateTimeKeepsFifteenCharacters()
{
    auto m = parsed("A2019052314300512345678901234567890,3112.5,N,12130.0,E,7.5,0,0,0,0,0\n");
    QCOMPARE(m->dateTimeText(), QStringLiteral("201905231430051"));
    QCOMPARE(m->dateTime[15], '\0');
    QCOMPARE(fixed6(m->wgsLatitude), QStringLiteral("31.208333"));
    QCOMPARE(m->speedKnots, 7.5f);
}

void tst_KoGPSModel::stopsAtFirstMismatch()
{
    auto m = parsed("A20190523143005,north,S,12130.0,W,7.5,0,1,2,3,4\n");
    QCOMPARE(m->dateTimeText(), QStringLiteral("20190523143005"));
    QCOMPARE(m->latHemisphere, 'N');
    QCOMPARE(m->lngHemisphere, 'E');
    QCOMPARE(m->wgsLongitude, 0.0);
    QCOMPARE(m->speedKnots, 0.0f);
    QCOMPARE(m->gX, 0);

    // An empty date-time field is a mismatch too.
    QCOMPARE(parsed("A,3112.5,N,12130.0,E,7.5")->wgsLatitude, 0.0);
}

void tst_KoGPSModel::acceptsCrLf()
{
    auto m = parsed("A20190523143005,3112.5,N,12130.0,E,1.5,2.5,-1,-2,-3,-44.25\r\n");
    QCOMPARE(m->gZ, -3);
    QCOMPARE(m->altitude, 44.25f);
}

void tst_KoGPSModel::neverReadsPastTheLine()
{
    const char text[] = "A20190523143005,3112.5,N,12130.0,E,10.00,90.00,256,-256,4096,-12.5";
    // A line cut inside the speed field: what follows in memory is not read.
    const int cut = int(strstr(text, "10.00") - text) + 1;
    auto m = parsed(QByteArray::fromRawData(text, cut));
    QCOMPARE(m->speedKnots, 1.0f);
    QCOMPARE(m->heading, 0.0f);
    QCOMPARE(m->gX, 0);
    // A NUL ends the line as well.
    auto n = parsed(QByteArray("A20190523143005,3112.5,N,12130.0,E,1\0"
                               "5,90,1,2,3,4",
                               52));
    QCOMPARE(n->speedKnots, 1.0f);
    QCOMPARE(n->heading, 0.0f);
}

void tst_KoGPSModel::outOfRangeNumbers()
{
    auto m = parsed("A20190523143005,3112.5,N,12130.0,E,1e-999,1e999,99999999999,-99999999999,+7,-1e400\n");
    QCOMPARE(m->speedKnots, 0.0f);
    QVERIFY(std::isinf(m->heading) && m->heading > 0);
    QCOMPARE(m->gX, INT_MAX);
    QCOMPARE(m->gY, INT_MIN);
    QCOMPARE(m->gZ, 7);
    QVERIFY(std::isinf(m->altitude) && m->altitude > 0);
}

void tst_KoGPSModel::extractedLineReadsBack()
{
    fixtures::Sample s;
    s.latHemisphere = 'S';
    QByteArray track;
    extractTrackFromBuffer(fixtures::directChunksMp4({s}).bytes(), KoTrackExtractor::Mp4Walk, &track);
    auto m = parsed(track);
    QCOMPARE(m->status, 'A');
    QCOMPARE(m->dateTimeValue(), QDateTime(QDate(2019, 5, 23), QTime(14, 30, 5)));
    QCOMPARE(fixed6(m->wgsLatitude), fixed6(-(31 + 12.345703 / 60)));
    QCOMPARE(m->speedKnots, 12.34f);
    QCOMPARE(m->heading, 181.5f);
    QCOMPARE(m->gY, -34);
    QCOMPARE(m->altitude, 35.5f);
}

TAVRIN_TEST_MAIN(tst_KoGPSModel, QCoreApplication)
#include "tst_KoGPSModel.moc"
