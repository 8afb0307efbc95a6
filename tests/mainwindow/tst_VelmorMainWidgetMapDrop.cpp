#include "TestMain.h"

#include "../desktop/DesktopInput.h"
#include "app/JXDefaultSettings.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/KoMapBridge.h"
#include "mainwindow/KoMapPage.h"
#include "mainwindow/VelmorMainWidget.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "playback/JXPlayWidget.h"
#include "playback/PlayLabel.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <mpv/client.h>

#include <memory>
#include <utility>

// A recording dragged from a file manager onto the map, on a desktop with a
// window manager and real X input: the pointer presses on another program's
// window (a stand-in for the file manager that offers the file as a file
// manager does) and carries the file through the X server onto the map. The
// file is added and plays, as a drop on the window does, and the map page
// stays where it is, now showing the new route.
class tst_VelmorMainWidgetMapDrop : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelmorMainWidget> m_window;
    QTemporaryDir m_snapDir;

    Ui_VelmorMainWidget *ui() const { return m_window->form(); }

    QVariant evalInMap(const QString &script)
    {
        auto result = std::make_shared<std::pair<bool, QVariant>>();
        ui()->webview->page()->runJavaScript(script, [result](const QVariant &v) { *result = {true, v}; });
        if (!QTest::qWaitFor([&] { return result->first; }, 10000))
            qWarning() << "no answer from the map page";
        return result->second;
    }

    // The line the map page shows: its points and where it starts.
    QString shownRoute()
    {
        return evalInMap(QStringLiteral("line ? line.getLatLngs().length + ' from ' +"
                                        " line.getLatLngs()[0].lng.toFixed(6) + ',' +"
                                        " line.getLatLngs()[0].lat.toFixed(6) : 'none'"))
            .toString();
    }

    // The same of a recording's route, as the window gives it to the page.
    static QString routeOf(const KoFileInfoModel *m)
    {
        const QString points = m->mapPointsWgs2();
        const QRegularExpressionMatch first =
            QRegularExpression(QStringLiteral("\\{lng:([-0-9.]+),lat:([-0-9.]+)\\}")).match(points);
        return QStringLiteral("%1 from %2,%3")
            .arg(points.count(QLatin1Char('{')))
            .arg(first.captured(1), first.captured(2));
    }

    QString playing() const
    {
        KoFileInfoModel *m = m_window->channelModel(1);
        return m ? m->filePath() : QString();
    }

private slots:
    void initTestCase()
    {
        JXDefaultSettings::instance()->setMapType(KoMapType::OpenStreetMap);
        JXDefaultSettings::instance()->setSnapDir(m_snapDir.path());
        m_window = std::make_unique<VelmorMainWidget>();
        for (int k = 1; k <= 3; ++k)
            mpv_set_option_string(m_window->display(k)->playLabel()->mpvHandle(), "ao", "null");
        m_window->resize(1360, 940);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(DesktopInput::activate(m_window.get()));
        // Right of where the file manager's window goes, once the window
        // manager has placed it.
        const QPoint place(480, 60);
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (m_window->frameGeometry().topLeft() != place)
                    m_window->move(place);
                QTest::qWait(100);
                return m_window->frameGeometry().topLeft() == place;
            },
            5000));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->mapBridge()->isPageReady(), 30000);
    }

    void cleanupTestCase()
    {
        m_window->stopPlay();
        m_window.reset();
    }

    void fileDroppedOnTheMapIsAddedAndPlaysWhileTheMapStays()
    {
        const QString first = QStringLiteral(TAVRIN_SAMPLES_DIR "/2019_0714_164530_001A.MOV");
        const QString dropped = QStringLiteral(TAVRIN_SAMPLES_DIR "/2019_0601_080000_001A.MP4");
        QVERIFY(QFile::exists(first) && QFile::exists(dropped));
        m_window->addChosenFiles({first});
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);
        const QString firstRoute = routeOf(m_window->channelModel(1));
        QVERIFY(firstRoute.startsWith(QStringLiteral("8 from -58.")));
        QTRY_COMPARE_WITH_TIMEOUT(shownRoute(), firstRoute, 10000);

        KoMapPage *page = ui()->webview->mapPage();
        const QUrl pageUrl = ui()->webview->url();
        QSignalSpy loads(ui()->webview, &QWebEngineView::loadStarted);
        QSignalSpy refused(page, &KoMapPage::navigationRefused);
        QSignalSpy reloading(m_window->mapBridge(), &KoMapBridge::pageReloading);

        QProcess source;
        source.start(QStringLiteral(TAVRIN_DRAG_SOURCE),
                     {QStringLiteral("40"), QStringLiteral("300"), dropped});
        QVERIFY(source.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([&] { return source.canReadLine(); }, 10000));
        const QStringList ready = QString::fromLatin1(source.readLine()).trimmed().split(QLatin1Char(' '));
        QCOMPARE(ready.value(0), QStringLiteral("ready"));
        const QPoint from(ready.value(1).toInt(), ready.value(2).toInt());

        // The middle of the map, where nothing of the window lies over it.
        const QPoint onMap = DesktopInput::centreOf(ui()->webview);
        QWidget *under = QApplication::widgetAt(onMap);
        QVERIFY(under == ui()->webview || ui()->webview->isAncestorOf(under));
        QVERIFY2(!m_window->frameGeometry().contains(from),
                 qPrintable(QStringLiteral("file manager at %1,%2; window at %3,%4 %5x%6")
                                .arg(from.x())
                                .arg(from.y())
                                .arg(m_window->frameGeometry().x())
                                .arg(m_window->frameGeometry().y())
                                .arg(m_window->frameGeometry().width())
                                .arg(m_window->frameGeometry().height())));

        QVERIFY(DesktopInput::moveTo(from));
        QVERIFY(DesktopInput::xdotool({"mousedown", "1"}));
        QTest::qWait(300);
        for (int i = 1; i <= 16; ++i) {
            QVERIFY(DesktopInput::moveTo(from + (onMap - from) * i / 16));
            QTest::qWait(40);
        }
        QTest::qWait(300);
        QVERIFY(DesktopInput::xdotool({"mouseup", "1"}));
        QVERIFY(QTest::qWaitFor([&] { return source.canReadLine(); }, 10000));
        const QString answer = QString::fromLatin1(source.readLine()).trimmed();
        source.waitForFinished(5000);
        // The window took the files (a copy).
        QCOMPARE(answer, QStringLiteral("dropped 1"));

        // Added to the list and playing, as a drop on the window does it.
        const auto listed = [&] {
            for (KoFileInfoModel *m : m_window->fileModels()) {
                if (m->filePath() == dropped)
                    return true;
            }
            return false;
        };
        QVERIFY(listed());
        QCOMPARE(playing(), dropped);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->display(1)->state(), 1, 20000);

        // The map stayed the map: same page, never reloaded, and it shows the
        // dropped recording's route.
        const QString droppedRoute = routeOf(m_window->channelModel(1));
        QVERIFY2(droppedRoute.startsWith(QStringLiteral("8 from 121.")), qPrintable(droppedRoute));
        QTRY_COMPARE_WITH_TIMEOUT(shownRoute(), droppedRoute, 10000);
        QCOMPARE(ui()->webview->url(), pageUrl);
        QCOMPARE(loads.count(), 0);
        QCOMPARE(refused.count(), 0);
        QCOMPARE(reloading.count(), 0);
        DesktopInput::screenshot(QStringLiteral(TAVRIN_SHOTS_DIR "/map-drop.png"));
    }
};

TAVRIN_TEST_MAIN(tst_VelmorMainWidgetMapDrop, QApplication)
#include "tst_VelmorMainWidgetMapDrop.moc"
