#include "TestMain.h"

#include "../playback/SimulatedChannel.h"
#include "library/KoFileInfoModel.h"
#include "library/KoLightTrack.h"
#include "library/KoPlaylist.h"
#include "library/KoTrackSummary.h"
#include "mainwindow/KoTripNavigator.h"
#include "playback/KoChannelSync.h"
#include "playback/KoPlaybackSession.h"

#include <QDir>
#include <QSignalSpy>

#include <memory>

// The trip, the route click and the event keys over the sample recordings:
// real files, tracks and caches; the displays are simulated channels (the
// window's own test plays them in libmpv).
namespace {

const QString Samples = QStringLiteral(TAVRIN_SAMPLES_DIR);

struct Rig
{
    qint64 now = 0;
    KoPlaylist playlist;
    std::vector<std::unique_ptr<SimulatedChannel>> channels;
    std::unique_ptr<KoPlaybackSession> session;
    std::unique_ptr<KoTripNavigator> navigator;
    QList<QPair<QString, double>> chosen;

    Rig()
    {
        const QStringList files = QDir(Samples).entryList({"*.MP4", "*.MOV", "*.TS"}, QDir::Files);
        for (const QString &name : files)
            playlist.findOrAdd(Samples + QLatin1Char('/') + name);
        playlist.regroup();
        for (int k = 0; k < 3; ++k)
            channels.push_back(std::make_unique<SimulatedChannel>(&now, 10.0));
        session = std::make_unique<KoPlaybackSession>(&playlist);
        session->sync()->setClock([this] { return now; });
        session->setChannels({{channels[0].get(), channels[1].get(), channels[2].get()}});
        navigator = std::make_unique<KoTripNavigator>(&playlist, session.get());
        // A driver who wants to see the milder manoeuvres too (settings).
        navigator->tracks()->setThresholds({0.2, 0.15, 0.2, 1.5, 1.0});
        // As the window wires them.
        QObject::connect(session.get(), &KoPlaybackSession::recordingLoaded, navigator.get(),
                         &KoTripNavigator::recordingLoaded);
        QObject::connect(navigator.get(), &KoTripNavigator::momentChosen, navigator.get(),
                         [this](KoFileInfoModel *file, double seconds) {
                             chosen.append({file->fileName(), seconds});
                             if (file == session->model(1))
                                 session->seek(seconds);
                             else
                                 session->play(file, seconds);
                         });
        navigator->listChanged();
    }

    SimulatedChannel &ch(int display) { return *channels[size_t(display - 1)]; }
    KoFileInfoModel *file(const QString &name) { return playlist.model(Samples + QLatin1Char('/') + name); }
    void run(int ms) { runSimulation(now, channels, session->sync(), ms); }
    bool tripRead() const
    {
        const auto tracks = navigator->tripTracks();
        return tracks.size() == 2 && !tracks[0].isEmpty() && !tracks[1].isEmpty();
    }
    bool hasSummaryCache(const QString &name)
    {
        return KoTrackSummary::fromCache(file(name)->gpsCachePath()).valid;
    }
};

} // namespace

class tst_KoTripNavigator : public QObject
{
    Q_OBJECT

private slots:
    // Playing the first recording of the two-recording drive: the second,
    // never played, is read beside the player and the trip shows whole;
    // the recordings that cannot belong to it are left alone. A click on
    // the second part loads that recording at the second the car was there,
    // every display with it.
    void tripShowsWholeAndAClickLeadsIntoItsOtherRecording()
    {
        Rig rig;
        QSignalSpy changed(rig.navigator.get(), &KoTripNavigator::tripChanged);
        rig.session->play(rig.file("2019_0523_143005_001A.MP4"));
        QTRY_VERIFY(rig.tripRead());
        QCOMPARE(rig.navigator->playingPart(), 0);
        QVERIFY(changed.count() >= 1);
        QVERIFY(rig.hasSummaryCache("2019_0523_143015_002A.MP4"));
        QVERIFY(!rig.hasSummaryCache("20190523143025_00.MOV"));
        QVERIFY(!rig.hasSummaryCache("2019_0601_080000_001A.MP4"));
        rig.run(600);

        const QVector<KoTripNavigator::Header> headers = rig.navigator->headers(false);
        QCOMPARE(headers.size(), 1);
        QCOMPARE(rig.playlist.recordings().at(headers[0].recording).firstPath(),
                 rig.file("2019_0523_143005_001A.MP4")->filePath());
        QVERIFY2(headers[0].text.startsWith(QStringLiteral("2019-05-23 14:30 · 0:00:20 · ")),
                 qPrintable(headers[0].text));
        QVERIFY(headers[0].toolTip.contains(QStringLiteral("Recordings: 2")));
        QVERIFY(headers[0].toolTip.contains(QStringLiteral("Driving events: 2")));

        const KoTrackSample there = rig.navigator->tripTracks()[1][7];
        rig.navigator->routeClicked(there.longitude, there.latitude, false);
        QCOMPARE(rig.chosen.size(), 1);
        QCOMPARE(rig.chosen[0], qMakePair(QStringLiteral("2019_0523_143015_002A.MP4"), 7.0));
        QCOMPARE(rig.session->model(1)->fileName(), QStringLiteral("2019_0523_143015_002A.MP4"));
        // Landed there together, and playing on.
        rig.run(600);
        for (const auto &c : rig.channels)
            QVERIFY2(c->t > 7.0 && c->t < 7.6 && qAbs(c->t - rig.ch(1).t) <= SimulatedChannel::Frame,
                     qPrintable(QString::number(c->t)));
        // The same trip, the other part playing; the click's recording is the
        // one now shown.
        QVERIFY(rig.tripRead());
        QCOMPARE(rig.navigator->playingPart(), 1);
        const KoTrackSample back = rig.navigator->tripTracks()[0][4];
        rig.navigator->routeClicked(back.longitude, back.latitude, false);
        QCOMPARE(rig.chosen.last(), qMakePair(QStringLiteral("2019_0523_143005_001A.MP4"), 4.0));
    }

    // "Next event" with nothing more in the playing recording goes on into
    // the next recording of the list, reading a never-played one first;
    // "previous event" comes back. Not before the first event, not after
    // the last.
    void eventStepsCrossRecordingsOfTheList()
    {
        Rig rig;
        rig.session->play(rig.file("2019_0523_143015_002A.MP4"));
        QTRY_VERIFY(rig.tripRead());
        QCOMPARE(rig.navigator->playingEvents().size(), 1);
        QCOMPARE(rig.navigator->playingEvents()[0].kind, KoDrivingEvents::SharpCornering);
        QCOMPARE(rig.navigator->playingEvents()[0].offset, 5);

        // Within the recording: 3 s before its event.
        rig.navigator->stepEvent(true, 0.5);
        QCOMPARE(rig.chosen.last(), qMakePair(QStringLiteral("2019_0523_143015_002A.MP4"), 2.0));
        // Past it: the Shanghai drive, never played, is read first.
        QVERIFY(!rig.hasSummaryCache("2019_0601_080000_001A.MP4"));
        rig.navigator->stepEvent(true, 6);
        QTRY_COMPARE(rig.chosen.size(), 2);
        QCOMPARE(rig.chosen.last(), qMakePair(QStringLiteral("2019_0601_080000_001A.MP4"), 0.0));
        QCOMPARE(rig.session->model(1)->fileName(), QStringLiteral("2019_0601_080000_001A.MP4"));
        rig.run(600);

        // Back from there: the cornering, then the first recording's start.
        rig.navigator->stepEvent(false, 0.6);
        QCOMPARE(rig.chosen.last(), qMakePair(QStringLiteral("2019_0523_143015_002A.MP4"), 2.0));
        rig.run(600);
        rig.navigator->stepEvent(false, 2.0);
        QCOMPARE(rig.chosen.last(), qMakePair(QStringLiteral("2019_0523_143005_001A.MP4"), 0.0));
        rig.run(600);
        // The MOV recording listed first: its braking.
        rig.navigator->stepEvent(false, 0.2);
        QTRY_COMPARE(rig.chosen.last(), qMakePair(QStringLiteral("20190523143025_00.MOV"), 0.0));
        rig.run(600);
        const int before = rig.chosen.size();
        rig.navigator->stepEvent(false, 0.1);
        QTest::qWait(300);
        QCOMPARE(rig.chosen.size(), before);
    }
};

TAVRIN_TEST_MAIN(tst_KoTripNavigator, QCoreApplication)
#include "tst_KoTripNavigator.moc"
