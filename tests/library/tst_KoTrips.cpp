#include "TestMain.h"

#include "gps/KoTrackExtractor.h"
#include "gps/SyntheticTrack.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackSummary.h"
#include "library/KoTrips.h"

#include <QTemporaryDir>

namespace {

const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);

// The track's lines with line `index` changed in field `field` (0: status
// and time, 1: latitude ... 6: speed in knots).
QByteArray changed(const QByteArray &text, int index, int field, const QByteArray &value)
{
    QList<QByteArray> lines = text.split('\n');
    QList<QByteArray> fields = lines[index].split(',');
    fields[field] = value;
    lines[index] = fields.join(',');
    return lines.join('\n');
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

KoTrips::Recording recording(const char *start, int seconds, double km = 0, float top = 0, int events = 0)
{
    KoTrips::Recording r;
    r.start = QDateTime::fromString(QLatin1String(start), Qt::ISODate);
    r.start.setTimeSpec(Qt::UTC);
    r.durationSeconds = seconds;
    if (km > 0) {
        r.summary.valid = true;
        r.summary.distanceKm = km;
        r.summary.hasSpeed = true;
        r.summary.topSpeedKmh = top;
        r.summary.events.resize(events);
    }
    return r;
}

QString ranges(const QVector<KoTrips::Trip> &trips)
{
    QStringList out;
    for (const KoTrips::Trip &t : trips)
        out.append(QStringLiteral("%1-%2").arg(t.first).arg(t.last));
    return out.join(QLatin1Char(' '));
}

} // namespace

class tst_KoTrips : public QObject
{
    Q_OBJECT

private slots:
    // A parked minute, 100 s at 36 km/h, then braking: 1027.5 m driven; the
    // parked receiver's wander, a position 50 km off and a speed spike are
    // left out.
    void summaryOfADrive()
    {
        SyntheticTrack t;
        t.park(60, 0.05);
        t.drive(4, 9 / 35.304); // 9 km/h faster each second
        t.drive(100);
        t.drive(2, -0.5);
        QByteArray text = changed(t.text, 90, 1, "4838.000000");
        text = changed(text, 120, 6, "135.00"); // 250 km/h for one second
        t.text = text;
        QObject owner;
        const KoTrackSummary s = KoTrackSummary::of(t.models(&owner, false));
        QVERIFY(s.valid);
        QCOMPARE(s.durationSeconds, 166);
        QVERIFY2(qAbs(s.distanceKm - 1.0275) < 0.002, qPrintable(QString::number(s.distanceKm)));
        QVERIFY(s.hasSpeed);
        QVERIFY(qAbs(s.topSpeedKmh - 36) < 0.1f);
        QCOMPARE(s.eventCount(), 1);
        QCOMPARE(s.start, t.start);
        QCOMPARE(s.describe(),
                 QStringLiteral("Duration 0:02:46\nDistance 1.0 km\nTop speed 36 km/h\nEvents 1"));
    }

    // The summary of a row from its track cache alone: the player's cache
    // of a played recording (the direct-chunks one under its "_haisi" name,
    // G-sensor in 1/4096 g), nothing for a row never played (and no
    // extraction for it), and a bounded read of a damaged file.
    void summaryFromTheCacheOnly()
    {
        const QString played = Samples + QStringLiteral("/2019_0523_143015_002A.MP4");
        QVERIFY2(QFile::exists(played), "the sample set is missing");
        KoFileInfoModel player(QFileInfo(played).fileName(), played);
        player.loadGPS();
        QVERIFY(player.gpsLoaded() && player.haisiTrack());
        const KoTrackSummary loaded = KoTrackSummary::of(player.gpsSamples());

        KoFileInfoModel row(QFileInfo(played).fileName(), played);
        const KoTrackSummary cached = KoTrackSummary::fromCache(row.gpsCachePath());
        QVERIFY(cached.valid);
        QCOMPARE(cached.durationSeconds, 10);
        QCOMPARE(cached.distanceKm, loaded.distanceKm);
        QCOMPARE(cached.topSpeedKmh, loaded.topSpeedKmh);
        QCOMPARE(cached.start, KoFileInfoModel::cameraTimeOf(row.fileName()));

        const QString braking = Samples + QStringLiteral("/20190523143025_00.MOV");
        KoFileInfoModel mov(QFileInfo(braking).fileName(), braking);
        mov.loadGPS();
        const KoTrackSummary withEvent = KoTrackSummary::fromCache(mov.gpsCachePath());
        QCOMPARE(withEvent.eventCount(), 1);
        QCOMPARE(withEvent.events.first().kind, KoDrivingEvents::HarshBraking);

        const QString never = Samples + QStringLiteral("/2019_0601_080000_001A.MP4");
        KoFileInfoModel unplayed(QFileInfo(never).fileName(), never);
        QVERIFY(!KoTrackSummary::fromCache(unplayed.gpsCachePath()).valid);
        QVERIFY(!QFile::exists(unplayed.gpsCachePath()));
        QVERIFY(!QFile::exists(KoFileInfoModel::directChunksCachePath(unplayed.gpsCachePath())));

        QTemporaryDir dir;
        const QString damaged = dir.filePath(QStringLiteral("damaged_1.txt"));
        QByteArray garbage(3 * 1024 * 1024, 'x');
        garbage += QByteArray("A\n").repeated(kMaxTrackLines + 100);
        QVERIFY(writeFile(damaged, garbage));
        const KoTrackSummary bounded = KoTrackSummary::fromCache(damaged);
        QVERIFY(bounded.valid);
        QCOMPARE(bounded.durationSeconds, kMaxTrackLines);
        QCOMPARE(bounded.distanceKm, 0.0);
        QCOMPARE(bounded.eventCount(), 0);
    }

    void recordingsFollowingOnFormTrips()
    {
        const QVector<KoTrips::Recording> list = {
            recording("2019-05-23T14:30:05", 10, 0.2, 50, 0),
            recording("2019-05-23T14:30:15", 10, 0.3, 70, 0),
            recording("2019-05-23T14:30:25", 10, 0.3, 60, 1),
            recording("2019-05-23T14:30:44", 60), // 9 s after: follows on, no summary
            recording("2019-05-23T14:31:54", 60), // 10 s after: a new trip
            recording("2019-05-23T14:32:54", -1), // follows on; its end is not known
            recording("2019-05-23T14:33:54", 60), // so this starts anew
            recording("2019-05-23T14:33:00", 60), // earlier than the one before
            recording("not a time", 60),
            recording("2019-05-23T14:34:01", 60, 1.0, 90, 2),
        };
        const QVector<KoTrips::Trip> trips = KoTrips::group(list);
        QCOMPARE(ranges(trips), QStringLiteral("0-3 4-5 6-6 7-7 8-8 9-9"));
        const KoTrips::Trip &first = trips.first();
        QCOMPARE(first.start, list.first().start);
        QCOMPARE(first.durationSeconds, 99);
        QVERIFY(qAbs(first.distanceKm - 0.8) < 1e-9);
        QCOMPARE(first.topSpeedKmh, 70.0f);
        QCOMPARE(first.eventCount, 1);
        QVERIFY(!first.complete);
        QCOMPARE(first.describe(), QStringLiteral("2019-05-23 14:30 · 0:01:39 · 0.8 km · top speed 70 km/h"));
        QCOMPARE(trips.at(1).durationSeconds, -1);
        QVERIFY(trips.last().complete);
        QCOMPARE(KoTrips::tripOf(trips, 5), 1);
        QCOMPARE(KoTrips::tripOf(trips, 10), -1);
        QVERIFY(KoTrips::group({}).isEmpty());

        // Start and length from the track when there is one, else the file name.
        KoTrackSummary s;
        s.valid = true;
        s.durationSeconds = 42;
        s.start = QDateTime(QDate(2019, 5, 23), QTime(14, 30, 7), Qt::UTC);
        const KoTrips::Recording fromTrack =
            KoTrips::recordingOf(QStringLiteral("2019_0523_143005_001A.MP4"), s);
        QCOMPARE(fromTrack.start, s.start);
        QCOMPARE(fromTrack.durationSeconds, 42);
        const KoTrips::Recording fromName =
            KoTrips::recordingOf(QStringLiteral("/x/2019_0523_143005_001A.MP4"), KoTrackSummary(), 60);
        QCOMPARE(fromName.start, QDateTime(QDate(2019, 5, 23), QTime(14, 30, 5), Qt::UTC));
        QCOMPARE(fromName.durationSeconds, 60);
    }

    // A click on the route of a trip of two recordings: the recording and
    // the second at which the car was nearest, in either datum.
    void clickOnTheRouteOfATwoRecordingTrip()
    {
        SyntheticTrack t;
        t.latitude = 31.230416; // Shanghai: the map datum (BD-09) differs from WGS-84
        t.longitude = 121.473701;
        t.speedKmh = 40;
        t.drive(60, 0, 1.5);
        const QByteArray first = t.text;
        t.text.clear();
        t.drive(60, 0, -1.5);
        QObject owner;
        SyntheticTrack one, two;
        one.text = first;
        two.text = t.text;
        const QVector<QList<KoGPSModel *>> trip = {one.models(&owner, false), two.models(&owner, false)};

        const KoGPSModel *target = trip[1][25];
        KoTrips::Moment m = KoTrips::nearestMoment(trip, target->wgsLatitude + 0.00004, target->wgsLongitude);
        QCOMPARE(m.recording, 1);
        QCOMPARE(m.second, 25);
        QVERIFY(qAbs(m.distanceMetres - 4.45) < 0.1);

        const KoGPSModel *early = trip[0][10];
        m = KoTrips::nearestMoment(trip, early->latitude, early->longitude, KoTrips::MapDatum);
        QCOMPARE(m.recording, 0);
        QCOMPARE(m.second, 10);
        QVERIFY(m.distanceMetres < 0.01);
        // The same point taken as WGS-84 lies elsewhere.
        m = KoTrips::nearestMoment(trip, early->latitude, early->longitude);
        QVERIFY(m.recording != 0 || m.second != 10);
        QVERIFY(m.distanceMetres > 20);

        // The light form of the same tracks gives the same moments.
        const QVector<QVector<KoTrackSample>> light = {KoTrackSample::fromModels(trip[0]),
                                                       KoTrackSample::fromModels(trip[1])};
        m = KoTrips::nearestMoment(light, target->wgsLatitude + 0.00004, target->wgsLongitude);
        QCOMPARE(m.recording, 1);
        QCOMPARE(m.second, 25);
        m = KoTrips::nearestMoment(light, early->latitude, early->longitude, KoTrips::MapDatum);
        QCOMPARE(m.recording, 0);
        QCOMPARE(m.second, 10);
        QVERIFY(m.distanceMetres < 0.01);

        QVERIFY(!KoTrips::nearestMoment(trip, qQNaN(), 121.47).found());
        SyntheticTrack lost;
        lost.fix = false;
        lost.drive(10);
        QVERIFY(!KoTrips::nearestMoment({lost.models(&owner, false)}, 31.23, 121.47).found());
    }
};

TAVRIN_TEST_MAIN(tst_KoTrips, QCoreApplication)
#include "tst_KoTrips.moc"
