#include "TestMain.h"

#include "../desktop/DesktopInput.h"
#include "BrowserStandIn.h"
#include "MapPageHarness.h"

#include <QApplication>
#include <QMenu>

#include <cmath>

// The map view on a desktop with a window manager, clicked through the X
// server as a user clicks: the OpenStreetMap credit link opens in the
// browser while the map stays; a click on a trip's route reports where it
// landed; the right button brings no menu.

namespace {

KoRoutePoint point(double lng, double lat)
{
    return {lng, lat, lng + 0.0065, lat + 0.0060};
}

// Three recordings of a drive in Munich, one street each way.
const QVector<KoRoutePart> kTrip = {
    {point(11.5600, 48.1400), point(11.5630, 48.1405), point(11.5660, 48.1410)},
    {point(11.5660, 48.1410), point(11.5665, 48.1430), point(11.5670, 48.1450), point(11.5675, 48.1470)},
    {point(11.5675, 48.1470), point(11.5710, 48.1472), point(11.5745, 48.1474)},
};

} // namespace

class tst_KoMapView : public QObject
{
    Q_OBJECT

    std::unique_ptr<MapPageHarness> m_map;

    // A point of the page (CSS pixels, which are the view's pixels here) on the screen.
    QPoint onScreen(const QVariant &pagePoint) const
    {
        const QVariantList xy = pagePoint.toList();
        return m_map->view.mapToGlobal(
            QPoint(qRound(xy.value(0).toDouble()), qRound(xy.value(1).toDouble())));
    }

private slots:
    void initTestCase()
    {
        m_map = std::make_unique<MapPageHarness>();
        m_map->view.resize(900, 640);
        QVERIFY(QTest::qWaitForWindowExposed(&m_map->view));
        QVERIFY(DesktopInput::activate(&m_map->view));
        QVERIFY(m_map->load(QStringLiteral("dunmoreos.html")));
        QVERIFY(m_map->waitForChannel());
    }

    void cleanupTestCase() { m_map.reset(); }

    void creditLinkOpensInTheBrowserAndTheMapStays()
    {
        BrowserStandIn browser;
        MapPageHarness &map = *m_map;
        map.bridge.initGPSLine(QStringLiteral("[{lng:11.56,lat:48.14},{lng:11.57,lat:48.145}]"));
        QSignalSpy opened(map.page, &KoMapPage::linkOpened);
        QSignalSpy reloading(&map.bridge, &KoMapBridge::pageReloading);
        const QUrl pageUrl = map.view.url();

        const QVariant link = map.eval(
            QStringLiteral("(function () { var r = document.querySelector('.leaflet-control-attribution "
                           "a').getBoundingClientRect();"
                           " return [r.left + r.width / 2, r.top + r.height / 2]; })()"));
        QVERIFY(DesktopInput::clickAt(onScreen(link)));
        QTRY_COMPARE(browser.opened.size(), 1);
        QCOMPARE(browser.opened.first(), QUrl(QStringLiteral("https://www.openstreetmap.org/copyright")));
        QCOMPARE(opened.count(), 1);

        QTest::qWait(500);
        QCOMPARE(map.view.url(), pageUrl);
        QCOMPARE(reloading.count(), 0);
        QCOMPARE(map.eval(QStringLiteral("line !== null && line.getLatLngs().length")).toInt(), 2);
        // The route calls still reach this page.
        map.bridge.moveGPS(11.565, 48.1425);
        QCOMPARE(map.eval(QStringLiteral("currentMarker.getLatLng().lat")).toDouble(), 48.1425);
        QCOMPARE(browser.opened.size(), 1);

        // A link that asks for a window of its own (a service's terms) goes
        // to the browser too, and no window appears.
        map.eval(QStringLiteral(
            "(function () { var a = document.createElement('a'); a.id = 'terms';"
            " a.href = 'https://example.org/terms'; a.target = '_blank'; a.textContent = 'Terms';"
            " a.style.cssText = 'position:absolute; left:200px; top:200px; z-index:2000;"
            " padding:10px; background:#fff'; document.body.appendChild(a); return true; })()"));
        const QVariant terms = map.eval(
            QStringLiteral("(function () { var r = document.getElementById('terms').getBoundingClientRect();"
                           " return [r.left + r.width / 2, r.top + r.height / 2]; })()"));
        const int windows = QApplication::topLevelWidgets().size();
        QVERIFY(DesktopInput::clickAt(onScreen(terms)));
        QTRY_COMPARE(browser.opened.size(), 2);
        QCOMPARE(browser.opened.last(), QUrl(QStringLiteral("https://example.org/terms")));
        QTest::qWait(300);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QCOMPARE(map.view.url(), pageUrl);
    }

    void clickOnTheTripReportsWhereItLanded()
    {
        MapPageHarness &map = *m_map;
        map.bridge.initTripLine(kTrip, 1);
        QTRY_VERIFY(map.eval(QStringLiteral("map.getBounds().contains(trip.hit.getBounds())")).toBool());
        QTest::qWait(800); // the zoom animation ends
        QSignalSpy clicked(&map.bridge, &KoMapBridge::routeClicked);

        // Halfway along the playing recording's second street segment, and
        // on the next recording's part.
        const QList<std::pair<double, double>> targets = {{11.56725, 48.1460}, {11.56925, 48.1471}};
        for (const auto &target : targets) {
            const QVariant at = map.eval(QStringLiteral("(function () { var p = map.latLngToContainerPoint("
                                                        "L.latLng(%2, %1)); return [p.x, p.y]; })()")
                                             .arg(target.first, 0, 'f', 6)
                                             .arg(target.second, 0, 'f', 6));
            // What two pixels are worth here, in degrees.
            const QVariantList xy = at.toList();
            const double pixel =
                map.eval(QStringLiteral("(function () { var a = map.containerPointToLatLng([%1, %2]),"
                                        " b = map.containerPointToLatLng([%1 + 2, %2 + 2]);"
                                        " return Math.max(Math.abs(a.lng - b.lng),"
                                        " Math.abs(a.lat - b.lat)); })()")
                             .arg(xy.value(0).toDouble())
                             .arg(xy.value(1).toDouble()))
                    .toDouble();
            QVERIFY(pixel > 0);
            const int before = clicked.count();
            QVERIFY(DesktopInput::clickAt(onScreen(at)));
            QTRY_COMPARE(clicked.count(), before + 1);
            const double lng = clicked.last().at(0).toDouble();
            const double lat = clicked.last().at(1).toDouble();
            QVERIFY2(std::fabs(lng - target.first) <= pixel && std::fabs(lat - target.second) <= pixel,
                     qPrintable(QStringLiteral("clicked %1,%2, reported %3,%4, two pixels %5")
                                    .arg(target.first)
                                    .arg(target.second)
                                    .arg(lng, 0, 'f', 7)
                                    .arg(lat, 0, 'f', 7)
                                    .arg(pixel)));
        }

        // Away from the route (and from the map's controls) a click reports nothing.
        const QVariant away = map.eval(
            QStringLiteral("(function () { var p = map.latLngToContainerPoint(L.latLng(48.1445, 11.5625));"
                           " return [p.x, p.y]; })()"));
        const int before = clicked.count();
        QVERIFY(DesktopInput::clickAt(onScreen(away)));
        QTest::qWait(600);
        QCOMPARE(clicked.count(), before);
    }

    void rightButtonBringsNoMenu()
    {
        QVERIFY(DesktopInput::click(&m_map->view, QPoint(-1, -1), 3));
        QTest::qWait(600);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!(qobject_cast<QMenu *>(w) && w->isVisible()), "a menu opened");
        QVERIFY(!QApplication::activePopupWidget());
    }
};

TAVRIN_TEST_MAIN(tst_KoMapView, QApplication)
#include "tst_KoMapView.moc"
