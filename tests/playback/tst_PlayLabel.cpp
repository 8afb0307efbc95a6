#include "TestMain.h"

#include "PlaybackTestUtil.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>

#include <clocale>
#include <memory>

// The engine on real libmpv, real video files and the virtual X display.
class tst_PlayLabel : public QObject
{
    Q_OBJECT

    std::unique_ptr<PlayLabel> makeLabel()
    {
        auto label = std::make_unique<PlayLabel>();
        mpv_set_option_string(label->mpvHandle(), "ao", "null");
        label->resize(320, 180);
        label->show();
        return label;
    }

    static void play(PlayLabel *label, const QString &path)
    {
        label->on_file_open(path);
        label->on_file_contiue();
    }

private slots:
    void init() { QVERIFY(QFile::exists(videoPath(kFront))); }

    void drawsIntoItsOwnWindow_data()
    {
        QTest::addColumn<bool>("softwareGl");
        QTest::addColumn<QString>("output");
        // Xvfb has only a software OpenGL: x11 without probing OpenGL.
        QTest::newRow("no usable GPU") << false << "x11";
        // OpenGL allowed on the software renderer stands in for a real GPU.
        QTest::newRow("OpenGL") << true << "gpu";
    }

    void drawsIntoItsOwnWindow()
    {
        QFETCH(bool, softwareGl);
        QFETCH(QString, output);
        auto label = makeLabel();
        label->move(0, 0);
        mpv_handle *h = label->mpvHandle();
        QVERIFY(h != nullptr);
        int64_t wid = 0;
        QCOMPARE(mpv_get_property(h, "wid", MPV_FORMAT_INT64, &wid), 0);
        QCOMPARE(wid, int64_t(label->winId()));
        QCOMPARE(mpvString(h, "vo"), QStringLiteral("x11"));
        QCOMPARE(mpvString(h, "gpu-api"), QStringLiteral("opengl"));
        QCOMPARE(mpvString(h, "hwdec"), QStringLiteral("no"));
        if (softwareGl) {
            mpv_set_option_string(h, "vo", "gpu,x11");
            mpv_set_option_string(h, "gpu-sw", "yes");
        }

        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
        label->on_file_pause();
        QCOMPARE(mpvString(h, "current-vo"), output);
        settle(500);

        // The picture is inside the label's 320 x 180 and nowhere beside it.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 400, 240).toImage();
        const QPoint origin = label->mapToGlobal(QPoint(0, 0));
        int lit = 0;
        for (int x = 5; x < 320; x += 10)
            lit += qGray(screen.pixel(origin.x() + x, origin.y() + 90)) > 40;
        QVERIFY(lit > 10);
        QCOMPARE(qGray(screen.pixel(origin.x() + 330, origin.y() + 90)), 0);
        QCOMPARE(qGray(screen.pixel(origin.x() + 100, origin.y() + 190)), 0);
    }

    void startsUnderACommaLocale()
    {
        // Some other code may have set a numeric locale since start-up.
        QVERIFY(std::setlocale(LC_NUMERIC, "C.UTF-8") != nullptr);
        auto label = makeLabel();
        QVERIFY(label->mpvHandle() != nullptr);
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("C"));
    }

    void loadSignalsComeInOrder()
    {
        auto label = makeLabel();
        QStringList order;
        QList<float> progress;
        int64_t size = -1;
        int width = -1, height = -1;
        float range = -1;
        connect(label.get(), &PlayLabel::sigUpdateFileAttribute, [&](int64_t s, int w, int h) {
            order << "attr";
            size = s, width = w, height = h;
        });
        connect(label.get(), &PlayLabel::sigSetVideoRange, [&](float r) {
            order << "range";
            range = r;
        });
        connect(label.get(), &PlayLabel::sigPlaybackRestart, [&] { order << "restart"; });
        float beforeRestart = -1;
        connect(label.get(), &PlayLabel::sigProgressChange, [&](float p) {
            if (!order.contains("restart"))
                beforeRestart = p;
            else if (order.last() != "progress")
                order << "progress";
            progress << p;
        });

        play(label.get(), videoPath(kFront));
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last() > 1.0f, 10000);
        QCOMPARE(order, QStringList({"attr", "range", "restart", "progress"}));
        // libmpv may report the start position once before the restart.
        QVERIFY(beforeRestart == -1 || beforeRestart == 0.0f);
        QCOMPARE(size, QFileInfo(videoPath(kFront)).size());
        QCOMPARE(width, 640);
        QCOMPARE(height, 360);
        QVERIFY(qAbs(range - 10.0f) < 0.1f);
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY(progress[i] >= progress[i - 1]);
    }

    void seekToAWholeSecondRepliesAndRestarts()
    {
        auto label = makeLabel();
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        QSignalSpy reply(label.get(), &PlayLabel::sigCommandReplay);
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
        label->on_file_pause();
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 1, 5000); // loadfile
        restart.clear();
        reply.clear();

        label->on_file_seek(5);
        QTRY_COMPARE_WITH_TIMEOUT(restart.count(), 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 1, 5000);
        const double pos = mpvDouble(label->mpvHandle(), "time-pos");
        QVERIFY2(pos >= 4.9 && pos < 5.5, qPrintable(QString::number(pos)));
    }

    void exactSeekSpeedAndFrameSteps()
    {
        auto label = makeLabel();
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
        label->on_file_pause();
        QVERIFY(label->isPaused());
        QCOMPARE(label->frameDuration(), 0.1); // the test set's 10 fps
        restart.clear();

        // A fractional exact seek lands on the first frame not before that
        // time, not on the keyframe of its second.
        label->seekExact(4.35);
        QTRY_COMPARE_WITH_TIMEOUT(restart.count(), 1, 5000);
        QVERIFY2(qAbs(label->precisePosition() - 4.4) < 0.01,
                 qPrintable(QString::number(label->precisePosition())));
        const int64_t frame = label->frameNumber();
        QVERIFY2(frame >= 42 && frame <= 44, qPrintable(QString::number(frame)));

        label->frameStep();
        QTRY_COMPARE_WITH_TIMEOUT(label->frameNumber(), frame + 1, 5000);
        QVERIFY(label->isPaused());
        label->frameBackStep();
        QTRY_COMPARE_WITH_TIMEOUT(label->frameNumber(), frame, 5000);
        label->frameBackStep();
        QTRY_COMPARE_WITH_TIMEOUT(label->frameNumber(), frame - 1, 5000);

        // Speed of this instance, the sound at its own pitch.
        label->setPlaybackSpeed(2.0);
        QCOMPARE(label->playbackSpeed(), 2.0);
        QCOMPARE(mpvString(label->mpvHandle(), "audio-pitch-correction"), QStringLiteral("yes"));
        label->on_file_Speed(1.0f);
        QCOMPARE(label->playbackSpeed(), 1.0);
    }

    void zoomStepsStopAtThreeAndReturnToTheBase()
    {
        auto label = makeLabel();
        mpv_handle *h = label->mpvHandle();
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(label->on_file_zoom_in());
            QCOMPARE(mpvDouble(h, "video-zoom"), 0.5 * i);
        }
        QVERIFY(!label->on_file_zoom_in());
        QCOMPARE(label->zoomValue(), 3.0f);
        QCOMPARE(mpvDouble(h, "video-zoom"), 3.0);

        for (int i = 5; i >= 1; --i) {
            QVERIFY(label->on_file_zoom_out());
            QCOMPARE(mpvDouble(h, "video-zoom"), 0.5 * i);
        }
        QVERIFY(label->on_file_zoom_out());
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.0);
        QCOMPARE(mpvString(h, "keepaspect"), QStringLiteral("yes"));
        QVERIFY(!label->on_file_zoom_out());
        QCOMPARE(label->zoomValue(), 0.0f);
    }

    void withoutKeepingTheRatioThePictureIsStretched()
    {
        auto label = makeLabel();
        mpv_handle *h = label->mpvHandle();
        label->on_file_Scale(false);
        QVERIFY(!label->keepRatio());
        QCOMPARE(mpvString(h, "keepaspect"), QStringLiteral("no"));
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.0);
        // Zooming back to 0 returns to the stretched base, not to the ratio.
        QVERIFY(label->on_file_zoom_in());
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.5);
        QVERIFY(label->on_file_zoom_out());
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.0);
        QCOMPARE(mpvString(h, "keepaspect"), QStringLiteral("no"));
        label->on_file_Scale(true);
        QCOMPARE(mpvString(h, "keepaspect"), QStringLiteral("yes"));
    }

    void closeStopsAndTheNextFileStartsUnzoomed_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("keeping the ratio") << true;
        QTest::newRow("stretched") << false;
    }

    void closeStopsAndTheNextFileStartsUnzoomed()
    {
        QFETCH(bool, keep);
        auto label = makeLabel();
        mpv_handle *h = label->mpvHandle();
        label->on_file_Scale(keep);
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        QSignalSpy finish(label.get(), &PlayLabel::sigPlayFinish);
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
        for (int i = 0; i < 4; ++i)
            label->on_file_zoom_in();
        QCOMPARE(mpvDouble(h, "video-zoom"), 2.0);

        label->on_file_close();
        QCOMPARE(label->zoomValue(), 0.0f);
        QVERIFY(finish.wait(5000));
        restart.clear();
        play(label.get(), videoPath(kRear));
        QVERIFY(restart.wait(10000));
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.0);
        QCOMPARE(mpvString(h, "keepaspect"), keep ? QStringLiteral("yes") : QStringLiteral("no"));
        // One more step from there is the first step, not the fifth.
        QVERIFY(label->on_file_zoom_in());
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.5);
    }

    void volumeAndTheTwoMuteSlots()
    {
        auto label = makeLabel();
        mpv_handle *h = label->mpvHandle();
        // An equal value is not sent: what libmpv holds stays as it is.
        double fifty = 50.0;
        mpv_set_property(h, "volume", MPV_FORMAT_DOUBLE, &fifty);
        label->on_file_volume(100);
        QCOMPARE(mpvDouble(h, "volume"), 50.0);
        label->on_file_volume(0);
        QCOMPARE(mpvDouble(h, "volume"), 0.0);
        QCOMPARE(label->volume(), 0);
        label->on_file_volume(100);
        QCOMPARE(mpvDouble(h, "volume"), 100.0);

        label->on_file_Mute();
        QCOMPARE(mpvDouble(h, "volume"), 0.0);
        QVERIFY(label->isMuted());
        label->on_file_Mute();
        QCOMPARE(mpvDouble(h, "volume"), 100.0);
        QVERIFY(!label->isMuted());

        label->on_file_volume(60);
        label->on_file_Mute(true);
        QCOMPARE(mpvDouble(h, "volume"), 0.0);
        // A volume change while muted is applied and leaves the mute flag.
        label->on_file_volume(70);
        QCOMPARE(mpvDouble(h, "volume"), 70.0);
        QVERIFY(label->isMuted());
        label->on_file_Mute(false);
        QCOMPARE(mpvDouble(h, "volume"), 70.0);
        QVERIFY(!label->isMuted());
    }

    void timePosInAnotherFormatIsIgnored()
    {
        auto label = makeLabel();
        mpv_handle *h = label->mpvHandle();
        mpv_unobserve_property(h, 0);
        mpv_observe_property(h, 0, "time-pos", MPV_FORMAT_STRING);
        QSignalSpy progress(label.get(), &PlayLabel::sigProgressChange);
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
        QTRY_VERIFY_WITH_TIMEOUT(mpvDouble(h, "time-pos") > 1.0, 5000);
        QCOMPARE(progress.count(), 0);
    }

    void screenshotToFileWritesAJpegOfTheFrame()
    {
        QTemporaryDir dir;
        auto label = makeLabel();
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        QSignalSpy reply(label.get(), &PlayLabel::sigCommandReplay);
        QSignalSpy finished(label.get(), &PlayLabel::sigShotFinished);
        play(label.get(), videoPath(kRear));
        QVERIFY(restart.wait(10000));
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 1, 5000);
        QCOMPARE(finished.count(), 0); // loadfile is not a screenshot
        const QString path = dir.filePath(QStringLiteral("shot.jpg"));
        label->shotImage(path);
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 2, 5000);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(3), QByteArray("\xFF\xD8\xFF"));
        QImage image(path);
        QCOMPARE(image.size(), QSize(640, 360));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toString(), path);
        QCOMPARE(finished.at(0).at(1).toBool(), true);

        // An unwritable target still ends in a reply, and nothing is written.
        label->shotImage(dir.filePath(QStringLiteral("missing/dir/shot.jpg")));
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 3, 5000);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/dir/shot.jpg"))));
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(1).toBool(), false);
    }

    void unplayableFilesEndInEndOfFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(65536, 0);
        QRandomGenerator random(6);
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QFile front(videoPath(kFront));
        if (!front.open(QIODevice::ReadOnly))
            QFAIL("no sample recording");
        QTest::newRow("missing") << "missing.mp4" << QByteArray();
        QTest::newRow("empty") << "empty.mp4" << QByteArray("");
        QTest::newRow("random bytes") << "noise.mp4" << noise;
        QTest::newRow("cut off") << "cut.mp4" << front.read(4096);
    }

    void unplayableFilesEndInEndOfFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        auto label = makeLabel();
        QSignalSpy finish(label.get(), &PlayLabel::sigPlayFinish);
        QSignalSpy reply(label.get(), &PlayLabel::sigCommandReplay);
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        play(label.get(), path);
        QVERIFY(finish.wait(10000));
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 1, 5000);
        // The engine stays usable for the next file.
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
    }

    // A file replaced before libmpv started it: its end (here an error) and
    // its news are not taken for the next file's.
    void theNewsOfAReplacedFileAreNotTheNextOnes()
    {
        auto label = makeLabel();
        QSignalSpy range(label.get(), &PlayLabel::sigSetVideoRange);
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        play(label.get(), QStringLiteral("/nonexistent/missing.mp4"));
        label->on_file_close();
        play(label.get(), videoPath(kFront));
        QVERIFY(restart.wait(10000));
        QVERIFY(!label->lastEndWasError());
        QVERIFY(!label->lastEndWasEof());
        QCOMPARE(range.count(), 1);
        QVERIFY(qAbs(range.first().first().toFloat() - 10.0f) < 0.1f);
        // Its own end is its own.
        label->on_file_seek(9);
        QTRY_VERIFY_WITH_TIMEOUT(label->lastEndWasEof(), 10000);
    }

    // A sound output that cannot open (here a sound device that does not
    // exist, whatever this machine has) is no fault of a file with sound:
    // it plays to its end, which is an end like any other, with or without
    // libmpv's fallback. A sound output left out on purpose is no news.
    void soundWithoutAnOutputIsNoFailureOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("ao");
        QTest::addColumn<QByteArray>("fallback");
        QTest::addColumn<bool>("missing");
        QTest::newRow("device missing") << QByteArray("alsa") << QByteArray("yes") << true;
        QTest::newRow("device missing, no fallback") << QByteArray("alsa") << QByteArray("no") << true;
        QTest::newRow("none chosen") << QByteArray("null") << QByteArray("yes") << false;
    }

    void soundWithoutAnOutputIsNoFailureOfTheFile()
    {
        QFETCH(QByteArray, ao);
        QFETCH(QByteArray, fallback);
        QFETCH(bool, missing);
        auto label = std::make_unique<PlayLabel>();
        mpv_handle *h = label->mpvHandle();
        mpv_set_option_string(h, "ao", ao.constData());
        mpv_set_option_string(h, "audio-device", "alsa/tavrin-no-such-device");
        mpv_set_option_string(h, "audio-fallback-to-null", fallback.constData());
        label->resize(320, 180);
        label->show();
        QSignalSpy told(label.get(), &PlayLabel::sigSoundOutputChanged);
        QSignalSpy restart(label.get(), &PlayLabel::sigPlaybackRestart);
        const QString withSound = videoPath("20190523143025_00.MOV");
        play(label.get(), withSound);
        QVERIFY(restart.wait(10000));
        label->on_file_seek(8);
        QTRY_VERIFY_WITH_TIMEOUT(label->lastEndWasEof(), 15000);
        QVERIFY(!label->lastEndWasError());
        QCOMPARE(label->soundOutputMissing(), missing);
        QCOMPARE(told.count(), missing ? 1 : 0);
        // Told once: the next file with sound finds the same.
        play(label.get(), withSound);
        QVERIFY(restart.wait(10000));
        QTest::qWait(300);
        QCOMPARE(told.count(), missing ? 1 : 0);
    }

    void threeEnginesRunAndGoAwayWhilePlaying()
    {
        std::vector<std::unique_ptr<PlayLabel>> labels;
        for (int i = 0; i < 3; ++i)
            labels.push_back(makeLabel());
        const char *files[] = {kFront, kRear, kInterior};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = 0; i < 3; ++i) {
            spies.push_back(std::make_unique<QSignalSpy>(labels[i].get(), &PlayLabel::sigProgressChange));
            play(labels[i].get(), videoPath(files[i]));
        }
        for (auto &spy : spies)
            QTRY_VERIFY_WITH_TIMEOUT(spy->count() > 5, 10000);
        spies.clear();
        // Destroyed while events keep coming: the wakeups stop with the label.
        labels.clear();
        settle(300);
    }
};

TAVRIN_TEST_MAIN(tst_PlayLabel, QApplication)
#include "tst_PlayLabel.moc"
