#include "TestMain.h"

#include "PlaybackTestUtil.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/KoPlayWidgetChannel.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Three displays on real libmpv, kept in step by the controller through
// their channel adapters: the first recording of the test set.
class tst_KoPlayWidgetChannel : public QObject
{
    Q_OBJECT

    struct Rig
    {
        QWidget window;
        std::vector<JXPlayWidget *> displays;
        std::vector<std::unique_ptr<KoPlayWidgetChannel>> channels;
        KoChannelSync sync;

        Rig()
        {
            auto *layout = new QHBoxLayout(&window);
            QList<KoSyncChannel *> list;
            for (int i = 0; i < 3; ++i) {
                auto *display = new JXPlayWidget(&window);
                mpv_set_option_string(display->playLabel()->mpvHandle(), "ao", "null");
                layout->addWidget(display);
                displays.push_back(display);
                channels.push_back(std::make_unique<KoPlayWidgetChannel>(display));
                list.append(channels.back().get());
            }
            sync.setChannels(list);
            window.resize(960, 200);
            window.show();
        }
        ~Rig() { sync.clearChannels(); }

        std::vector<int64_t> frames() const
        {
            std::vector<int64_t> f;
            for (JXPlayWidget *d : displays)
                f.push_back(d->playLabel()->frameNumber());
            return f;
        }
        bool allPaused() const
        {
            for (JXPlayWidget *d : displays) {
                if (!d->playLabel()->isPaused())
                    return false;
            }
            return true;
        }
    };

    static QString text(const std::vector<int64_t> &f)
    {
        QStringList s;
        for (int64_t v : f)
            s << QString::number(v);
        return s.join(' ');
    }

    static bool same(const std::vector<int64_t> &f) { return f[0] >= 0 && f[0] == f[1] && f[1] == f[2]; }

private slots:
    void init() { QVERIFY(QFile::exists(videoPath(kFront))); }

    void frameStepsLandEveryDisplayOnTheSameFrame()
    {
        Rig rig;
        QSignalSpy aligned(&rig.sync, &KoChannelSync::aligned);
        rig.displays[0]->playFile(videoPath(kFront));
        rig.displays[1]->playFile(videoPath(kRear));
        rig.displays[2]->playFile(videoPath(kInterior));
        rig.sync.start();
        rig.sync.startTicking();
        QVERIFY(aligned.wait(15000));
        QVERIFY(rig.sync.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(rig.displays[0]->precisePosition() > 1.0, 10000);

        rig.sync.pause();
        QTRY_COMPARE_WITH_TIMEOUT(aligned.count(), 2, 10000);
        QVERIFY(rig.allPaused());
        std::vector<int64_t> f = rig.frames();
        QVERIFY2(same(f), qPrintable(text(f)));

        const int64_t start = f[0];
        for (int step : {+1, +1, +1, -1}) {
            const int before = aligned.count();
            rig.sync.stepFrame(step);
            QTRY_COMPARE_WITH_TIMEOUT(aligned.count(), before + 1, 10000);
            QVERIFY(rig.allPaused());
        }
        f = rig.frames();
        QVERIFY2(same(f), qPrintable(text(f)));
        QCOMPARE(f[0], start + 2);

        // A seek to a fraction of a second while playing: all on one frame
        // again, then playing together.
        rig.sync.resume();
        const int before = aligned.count();
        rig.sync.seek(6.25);
        QTRY_COMPARE_WITH_TIMEOUT(aligned.count(), before + 1, 10000);
        QVERIFY(!rig.displays[0]->playLabel()->isPaused());
        rig.sync.pause();
        QTRY_COMPARE_WITH_TIMEOUT(aligned.count(), before + 2, 10000);
        f = rig.frames();
        QVERIFY2(same(f), qPrintable(text(f)));
        QVERIFY2(f[0] >= 62 && f[0] < 80, qPrintable(text(f)));

        // A speed for all of them.
        rig.sync.setBaseSpeed(0.5);
        QTRY_COMPARE_WITH_TIMEOUT(aligned.count(), before + 3, 10000);
        for (JXPlayWidget *d : rig.displays)
            QCOMPARE(d->playLabel()->playbackSpeed(), 0.5);
    }

    void aShorterChannelEndsAndTheOthersPlayOn()
    {
        // The rear channel cut to its first two seconds.
        QTemporaryDir dir;
        const QString shortRear = dir.filePath(QStringLiteral("rear.mp4"));
        QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-i", videoPath(kRear), "-t",
                                                              "2", "-c", "copy", shortRear}),
                 0);
        Rig rig;
        QSignalSpy aligned(&rig.sync, &KoChannelSync::aligned);
        QSignalSpy ended(rig.displays[1]->playLabel(), &PlayLabel::sigPlayFinish);
        rig.displays[0]->playFile(videoPath(kFront));
        rig.displays[1]->playFile(shortRear);
        rig.displays[2]->playFile(videoPath(kInterior));
        rig.sync.start();
        rig.sync.startTicking();
        QVERIFY(aligned.wait(15000));
        QVERIFY(ended.wait(15000));
        QVERIFY(!rig.channels[1]->isActive());
        QVERIFY(rig.channels[0]->isActive() && rig.channels[2]->isActive());
        const double at = rig.displays[0]->precisePosition();
        QTRY_VERIFY_WITH_TIMEOUT(rig.displays[0]->precisePosition() > at + 0.5, 10000);
        QVERIFY(!rig.displays[0]->playLabel()->isPaused());
    }
};

TAVRIN_TEST_MAIN(tst_KoPlayWidgetChannel, QApplication)
#include "tst_KoPlayWidgetChannel.moc"
