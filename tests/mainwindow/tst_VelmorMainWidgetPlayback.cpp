#include "TestMain.h"

#include "app/JXDefaultSettings.h"
#include "gps/KoGPSModel.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackCache.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/PlayLabel.h"
#include "widgets/KoAppSettingDialog.h"
#include "widgets/KoCoverWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <mpv/client.h>

#include <memory>

// The main window playing the sample recordings: real libmpv in three
// displays, the real OpenStreetMap page, the real track caches.
class tst_VelmorMainWidgetPlayback : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelmorMainWidget> m_window;
    QTemporaryDir m_snapDir;

    Ui_VelmorMainWidget *ui() const { return m_window->form(); }

    KoFileInfoModel *model(const QString &name) const
    {
        for (KoFileInfoModel *m : m_window->fileModels()) {
            if (m->fileName() == name)
                return m;
        }
        return nullptr;
    }

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

    double speed(int k) const
    {
        double value = -1;
        mpv_get_property(m_window->display(k)->playLabel()->mpvHandle(), "speed", MPV_FORMAT_DOUBLE, &value);
        return value;
    }

    void doubleClick(const QString &name)
    {
        KoFileInfoModel *m = model(name);
        QVERIFY2(m, qPrintable(name));
        m_window->on_treeView_filelist_doubleClicked(m->listIndex());
    }

    bool coverShown(int k) const
    {
        for (KoCoverWidget *cover : m_window->display(k)->findChildren<KoCoverWidget *>()) {
            if (cover->isVisible())
                return true;
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        JXDefaultSettings::instance()->setMapType(KoMapType::OpenStreetMap);
        JXDefaultSettings::instance()->setSpeedUnit(KoSpeedUnit::KilometresPerHour);
        JXDefaultSettings::instance()->setSnapDir(m_snapDir.path());
        m_window = std::make_unique<VelmorMainWidget>();
        for (int k = 1; k <= 3; ++k)
            mpv_set_option_string(m_window->display(k)->playLabel()->mpvHandle(), "ao", "null");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->addChosenFolder(QStringLiteral(TAVRIN_SAMPLES_DIR));
        QCOMPARE(m_window->fileModels().size(), 12);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->mapBridge()->isPageReady(), 30000);
    }

    void cleanupTestCase()
    {
        m_window->stopPlay();
        m_window.reset();
    }

    void threeChannelsPlayInStepWithTheTrack()
    {
        doubleClick("2019_0523_143006_002B.MP4");
        QCOMPARE(playing(1), QStringLiteral("2019_0523_143005_001A.MP4"));
        QCOMPARE(playing(2), QStringLiteral("2019_0523_143006_002B.MP4"));
        QCOMPARE(playing(3), QStringLiteral("2019_0523_143005_001C.MP4"));
        QCOMPARE(m_window->displayCount(), 3);
        QCOMPARE(m_window->splitMode(), KoSplitLayout::Mode::Stacked);
        for (int k = 1; k <= 3; ++k)
            QTRY_COMPARE_WITH_TIMEOUT(m_window->display(k)->state(), 1, 20000);
        QVERIFY(!ui()->widget_display_cover->isVisible());

        // Progress moves the slider, the time, the instruments and the marker
        // to the sample of that second, all from one report.
        QTRY_VERIFY_WITH_TIMEOUT(ui()->horizontalSlider_progress->value() >= 3, 20000);
        const int second = ui()->horizontalSlider_progress->value();
        const KoGPSModel *s = m_window->channelModel(1)->gpsSamples().at(second);
        QCOMPARE(s->status, 'A');
        QCOMPARE(ui()->label_play_time->text(),
                 VelmorMainWidget::timeText(second) + "/" + VelmorMainWidget::timeText(10));
        QCOMPARE(ui()->label_speed_value->text(), QStringLiteral("%1 KM/H").arg(int(s->speedKmh)));
        QCOMPARE(ui()->label_lat->text(), QString::number(qAbs(s->wgsLatitude), 'f', 6) + s->latHemisphere);
        QCOMPARE(m_window->mapBridge()->lastScript(),
                 "moveGPS(" + KoMapBridge::pointText(s->wgsLongitude, s->wgsLatitude) + ")");

        // A click at 55 % of a 0..10 slider seeks every display to second 5.
        QCOMPARE(ui()->horizontalSlider_progress->maximum(), 10);
        m_window->pauseAll();
        m_window->posChangedSlot(0.55);
        const KoGPSModel *five = m_window->channelModel(1)->gpsSamples().at(5);
        QCOMPARE(ui()->label_speed_value->text(), QStringLiteral("%1 KM/H").arg(int(five->speedKmh)));
        for (int k = 1; k <= 3; ++k)
            QTRY_VERIFY_WITH_TIMEOUT(qAbs(position(k) - 5.0) < 0.2, 10000);
        // Held in step: the three land on the same frame, and a frame step
        // ("." in the window) moves them together.
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->channelSync()->isAligning(), 10000);
        QCOMPARE(position(2), position(1));
        QCOMPARE(position(3), position(1));
        const double before = position(1);
        QTest::keyClick(m_window.get(), Qt::Key_Period);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->channelSync()->isAligning() && position(1) > before, 10000);
        QVERIFY(qAbs(position(1) - before - 0.1) < 0.02);
        QCOMPARE(position(2), position(1));
        QCOMPARE(position(3), position(1));
        // "I" marks a clip's start where the displays are, on the bar too.
        QTest::keyClick(m_window.get(), Qt::Key_I);
        QVERIFY(qAbs(m_window->clipMarks().in - position(1)) < 0.05);
        QCOMPARE(ui()->horizontalSlider_progress->markIn(), m_window->clipMarks().in);
        // Speed keys: all channels, shown beside the time.
        QTest::keyClick(m_window.get(), Qt::Key_BracketRight);
        QVERIFY(ui()->label_play_time->text().endsWith("  1.5x"));
        for (int k = 1; k <= 3; ++k)
            QTRY_COMPARE(speed(k), 1.5);
        QTest::keyClick(m_window.get(), Qt::Key_Backspace);
        QVERIFY(!ui()->label_play_time->text().contains("x"));
        QTRY_COMPARE(speed(1), 1.0);

        // A snapshot of every channel, numbered on, never over a file.
        const QString a = m_window->channelModel(1)->displayName();
        QFile taken(m_snapDir.filePath(a + "_005.jpg"));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("keep");
        taken.close();
        JXDefaultSettings::instance()->setLastCaptureIndex(4);
        m_window->on_pushBtn_capture_clicked();
        const QStringList shots = {a + "_006.jpg", m_window->channelModel(2)->displayName() + "_007.jpg",
                                   m_window->channelModel(3)->displayName() + "_008.jpg"};
        for (const QString &shot : shots)
            QTRY_VERIFY_WITH_TIMEOUT(!QImage(m_snapDir.filePath(shot)).isNull(), 10000);
        // The number is stored when the engine reports the picture written.
        QTRY_COMPARE(JXDefaultSettings::instance()->getLastCaptureIndex(), 8);
        QVERIFY(taken.open(QIODevice::ReadOnly));
        QCOMPARE(taken.readAll(), QByteArray("keep"));

        // Stop does not move on to the next recording, and drops the marks.
        m_window->on_pushBtn_stop_clicked();
        QCOMPARE(ui()->horizontalSlider_progress->markIn(), -1.0);
        QCOMPARE(m_window->playState(), KoPlaybackSession::State::Stopped);
        QTest::qWait(1500);
        QCOMPARE(m_window->playState(), KoPlaybackSession::State::Stopped);
        QCOMPARE(m_window->channelModel(1), nullptr);
        QVERIFY(ui()->widget_display_cover->isVisible());
    }

    void recordingsFollowEachOther()
    {
        // The natural end of a recording starts the next one.
        doubleClick("2019_0523_143005_001A.MP4");
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);
        m_window->posChangedSlot(0.9);
        QTRY_COMPARE_WITH_TIMEOUT(playing(1), QStringLiteral("2019_0523_143015_002A.MP4"), 20000);

        // The last recording (an MP4 without a track) plays with the map
        // cleared and the instruments at rest; at its end nothing starts.
        KoFileInfoModel *last = m_window->fileModels().last();
        QCOMPARE(last->fileName(), QStringLiteral("2019_0801_101500_001A.MP4"));
        doubleClick(last->fileName());
        QCOMPARE(m_window->mapBridge()->lastScript(), QStringLiteral("clearGPSLine()"));
        QTRY_VERIFY_WITH_TIMEOUT(ui()->horizontalSlider_progress->value() >= 2, 20000);
        QCOMPARE(ui()->label_lng->text(), QStringLiteral("000.000000"));
        QCOMPARE(ui()->label_speed_value->text(), QStringLiteral("0 KM/H"));
        m_window->posChangedSlot(0.9);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->playState(), KoPlaybackSession::State::Stopped, 20000);
        QTest::qWait(1000);
        QCOMPARE(m_window->playState(), KoPlaybackSession::State::Stopped);

        // Next wraps to the first entry; Previous on the first plays the last.
        doubleClick(last->fileName());
        m_window->on_pushBtn_nextFrame_clicked();
        QCOMPARE(m_window->channelModel(1), m_window->fileModels().first());
        m_window->on_pushBtn_lastFrame_clicked();
        QCOMPARE(m_window->channelModel(1), last);
        m_window->on_pushBtn_stop_clicked();
    }

    void brokenChannelsLeaveTheOthersPlaying()
    {
        QTemporaryDir dir;
        for (const char *name :
             {"2019_0523_143005_001A.MP4", "2019_0523_143006_002B.MP4", "2019_0523_143005_001C.MP4"})
            QVERIFY(QFile::copy(QStringLiteral(TAVRIN_SAMPLES_DIR "/") + name, dir.filePath(name)));
        m_window->addChosenFolder(dir.path());
        const int listed = m_window->fileModels().size();
        QCOMPARE(listed, 15);
        // After listing: the interior camera's file goes away, the rear one
        // is cut short.
        QVERIFY(QFile::remove(dir.filePath("2019_0523_143005_001C.MP4")));
        QFile rear(dir.filePath("2019_0523_143006_002B.MP4"));
        QVERIFY(rear.resize(4096));
        KoFileInfoModel *front = nullptr;
        for (KoFileInfoModel *m : m_window->fileModels()) {
            if (m->filePath() == dir.filePath("2019_0523_143005_001A.MP4"))
                front = m;
        }
        QVERIFY(front);
        m_window->on_treeView_filelist_doubleClicked(front->listIndex());
        QCOMPARE(m_window->displayCount(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(coverShown(2) && coverShown(3), 20000);
        QVERIFY(!coverShown(1));
        QTRY_VERIFY_WITH_TIMEOUT(position(1) > 1.0, 20000);
        QCOMPARE(m_window->playState(), KoPlaybackSession::State::Playing);
        QCOMPARE(m_window->fileModels().size(), listed);
        m_window->on_pushBtn_stop_clicked();
        QVERIFY(!coverShown(2) && !coverShown(3));
    }

    // The settings dialog reports back: a new map type reloads the page, a new
    // unit shows at once while nothing plays.
    void settingsApplyAtOnce()
    {
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = m_window->findChild<KoAppSettingDialog *>();
            QVERIFY(dialog);
            dialog->findChild<QComboBox *>("comboBox_map")->setCurrentIndex(1);
            seen << ui()->webview->page()->requestedUrl().fileName();
            dialog->findChild<QComboBox *>("comboBox_unit")->setCurrentIndex(1);
            seen << ui()->label_speed_value->text();
            dialog->findChild<QComboBox *>("comboBox_map")->setCurrentIndex(2);
            dialog->findChild<QComboBox *>("comboBox_unit")->setCurrentIndex(0);
            dialog->close();
        });
        m_window->showAppSettingSlot();
        QCOMPARE(seen, QStringList({"dunmorebd.html", "0 MPH"}));
        QCOMPARE(ui()->webview->page()->requestedUrl().fileName(), QStringLiteral("dunmoreos.html"));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->mapBridge()->isPageReady(), 30000);
    }

    // The label rules on a made-up track: no fix, then miles per hour.
    void labelsFollowTheUnitAndTheFix()
    {
        QCOMPARE(VelmorMainWidget::timeText(59) + "/" + VelmorMainWidget::timeText(3725),
                 QStringLiteral("00:59/01:02:05"));
        QCOMPARE(VelmorMainWidget::timeText(3599), QStringLiteral("59:59"));

        QTemporaryDir dir;
        const QString name = QStringLiteral("2019_0901_120000_001A.MP4");
        QFile video(dir.filePath(name));
        QVERIFY(video.open(QIODevice::WriteOnly));
        video.close();
        KoFileInfoModel probe(name, video.fileName());
        QFile cache(probe.gpsCachePath());
        QVERIFY(cache.open(QIODevice::WriteOnly));
        cache.write("V20190901120000,0.000000,N,0.000000,E,0.00,77.00,0,0,256,5.0\n");
        for (int i = 1; i < 20; ++i)
            cache.write(
                QString::asprintf("A201909011200%02d,3112.345703,N,12130.123047,E,39.89,90.00,16,-32,256,"
                                  "12.0\n",
                                  i)
                    .toLatin1());
        cache.write(KoTrackCache::sourceStamp(video.fileName()) + '\n'); // made from this recording
        cache.close();
        m_window->addChosenFiles({video.fileName()});
        KoFileInfoModel *m = m_window->channelModel(1);
        QVERIFY(m && m->fileName() == name);

        m_window->updateVideoProgressSlot(0.4f);
        QCOMPARE(ui()->label_lng->text(), QStringLiteral("000.000000"));
        QCOMPARE(ui()->label_lat->text(), QStringLiteral("00.000000"));
        QCOMPARE(ui()->label_speed_value->text(), QStringLiteral("0 KM/H"));
        QCOMPARE(ui()->label_campass->direction(), 77.0);

        JXDefaultSettings::instance()->setSpeedUnit(KoSpeedUnit::MilesPerHour);
        // The empty file reports no duration of its own.
        ui()->horizontalSlider_progress->setRange(0, 100);
        m_window->updateVideoProgressSlot(12.5f);
        QCOMPARE(ui()->horizontalSlider_progress->value(), 13);
        QVERIFY(ui()->label_play_time->text().startsWith("00:13/"));
        QCOMPARE(ui()->label_speed_value->text(), QStringLiteral("45 MPH"));
        QCOMPARE(ui()->label_draw_speed->speed(), 45.0f);
        QCOMPARE(ui()->label_gsensor_x->text(), QStringLiteral("X: 0.0625"));
        QCOMPARE(ui()->label_lng->text(),
                 QString::number(m->gpsSamples().at(13)->wgsLongitude, 'f', 6) + "E");
        m_window->updateVideoProgressSlot(12.49f);
        QCOMPARE(ui()->horizontalSlider_progress->value(), 12);
        JXDefaultSettings::instance()->setSpeedUnit(KoSpeedUnit::KilometresPerHour);
        m_window->on_pushBtn_stop_clicked();
    }
};

TAVRIN_TEST_MAIN(tst_VelmorMainWidgetPlayback, QApplication)
#include "tst_VelmorMainWidgetPlayback.moc"
