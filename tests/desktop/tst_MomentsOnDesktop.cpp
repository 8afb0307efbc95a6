#include "TestMain.h"
#include "desktop/DesktopInput.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "library/JXTreeItemDelegate.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoTripNavigator.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/KoChannelSync.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QToolTip>

#include <mpv/client.h>

#include <memory>

using namespace DesktopInput;

// The moments of a drive in the real window on a desktop, reached only by
// real X input: the event marks on the progress bar, N and Shift+N across
// the two recordings of the sample drive, a click on the drawn trip, and
// the file list's trip header and row summary.
class tst_MomentsOnDesktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelmorMainWidget> m_window;

    Ui_VelmorMainWidget *ui() const { return m_window->form(); }

    double position(int k) const
    {
        double pos = -1;
        mpv_get_property(m_window->display(k)->playLabel()->mpvHandle(), "time-pos", MPV_FORMAT_DOUBLE, &pos);
        return pos;
    }

    KoFileInfoModel *file(const QString &name) const
    {
        for (KoFileInfoModel *m : m_window->fileModels()) {
            if (m->fileName() == name)
                return m;
        }
        return nullptr;
    }

    // Every display shows `name`'s recording at `seconds`, paused, in step.
    void shownAt(const QString &name, double seconds)
    {
        QTRY_COMPARE_WITH_TIMEOUT(
            m_window->channelModel(1) ? m_window->channelModel(1)->fileName() : QString(), name, 10000);
        for (int k = 1; k <= 3; ++k)
            QTRY_VERIFY2_WITH_TIMEOUT(qAbs(position(k) - seconds) < 0.15,
                                      qPrintable(QStringLiteral("display %1 at %2").arg(k).arg(position(k))),
                                      10000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->channelSync()->isAligning(), 10000);
        QCOMPARE(m_window->playState(), KoPlaybackSession::State::Paused);
    }

    QVariant eval(const QString &script)
    {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        ui()->webview->page()->runJavaScript(script, [result](const QVariant &v) { *result = {true, v}; });
        (void)QTest::qWaitFor([&] { return result->first; }, 10000);
        return result->second;
    }

    // A real click on the drawn route at second `second` of part `part`.
    void clickRoute(int part, int second)
    {
        const KoTrackSample s = m_window->tripNavigator()->tripTracks().at(part).at(second);
        const QVariantList xy = eval(QStringLiteral("(function () { var p = map.latLngToContainerPoint("
                                                    "L.latLng(%1, %2)); return [p.x, p.y]; })()")
                                         .arg(s.latitude, 0, 'f', 7)
                                         .arg(s.longitude, 0, 'f', 7))
                                    .toList();
        QCOMPARE(xy.size(), 2);
        QVERIFY(
            clickAt(screenPoint(ui()->webview, QPoint(qRound(xy[0].toDouble()), qRound(xy[1].toDouble())))));
    }

    // Rests the pointer on `local` of `w` until the tool tip shows.
    QString hover(QWidget *w, QPoint local)
    {
        QToolTip::hideText();
        if (!moveTo(screenPoint(w, local + QPoint(0, 1))) || !moveTo(screenPoint(w, local)))
            return QString();
        (void)QTest::qWaitFor([] { return QToolTip::isVisible(); }, 5000);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

private slots:
    void initTestCase()
    {
        auto *settings = JXDefaultSettings::instance();
        settings->setLanguage(2);
        settings->setMapType(KoMapType::OpenStreetMap);
        // A driver who wants the milder manoeuvres marked too.
        settings->setEventBrakingG(0.2);
        settings->setEventAccelerationG(0.15);
        settings->setEventCorneringG(0.2);
        int language = settings->getLanguage();
        loadTranslator(language);
        installTranslators();
        m_window = std::make_unique<VelmorMainWidget>();
        for (int k = 1; k <= 3; ++k)
            mpv_set_option_string(m_window->display(k)->playLabel()->mpvHandle(), "ao", "null");
        m_window->resize(1500, 900);
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

    // The first recording of the drive, paused at its start: its event on
    // the bar with its description; N goes on into the next recording (the
    // first one has nothing more), Shift+N comes back.
    void nextEventKeyCrossesIntoTheNextRecording()
    {
        JXDeviceTreeView *list = ui()->treeView_filelist;
        const QModelIndex row = file(QStringLiteral("2019_0523_143005_001A.MP4"))->listIndex();
        list->scrollTo(row);
        QVERIFY(doubleClick(list->viewport(), list->visualRect(row).center()));
        for (int k = 1; k <= 3; ++k)
            QTRY_COMPARE_WITH_TIMEOUT(m_window->display(k)->state(), 1, 20000);
        QVERIFY(click(ui()->pushBtn_play));
        QTRY_COMPARE(m_window->playState(), KoPlaybackSession::State::Paused);
        QVERIFY(click(ui()->horizontalSlider_progress, {2, 2})); // back to the start
        shownAt(QStringLiteral("2019_0523_143005_001A.MP4"), 0);

        KoProgressSlider *bar = ui()->horizontalSlider_progress;
        QCOMPARE(bar->events().size(), 1);
        QCOMPARE(bar->events()[0].kind, KoDrivingEvents::HarshAcceleration);
        QCOMPARE(bar->grab().toImage().pixelColor(bar->xOf(2), 2),
                 KoProgressSlider::eventColour(KoDrivingEvents::HarshAcceleration));
        QVERIFY(hover(bar, {bar->xOf(2), 3}).startsWith(QStringLiteral("Harsh acceleration\n14:30:07\n")));

        QVERIFY(activate(m_window.get()));
        QVERIFY(key(QStringLiteral("n")));
        shownAt(QStringLiteral("2019_0523_143015_002A.MP4"), 2); // 3 s before its cornering
        QCOMPARE(bar->events().size(), 1);
        QCOMPARE(bar->events()[0].kind, KoDrivingEvents::SharpCornering);

        QVERIFY(key(QStringLiteral("shift+n")));
        shownAt(QStringLiteral("2019_0523_143005_001A.MP4"), 0);
    }

    // A click on the second recording's part of the drawn trip loads it at
    // the second the car was there; one on the first part comes back. The
    // list shows where the trip begins, and a row's tool tip sums its
    // recording up.
    void clickOnTheTripSeeksToTheMomentNearest()
    {
        KoTripNavigator *trip = m_window->tripNavigator();
        QTRY_VERIFY(trip->tripTracks().size() == 2 && !trip->tripTracks()[1].isEmpty());
        QVERIFY(m_window->mapBridge()->hasTrip());
        QTRY_VERIFY(
            eval(QStringLiteral("trip !== null && map.getBounds().contains(trip.hit.getBounds())")).toBool());
        QTest::qWait(800); // the zoom animation ends

        clickRoute(1, 7);
        shownAt(QStringLiteral("2019_0523_143015_002A.MP4"), 7);
        QCOMPARE(m_window->mapBridge()->tripHighlighted(), 1);
        QTest::qWait(300);
        clickRoute(0, 5);
        shownAt(QStringLiteral("2019_0523_143005_001A.MP4"), 5);
        QCOMPARE(m_window->mapBridge()->tripHighlighted(), 0);
        QTest::qWait(300);
        clickRoute(1, 8);
        shownAt(QStringLiteral("2019_0523_143015_002A.MP4"), 8);

        JXDeviceTreeView *list = ui()->treeView_filelist;
        const QModelIndex first = file(QStringLiteral("2019_0523_143005_001A.MP4"))->listIndex();
        QTRY_VERIFY(first.data(JXTreeItemDelegate::TripHeaderRole)
                        .toString()
                        .startsWith(QStringLiteral("2019-05-23 14:30 · 0:00:20 · ")));
        const QModelIndex second = file(QStringLiteral("2019_0523_143015_002C.MP4"))->listIndex();
        QVERIFY(!JXTreeItemDelegate::hasHeader(second));
        list->scrollTo(first, QAbstractItemView::PositionAtTop);
        QTest::qWait(500);
        QVERIFY(DesktopInput::screenshot(QStringLiteral(TAVRIN_SHOTS_DIR "/moments-events-and-trip.png")));

        const QString header = hover(list->viewport(), list->visualRect(first).topLeft() + QPoint(120, 10));
        QVERIFY2(header.contains(QStringLiteral("Recordings: 2")), qPrintable(header));
        list->scrollTo(second);
        const QString summary = hover(list->viewport(), list->visualRect(second).center());
        QVERIFY2(summary.contains(QStringLiteral("Duration 0:00:10")) &&
                     summary.contains(QStringLiteral("Events 1")),
                 qPrintable(summary));
    }
};

TAVRIN_TEST_MAIN(tst_MomentsOnDesktop, QApplication)
#include "tst_MomentsOnDesktop.moc"
