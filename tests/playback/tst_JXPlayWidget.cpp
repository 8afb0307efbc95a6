#include "TestMain.h"

#include "PlaybackTestUtil.h"
#include "playback/JXPlayWidget.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <memory>

namespace {

void wheel(QWidget *w, int delta)
{
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(pos, w->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

bool isDark(QRgb c)
{
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
}

} // namespace

// The video display on real libmpv and real video files under Xvfb.
class tst_JXPlayWidget : public QObject
{
    Q_OBJECT

    std::unique_ptr<JXPlayWidget> makeDisplay(QSize size = QSize(480, 270))
    {
        auto display = std::make_unique<JXPlayWidget>();
        mpv_set_option_string(display->playLabel()->mpvHandle(), "ao", "null");
        display->resize(size);
        return display;
    }

    QLabel *badgeText(JXPlayWidget *d) { return d->findChild<QLabel *>(QStringLiteral("label_zoom")); }
    QWidget *badge(JXPlayWidget *d) { return d->findChild<QWidget *>(QStringLiteral("widget_zoom")); }

private slots:
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Escape in a window") << int(Qt::Key_Escape) << false << "";
        QTest::newRow("Escape in full screen") << int(Qt::Key_Escape) << true << "key 16777216";
        QTest::newRow("Space") << int(Qt::Key_Space) << false << "key 32";
        QTest::newRow("Left") << int(Qt::Key_Left) << false << "key 16777234";
        QTest::newRow("Up") << int(Qt::Key_Up) << false << "key 16777235";
        QTest::newRow("Right") << int(Qt::Key_Right) << true << "key 16777236";
        QTest::newRow("Down") << int(Qt::Key_Down) << false << "key 16777237";
        QTest::newRow("P") << int(Qt::Key_P) << false << "key 80";
        QTest::newRow("frame forward") << int(Qt::Key_Period) << false << "key 46";
        QTest::newRow("frame back") << int(Qt::Key_Comma) << false << "key 44";
        QTest::newRow("slower") << int(Qt::Key_BracketLeft) << false << "key 91";
        QTest::newRow("faster") << int(Qt::Key_BracketRight) << true << "key 93";
        QTest::newRow("normal speed") << int(Qt::Key_Backspace) << false << "key 16777219";
        QTest::newRow("other") << int(Qt::Key_A) << true << "";
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, fullScreen);
        QFETCH(QString, expected);
        JXPlayWidget display;
        display.setFullScreenFlag(fullScreen);
        QStringList seen;
        connect(&display, &JXPlayWidget::enterFullscreenSignal, [&] { seen << "fullscreen"; });
        connect(&display, &JXPlayWidget::playWidgetKeyEventSignal,
                [&](int k, Qt::KeyboardModifiers) { seen << QStringLiteral("key %1").arg(k); });
        QTest::keyClick(&display, Qt::Key(key));
        QCOMPARE(seen.join(','), expected);
    }

    void doubleClickAndContextMenu()
    {
        JXPlayWidget display;
        QSignalSpy fullscreen(&display, &JXPlayWidget::enterFullscreenSignal);
        QSignalSpy menu(&display, &JXPlayWidget::showCustomMenuSignal);
        QTest::mouseDClick(&display, Qt::RightButton);
        QCOMPARE(fullscreen.count(), 0);
        QTest::mouseDClick(&display, Qt::LeftButton);
        QCOMPARE(fullscreen.count(), 1);

        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10));
        QApplication::sendEvent(&display, &event);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu.at(0).at(0).value<void *>(), static_cast<void *>(&display));
    }

    void zoomNeedsAStartedDisplay()
    {
        auto display = makeDisplay();
        mpv_handle *h = display->playLabel()->mpvHandle();
        wheel(display.get(), 120);
        display->zoomIn();
        QCOMPARE(display->zoomStep(), 0);
        QVERIFY(badge(display.get())->isHidden());
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.0);
    }

    void wheelStepsShowTheBadge()
    {
        auto display = makeDisplay();
        display->show();
        display->startVideo();
        mpv_handle *h = display->playLabel()->mpvHandle();
        for (int i = 1; i <= 6; ++i) {
            wheel(display.get(), 120);
            QCOMPARE(badgeText(display.get())->text(), QStringLiteral("%1X").arg(i));
            QVERIFY(badge(display.get())->isVisible());
        }
        wheel(display.get(), 15); // any size is one step
        QCOMPARE(badgeText(display.get())->text(), QStringLiteral("6X"));
        QCOMPARE(mpvDouble(h, "video-zoom"), 3.0);

        for (int i = 5; i >= 1; --i) {
            wheel(display.get(), -120);
            QCOMPARE(badgeText(display.get())->text(), QStringLiteral("%1X").arg(i));
        }
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.5);
        wheel(display.get(), -120);
        QVERIFY(badge(display.get())->isHidden());
        QCOMPARE(badgeText(display.get())->text(), QString());
        QCOMPARE(mpvDouble(h, "video-zoom"), 0.0);
        wheel(display.get(), -120);
        QVERIFY(badge(display.get())->isHidden());
        QCOMPARE(display->zoomStep(), 0);
    }

    void resizeKeepsTheBadgeInTheCornerAndResetsIt()
    {
        auto display = makeDisplay();
        display->show();
        QVERIFY(QTest::qWaitForWindowExposed(display.get()));
        display->resize(600, 400);
        QCOMPARE(badge(display.get())->geometry(), QRect(561, 365, 29, 25));
        QCOMPARE(display->playLabel()->geometry(), QRect(0, 0, 600, 400));

        display->startVideo();
        display->zoomIn();
        display->zoomIn();
        QCOMPARE(badgeText(display.get())->text(), QStringLiteral("2X"));
        display->resize(500, 300);
        QCOMPARE(display->zoomStep(), 0);
        QVERIFY(badge(display.get())->isHidden());
        // The picture keeps its zoom; the count starts again.
        QCOMPARE(mpvDouble(display->playLabel()->mpvHandle(), "video-zoom"), 1.0);
        display->zoomIn();
        QCOMPARE(badgeText(display.get())->text(), QStringLiteral("1X"));
        QCOMPARE(badge(display.get())->geometry(), QRect(461, 265, 29, 25));
    }

    void previewWrittenOnceAtTheFirstRestart()
    {
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("123_channel_A.jpg"));
        auto display = makeDisplay();
        display->show();
        QSignalSpy start(display.get(), &JXPlayWidget::playStartSignal);
        QSignalSpy reply(display->playLabel(), &PlayLabel::sigCommandReplay);
        // The window repaints the file list when a preview is written.
        QSignalSpy saved(display.get(), &JXPlayWidget::previewSaved);
        display->setPreviewPath(preview);
        display->playFile(videoPath(kFront));
        QVERIFY(start.wait(10000));
        QCOMPARE(display->state(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(preview), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(reply.count(), 2, 5000); // loadfile, screenshot-to-file
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toString(), preview);
        QFile file(preview);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray first = file.readAll();
        file.close();
        QVERIFY(first.startsWith("\xFF\xD8\xFF"));
        QCOMPARE(QImage(preview).size(), QSize(640, 360));
        // Written under a temporary name and renamed: nothing else is left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("123_channel_A.jpg")});

        start.clear();
        reply.clear();
        display->seek(3);
        QVERIFY(start.wait(5000));
        settle(500);
        QCOMPARE(reply.count(), 1); // the seek only
        QCOMPARE(saved.count(), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);
        QCOMPARE(display->previewPath(), preview);
    }

    void relaysTheEngineAndStops()
    {
        auto display = makeDisplay();
        display->show();
        QSignalSpy duration(display->playLabel(), &PlayLabel::sigSetVideoRange);
        QSignalSpy progress(display.get(), &JXPlayWidget::updateVideoProgressSignal);
        QSignalSpy start(display.get(), &JXPlayWidget::playStartSignal);
        QSignalSpy end(display->playLabel(), &PlayLabel::sigPlayFinish);
        display->setPreviewPath(QStringLiteral("/nonexistent-dir/preview.jpg"));
        display->playFile(videoPath(kInterior));
        QVERIFY(start.wait(10000));
        QCOMPARE(duration.count(), 1);
        QVERIFY(qAbs(duration.at(0).at(0).toFloat() - 10.0f) < 0.1f);
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() > 3, 5000);

        display->seek(9);
        QVERIFY(end.wait(5000)); // natural end of the file
        QCOMPARE(start.count(), 2);

        display->playFile(videoPath(kInterior));
        QVERIFY(start.wait(10000));
        display->zoomIn();
        end.clear();
        display->stopVideo();
        QVERIFY(end.wait(5000));
        QCOMPARE(display->state(), 0);
        QCOMPARE(display->zoomStep(), 0);
        QVERIFY(badge(display.get())->isHidden());
        QVERIFY(display->previewPath().isEmpty());
        QVERIFY(display->isVisible()); // hiding is the main window's business
        QCOMPARE(mpvDouble(display->playLabel()->mpvHandle(), "video-zoom"), 0.0);
    }

    void threeDisplaysEachDrawTheirOwnChannel()
    {
        QWidget window;
        window.setStyleSheet(QStringLiteral("background: rgb(0, 90, 0);"));
        auto *layout = new QHBoxLayout(&window);
        layout->setContentsMargins(20, 20, 20, 20);
        layout->setSpacing(20);
        std::vector<JXPlayWidget *> displays;
        std::vector<std::unique_ptr<QSignalSpy>> starts;
        for (int i = 0; i < 3; ++i) {
            auto *d = new JXPlayWidget(&window);
            mpv_set_option_string(d->playLabel()->mpvHandle(), "ao", "null");
            layout->addWidget(d);
            displays.push_back(d);
            starts.push_back(std::make_unique<QSignalSpy>(d, &JXPlayWidget::playStartSignal));
        }
        window.setGeometry(0, 0, 1000, 240);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const char *files[] = {kFront, kRear, kInterior};
        for (int i = 0; i < 3; ++i) {
            displays[i]->playFile(videoPath(files[i]));
            displays[i]->pause();
        }
        for (auto &s : starts)
            QTRY_VERIFY_WITH_TIMEOUT(s->count() > 0, 10000);
        settle(800);

        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        for (JXPlayWidget *d : displays) {
            const QRect r(d->mapTo(&window, QPoint(0, 0)), d->size());
            // Some part of the picture is drawn inside the display...
            int lit = 0;
            for (int x = r.left() + 5; x < r.right(); x += 10)
                lit += !isDark(screen.pixel(x, r.center().y()));
            QVERIFY2(lit > 5, qPrintable(d->objectName()));
            // ...and nothing of it spills over the window around it.
            const QRgb around = screen.pixel(r.left() - 10, r.center().y());
            QCOMPARE(qGreen(around), 90);
        }
        const QRgb below = screen.pixel(500, 230);
        QCOMPARE(qGreen(below), 90);
    }

    void realMouseOverTheVideoReachesTheDisplay()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        auto display = makeDisplay(QSize(400, 240));
        display->move(0, 0);
        display->show();
        QVERIFY(QTest::qWaitForWindowExposed(display.get()));
        QSignalSpy start(display.get(), &JXPlayWidget::playStartSignal);
        QSignalSpy fullscreen(display.get(), &JXPlayWidget::enterFullscreenSignal);
        display->playFile(videoPath(kFront));
        QVERIFY(start.wait(10000));
        settle(300);

        // The pointer events land on libmpv's window inside the label.
        const QPoint p = display->mapToGlobal(QPoint(200, 120));
        const QStringList move{"mousemove", QString::number(p.x()), QString::number(p.y())};
        QCOMPARE(
            QProcess::execute("xdotool", move + QStringList{"click", "--repeat", "2", "--delay", "80", "1"}),
            0);
        QTRY_COMPARE_WITH_TIMEOUT(fullscreen.count(), 1, 3000);
        QCOMPARE(QProcess::execute("xdotool", QStringList{"click", "4"}), 0); // wheel up
        QTRY_COMPARE_WITH_TIMEOUT(display->zoomStep(), 1, 3000);
    }
};

TAVRIN_TEST_MAIN(tst_JXPlayWidget, QApplication)
#include "tst_JXPlayWidget.moc"
