#include "TestMain.h"

#include "SimulatedChannel.h"
#include "playback/KoChannelSync.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using FakeChannel = SimulatedChannel;
constexpr double Frame = SimulatedChannel::Frame;

// Three channels and the controller on one simulated clock, ticked every
// 200 ms as the player does.
struct World
{
    qint64 now = 0;
    std::vector<std::unique_ptr<FakeChannel>> channels;
    KoChannelSync sync;
    // A hold ends by a timer on the real clock; ticking often stands in for
    // it where a test needs holds to end on time.
    qint64 tickMs = 200;

    explicit World(std::vector<double> lengths = {60.0, 60.0, 60.0})
    {
        for (double length : lengths)
            channels.push_back(std::make_unique<FakeChannel>(&now, length));
        sync.setClock([this] { return now; });
        QList<KoSyncChannel *> list;
        for (auto &c : channels)
            list.append(c.get());
        sync.setChannels(list);
    }
    FakeChannel &ch(int i) { return *channels[size_t(i)]; }
    // Lets `ms` pass in steps of 10 ms; returns the largest gap between the
    // shown frames seen while not aligning.
    double run(int ms)
    {
        double worst = 0.0;
        for (int step = 0; step < ms / 10; ++step) {
            now += 10;
            for (auto &c : channels)
                c->advance();
            if (now % tickMs == 0)
                sync.tick();
            if (!sync.isAligning())
                worst = qMax(worst, spread());
        }
        return worst;
    }
    double spread()
    {
        double lo = 1e9, hi = -1e9;
        for (auto &c : channels) {
            if (!c->active)
                continue;
            lo = qMin(lo, c->position());
            hi = qMax(hi, c->position());
        }
        return hi < lo ? 0.0 : hi - lo;
    }
    // All started together and playing; the offsets are the followers' head
    // starts in seconds.
    void playFrom(double t, double offset2, double offset3)
    {
        ch(0).t = t;
        ch(1).t = t + offset2;
        ch(2).t = t + offset3;
        for (auto &c : channels) {
            c->at = now;
            c->paused = false;
        }
        sync.resume();
    }
};

} // namespace

class tst_KoChannelSync : public QObject
{
    Q_OBJECT

private slots:
    void smallLagAndLeadAreNudgedBackWithoutSeeking()
    {
        World w;
        w.playFrom(10.0, -0.1, +0.1);
        w.run(15000);
        QCOMPARE(w.ch(1).seeks(), 0);
        QCOMPARE(w.ch(2).seeks(), 0);
        // The laggard ran faster, the leader slower, both by a few percent.
        QVERIFY(!w.ch(1).speeds.empty() && !w.ch(2).speeds.empty());
        const auto [lo1, hi1] = std::minmax_element(w.ch(1).speeds.begin(), w.ch(1).speeds.end());
        const auto [lo2, hi2] = std::minmax_element(w.ch(2).speeds.begin(), w.ch(2).speeds.end());
        QVERIFY(*hi1 > 1.0 && *hi1 <= 1.06 + 1e-9 && *lo1 >= 1.0);
        QVERIFY(*lo2 < 1.0 && *lo2 >= 0.94 - 1e-9 && *hi2 <= 1.0);
        // Back on the clock's frame and at normal speed.
        QCOMPARE(w.ch(1).speed, 1.0);
        QCOMPARE(w.ch(2).speed, 1.0);
        QVERIFY(w.spread() <= Frame + 1e-9);
        // and it stays there.
        QVERIFY(w.run(10000) <= Frame + 1e-9);
    }

    void withinOneFrameIsLeftAlone()
    {
        World w;
        w.playFrom(3.0, 0.015, -0.015);
        QVERIFY(w.run(10000) <= Frame + 1e-9);
        QVERIFY(w.ch(1).speeds.empty());
        QVERIFY(w.ch(2).speeds.empty());
        QCOMPARE(w.ch(1).seeks() + w.ch(2).seeks(), 0);
    }

    void slowDecoderIsHeldWithinAFrame()
    {
        // A follower whose clock runs 1 % slow (a loaded machine) is nudged
        // now and then and never drifts off.
        World w;
        w.playFrom(0.0, 0.0, 0.0);
        w.ch(1).rate = 0.99;
        w.run(1000);
        QVERIFY(w.run(120000) <= 2 * Frame + 1e-9);
        QCOMPARE(w.ch(1).seeks(), 0);
    }

    void largeGapAndStallAreSought()
    {
        World w;
        w.playFrom(20.0, -2.5, 0.0);
        w.run(400);
        QCOMPARE(w.ch(1).seeks(), 1);
        // Aimed ahead of the clock by the time a seek takes at first guess.
        QVERIFY2(qAbs(w.ch(1).seekTargets[0] - 20.7) < 0.05,
                 qPrintable(QString::number(w.ch(1).seekTargets[0])));
        QCOMPARE(w.ch(2).seeks(), 0);
        // Landed early (its seek took 150 ms), waited for the clock.
        w.run(6000);
        QCOMPARE(w.ch(1).seeks(), 1);
        QVERIFY(w.spread() <= Frame + 1e-9);

        // A decoder that stops: sought once it has not moved for a second,
        // not again while that seek is under way.
        w.ch(2).rate = 0.0;
        w.run(1400);
        const int during = w.ch(2).seeks();
        QVERIFY2(during >= 1 && during <= 2, qPrintable(QString::number(during)));
        w.ch(2).rate = 1.0;
        w.run(6000);
        QVERIFY(w.ch(2).seeks() <= during + 1);
        QVERIFY(w.spread() <= Frame + 1e-9);
    }

    void aStumbleIsMendedAtOnce()
    {
        // The clock loses 0.3 s (a late decoder): the followers wait for it,
        // paused, rather than being nudged for seconds.
        World w;
        w.tickMs = 10;
        w.playFrom(30.0, 0.0, 0.0);
        w.run(1000);
        w.ch(0).t -= 0.3;
        w.run(100);
        QVERIFY(w.ch(1).paused && w.ch(2).paused);
        QVERIFY(!w.ch(0).paused);
        w.run(400);
        QVERIFY(!w.ch(1).paused && !w.ch(2).paused);
        QVERIFY(w.run(2000) <= Frame + 1e-9);
        QCOMPARE(w.ch(1).seeks() + w.ch(2).seeks(), 0);

        // A follower loses 0.4 s: sought ahead; the seek time it learns
        // makes the next landing closer.
        w.ch(2).t -= 0.4;
        w.run(2000);
        QCOMPARE(w.ch(2).seeks(), 1);
        QVERIFY(w.run(3000) <= Frame + 1e-9);
        w.ch(2).t -= 0.4;
        w.run(400);
        QCOMPARE(w.ch(2).seeks(), 2);
        QVERIFY(w.run(3000) <= Frame + 1e-9);
        QVERIFY(!w.ch(2).paused);
    }

    void seekLandsEveryChannelOnOneFrameBeforePlaying()
    {
        World w;
        w.playFrom(5.0, 0.0, 0.0);
        w.ch(0).latencyMs = 100;
        w.ch(1).latencyMs = 400;
        w.ch(2).latencyMs = 250;
        int aligned = 0;
        connect(&w.sync, &KoChannelSync::aligned, [&] { ++aligned; });
        w.sync.seek(31.7);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(w.ch(i).paused);
            QCOMPARE(w.ch(i).seekTargets.back(), 31.7);
        }
        w.run(300);
        // Two have landed and wait, paused, for the third.
        QVERIFY(w.sync.isAligning());
        QVERIFY(w.ch(0).paused && w.ch(2).paused);
        w.run(200);
        QCOMPARE(aligned, 1);
        QVERIFY(!w.sync.isAligning());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!w.ch(i).paused);
            QCOMPARE(w.ch(i).at, w.now); // unpaused in one go
        }
        QCOMPARE(w.spread(), 0.0);
        QVERIFY(w.run(5000) <= Frame + 1e-9);
    }

    void pauseAlignsAndResumePlaysTogether()
    {
        World w;
        w.playFrom(8.0, 0.05, -0.05);
        w.sync.pause();
        QVERIFY(!w.sync.isPlaying());
        for (int i = 0; i < 3; ++i)
            QVERIFY(w.ch(i).paused);
        // The followers go to the clock's frame; the clock stays.
        QCOMPARE(w.ch(0).seeks(), 0);
        QCOMPARE(w.ch(1).seekTargets.back(), w.ch(0).position());
        QCOMPARE(w.ch(2).seekTargets.back(), w.ch(0).position());
        w.run(500);
        QCOMPARE(w.spread(), 0.0);
        for (int i = 0; i < 3; ++i)
            QVERIFY(w.ch(i).paused);

        w.sync.resume();
        for (int i = 0; i < 3; ++i)
            QVERIFY(!w.ch(i).paused);
        QVERIFY(w.run(3000) <= Frame + 1e-9);

        // Resumed before the pause's alignment landed: plays on once it has.
        w.sync.pause();
        w.sync.resume();
        QVERIFY(w.ch(1).paused);
        w.run(300);
        QVERIFY(!w.ch(1).paused && !w.ch(0).paused);
    }

    void frameStepsAddUpAndLandTogether()
    {
        World w;
        w.playFrom(4.0, 0.0, 0.0);
        w.sync.pause();
        w.run(500);
        const double start = w.ch(0).position();
        // Two quick presses: the second counts from the first one's target.
        w.sync.stepFrame(+1);
        w.sync.stepFrame(+1);
        w.run(500);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(w.ch(i).paused);
            QVERIFY(qAbs(w.ch(i).position() - (start + 2 * Frame)) < 1e-6);
        }
        w.sync.stepFrame(-1);
        w.run(500);
        for (int i = 0; i < 3; ++i)
            QVERIFY(qAbs(w.ch(i).position() - (start + Frame)) < 1e-6);
        // Not below the start of the file.
        w.sync.seek(0.0);
        w.run(500);
        w.sync.stepFrame(-1);
        QCOMPARE(w.ch(0).seekTargets.back(), 0.0);
        w.run(500);
        QVERIFY(w.ch(0).paused);
    }

    void speedChangeAppliesToAllAndNudgesAroundIt()
    {
        World w;
        w.playFrom(1.0, 0.0, 0.0);
        w.sync.setBaseSpeed(2.0);
        QCOMPARE(w.sync.baseSpeed(), 2.0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.ch(i).speed, 2.0);
        QVERIFY(w.sync.isAligning()); // a speed change aligns
        w.run(500);
        QVERIFY(!w.ch(0).paused);
        w.ch(2).t -= 0.1; // falls behind at double speed
        w.run(400);
        QVERIFY(w.ch(2).speed > 2.0 && w.ch(2).speed <= 2.0 * 1.06 + 1e-9);
        w.run(8000);
        QCOMPARE(w.ch(2).speed, 2.0);
        QVERIFY(w.spread() <= Frame + 1e-9);
        // A zero or negative speed is refused.
        w.sync.setBaseSpeed(0.0);
        QCOMPARE(w.sync.baseSpeed(), 2.0);
    }

    void shorterChannelEndsAloneAndTheOthersPlayOn()
    {
        World w({30.0, 12.0, 30.0});
        w.playFrom(10.0, 0.0, 0.1);
        w.run(4000);
        QVERIFY(!w.ch(1).active);
        QVERIFY(w.ch(0).active && w.ch(2).active);
        const int seeks = w.ch(1).seeks();
        w.run(5000);
        QCOMPARE(w.ch(1).seeks(), seeks);
        QVERIFY(w.spread() <= Frame + 1e-9);
        // A seek past its end: the others land and play without it.
        w.sync.seek(20.0);
        w.run(600);
        QVERIFY(!w.sync.isAligning());
        QVERIFY(!w.ch(0).paused && !w.ch(2).paused);
    }

    void startHoldsEveryChannelOnItsFirstFrame()
    {
        World w;
        w.ch(0).load(120);
        w.ch(1).load(300);
        w.ch(2).load(700);
        w.sync.start();
        QVERIFY(w.sync.isPlaying());
        w.run(400);
        QVERIFY(w.ch(0).paused && w.ch(1).paused);
        QCOMPARE(w.ch(0).position(), 0.0);
        w.run(600);
        QVERIFY(!w.sync.isAligning());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!w.ch(i).paused);
            QCOMPARE(w.ch(i).seeks(), 0); // all on the first frame already
        }
        QVERIFY(w.run(5000) <= Frame + 1e-9);

        // A channel that never shows a frame holds the others only so long.
        World broken;
        broken.ch(0).load(100);
        broken.ch(1).load(100);
        broken.ch(2).load(1000000);
        broken.sync.start();
        broken.run(int(KoChannelSync::AlignTimeoutMs) + 1000);
        QVERIFY(!broken.sync.isAligning());
        QVERIFY(!broken.ch(0).paused && !broken.ch(1).paused);
    }

    void correctionOffLeavesTheFollowersAlone()
    {
        World w;
        w.sync.setCorrectionEnabled(false);
        w.playFrom(0.0, -0.2, 3.0);
        w.run(5000);
        QVERIFY(w.ch(1).speeds.empty());
        QCOMPARE(w.ch(1).seeks() + w.ch(2).seeks(), 0);
        // On again: corrected.
        w.sync.setCorrectionEnabled(true);
        w.run(10000);
        QVERIFY(w.spread() <= Frame + 1e-9);
    }
};

TAVRIN_TEST_MAIN(tst_KoChannelSync, QCoreApplication)
#include "tst_KoChannelSync.moc"
