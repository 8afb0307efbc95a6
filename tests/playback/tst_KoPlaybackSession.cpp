#include "TestMain.h"

#include "SimulatedChannel.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "library/KoTrackCache.h"
#include "playback/KoChannelSync.h"
#include "playback/KoPlaybackSession.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

using State = KoPlaybackSession::State;

// Three displays as simulated channels on one clock, a playlist of camera
// file names (empty files: the grouping goes by name), and the session.
struct Rig
{
    qint64 now = 0;
    QTemporaryDir dir;
    KoPlaylist playlist;
    std::vector<std::unique_ptr<SimulatedChannel>> channels;
    std::unique_ptr<KoPlaybackSession> session;

    explicit Rig(const QStringList &names, double seconds = 10.0)
    {
        for (const QString &name : names) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
        }
        for (const QString &name : names)
            playlist.findOrAdd(dir.filePath(name));
        playlist.regroup();
        for (int k = 0; k < 3; ++k)
            channels.push_back(std::make_unique<SimulatedChannel>(&now, seconds));
        session = std::make_unique<KoPlaybackSession>(&playlist);
        session->sync()->setClock([this] { return now; });
        session->setChannels({{channels[0].get(), channels[1].get(), channels[2].get()}});
    }

    SimulatedChannel &ch(int display) { return *channels[size_t(display - 1)]; }
    KoFileInfoModel *file(const QString &name) { return playlist.model(dir.filePath(name)); }
    QString playing(int display) const
    {
        KoFileInfoModel *m = session->model(display);
        return m ? m->fileName() : QString();
    }
    // What each display has open now ("-" for none).
    QStringList open() const
    {
        QStringList names;
        for (const auto &c : channels)
            names << (c->isOpen() ? QFileInfo(c->opened.last()).fileName() : QStringLiteral("-"));
        return names;
    }
    void run(int ms) { runSimulation(now, channels, session->sync(), ms); }
};

const QStringList kList = {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4",
                           "2019_0523_143005_001C.MP4", "2019_0523_143015_002A.MP4",
                           "2019_0523_143016_003B.MP4", "2019_0523_143015_002C.MP4",
                           "2019_0601_080000_001A.MP4"};

} // namespace

class tst_KoPlaybackSession : public QObject
{
    Q_OBJECT

private slots:
    // A recording plays to its end and the next one follows, with the speed
    // chosen before; a recording of one channel is a group of one; after
    // the last nothing starts.
    void recordingsFollowEachOtherToTheEndOfTheList()
    {
        Rig rig(kList);
        QSignalSpy stopped(rig.session.get(), &KoPlaybackSession::stopped);
        QSignalSpy duration(rig.session.get(), &KoPlaybackSession::durationKnown);
        rig.session->play(rig.file("2019_0523_143006_002B.MP4"));
        QCOMPARE(rig.session->state(), State::Playing);
        QCOMPARE(rig.session->displayCount(), 3);
        QCOMPARE(rig.open(), QStringList({"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4",
                                          "2019_0523_143005_001C.MP4"}));
        QVERIFY(rig.file("2019_0523_143005_001C.MP4")->isPlaying());
        rig.run(500);
        QCOMPARE(duration.count(), 1);
        QCOMPARE(rig.file("2019_0523_143005_001A.MP4")->videoDuration(), 10.0f);
        // Started together: every display plays from its first frame.
        QVERIFY(rig.ch(1).t > 0.0 && qAbs(rig.ch(1).t - rig.ch(3).t) <= SimulatedChannel::Frame);

        rig.session->setSpeed(2.0);
        rig.run(6000);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0523_143015_002A.MP4"));
        QCOMPARE(stopped.count(), 1);
        // The next file replaced the one each display played: no stop between.
        QCOMPARE(rig.ch(1).closes + rig.ch(2).closes + rig.ch(3).closes, 0);
        QVERIFY(!rig.file("2019_0523_143005_001A.MP4")->isPlaying());
        QCOMPARE(rig.ch(2).speed, 2.0);

        rig.run(6000);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0601_080000_001A.MP4"));
        QCOMPARE(rig.session->displayCount(), 1);
        QCOMPARE(rig.open(), QStringList({"2019_0601_080000_001A.MP4", "-", "-"}));
        QCOMPARE(rig.session->sync()->channelCount(), 1);

        rig.run(6000);
        QCOMPARE(rig.session->state(), State::Stopped);
        QCOMPARE(rig.open(), QStringList({"-", "-", "-"}));
        QCOMPARE(rig.session->model(1), nullptr);
        QCOMPARE(stopped.count(), 3);
    }

    // The user's stop ends playback for good; pause, frame steps and resume
    // keep the state the user sees.
    void userStopDoesNotMoveOn()
    {
        Rig rig(kList);
        rig.session->play(rig.file("2019_0523_143005_001A.MP4"));
        rig.run(1000);
        rig.session->togglePause();
        QCOMPARE(rig.session->state(), State::Paused);
        rig.session->togglePause();
        rig.session->stepFrame(1);
        QCOMPARE(rig.session->state(), State::Paused);
        rig.run(500);
        QVERIFY(rig.ch(1).paused && rig.ch(2).paused);
        rig.session->resume();
        rig.run(500);
        QVERIFY(!rig.ch(1).paused);

        rig.session->stop();
        QCOMPARE(rig.session->state(), State::Stopped);
        rig.run(15000);
        QCOMPARE(rig.session->state(), State::Stopped);
        QCOMPARE(rig.open(), QStringList({"-", "-", "-"}));
        // Nothing to pause or step without a recording.
        rig.session->togglePause();
        rig.session->stepFrame(1);
        QCOMPARE(rig.session->state(), State::Stopped);
    }

    // A recording that finished (or was stopped, or stepped away from) keeps
    // no track in memory; the one playing has its track, read from the cache.
    // The track display hears of the stop while the track is still there.
    void onlyThePlayingRecordingHoldsItsTrack()
    {
        Rig rig(kList);
        QByteArray track;
        for (int s = 0; s < 10; ++s)
            track += QByteArray("A201905231430") + QByteArray::number(10 + s) +
                     ",4808.228000,N,1134.522900,E,20.00,90.00,12,-34,256,519.000000\n";
        for (KoFileInfoModel *m : rig.playlist.files())
            QVERIFY(KoTrackCache::write(m->gpsCachePath(), track, KoTrackCache::sourceStamp(m->filePath())));
        // The files holding a track (an unloaded one with anything left of
        // it shows as such).
        auto loaded = [&rig] {
            QStringList names;
            for (KoFileInfoModel *m : rig.playlist.files()) {
                if (m->gpsLoaded())
                    names << m->fileName();
                else if (!m->gpsSamples().isEmpty() || !m->children().isEmpty())
                    names << m->fileName() + QStringLiteral(" still holds samples");
            }
            return names;
        };
        bool heldAtStop = false;
        connect(rig.session.get(), &KoPlaybackSession::stopped, this,
                [&] { heldAtStop = rig.file("2019_0523_143005_001A.MP4")->gpsLoaded(); });

        rig.session->play(rig.file("2019_0523_143005_001A.MP4"));
        QCOMPARE(loaded(), QStringList({"2019_0523_143005_001A.MP4", "2019_0523_143005_001C.MP4",
                                        "2019_0523_143006_002B.MP4"}));
        QCOMPARE(rig.session->model(1)->gpsSamples().size(), 10);
        rig.run(12000);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0523_143015_002A.MP4"));
        QVERIFY(heldAtStop);
        QCOMPARE(loaded(), QStringList({"2019_0523_143015_002A.MP4", "2019_0523_143015_002C.MP4",
                                        "2019_0523_143016_003B.MP4"}));

        rig.session->step(true);
        QCOMPARE(loaded(), QStringList({"2019_0601_080000_001A.MP4"}));
        rig.session->stop();
        QCOMPARE(loaded(), QStringList());
        // Played again, it reads its track again.
        rig.session->play(rig.file("2019_0601_080000_001A.MP4"));
        QCOMPARE(rig.session->model(1)->gpsSamples().size(), 10);
        for (KoFileInfoModel *m : rig.playlist.files())
            QFile::remove(m->gpsCachePath());
    }

    void previousAndNextWrapAroundTheList()
    {
        Rig rig(kList);
        rig.session->play(rig.file("2019_0601_080000_001A.MP4"));
        rig.session->step(true);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0523_143005_001A.MP4"));
        rig.session->step(false);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0601_080000_001A.MP4"));
        rig.session->step(false);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0523_143015_002A.MP4"));
        QCOMPARE(rig.session->displayCount(), 3);

        // A list of one recording has nothing to step to.
        Rig one(kList.mid(0, 3));
        one.session->play(one.file("2019_0523_143005_001C.MP4"));
        QSignalSpy stopped(one.session.get(), &KoPlaybackSession::stopped);
        one.session->step(true);
        one.session->step(false);
        QCOMPARE(stopped.count(), 0);
        QCOMPARE(one.playing(1), QStringLiteral("2019_0523_143005_001A.MP4"));
    }

    // A channel that cannot be played gets reported; the others play on.
    // Only display 1's real end moves on to the next recording.
    void aFailedChannelLeavesTheOthersPlaying()
    {
        Rig rig(kList);
        QSignalSpy failed(rig.session.get(), &KoPlaybackSession::channelFailed);
        rig.ch(2).broken.insert(rig.dir.filePath("2019_0523_143006_002B.MP4"));
        QVERIFY(QFile::remove(rig.dir.filePath("2019_0523_143005_001C.MP4")));
        rig.session->play(rig.file("2019_0523_143005_001A.MP4"));
        QCOMPARE(failed.count(), 1); // C is gone: never opened
        QCOMPARE(failed.at(0).at(0).toInt(), 3);
        QCOMPARE(rig.ch(3).opened.size(), 0);
        rig.run(1000);
        QCOMPARE(failed.count(), 2);
        QCOMPARE(failed.at(1).at(0).toInt(), 2);
        QVERIFY(rig.session->hasFailed(2) && rig.session->hasFailed(3) && !rig.session->hasFailed(1));
        QCOMPARE(rig.session->state(), State::Playing);
        QVERIFY(rig.ch(1).t > 0.3);
        rig.run(10000);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0523_143015_002A.MP4"));
        QVERIFY(!rig.session->hasFailed(2));

        // Display 1 broken: the others play to their end, nothing follows.
        rig.ch(1).broken.insert(rig.dir.filePath("2019_0523_143005_001A.MP4"));
        rig.session->play(rig.file("2019_0523_143005_001A.MP4"));
        rig.run(15000);
        QVERIFY(rig.session->hasFailed(1));
        QCOMPARE(rig.session->state(), State::Playing);
        QCOMPARE(rig.playing(1), QStringLiteral("2019_0523_143005_001A.MP4"));
    }
};

TAVRIN_TEST_MAIN(tst_KoPlaybackSession, QCoreApplication)
#include "tst_KoPlaybackSession.moc"
