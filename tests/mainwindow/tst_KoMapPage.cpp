#include "TestMain.h"

#include "BrowserStandIn.h"
#include "MapPageHarness.h"
#include "mainwindow/KoMapRequestFilter.h"

#include <QApplication>
#include <QTemporaryDir>

// The real OpenStreetMap page in the real web engine, attacked from inside:
// scripts that try to leave the page, open windows or the browser, and read
// files; the window's own calls that would show something else in the view.
// Links opened on a user's click are the desktop test's (tst_KoMapView).

namespace {

const QString kRoute = QStringLiteral("[{lng:-0.10,lat:51.50},{lng:-0.09,lat:51.51},{lng:-0.08,lat:51.505}]");

// Whether the page is the map page with the route still on it.
bool routeStillShown(MapPageHarness &map)
{
    return map.page->isPageUrl(map.view.url()) &&
           map.eval(QStringLiteral("typeof map === 'object' && line !== null && "
                                   "line.getLatLngs().length === 3"))
               .toBool();
}

// Runs `script` in the page, then lets whatever it started happen.
void attempt(MapPageHarness &map, const QString &script)
{
    map.eval(script + QStringLiteral("; true"));
    QTest::qWait(400);
}

// Loads an image from inside the page: "loaded" or "failed".
QString imageLoad(MapPageHarness &map, const QString &src)
{
    map.eval(QStringLiteral("window.imageResult = null; (function () { var i = new Image();"
                            " i.onload = function () { window.imageResult = 'loaded'; };"
                            " i.onerror = function () { window.imageResult = 'failed'; };"
                            " i.src = '%1'; })(); true")
                 .arg(src));
    QString result;
    const bool settled = QTest::qWaitFor(
        [&] {
            result = map.eval(QStringLiteral("window.imageResult")).toString();
            return !result.isEmpty();
        },
        15000);
    return settled ? result : QStringLiteral("no answer");
}

} // namespace

class tst_KoMapPage : public QObject
{
    Q_OBJECT

private slots:
    void staysOnItsPageWhateverIsTried()
    {
        BrowserStandIn browser;
        MapPageHarness map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        map.bridge.initGPSLine(kRoute);
        QVERIFY(routeStillShown(map));
        QSignalSpy refused(map.page, &KoMapPage::navigationRefused);
        QSignalSpy reloading(&map.bridge, &KoMapBridge::pageReloading);
        QSignalSpy sent(&map.bridge, &KoMapBridge::scriptRun);

        // What scripts of the page (or one a map service sent) may try.
        const QStringList scripts = {
            // The OpenStreetMap credit link, followed without a click of the user's.
            QStringLiteral("document.querySelector('.leaflet-control-attribution a').click()"),
            QStringLiteral("location.href = 'https://www.openstreetmap.org/copyright'"),
            QStringLiteral("location.assign('file:///etc/passwd')"),
            QStringLiteral("location.replace('%1/dunmoregg.html')")
                .arg(QUrl::fromLocalFile(mapAppDir()).toString()),
            QStringLiteral(
                "(function () { var f = document.createElement('form'); f.method = 'post';"
                " f.action = 'https://example.org/collect'; document.body.appendChild(f); f.submit();"
                " })()"),
            QStringLiteral("window.open('https://example.org/')"),
            QStringLiteral("history.back()"),
        };
        for (const QString &script : scripts) {
            attempt(map, script);
            QVERIFY2(routeStillShown(map), qPrintable(script));
        }
        QVERIFY(refused.count() >= 4);

        // What the program itself might ask of the view: another page, or
        // the file of a drop (the view used to open a dropped video).
        QTemporaryDir dir;
        const QString video = dir.filePath(QStringLiteral("2019_0523_143005_001A.MP4"));
        QFile(video).open(QIODevice::WriteOnly);
        for (const QUrl &url : {QUrl(QStringLiteral("https://example.org/")), QUrl::fromLocalFile(video)}) {
            map.view.load(url);
            QTest::qWait(400);
            QVERIFY2(routeStillShown(map), qPrintable(url.toString()));
        }

        // Boxes a script puts up do not stop anything.
        QCOMPARE(map.eval(QStringLiteral("alert('x'); confirm('leave?')")), QVariant(false));
        QVERIFY(map.eval(QStringLiteral("prompt('name?', 'me')")).isNull());

        QVERIFY2(browser.opened.isEmpty(), qPrintable(browser.opened.value(0).toString()));
        // Nothing was lost, so nothing was loaded or drawn again.
        QCOMPARE(reloading.count(), 0);
        QVERIFY(map.bridge.isPageReady());
        QCOMPARE(sent.count(), 0);
    }

    void readsOnlyItsOwnFilesAndItsService()
    {
        MapPageHarness map;
        QSignalSpy refused(map.page->requestFilter(), &KoMapRequestFilter::requestRefused);
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        // Its own script, style sheet and images came from beside the program.
        QCOMPARE(map.eval(QStringLiteral("typeof L")).toString(), QStringLiteral("object"));
        QCOMPARE(imageLoad(map, QStringLiteral("map_tab_s.png")), QStringLiteral("loaded"));
        QCOMPARE(imageLoad(map, QStringLiteral("leaflet/images/layers.png")), QStringLiteral("loaded"));
        QVERIFY2(refused.isEmpty(), qPrintable(refused.value(0).value(0).toUrl().toString()));

        // The same kind of file outside the page's folder, by path or by
        // climbing out of it.
        QCOMPARE(imageLoad(map, QStringLiteral("file:///usr/share/javascript/leaflet/images/layers.png")),
                 QStringLiteral("failed"));
        QCOMPARE(
            imageLoad(map, QStringLiteral("leaflet/../../../../../../usr/share/javascript/leaflet/images/"
                                          "layers.png")),
            QStringLiteral("failed"));
        // A user's file read by a script: refused before it is opened.
        map.eval(
            QStringLiteral("window.xhrResult = null; var x = new XMLHttpRequest();"
                           " x.onload = function () { window.xhrResult = 'read ' + x.responseText.length; };"
                           " x.onerror = function () { window.xhrResult = 'failed'; };"
                           " x.open('GET', 'file:///etc/passwd'); x.send(); true"));
        QTRY_VERIFY(!map.eval(QStringLiteral("window.xhrResult")).isNull());
        QCOMPARE(map.eval(QStringLiteral("window.xhrResult")).toString(), QStringLiteral("failed"));
        QTRY_VERIFY(std::any_of(refused.begin(), refused.end(), [](const QList<QVariant> &r) {
            return r.first().toUrl() == QUrl(QStringLiteral("file:///etc/passwd"));
        }));

        // Tiles go out; another service's script, plain HTTP and other hosts do not.
        refused.clear();
        imageLoad(map, QStringLiteral("https://a.tile.openstreetmap.org/1/1/1.png"));
        QVERIFY(refused.isEmpty());
        for (const QString &src : {QStringLiteral("https://maps.googleapis.com/maps/api/js"),
                                   QStringLiteral("https://api.map.baidu.com/api?v=2.0"),
                                   QStringLiteral("http://a.tile.openstreetmap.org/1/1/1.png"),
                                   QStringLiteral("https://tile.openstreetmap.org.example.org/1/1/1.png")}) {
            QCOMPARE(imageLoad(map, src), QStringLiteral("failed"));
            QVERIFY2(!refused.isEmpty() && refused.last().first().toUrl() == QUrl(src), qPrintable(src));
        }
    }

    // A service's script is reached only from its own page.
    void eachPageReachesOnlyItsService()
    {
        MapPageHarness map;
        QSignalSpy refused(map.page->requestFilter(), &KoMapRequestFilter::requestRefused);
        QVERIFY(map.load(QStringLiteral("dunmorebd.html")));
        QCOMPARE(imageLoad(map, QStringLiteral("https://maps.gstatic.com/x.png")), QStringLiteral("failed"));
        QCOMPARE(refused.count(), 1);
        // With a key the page asks the service for its script over HTTPS
        // (and for HTTPS throughout); the request passes, the network is
        // what is missing here.
        map.eval(QStringLiteral("MAP_KEY = 'not-a-real-key'; loadService(); true"));
        QTRY_VERIFY(map.eval(QStringLiteral("Array.prototype.some.call(document.scripts, function (s) {"
                                            " return s.src.indexOf('https://api.map.baidu.com/api?') === 0 &&"
                                            " s.src.indexOf('s=1') > 0; })"))
                        .toBool());
        QTest::qWait(500);
        QCOMPARE(refused.count(), 1);
    }
};

TAVRIN_TEST_MAIN(tst_KoMapPage, QApplication)
#include "tst_KoMapPage.moc"
