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

#include <QApplication>
#include <QProcess>

#include <mpv/client.h>

#include <functional>
#include <memory>

using namespace DesktopInput;

static const QString kSamples = QStringLiteral(TAVRIN_SAMPLES_DIR "/");
static const QString kFront = QStringLiteral("2019_0523_143005_001A.MP4");

// The real window on a desktop, driven by real X input: the playback keys
// wherever the focus is, a recording with sound where no sound output opens
// (nothing sets the engine's output: this machine has no sound device),
// snapshots, and the real program started with one channel file.
class tst_PlaybackOnDesktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelmorMainWidget> m_window;

    Ui_VelmorMainWidget *ui() const { return m_window->form(); }
    QString playing() const { return m_window->channelModel(1) ? m_window->channelModel(1)->fileName() : ""; }
    static QString shot(const QString &name) { return QStringLiteral(TAVRIN_SHOTS_DIR "/") + name; }
    static QStringList pictures(const QString &dir)
    {
        return QDir(dir).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    }

    double position() const
    {
        double pos = -1;
        mpv_get_property(m_window->display(1)->playLabel()->mpvHandle(), "time-pos", MPV_FORMAT_DOUBLE, &pos);
        return pos;
    }

    // The three-channel recording from its start, paused, in step.
    void playFrontPaused()
    {
        m_window->playSelectFile(kSamples + kFront);
        for (int k = 1; k <= 3; ++k)
            QTRY_COMPARE_WITH_TIMEOUT(m_window->display(k)->state(), 1, 20000);
        m_window->pauseAll();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->channelSync()->isAligning(), 10000);
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
        m_window->stopPlay();
        m_window.reset();
    }

    // Every playback key after a click on the map, the file list, a display
    // and a button (which takes no focus); Escape in full screen.
    void playbackKeysWorkWhereverTheFocusIs()
    {
        using State = KoPlaybackSession::State;
        VelmorMainWidget *w = m_window.get();
        const auto speedShown = [w](double speed, const char *text) {
            return w->playbackSpeed() == speed && w->form()->label_play_time->text().endsWith(text);
        };
        const auto settledAt = [w](const std::function<bool(double)> &at) {
            return !w->channelSync()->isAligning() && at(w->display(1)->precisePosition());
        };
        const QString nextFront = QStringLiteral("2019_0523_143015_002A.MP4");
        KoSplitLayout::Mode layout{};
        const QList<QPair<const char *, std::function<bool()>>> steps = {
            {"space", [w] { return w->playState() == State::Playing; }},
            {"space", [w] { return w->playState() == State::Paused; }},
            {"bracketright", [&] { return speedShown(1.5, "1.5x"); }},
            {"bracketright", [&] { return speedShown(2, "2x"); }},
            {"bracketleft", [&] { return speedShown(1.5, "1.5x"); }},
            {"BackSpace", [&] { return speedShown(1, "0:10"); }},
            {"i", [w] { return w->clipMarks().in >= 0; }},
            {"period", [&] { return settledAt([w](double p) { return p > w->clipMarks().in + 0.05; }); }},
            {"o", [w] { return w->clipMarks().out > w->clipMarks().in; }},
            {"comma", [&] { return settledAt([w](double p) { return p < w->clipMarks().out - 0.05; }); }},
            {"Up", [w] { return w->display(1)->zoomStep() == 1; }},
            {"Down", [w] { return w->display(1)->zoomStep() == 0; }},
            {"p", [&] { return w->splitMode() != layout || !w->display(1)->keepRatio(); }},
            {"Right", [&] { return playing() == nextFront && w->display(1)->state() == 1; }},
            {"Left", [&] { return playing() == kFront && w->display(1)->state() == 1; }},
        };
        JXDeviceTreeView *list = ui()->treeView_filelist;
        const QModelIndex row = m_window->playlist().model(kSamples + kFront)->listIndex();
        const QList<std::tuple<QString, std::function<bool()>, QWidget *>> targets = {
            // A corner away from the route (a click on it seeks).
            {"map", [&] { return click(ui()->webview, QPoint(ui()->webview->width() - 20, 20)); },
             ui()->webview},
            // A row's thumbnail (its other end deletes it).
            {"list",
             [&] {
                 return click(list->viewport(), {40, list->visualRect(row).center().y()});
             },
             list},
            {"display", [&] { return click(w->display(2)); }, w->display(2)},
            {"button", [&] { return click(ui()->pushBtn_zoom_in); }, nullptr},
        };
        for (const auto &[name, clickIt, focus] : targets) {
            playFrontPaused();
            layout = w->splitMode();
            list->scrollTo(row);
            QVERIFY(clickIt());
            if (focus)
                QTRY_VERIFY2(focus->isAncestorOf(QApplication::focusWidget()) ||
                                 QApplication::focusWidget() == focus,
                             qPrintable(name));
            for (const auto &[key, done] : steps) {
                QVERIFY(DesktopInput::key(QLatin1String(key)));
                QTRY_VERIFY2_WITH_TIMEOUT(done(), qPrintable(name + ": " + key), 20000);
            }
            QVERIFY(DesktopInput::key("bracketright"));
            QTRY_VERIFY(speedShown(1.5, "1.5x"));
            QVERIFY(screenshot(shot("keys-after-a-click-on-the-" + name + ".png")));
            QVERIFY(DesktopInput::key("BackSpace"));
            QVERIFY(click(ui()->pushBtn_fullscreen));
            QTRY_VERIFY(w->isFullScreenMode());
            QVERIFY(DesktopInput::key("Escape"));
            QTRY_VERIFY2(!w->isFullScreenMode(), qPrintable(name));
        }
    }

    // The MOV recording has sound and there is no sound output here: its
    // picture plays to the end and the next recording follows; the window
    // says once that there is no sound output.
    void aRecordingWithSoundPlaysIntoTheNextWithoutSoundOutput()
    {
        m_window->playSelectFile(kSamples + "20190523143025_00.MOV");
        QTRY_VERIFY_WITH_TIMEOUT(ui()->label_play_note->isVisible(), 20000);
        QCOMPARE(ui()->label_play_note->text(), QStringLiteral("No sound output"));
        QVERIFY(ui()->pushBtn_mute->toolTip().startsWith(QStringLiteral("No sound output:")));
        QVERIFY(screenshot(shot("no-sound-output.png")));
        KoProgressSlider *bar = ui()->horizontalSlider_progress;
        QVERIFY(click(bar, QPoint(bar->width() * 8 / 10, bar->height() / 2)));
        QTRY_COMPARE_WITH_TIMEOUT(playing(), kFront, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);
        QVERIFY(!m_window->session()->hasFailed(1) && !m_window->session()->hasFailed(2));
    }

    // Two quick presses, three displays: six pictures. A press into a folder
    // that has gone is told once, and its numbers are used when it is back.
    void snapshotsGetTheirOwnNamesAndFailuresAreTold()
    {
        auto *settings = JXDefaultSettings::instance();
        const QString folder = settings->getSnapDir();
        QVERIFY(folder.startsWith(QDir::homePath() + "/Pictures/") && pictures(folder).isEmpty());
        playFrontPaused();
        QStringList names;
        for (int k = 1; k <= 3; ++k)
            names << m_window->channelModel(k)->displayName();
        QVERIFY(doubleClick(ui()->pushBtn_capture));
        QStringList six;
        for (int n = 1; n <= 6; ++n)
            six << QStringLiteral("%1_%2.jpg").arg(names.at((n - 1) % 3)).arg(n, 3, 10, QLatin1Char('0'));
        six.sort();
        QTRY_COMPARE_WITH_TIMEOUT(pictures(folder), six, 10000);
        QTRY_COMPARE(settings->getLastCaptureIndex(), 6);

        const QString chosen = QDir::homePath() + "/Dashcam shots";
        QVERIFY(QDir().mkpath(chosen) && QFile(chosen + "/notes.txt").open(QIODevice::WriteOnly));
        settings->setSnapDir(chosen);
        QVERIFY(QDir().rename(chosen, chosen + " (unplugged)"));
        QString told;
        QVERIFY(withModal([this] { return click(ui()->pushBtn_capture); },
                          [&told](QWidget *box) {
                              QVERIFY(QTest::qWaitForWindowExposed(box));
                              told = qobject_cast<JXAlertDialog *>(box)->message();
                              QVERIFY(screenshot(shot("snapshot-folder-gone.png")));
                              QVERIFY(key("Escape"));
                          }));
        QVERIFY2(told.contains(chosen + " does not exist"), qPrintable(told));
        QTest::qWait(500); // once for the press, not once per display
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(QDir().rename(chosen + " (unplugged)", chosen));
        QVERIFY(click(ui()->pushBtn_capture));
        QTRY_COMPARE_WITH_TIMEOUT(
            pictures(chosen).join(' '),
            names.at(0) + "_007.jpg " + names.at(2) + "_009.jpg " + names.at(1) + "_008.jpg", 10000);
        m_window->stopPlay();
    }

    // The built program given the rear camera's file plays front, rear and
    // interior in displays 1 to 3.
    void oneChannelFileOnTheCommandLinePlaysEveryChannel()
    {
        m_window->hide();
        QProcess player;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            env.insert(name, QDir::homePath() + "/../player/" + name);
        player.setProcessEnvironment(env);
        player.setProcessChannelMode(QProcess::MergedChannels);
        player.start(QStringLiteral(TAVRIN_BINARY_DIR "/TavrinPlayer"),
                     {kSamples + "2019_0523_143006_002B.MP4"});
        QString log;
        const bool all = QTest::qWaitFor(
            [&] {
                log += QString::fromLocal8Bit(player.readAll());
                return log.contains("adding 3 files") && log.contains("display 1 plays " + kFront) &&
                       log.contains("display 2 plays 2019_0523_143006_002B.MP4") &&
                       log.contains("display 3 plays 2019_0523_143005_001C.MP4");
            },
            30000);
        QTest::qWait(5000); // the pictures and the route, for a person to look at
        QVERIFY(screenshot(shot("b-file-plays-three-channels.png")));
        player.terminate();
        if (!player.waitForFinished(5000))
            player.kill();
        QVERIFY2(all && !log.contains("cannot play"), qPrintable(log));
    }
};

TAVRIN_TEST_MAIN(tst_PlaybackOnDesktop, QApplication)
#include "tst_PlaybackOnDesktop.moc"
