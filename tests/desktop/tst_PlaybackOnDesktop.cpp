#include "TestMain.h"
#include "desktop/DesktopInput.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/PlayLabel.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoCoverWidget.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <mpv/client.h>

#include <functional>
#include <memory>

using namespace DesktopInput;

namespace {

const QString kSamples = QStringLiteral(TAVRIN_SAMPLES_DIR "/");
const QString kFront = QStringLiteral("2019_0523_143005_001A.MP4");
const QString kRear = QStringLiteral("2019_0523_143006_002B.MP4");
const QString kInterior = QStringLiteral("2019_0523_143005_001C.MP4");

QString shot(const char *name)
{
    return QStringLiteral(TAVRIN_SHOTS_DIR "/") + QLatin1String(name);
}

QStringList picturesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
}

} // namespace

// The real window on a desktop, driven by real X input as a user drives it:
// the playback keys wherever the focus is, a recording with sound where no
// sound output opens (nothing here sets the engine's sound output: this
// machine has no sound device), snapshots, and the real program started
// with one channel file of a recording.
class tst_PlaybackOnDesktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelmorMainWidget> m_window;

    Ui_VelmorMainWidget *ui() const { return m_window->form(); }

    QString playing(int k) const
    {
        KoFileInfoModel *m = m_window->channelModel(k);
        return m ? m->fileName() : QString();
    }

    double position(int k) const
    {
        double pos = -1;
        mpv_get_property(m_window->display(k)->playLabel()->mpvHandle(), "time-pos", MPV_FORMAT_DOUBLE, &pos);
        return pos;
    }

    bool coverShown(int k) const
    {
        for (KoCoverWidget *cover : m_window->display(k)->findChildren<KoCoverWidget *>()) {
            if (cover->isVisible())
                return true;
        }
        return false;
    }

    bool settled() const { return !m_window->channelSync()->isAligning(); }

    // The three-channel recording from its start, every display showing,
    // paused.
    void playFrontPaused()
    {
        m_window->playSelectFile(kSamples + kFront);
        for (int k = 1; k <= 3; ++k)
            QTRY_COMPARE_WITH_TIMEOUT(m_window->display(k)->state(), 1, 20000);
        m_window->pauseAll();
        QTRY_VERIFY_WITH_TIMEOUT(settled(), 10000);
    }

private slots:
    void initTestCase()
    {
        auto *settings = JXDefaultSettings::instance();
        settings->setLanguage(2); // English
        settings->setMapType(KoMapType::OpenStreetMap);
        int language = settings->getLanguage();
        loadTranslator(language);
        installTranslators();
        m_window = std::make_unique<VelmorMainWidget>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(activate(m_window.get()));
        m_window->addChosenFolder(QStringLiteral(TAVRIN_SAMPLES_DIR));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->mapBridge()->isPageReady(), 30000);
    }

    void cleanupTestCase()
    {
        if (m_window)
            m_window->stopPlay();
        m_window.reset();
    }

    // Every playback key after a click on the map, on the file list, on a
    // display and on a button: the same key does the same thing.
    void playbackKeysWorkWhereverTheFocusIs()
    {
        using State = KoPlaybackSession::State;
        KoSplitLayout::Mode layout = KoSplitLayout::Mode::Stacked;
        bool keep = true;
        struct Step
        {
            const char *key;
            std::function<bool()> done;
        };
        const QList<Step> steps = {
            {"space", [&] { return m_window->playState() == State::Playing; }},
            {"space", [&] { return m_window->playState() == State::Paused; }},
            {"bracketright", [&] { return m_window->playbackSpeed() == 1.5; }},
            {"bracketright",
             [&] {
                 return m_window->playbackSpeed() == 2.0 && ui()->label_play_time->text().endsWith("2x");
             }},
            {"bracketleft", [&] { return m_window->playbackSpeed() == 1.5; }},
            {"BackSpace",
             [&] {
                 return m_window->playbackSpeed() == 1.0 && !ui()->label_play_time->text().contains('x');
             }},
            {"i", [&] { return m_window->clipMarks().in >= 0; }},
            {"period", [&] { return settled() && position(1) > m_window->clipMarks().in + 0.05; }},
            {"o", [&] { return m_window->clipMarks().out > m_window->clipMarks().in; }},
            {"comma", [&] { return settled() && position(1) < m_window->clipMarks().out - 0.05; }},
            {"Up", [&] { return m_window->display(1)->zoomStep() == 1; }},
            {"Down", [&] { return m_window->display(1)->zoomStep() == 0; }},
            {"p",
             [&] { return m_window->splitMode() != layout || m_window->display(1)->keepRatio() != keep; }},
            {"Right",
             [&] { return playing(1) == "2019_0523_143015_002A.MP4" && m_window->display(1)->state() == 1; }},
            {"Left", [&] { return playing(1) == kFront && m_window->display(1)->state() == 1; }},
        };

        const QModelIndex row = m_window->playlist().model(kSamples + kFront)->listIndex();
        JXDeviceTreeView *list = ui()->treeView_filelist;
        struct Target
        {
            const char *name;
            std::function<bool()> click;
            QWidget *takesFocus;
        };
        const QList<Target> targets = {
            // A corner of the map, away from the route (a click on it seeks).
            {"map", [&] { return click(ui()->webview, QPoint(ui()->webview->width() - 20, 20)); },
             ui()->webview},
            // The thumbnail of a row (its other end deletes it).
            {"list", [&] { return click(list->viewport(), QPoint(40, list->visualRect(row).center().y())); },
             list},
            {"display", [&] { return click(m_window->display(2)); }, m_window->display(2)},
            // Buttons take no focus: it stays where it was.
            {"button", [&] { return click(ui()->pushBtn_zoom_in); }, nullptr},
        };
        for (const Target &target : targets) {
            playFrontPaused();
            layout = m_window->splitMode();
            keep = m_window->display(1)->keepRatio();
            list->scrollTo(row);
            QVERIFY(target.click());
            if (target.takesFocus) {
                QTRY_VERIFY2(QApplication::focusWidget() &&
                                 (QApplication::focusWidget() == target.takesFocus ||
                                  target.takesFocus->isAncestorOf(QApplication::focusWidget())),
                             target.name);
            }
            qInfo() << "after a click on the" << target.name << "the focus is on"
                    << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                                    : "nothing");
            for (const Step &step : steps) {
                QVERIFY(key(QLatin1String(step.key)));
                QTRY_VERIFY2_WITH_TIMEOUT(
                    step.done(),
                    qPrintable(QStringLiteral("%1 after a click on the %2").arg(step.key, target.name)),
                    20000);
            }
            // The speed shown beside the time, for a person to look at.
            QVERIFY(key(QStringLiteral("bracketright")));
            QTRY_VERIFY(ui()->label_play_time->text().endsWith("1.5x"));
            QVERIFY(screenshot(
                shot(qPrintable(QStringLiteral("keys-after-a-click-on-the-%1.png").arg(target.name)))));
            QVERIFY(key(QStringLiteral("BackSpace")));
            // Escape leaves full screen, wherever the focus went when the
            // rest of the window was hidden.
            QVERIFY(click(ui()->pushBtn_fullscreen));
            QTRY_VERIFY(m_window->isFullScreenMode());
            QVERIFY(key(QStringLiteral("Escape")));
            QTRY_VERIFY2(!m_window->isFullScreenMode(), target.name);
        }
    }

    // The MOV recording has sound, and there is no sound output here: its
    // picture plays to the end, the next recording follows, and the window
    // says once that there is no sound output.
    void aRecordingWithSoundPlaysIntoTheNextWithoutSoundOutput()
    {
        m_window->playSelectFile(kSamples + "20190523143025_00.MOV");
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(ui()->label_play_note->isVisible(), 10000);
        QCOMPARE(ui()->label_play_note->text(), QStringLiteral("No sound output"));
        QVERIFY(ui()->pushBtn_mute->toolTip().startsWith(QStringLiteral("No sound output:")));
        QVERIFY(screenshot(shot("no-sound-output.png")));
        // Display 2 is never heard: it takes no sound and probes no output.
        char *aid = mpv_get_property_string(m_window->display(2)->playLabel()->mpvHandle(), "aid");
        QCOMPARE(QByteArray(aid), QByteArray("no"));
        mpv_free(aid);
        // On to 80 % with a click on the seek bar.
        KoProgressSlider *bar = ui()->horizontalSlider_progress;
        QVERIFY(click(bar, QPoint(bar->width() * 8 / 10, bar->height() / 2)));
        QTRY_COMPARE_WITH_TIMEOUT(playing(1), kFront, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);
        QVERIFY(!coverShown(1));
        QVERIFY(ui()->widget_display_cover->isHidden());
        // The next recording has no sound: the note stays until a sound
        // output opens.
        QVERIFY(ui()->label_play_note->isVisible());
    }

    // Two quick presses of the snapshot button, three displays: six pictures.
    // A snapshot into a folder that has gone is told once, and its numbers
    // are used again once the folder is back.
    void snapshotsGetTheirOwnNamesAndFailuresAreTold()
    {
        auto *settings = JXDefaultSettings::instance();
        const QString pictures = settings->getSnapDir();
        QVERIFY2(pictures.startsWith(QDir::homePath() + "/Pictures/"), qPrintable(pictures));
        QVERIFY(picturesIn(pictures).isEmpty());
        playFrontPaused();
        const QString a = m_window->channelModel(1)->displayName();
        const QString b = m_window->channelModel(2)->displayName();
        const QString c = m_window->channelModel(3)->displayName();
        QVERIFY(doubleClick(ui()->pushBtn_capture));
        const QStringList six = {a + "_001.jpg", a + "_004.jpg", c + "_003.jpg",
                                 c + "_006.jpg", b + "_002.jpg", b + "_005.jpg"};
        QTRY_COMPARE_WITH_TIMEOUT(picturesIn(pictures), six, 10000);
        for (const QString &name : six)
            QCOMPARE(QImage(pictures + "/" + name).size(), QSize(640, 360));
        QTRY_COMPARE(settings->getLastCaptureIndex(), 6);

        // A folder of the user's choice, on a drive that is then unplugged.
        const QString chosen = QDir::homePath() + "/Dashcam shots";
        QVERIFY(QDir().mkpath(chosen));
        QFile other(chosen + "/notes.txt");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        settings->setSnapDir(chosen);
        QVERIFY(QDir().rename(chosen, chosen + " (unplugged)"));
        QString told;
        QVERIFY(withModal([this] { return click(ui()->pushBtn_capture); },
                          [&told](QWidget *modal) {
                              auto *box = qobject_cast<JXAlertDialog *>(modal);
                              QVERIFY(box);
                              QVERIFY(QTest::qWaitForWindowExposed(box));
                              told = box->message();
                              QVERIFY(screenshot(shot("snapshot-folder-gone.png")));
                              QVERIFY(key(QStringLiteral("Escape")));
                          }));
        QCOMPARE(told, QStringLiteral("The snapshot was not saved: the folder %1 does not exist. Choose "
                                      "another folder in the settings or connect its drive.")
                           .arg(chosen));
        // Once for the press, not once per display.
        QTest::qWait(500);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(settings->getLastCaptureIndex(), 6);

        QVERIFY(QDir().rename(chosen + " (unplugged)", chosen));
        QVERIFY(click(ui()->pushBtn_capture));
        QTRY_COMPARE_WITH_TIMEOUT(picturesIn(chosen),
                                  QStringList({a + "_007.jpg", c + "_009.jpg", b + "_008.jpg"}), 10000);
        m_window->stopPlay();
    }

    // The real program given the rear camera's file: the recording's other
    // channel files are listed too and all three play, front, rear and
    // interior in displays 1 to 3.
    void oneChannelFileOnTheCommandLinePlaysEveryChannel()
    {
        m_window->hide();
        QProcess player;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString home = QDir::homePath() + "/../player";
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            env.insert(QLatin1String(name), home + "/" + QLatin1String(name));
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        player.setProcessEnvironment(env);
        player.setProcessChannelMode(QProcess::MergedChannels);
        player.start(QStringLiteral(TAVRIN_BINARY_DIR "/TavrinPlayer"), {kSamples + kRear});
        QVERIFY(player.waitForStarted(10000));
        QString log;
        const QStringList expected = {
            "tavrin.library: adding 3 files", "tavrin.playback: display 1 plays " + kFront,
            "tavrin.playback: display 2 plays " + kRear, "tavrin.playback: display 3 plays " + kInterior};
        const bool all = QTest::qWaitFor(
            [&] {
                log += QString::fromLocal8Bit(player.readAll());
                for (const QString &line : expected) {
                    if (!log.contains(line))
                        return false;
                }
                return true;
            },
            30000);
        // The pictures and the route, for a person to look at.
        QTest::qWait(5000);
        QVERIFY(screenshot(shot("b-file-plays-three-channels.png")));
        player.terminate();
        if (!player.waitForFinished(5000)) {
            player.kill();
            player.waitForFinished(5000);
        }
        QVERIFY2(all, qPrintable(log));
        QVERIFY2(!log.contains("cannot play"), qPrintable(log));
    }
};

TAVRIN_TEST_MAIN(tst_PlaybackOnDesktop, QApplication)
#include "tst_PlaybackOnDesktop.moc"
