#include "TestMain.h"

#include "SyntheticTrack.h"
#include "app/JXDefaultSettings.h"
#include "gps/KoDrivingEvents.h"
#include "tools/samples/KoSyntheticDrive.h"

#include <QSettings>

using Event = KoDrivingEvents::Event;

namespace {

QVector<Event> eventsOf(const SyntheticTrack &track, bool fineGScale)
{
    QObject owner;
    return KoDrivingEvents::detect(track.models(&owner, fineGScale), KoDrivingEvents::Thresholds());
}

QString kinds(const QVector<Event> &events)
{
    QStringList names;
    for (const Event &e : events)
        names.append(QStringLiteral("%1@%2").arg(KoDrivingEvents::kindName(e.kind)).arg(e.offset));
    return names.join(QLatin1Char(' '));
}

// Two minutes at 60 km/h around a braking of `g` for 2 s that begins at
// second 60, then on at the lower speed.
SyntheticTrack brakingTrack(double g, int countsPerG = 256, bool gSensor = true)
{
    SyntheticTrack t;
    t.countsPerG = countsPerG;
    t.gSensor = gSensor;
    t.drive(20, 60.0 / 20 / 35.3); // up to speed
    t.drive(40);
    t.drive(2, -g);
    t.drive(58, 0, 0.5);
    return t;
}

} // namespace

class tst_KoDrivingEvents : public QObject
{
    Q_OBJECT

private slots:
    // One braking of 0.7 g, whatever the G-sensor: both scales, counts read
    // with the wrong scale, a sensor that is missing or reads nonsense (the
    // GPS speed alone finds it then).
    void brakingFoundOnceAtItsSecond_data()
    {
        QTest::addColumn<int>("countsPerG");
        QTest::addColumn<bool>("fineGScale");
        QTest::addColumn<bool>("gSensor");
        QTest::newRow("1/256 g") << 256 << false << true;
        QTest::newRow("1/4096 g") << 4096 << true << true;
        QTest::newRow("1/4096 g counts read as 1/256") << 4096 << false << true;
        QTest::newRow("1/256 g counts read as 1/4096") << 256 << true << true;
        QTest::newRow("no G-sensor") << 256 << false << false;
        QTest::newRow("G-sensor far off scale") << 256 * 1000 << false << true;
    }
    void brakingFoundOnceAtItsSecond()
    {
        QFETCH(int, countsPerG);
        QFETCH(bool, fineGScale);
        QFETCH(bool, gSensor);
        const SyntheticTrack t = brakingTrack(0.7, countsPerG, gSensor);
        const QVector<Event> events = eventsOf(t, fineGScale);
        QCOMPARE(events.size(), 1);
        const Event &e = events.first();
        QCOMPARE(e.kind, KoDrivingEvents::HarshBraking);
        QVERIFY2(qAbs(e.offset - 60) <= 1, qPrintable(kinds(events)));
        QVERIFY2(e.peakG > 0.55f && e.peakG < 0.85f, qPrintable(QString::number(e.peakG)));
        QVERIFY(qAbs(e.speedBeforeKmh - 60) < 2);
        QVERIFY(qAbs(e.speedAfterKmh - (60 - 2 * 0.7 * 35.3)) < 2);
        QCOMPARE(e.time, t.start.addSecs(e.offset));
    }

    // Everyday driving reaches no threshold: a steady drive with gentle
    // starts and stops, a slow turn, a parked car shaking with its engine
    // (heading and position wandering as a standing receiver's do), and a
    // missing fix.
    void ordinaryDrivingGivesNone()
    {
        SyntheticTrack t;
        t.park(60, 0.08);
        t.drive(15, 0.2);     // gentle start to 106 km/h
        t.drive(120, 0, 0.3); // steady, a long bend
        t.drive(10, -0.25);   // slowing to 18 km/h
        t.drive(5, 0, 18);    // a slow 90 degree turn: 0.16 g sideways
        t.drive(30, 0.1);
        t.fix = false;
        t.drive(20);
        t.fix = true;
        t.drive(8, -0.2);
        t.park(120, 0.1);
        QCOMPARE(kinds(eventsOf(t, false)), QString());
    }

    void manoeuvresAndShocksByKind()
    {
        SyntheticTrack t;
        t.park(30, 0.05);
        t.drive(3, 0.45); // harsh start: acceleration at 30
        t.drive(40);
        t.drive(2, 0, 45); // 48 km/h, 45 degrees a second: 1.06 g sideways, at 73
        t.drive(40);
        t.drive(1, 0, 0, 0, 0, 1.3); // pothole: a vertical jolt at 115
        t.drive(20);
        t.drive(2, -0.65); // braking to a stop
        t.park(30, 0.05);
        t.drive(1, 0, 0, -1.2, 0.6, 0); // knocked while parked, at 168
        t.park(30, 0.05);
        t.drive(1, 0, 0, 1.8, 0, 0.5); // a blow beyond any manoeuvre, at 199
        t.park(10, 0.05);
        const QVector<Event> events = eventsOf(t, false);
        QCOMPARE(kinds(events), QStringLiteral("harsh_acceleration@30 sharp_cornering@73 impact@115 "
                                               "harsh_braking@136 impact@168 impact@199"));
        QVERIFY2(qAbs(events.at(1).peakG - 1.06f) < 0.1f, qPrintable(QString::number(events.at(1).peakG)));
        QVERIFY(qAbs(events.at(5).peakG - 1.87f) < 0.1f);
    }

    // Braking in a tunnel, the fix lost: the G-sensor alone finds it, its
    // direction known from the driving before.
    void brakingWithoutAFix()
    {
        SyntheticTrack t;
        t.drive(10, 0.17); // to 60 km/h
        t.drive(10);
        t.drive(5, -0.2);
        t.drive(5, 0.2);
        t.drive(28);
        t.fix = false;
        t.drive(2);
        t.drive(2, -0.7);
        t.drive(2);
        t.fix = true;
        t.drive(30);
        const QVector<Event> events = eventsOf(t, false);
        QCOMPARE(kinds(events), QStringLiteral("harsh_braking@60"));
        QVERIFY(qAbs(events.first().peakG - 0.7f) < 0.1f);
        QVERIFY(qAbs(events.first().speedBeforeKmh - 60) < 2);
        QVERIFY(qAbs(events.first().speedAfterKmh - (60 - 2 * 0.7 * 35.3)) < 2); // the next fix
    }

    // Values that are not numbers, infinite or absurd never make an event.
    void damagedValuesGiveNone()
    {
        QByteArray text;
        const char *lines[] = {
            "A20210314090000,4808.232910,N,1134.625854,E,nan,inf,0,0,256,520\n",
            "A20210314090001,nan,N,inf,E,30.00,-inf,2147483647,-2147483648,256,nan\n",
            "A20210314090002,4808.232910,N,1134.625854,E,inf,8.00,0,0,256,520\n",
            "A20210314090003,4808.232910,N,1134.625854,E,30.00,nan,0,0,256,520\n",
            "A20210314090004,4808.232910,N,1134.625854,E,1e39,8.00,0,0,0,520\n",
            "A20210314090005,4808.232910,N,1134.625854,E,30.00,8.00,0,0,256,520\n",
            "V\n",
            "A2021031409000", // cut short: no position, no speed
        };
        QObject owner;
        QList<KoGPSModel *> track;
        for (int round = 0; round < 20; ++round) {
            for (const char *line : lines)
                track.append(new KoGPSModel(line, &owner));
        }
        QCOMPARE(kinds(KoDrivingEvents::detect(track, KoDrivingEvents::Thresholds())), QString());
        QVERIFY(KoDrivingEvents::detect(QVector<KoTrackSample>()).isEmpty());
    }

    // The program's own synthetic hour (the drive behind the sample
    // recordings): one hard braking of about 0.8 g, nothing else, in both
    // G scales.
    void sampleDriveHourHasItsOneBraking()
    {
        const KoSyntheticDrive drive(KoSyntheticDrive::Munich,
                                     QDateTime(QDate(2019, 5, 23), QTime(15, 0), Qt::UTC), 3600);
        for (const int countsPerG : {256, 4096}) {
            QObject owner;
            QList<KoGPSModel *> track;
            for (const KoDriveSample &s : drive.samples(0, 3600, false, countsPerG)) {
                auto *m = new KoGPSModel(s.toTrackLine(false), &owner);
                m->fineGScale = countsPerG == 4096;
                track.append(m);
            }
            const QVector<Event> events = KoDrivingEvents::detect(track, KoDrivingEvents::Thresholds());
            QCOMPARE(events.size(), 1);
            QCOMPARE(events.first().kind, KoDrivingEvents::HarshBraking);
            QVERIFY(qAbs(events.first().offset - drive.brakingSecond()) <= 1);
            QVERIFY2(qAbs(events.first().peakG - 0.82f) < 0.1f,
                     qPrintable(QString::number(events.first().peakG)));
        }
    }

    void thresholdsComeFromTheSettings()
    {
        QSettings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer")).clear();
        JXDefaultSettings *s = JXDefaultSettings::instance();
        QCOMPARE(s->getEventBrakingG(), 0.40);
        s->setEventBrakingG(0.8);
        s->setEventImpactJoltG(2.5);
        QSettings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer"))
            .setValue(g_settingKey_eventCorneringG, QStringLiteral("0,5 g"));
        const KoDrivingEvents::Thresholds t = KoDrivingEvents::thresholdsFromSettings();
        QCOMPARE(t.brakingG, 0.8);
        QCOMPARE(t.impactJoltG, 2.5);
        QCOMPARE(t.corneringG, 0.40); // not a number: the default
        QCOMPARE(t.accelerationG, 0.35);

        // A braking of 0.7 g is not harsh at 0.8 g.
        QObject owner;
        QCOMPARE(KoDrivingEvents::detect(brakingTrack(0.7).models(&owner, false), t).size(), 0);
        QSettings(QStringLiteral("T561"), QStringLiteral("TavrinPlayer")).clear();
    }

    void csvRows()
    {
        Event braking;
        braking.offset = 61;
        braking.time = QDateTime(QDate(2019, 5, 23), QTime(14, 31, 6), Qt::UTC);
        braking.peakG = 0.8249f;
        braking.speedBeforeKmh = 70.04f;
        braking.speedAfterKmh = 12.96f;
        Event impact;
        impact.offset = 5;
        impact.kind = KoDrivingEvents::Impact;
        impact.peakG = 2;
        QCOMPARE(KoDrivingEvents::toCsv({}),
                 QByteArray("offset_s,time,kind,peak_g,speed_before_kmh,speed_after_kmh\n"));
        QCOMPARE(KoDrivingEvents::toCsv({braking, impact}),
                 QByteArray("offset_s,time,kind,peak_g,speed_before_kmh,speed_after_kmh\n"
                            "61,2019-05-23T14:31:06,harsh_braking,0.82,70.0,13.0\n"
                            "5,,impact,2.00,,\n"));
        QCOMPARE(KoDrivingEvents::describe(braking),
                 QStringLiteral("Harsh braking\n14:31:06\n0.82 g, 70 → 13 km/h"));
        QCOMPARE(KoDrivingEvents::describe(braking, true),
                 QStringLiteral("Harsh braking\n14:31:06\n0.82 g, 44 → 8 mph"));
    }

    // N and Shift+N: 3 s before each event, on into the next or previous
    // recording of the list when this one has no more.
    void stepsCrossRecordings()
    {
        auto at = [](int offset) {
            Event e;
            e.offset = offset;
            return e;
        };
        const QVector<QVector<Event>> list = {{at(1), at(40)}, {}, {at(12)}, {}};
        using S = KoDrivingEvents::Step;
        auto step = [&](int recording, double position, bool forward) {
            const S s = KoDrivingEvents::step(list, recording, position, forward);
            return QStringLiteral("%1:%2:%3").arg(s.recording).arg(s.event).arg(s.seekSecond);
        };
        QCOMPARE(step(0, 0, true), QStringLiteral("0:1:37")); // the first target (0) is where we are
        QCOMPARE(step(0, 37, true), QStringLiteral("2:0:9")); // skips the recording without events
        QCOMPARE(step(2, 9.2, true), QStringLiteral("-1:-1:0"));
        QCOMPARE(step(2, 9.2, false), QStringLiteral("0:1:37")); // just jumped to 9: the one before
        QCOMPARE(step(2, 30, false), QStringLiteral("2:0:9"));   // well past it: back to it
        QCOMPARE(step(0, 37.5, false), QStringLiteral("0:0:0"));
        QCOMPARE(step(0, 0, false), QStringLiteral("-1:-1:0"));
        QCOMPARE(step(7, 0, true), QStringLiteral("-1:-1:0"));
    }
};

TAVRIN_TEST_MAIN(tst_KoDrivingEvents, QCoreApplication)
#include "tst_KoDrivingEvents.moc"
