#include "TestMain.h"

#include "tools/samples/KoSyntheticDrive.h"

#include <QtMath>
#include <cmath>

namespace {

const QDateTime Start(QDate(2019, 5, 23), QTime(14, 30, 5), Qt::UTC);

// Metres north and east from state a to state b.
QPointF displacement(const KoDriveState &a, const KoDriveState &b)
{
    const double r = 6371000.0;
    const double north = qDegreesToRadians(b.latitude - a.latitude) * r;
    const double east =
        qDegreesToRadians(b.longitude - a.longitude) * r * std::cos(qDegreesToRadians(a.latitude));
    return {east, north};
}

double angleBetween(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

} // namespace

class tst_KoSyntheticDrive : public QObject
{
    Q_OBJECT

private slots:
    void noFixForTheFirstTwoSeconds()
    {
        const KoSyntheticDrive drive(KoSyntheticDrive::Munich, Start, 10);
        QCOMPARE(drive.seconds(), 10);
        const QVector<KoDriveSample> s = drive.samples(0, 10, false, 256);
        QCOMPARE(s[0].status, 'V');
        QCOMPARE(s[1].status, 'V');
        QCOMPARE(s[0].latitude, 0.0f);
        for (int i = 2; i < s.size(); ++i)
            QCOMPARE(s[i].status, 'A');
        // The G-sensor works without a fix.
        QVERIFY(std::abs(s[0].gZ - 256) < 10);
    }

    void speedsOfStreetsAndArterials()
    {
        const KoSyntheticDrive drive(KoSyntheticDrive::Munich, Start, 600);
        double top = 0;
        int stopped = 0;
        for (int i = KoSyntheticDrive::NoFixSeconds + 1; i < drive.seconds(); ++i) {
            const double kmh = drive.states()[i].speed * 3.6;
            QVERIFY2(kmh >= 0 && kmh <= 100.01, qPrintable(QString::number(kmh)));
            top = std::max(top, kmh);
            stopped += kmh < 0.1;
        }
        QVERIFY(top > 95);
        QVERIFY2(stopped >= 3, "no red light in ten minutes");
    }

    void positionAndHeadingFollowTheMovement()
    {
        const KoSyntheticDrive drive(KoSyntheticDrive::Shanghai, Start, 400);
        const auto &s = drive.states();
        int straight = 0;
        for (int i = KoSyntheticDrive::NoFixSeconds; i + 1 < s.size(); ++i) {
            const QPointF d = displacement(s[i], s[i + 1]);
            const double metres = std::hypot(d.x(), d.y());
            // Distance covered in a second lies between the two speeds.
            QVERIFY2(metres <= std::max(s[i].speed, s[i + 1].speed) + 0.5 &&
                         metres >= std::min(s[i].speed, s[i + 1].speed) - 0.5,
                     qPrintable(QStringLiteral("second %1: %2 m").arg(i).arg(metres)));
            if (s[i].speed > 3 && angleBetween(s[i].heading, s[i + 1].heading) < 0.01) {
                const double bearing = qRadiansToDegrees(std::atan2(d.x(), d.y()));
                QVERIFY2(angleBetween(bearing, s[i].heading) < 1.0,
                         qPrintable(QStringLiteral("second %1: heading %2, moved towards %3")
                                        .arg(i)
                                        .arg(s[i].heading)
                                        .arg(bearing)));
                ++straight;
            }
            QVERIFY(s[i].heading >= 0 && s[i].heading < 360);
        }
        QVERIFY(straight > 200);
        // The route turns.
        QVERIFY(angleBetween(s[10].heading, s[60].heading) > 45 ||
                angleBetween(s[60].heading, s[200].heading) > 45);
    }

    void exactlyOneHardBraking()
    {
        for (int seconds : {11, 31, 3600}) {
            const KoSyntheticDrive drive(KoSyntheticDrive::Munich, Start, seconds);
            int events = 0;
            bool inEvent = false;
            for (int i = 0; i < drive.seconds(); ++i) {
                const double gY = drive.states()[i].gY;
                const bool hard = gY < -0.5;
                if (hard && !inEvent)
                    ++events;
                inEvent = hard;
                if (hard)
                    QVERIFY(i >= drive.brakingSecond() && i <= drive.brakingSecond() + 2);
                QVERIFY(gY > -0.9 && gY < 0.4);
            }
            QCOMPARE(events, 1);
        }
    }

    void samplesAsTheCameraStoresThem()
    {
        const KoSyntheticDrive drive(KoSyntheticDrive::BuenosAires, Start, 30);
        const QVector<KoDriveSample> fine = drive.samples(20, 5, true, 4096);
        QCOMPARE(fine.size(), 5);
        for (int i = 0; i < fine.size(); ++i) {
            const KoDriveSample &s = fine[i];
            const KoDriveState &state = drive.states()[20 + i];
            QCOMPARE(s.latHemisphere, 'S');
            QCOMPARE(s.lngHemisphere, 'W');
            QCOMPARE(s.year, 2019);
            QCOMPARE(QTime(s.hour, s.minute, s.second), Start.time().addSecs(20 + i));
            // ddmm.mmmm back to degrees.
            const double lat = std::floor(s.latitude / 100) + std::fmod(double(s.latitude), 100.0) / 60;
            const double lng = std::floor(s.longitude / 100) + std::fmod(double(s.longitude), 100.0) / 60;
            QVERIFY(std::fabs(lat + state.latitude) < 2e-5);
            QVERIFY(std::fabs(lng + state.longitude) < 2e-5);
            QVERIFY(std::fabs(s.speedKnots - state.speed * 3600 / 1852) < 1e-3);
            QVERIFY(std::abs(s.gZ - 4096) < 300);
        }
        const QVector<KoDriveSample> coarse = drive.samples(20, 1, false, 256);
        QCOMPARE(coarse[0].year, 19);
        QVERIFY(std::abs(coarse[0].gZ - 256) < 20);
        QVERIFY(std::abs(fine[0].gZ - 16 * coarse[0].gZ) <= 16);
    }

    void slicesAreClampedToTheDrive()
    {
        const KoSyntheticDrive drive(KoSyntheticDrive::Munich, Start, 12);
        QCOMPARE(drive.samples(10, 10, false, 256).size(), 2);
        QCOMPARE(drive.samples(-5, 3, false, 256).size(), 3);
        QCOMPARE(drive.samples(20, 3, false, 256).size(), 0);
        QCOMPARE(KoSyntheticDrive(KoSyntheticDrive::Munich, Start, -1).seconds(), 0);
    }

    void sameDriveEveryTime()
    {
        const KoSyntheticDrive a(KoSyntheticDrive::Shanghai, Start, 120);
        const KoSyntheticDrive b(KoSyntheticDrive::Shanghai, Start, 120);
        const QVector<KoDriveSample> sa = a.samples(0, 120, false, 256);
        const QVector<KoDriveSample> sb = b.samples(0, 120, false, 256);
        for (int i = 0; i < 120; ++i)
            QCOMPARE(sa[i].toBlock(), sb[i].toBlock());
    }
};

TAVRIN_TEST_MAIN(tst_KoSyntheticDrive, QCoreApplication)
#include "tst_KoSyntheticDrive.moc"
