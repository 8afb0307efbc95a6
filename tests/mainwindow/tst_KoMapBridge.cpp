#include "TestMain.h"

#include "MapPageHarness.h"
#include "library/KoFileInfoModel.h"
#include "tests/gps/TrackFixtures.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <limits>
#include <memory>

#include <csignal>
#include <sys/types.h>

// The map pages run in the real web engine, loaded from the build folder where
// the build put them beside the program. The OpenStreetMap page is complete
// here (Leaflet lies beside it; tiles would need the network and are not
// looked at). The Google and Baidu pages cannot load their service's script
// on this machine (no network, and the build has no key): the tests check what
// they do without it, and stand in a small fake of the service's script only
// to see that the kept line and marker are drawn once a map exists.

namespace {

const QString kAppDir = QStringLiteral(TAVRIN_BINARY_DIR);

using MapView = MapPageHarness;

struct Pt
{
    double lng, lat;
};

const QList<Pt> kRoute = {{114.051234, 22.541111},
                          {114.052345, 22.542222},
                          {114.054321, 22.543333},
                          {114.056789, 22.545555},
                          {114.059876, 22.548888}};

QString pointList(const QList<Pt> &points, bool trailingComma)
{
    QStringList texts;
    for (const Pt &p : points)
        texts << KoMapBridge::pointText(p.lng, p.lat);
    return QLatin1Char('[') + texts.join(QLatin1Char(',')) +
           (trailingComma ? QStringLiteral(",]") : QStringLiteral("]"));
}

// Leaflet's layers on the OpenStreetMap page, as plain data.
const QString kOsmLayers = QStringLiteral(R"((function () {
    var r = { lines: [], markers: {} };
    map.eachLayer(function (l) {
        if (l instanceof L.Polyline) {
            r.lines.push({ points: l.getLatLngs().length, color: l.options.color, weight: l.options.weight,
                           opacity: l.options.opacity, inView: map.getBounds().contains(l.getBounds()) });
        } else if (l instanceof L.Marker) {
            var o = l.options.icon.options;
            r.markers[o.iconUrl] = { size: o.iconSize.join("x"), anchor: o.iconAnchor.join(","),
                                     lng: l.getLatLng().lng, lat: l.getLatLng().lat };
        }
    });
    r.markerCount = 0;
    map.eachLayer(function (l) { if (l instanceof L.Marker) r.markerCount++; });
    return r;
})())");

QVariantMap osmLayers(MapView &map)
{
    return map.eval(kOsmLayers).toMap();
}

bool markerAt(const QVariantMap &layers, const char *image, const Pt &p)
{
    const QVariantMap marker =
        layers.value(QStringLiteral("markers")).toMap().value(QLatin1String(image)).toMap();
    return !marker.isEmpty() && qAbs(marker.value(QStringLiteral("lng")).toDouble() - p.lng) < 1e-9 &&
           qAbs(marker.value(QStringLiteral("lat")).toDouble() - p.lat) < 1e-9;
}

// Stand-ins for the two services' scripts: just enough of their interface for
// the pages, recording what the pages ask for.
const QString kFakeGoogle = QStringLiteral(R"((function () {
    var log = window.fakeLog = { lines: [], markers: [] };
    function Overlay(o) { this.o = o; this.shown = !!o.map; }
    Overlay.prototype.setMap = function (m) { this.shown = !!m; };
    Overlay.prototype.setPosition = function (p) { this.o.position = p; };
    Overlay.prototype.setOptions = function (o) { for (var k in o) this.o[k] = o[k]; };
    Overlay.prototype.addListener = function (name, f) { (this.listeners = this.listeners || {})[name] = f; };
    window.google = { maps: {
        Map: function (el, opts) { this.opts = opts; this.setCenter = function () {}; this.fitBounds = function () {}; },
        LatLng: function (lat, lng) { this.lat = lat; this.lng = lng; },
        LatLngBounds: function () { this.extend = function () {}; },
        Size: function (w, h) { this.w = w; this.h = h; },
        Point: function (x, y) { this.x = x; this.y = y; },
        Polyline: function (o) { Overlay.call(this, o); log.lines.push(this); },
        Marker: function (o) { Overlay.call(this, o); log.markers.push(this); }
    } };
    google.maps.Polyline.prototype = Object.create(Overlay.prototype);
    google.maps.Marker.prototype = Object.create(Overlay.prototype);
    return true;
})())");

const QString kFakeGoogleState = QStringLiteral(R"((function () {
    var lines = fakeLog.lines.filter(function (l) { return l.shown; });
    var markers = fakeLog.markers.filter(function (m) { return m.shown; });
    var current = markers.filter(function (m) { return m.o.icon.url === "map_tab_current.png"; })[0];
    return { lines: lines.length, points: lines.length ? lines[0].o.path.length : 0,
             color: lines.length ? lines[0].o.strokeColor : "", markers: markers.length,
             icons: markers.map(function (m) { return typeof m.o.icon === "string" ? m.o.icon : m.o.icon.url; }).join(","),
             anchor: current ? current.o.icon.anchor.x + "," + current.o.icon.anchor.y : "",
             lng: current ? current.o.position.lng : 0, lat: current ? current.o.position.lat : 0 };
})())");

const QString kFakeBaidu = QStringLiteral(R"((function () {
    var log = window.fakeLog = { overlays: [] };
    window.BMAP_NORMAL_MAP = 1; window.BMAP_SATELLITE_MAP = 2; window.BMAP_HYBRID_MAP = 3;
    window.BMap = {
        Map: function (el, opts) {
            this.opts = opts;
            this.centerAndZoom = function () {}; this.enableScrollWheelZoom = function () {};
            this.addControl = function () {}; this.setViewport = function () {};
            this.addOverlay = function (o) { log.overlays.push(o); };
            this.removeOverlay = function (o) { log.overlays = log.overlays.filter(function (x) { return x !== o; }); };
            this.clearOverlays = function () { log.overlays = []; };
        },
        Point: function (lng, lat) { this.lng = lng; this.lat = lat; },
        Polyline: function (path, o) {
            this.kind = "line"; this.path = path; this.o = o; this.listeners = {};
            this.addEventListener = function (name, f) { this.listeners[name] = f; };
            this.setStrokeColor = function (c) { this.o.strokeColor = c; };
            this.setStrokeOpacity = function (v) { this.o.strokeOpacity = v; };
            this.setStrokeWeight = function (v) { this.o.strokeWeight = v; };
        },
        Marker: function (p, o) { this.kind = "marker"; this.p = p; this.o = o;
                                  this.setPosition = function (q) { this.p = q; }; },
        Icon: function (url, size, o) { this.url = url; this.size = size; this.o = o; },
        Size: function (w, h) { this.w = w; this.h = h; },
        NavigationControl: function () {},
        MapTypeControl: function () {}
    };
    return true;
})())");

const QString kFakeBaiduState = QStringLiteral(R"((function () {
    var lines = fakeLog.overlays.filter(function (o) { return o.kind === "line"; });
    var markers = fakeLog.overlays.filter(function (o) { return o.kind === "marker"; });
    var current = markers.filter(function (m) { return m.o.icon.url === "map_tab_current.png"; })[0];
    return { lines: lines.length, points: lines.length ? lines[0].path.length : 0,
             color: lines.length ? lines[0].o.strokeColor : "", markers: markers.length,
             icons: markers.map(function (m) { return m.o.icon.url; }).join(","),
             anchor: current ? current.o.icon.size.w + "x" + current.o.icon.size.h : "",
             lng: current ? current.p.lng : 0, lat: current ? current.p.lat : 0 };
})())");

// Calls the four page functions the way a careless caller might; any throw is reported.
const QString kCallAll = QStringLiteral(R"((function () {
    try {
        initGPSLine([{lng:116.1,lat:39.9},{lng:116.2,lat:39.8},], '#5298ff');
        moveGPS({lng:116.15,lat:39.85});
        startGPS(1);
        startGPS(99);
        clearGPSLine();
        moveGPS({lng:116.15,lat:39.85});
        initGPSLine([], '#5298ff');
        return "ok";
    } catch (e) {
        return "threw: " + e;
    }
})())");

// A trip of three recordings (4, 5 and 3 points), each point with a BD-09
// twin a little off, as the conversion makes it.
KoRoutePoint routePoint(double lng, double lat)
{
    return {lng, lat, lng + 0.0065, lat + 0.0060};
}

QVector<KoRoutePart> makeTrip()
{
    QVector<KoRoutePart> parts(3);
    const int sizes[] = {4, 5, 3};
    double lng = 114.0500;
    double lat = 22.5400;
    for (int part = 0; part < 3; ++part) {
        for (int i = 0; i < sizes[part]; ++i) {
            parts[part] << routePoint(lng, lat);
            lng += 0.0011;
            lat += (part == 1 ? -0.0007 : 0.0009);
        }
    }
    return parts;
}

const QVector<KoRoutePart> kTrip = makeTrip();

Pt wgs(const KoRoutePoint &p)
{
    return {p.wgsLng, p.wgsLat};
}

// The trip on the OpenStreetMap page: each part's style, the click line,
// and which line is drawn over which.
const QString kOsmTrip = QStringLiteral(R"((function () {
    if (!trip)
        return { parts: 0 };
    var paths = Array.prototype.slice.call(map.getPanes().overlayPane.querySelectorAll("path"));
    var all = [];
    trip.parts.forEach(function (part) { part.forEach(function (p) { all.push([p.lat, p.lng]); }); });
    return {
        parts: trip.lines.length,
        highlighted: trip.highlighted,
        styles: trip.lines.map(function (l) {
            return l.options.color + "/" + l.options.weight + "/" + l.options.opacity;
        }).join(" "),
        points: trip.lines.map(function (l) { return l.getLatLngs().length; }).join(","),
        drawOrder: trip.lines.map(function (l) { return paths.indexOf(l._path); }).join(","),
        hitOrder: trip.hit ? paths.indexOf(trip.hit._path) : -1,
        hit: trip.hit ? trip.hit.options.opacity + "/" + trip.hit.options.weight + "/" +
                        trip.hit.getLatLngs().length : "",
        inView: all.length > 0 && map.getBounds().contains(L.latLngBounds(all)),
        view: map.getCenter().lat.toFixed(6) + "," + map.getCenter().lng.toFixed(6) + "," + map.getZoom()
    };
})())");

QVariantMap osmTrip(MapView &map)
{
    return map.eval(kOsmTrip).toMap();
}

const QString kTrackStyle = QStringLiteral("#5298ff/5/0.9");
const QString kOtherStyle = QStringLiteral("#8c9fbf/4/0.8");

// The trip as the fake services were given it: each line's colour and
// point count in drawing order, and where the markers are.
const QString kFakeGoogleTrip = QStringLiteral(R"((function () {
    var lines = fakeLog.lines.filter(function (l) { return l.shown; });
    lines.sort(function (a, b) { return (a.o.zIndex || 0) - (b.o.zIndex || 0); });
    var markers = fakeLog.markers.filter(function (m) { return m.shown; });
    var at = function (m) { return m ? m.o.position.lng + "," + m.o.position.lat : ""; };
    var icon = function (m) { return typeof m.o.icon === "string" ? m.o.icon : m.o.icon.url; };
    var find = function (name) { return markers.filter(function (m) { return icon(m) === name; })[0]; };
    return { lines: lines.map(function (l) { return l.o.strokeColor + ":" + l.o.path.length; }).join(" "),
             start: at(find("map_tab_s.png")), end: at(find("map_tab_f.png")), current: at(find("map_tab_current.png")),
             markers: markers.length };
})())");

const QString kFakeBaiduTrip = QStringLiteral(R"((function () {
    var lines = fakeLog.overlays.filter(function (o) { return o.kind === "line"; });
    var markers = fakeLog.overlays.filter(function (o) { return o.kind === "marker"; });
    var at = function (m) { return m ? m.p.lng + "," + m.p.lat : ""; };
    var find = function (name) { return markers.filter(function (m) { return m.o.icon.url === name; })[0]; };
    return { lines: lines.map(function (l) { return l.o.strokeColor + ":" + l.path.length; }).join(" "),
             start: at(find("map_tab_s.png")), end: at(find("map_tab_f.png")), current: at(find("map_tab_current.png")),
             markers: markers.length };
})())");

// A click on line `index` (in drawing order) as each service reports it.
const QString kFakeGoogleClick = QStringLiteral(R"((function (index, lng, lat) {
    var lines = fakeLog.lines.filter(function (l) { return l.shown; });
    lines.sort(function (a, b) { return (a.o.zIndex || 0) - (b.o.zIndex || 0); });
    lines[index].listeners.click({ latLng: { lng: function () { return lng; }, lat: function () { return lat; } } });
    return true;
})(%1, %2, %3))");

const QString kFakeBaiduClick = QStringLiteral(R"((function (index, lng, lat) {
    var lines = fakeLog.overlays.filter(function (o) { return o.kind === "line"; });
    lines[index].listeners.click({ point: { lng: lng, lat: lat } });
    return true;
})(%1, %2, %3))");

QString at(double lng, double lat)
{
    return QString::number(lng, 'g', 12) + QLatin1Char(',') + QString::number(lat, 'g', 12);
}

// TAVRIN_MAP_SCREENSHOT_DIR=<folder> keeps a picture of each page for a person to look at.
void saveScreenshot(MapView &map, const QString &name)
{
    const QString dir = QString::fromLocal8Bit(qgetenv("TAVRIN_MAP_SCREENSHOT_DIR"));
    if (dir.isEmpty())
        return;
    QTest::qWait(1500);
    if (!map.view.grab().save(dir + QLatin1Char('/') + name))
        qWarning() << "could not save" << name << "in" << dir;
}

} // namespace

class tst_KoMapBridge : public QObject
{
    Q_OBJECT

private slots:
    void pagesLieBesideTheProgramAndInTheBundle()
    {
        QCOMPARE(KoMapBridge::pageName(KoMapType::Baidu), QStringLiteral("dunmorebd.html"));
        QCOMPARE(KoMapBridge::pageName(KoMapType::OpenStreetMap), QStringLiteral("dunmoreos.html"));
        QCOMPARE(KoMapBridge::pageName(KoMapType::Google), QStringLiteral("dunmoregg.html"));
        for (const char *name : {"dunmoregg.html", "dunmoregg_ja.html", "dunmorebd.html", "dunmoreos.html",
                                 "map_tab_s.png", "map_tab_f.png", "map_tab_current.png"}) {
            QVERIFY2(QFile::exists(kAppDir + QLatin1Char('/') + QLatin1String(name)), name);
            QFile bundled(QStringLiteral(":/maps/mapinfo/") + QLatin1String(name));
            QFile beside(kAppDir + QLatin1Char('/') + QLatin1String(name));
            QVERIFY2(bundled.open(QIODevice::ReadOnly) && beside.open(QIODevice::ReadOnly), name);
            QVERIFY2(bundled.readAll() == beside.readAll(), name);
        }
        for (const char *name : {"leaflet/leaflet.js", "leaflet/leaflet.css", "leaflet/images/layers.png"})
            QVERIFY2(QFile::exists(kAppDir + QLatin1Char('/') + QLatin1String(name)), name);
    }

    void pointListsAreCheckedBeforeTheyReachThePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("route") << pointList(kRoute, false) << true;
        QTest::newRow("trailing comma") << pointList(kRoute, true) << true;
        QTest::newRow("empty") << QStringLiteral("[]") << true;
        QTest::newRow("spaced") << QStringLiteral(" [ { lng : -0.5 , lat : 51 } ,\n{lng:3,lat:-4.25} ] ")
                                << true;
        QTest::newRow("statement after") << QStringLiteral("[{lng:1,lat:2}]);alert(1);(") << false;
        QTest::newRow("closes the call")
            << QStringLiteral("[{lng:1,lat:2}], 'red'); fetch('x'); //") << false;
        QTest::newRow("extra field") << QStringLiteral("[{lng:1,lat:2,x:document.cookie}]") << false;
        QTest::newRow("expression") << QStringLiteral("[{lng:1+1,lat:2}]") << false;
        QTest::newRow("string") << QStringLiteral("[{lng:'1',lat:2}]") << false;
        QTest::newRow("not a number") << QStringLiteral("[{lng:nan,lat:2}]") << false;
        QTest::newRow("exponent") << QStringLiteral("[{lng:1e3,lat:2}]") << false;
        QTest::newRow("lat first") << QStringLiteral("[{lat:2,lng:1}]") << false;
        QTest::newRow("missing lat") << QStringLiteral("[{lng:1}]") << false;
        QTest::newRow("only a comma") << QStringLiteral("[,]") << false;
        QTest::newRow("two commas") << QStringLiteral("[{lng:1,lat:2},,]") << false;
        QTest::newRow("unclosed") << QStringLiteral("[{lng:1,lat:2}") << false;
        QTest::newRow("bare dot") << QStringLiteral("[{lng:1.,lat:2}]") << false;
        QTest::newRow("file name") << QStringLiteral("/home/me/video.MP4") << false;
        QTest::newRow("nothing") << QString() << false;
    }

    void pointListsAreCheckedBeforeTheyReachThePage()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(KoMapBridge::isPointList(text), accepted);
    }

    void openStreetMapPageDrawsMovesAndClearsTheRoute()
    {
        MapView map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        QVERIFY(map.bridge.isPageReady());
        // Everything the page runs came from beside the program.
        QCOMPARE(map.eval(QStringLiteral("Array.prototype.every.call(document.scripts, function (s) {"
                                         " return !s.src || s.src.indexOf('file:') === 0; })")),
                 QVariant(true));

        map.bridge.initGPSLine(pointList(kRoute, true));
        QCOMPARE(map.bridge.lastScript(),
                 QStringLiteral("initGPSLine(%1, '#5298ff')").arg(pointList(kRoute, true)));
        QVariantMap layers = osmLayers(map);
        QVariantList lines = layers.value(QStringLiteral("lines")).toList();
        QCOMPARE(lines.size(), 1);
        const QVariantMap line = lines.first().toMap();
        QCOMPARE(line.value(QStringLiteral("points")).toInt(), kRoute.size());
        QCOMPARE(line.value(QStringLiteral("color")).toString(), QStringLiteral("#5298ff"));
        QCOMPARE(line.value(QStringLiteral("weight")).toInt(), 5);
        QCOMPARE(line.value(QStringLiteral("opacity")).toDouble(), 0.9);
        QCOMPARE(layers.value(QStringLiteral("markerCount")).toInt(), 3);
        QVERIFY(markerAt(layers, "map_tab_s.png", kRoute.first()));
        QVERIFY(markerAt(layers, "map_tab_f.png", kRoute.last()));
        QVERIFY(markerAt(layers, "map_tab_current.png", kRoute.first()));
        const QVariantMap markers = layers.value(QStringLiteral("markers")).toMap();
        for (const char *image : {"map_tab_s.png", "map_tab_f.png"}) {
            QCOMPARE(markers.value(QLatin1String(image)).toMap().value(QStringLiteral("size")).toString(),
                     QStringLiteral("22x22"));
            QCOMPARE(markers.value(QLatin1String(image)).toMap().value(QStringLiteral("anchor")).toString(),
                     QStringLiteral("12,22"));
        }
        QCOMPARE(markers.value(QStringLiteral("map_tab_current.png"))
                     .toMap()
                     .value(QStringLiteral("anchor"))
                     .toString(),
                 QStringLiteral("11,11"));
        // The view leaves London for the route (the zoom may still be animating).
        QTRY_VERIFY(osmLayers(map)
                        .value(QStringLiteral("lines"))
                        .toList()
                        .value(0)
                        .toMap()
                        .value(QStringLiteral("inView"))
                        .toBool());

        map.bridge.moveGPS(kRoute[3].lng, kRoute[3].lat);
        QCOMPARE(map.bridge.lastScript(), QStringLiteral("moveGPS({lng:114.056789,lat:22.545555})"));
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", kRoute[3]));
        QVERIFY(markerAt(osmLayers(map), "map_tab_s.png", kRoute.first()));
        map.eval(QStringLiteral("startGPS(1)"));
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", kRoute[1]));

        saveScreenshot(map, QStringLiteral("dunmoreos.png"));

        // Sent again for the same recording, the line replaces the one shown.
        const QList<Pt> shorter = kRoute.mid(0, 3);
        map.bridge.initGPSLine(pointList(shorter, false));
        layers = osmLayers(map);
        lines = layers.value(QStringLiteral("lines")).toList();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().toMap().value(QStringLiteral("points")).toInt(), 3);
        QCOMPARE(layers.value(QStringLiteral("markerCount")).toInt(), 3);
        QVERIFY(markerAt(layers, "map_tab_f.png", shorter.last()));

        map.bridge.clearGPSLine();
        QCOMPARE(map.bridge.lastScript(), QStringLiteral("clearGPSLine()"));
        layers = osmLayers(map);
        QCOMPARE(layers.value(QStringLiteral("lines")).toList().size(), 0);
        QCOMPARE(layers.value(QStringLiteral("markerCount")).toInt(), 0);
        map.bridge.moveGPS(1, 2); // no marker left to move: nothing happens
        QCOMPARE(osmLayers(map).value(QStringLiteral("markerCount")).toInt(), 0);
        QVERIFY2(map.errors.isEmpty(), qPrintable(map.errors.join(QLatin1Char('\n'))));
    }

    void callsBeforeTheLoadArriveAfterIt()
    {
        MapView map;
        QSignalSpy sent(&map.bridge, &KoMapBridge::scriptRun);
        QVERIFY(!map.bridge.isPageReady());
        map.bridge.moveGPS(0, 0); // overtaken by the line below, which starts at its first point
        map.bridge.initGPSLine(pointList(kRoute.mid(0, 2), false));
        map.bridge.initGPSLine(pointList(kRoute, true));
        map.bridge.moveGPS(kRoute[2].lng, kRoute[2].lat);
        QCOMPARE(sent.count(), 0);
        QVERIFY(map.bridge.lastScript().isEmpty());

        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        QCOMPARE(sent.count(), 2);
        QVERIFY(sent.at(0).first().toString().startsWith(QStringLiteral("initGPSLine(")));
        QCOMPARE(sent.at(1).first().toString(),
                 QStringLiteral("moveGPS(%1)").arg(KoMapBridge::pointText(kRoute[2].lng, kRoute[2].lat)));
        QVariantMap layers = osmLayers(map);
        QCOMPARE(layers.value(QStringLiteral("lines"))
                     .toList()
                     .value(0)
                     .toMap()
                     .value(QStringLiteral("points"))
                     .toInt(),
                 kRoute.size());
        QVERIFY(markerAt(layers, "map_tab_current.png", kRoute[2]));

        // A clear while loading forgets the kept line and marker: the new page stays empty.
        map.bridge.initGPSLine(pointList(kRoute, false));
        map.bridge.load(kAppDir + QStringLiteral("/dunmoreos.html"));
        QVERIFY(!map.bridge.isPageReady());
        map.bridge.initGPSLine(pointList(kRoute, false));
        map.bridge.moveGPS(kRoute[1].lng, kRoute[1].lat);
        map.bridge.clearGPSLine();
        sent.clear();
        QSignalSpy finished(&map.view, &QWebEngineView::loadFinished);
        QVERIFY(finished.wait(30000));
        QCOMPARE(sent.count(), 0);
        layers = osmLayers(map);
        QCOMPARE(layers.value(QStringLiteral("lines")).toList().size(), 0);
        QCOMPARE(layers.value(QStringLiteral("markerCount")).toInt(), 0);
    }

    // One sample whose latitude is no number ("nan" in the track text): the
    // route is drawn from the other samples.
    void aSampleWithoutANumberLeavesOnlyItsPointOut()
    {
        QTemporaryDir dir;
        QVector<fixtures::Sample> drive = fixtures::drive(5);
        drive[2].latitude = std::numeric_limits<float>::quiet_NaN();
        const QString path = dir.filePath(QStringLiteral("2019_0523_143005_001A.MP4"));
        QVERIFY(fixtures::indexBoxMp4(drive).write(path));
        KoFileInfoModel recording(QFileInfo(path).fileName(), path);
        recording.loadGPS();
        QCOMPARE(recording.gpsSamples().size(), 5);
        QCOMPARE(recording.mapPointsBd().count(QStringLiteral("{lng:")), 4);
        MapView map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        map.bridge.initGPSLine(recording.mapPointsWgs2());
        const QVariantList lines = osmLayers(map).value(QStringLiteral("lines")).toList();
        QCOMPARE(lines.value(0).toMap().value(QStringLiteral("points")).toInt(), 4);
    }

    void tripScriptIsMadeOfNumbersInTheShownDatum()
    {
        const QVector<KoRoutePart> parts = {{routePoint(1, 2), {qQNaN(), 2, 3, 4}, routePoint(200, 1)},
                                            {},
                                            {{5, 6, qInf(), 8}, routePoint(-3.5, -45.25)}};
        QCOMPARE(KoMapBridge::tripScript(parts, 0, false),
                 QStringLiteral("initTripLine([[{lng:1.000000,lat:2.000000}],[],[{lng:5.000000,lat:6.000000},"
                                "{lng:-3.500000,lat:-45.250000}]], 0, '#8c9fbf', '#5298ff')"));
        QCOMPARE(KoMapBridge::tripScript(parts, -1, true),
                 QStringLiteral("initTripLine([[{lng:1.006500,lat:2.006000},{lng:3.000000,lat:4.000000}],[],"
                                "[{lng:-3.493500,lat:-45.244000}]], -1, '#8c9fbf', '#5298ff')"));
        QVERIFY(KoMapBridge::usesBd09(KoMapBridge::pageName(KoMapType::Baidu)));
        QVERIFY(!KoMapBridge::usesBd09(KoMapBridge::pageName(KoMapType::OpenStreetMap)));
        QVERIFY(!KoMapBridge::usesBd09(KoMapBridge::pageName(KoMapType::Google)));
    }

    void openStreetMapPageDrawsATripWithThePlayingPartHighlighted()
    {
        MapView map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        QSignalSpy sent(&map.bridge, &KoMapBridge::scriptRun);
        map.bridge.initTripLine(kTrip, 1);
        QCOMPARE(map.bridge.lastScript(), KoMapBridge::tripScript(kTrip, 1, false));
        QVariantMap shown = osmTrip(map);
        QCOMPARE(shown.value("parts").toInt(), 3);
        QCOMPARE(shown.value("points").toString(), QStringLiteral("4,5,3"));
        QCOMPARE(shown.value("styles").toString(), kOtherStyle + " " + kTrackStyle + " " + kOtherStyle);
        // The playing part lies over its neighbours where they meet; the
        // unseen click line lies over everything.
        const QStringList order = shown.value("drawOrder").toString().split(',');
        QVERIFY2(order[1].toInt() > order[0].toInt() && order[1].toInt() > order[2].toInt(),
                 qPrintable(shown.value("drawOrder").toString()));
        QVERIFY(shown.value("hitOrder").toInt() > order[1].toInt());
        QCOMPARE(shown.value("hit").toString(), QStringLiteral("0/18/3"));
        QVariantMap layers = osmLayers(map);
        QCOMPARE(layers.value("markerCount").toInt(), 3);
        QVERIFY(markerAt(layers, "map_tab_s.png", wgs(kTrip[0].first())));
        QVERIFY(markerAt(layers, "map_tab_f.png", wgs(kTrip[2].last())));
        QVERIFY(markerAt(layers, "map_tab_current.png", wgs(kTrip[1].first())));
        QTRY_VERIFY(osmTrip(map).value("inView").toBool());
        QTest::qWait(500); // the zoom animation ends
        saveScreenshot(map, QStringLiteral("dunmoreos-trip.png"));

        map.bridge.moveGPS(kTrip[1][3].wgsLng, kTrip[1][3].wgsLat);
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", wgs(kTrip[1][3])));
        // The kept points are the playing recording's.
        map.eval(QStringLiteral("startGPS(2)"));
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", wgs(kTrip[1][2])));

        // The next recording of the trip plays: the highlight moves, the view stays.
        const QString view = osmTrip(map).value("view").toString();
        sent.clear();
        map.bridge.initTripLine(kTrip, 2);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(map.bridge.lastScript(), QStringLiteral("highlightTripPart(2)"));
        shown = osmTrip(map);
        QCOMPARE(shown.value("styles").toString(), kOtherStyle + " " + kOtherStyle + " " + kTrackStyle);
        QVERIFY(shown.value("hitOrder").toInt() > shown.value("drawOrder").toString().split(',')[2].toInt());
        QCOMPARE(shown.value("view").toString(), view);
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", wgs(kTrip[2].first())));
        map.bridge.initTripLine(kTrip, 2); // the same again: nothing to send
        QCOMPARE(sent.count(), 1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused a trip")));
        map.bridge.initTripLine(kTrip, 3);
        QCOMPARE(sent.count(), 1);
        QCOMPARE(map.bridge.tripHighlighted(), 2);

        // A lone recording's line replaces the trip, and the other way round.
        map.bridge.initGPSLine(pointList(kRoute, false));
        QCOMPARE(osmTrip(map).value("parts").toInt(), 0);
        layers = osmLayers(map);
        QCOMPARE(layers.value("lines").toList().size(), 1);
        QCOMPARE(layers.value("markerCount").toInt(), 3);
        map.bridge.initTripLine(kTrip, 0);
        layers = osmLayers(map);
        QCOMPARE(layers.value("lines").toList().size(), 4); // three parts and the click line
        QCOMPARE(layers.value("markerCount").toInt(), 3);
        map.bridge.clearGPSLine();
        QVERIFY(!map.bridge.hasTrip());
        layers = osmLayers(map);
        QCOMPARE(layers.value("lines").toList().size(), 0);
        QCOMPARE(layers.value("markerCount").toInt(), 0);
        QVERIFY2(map.errors.isEmpty(), qPrintable(map.errors.join(QLatin1Char('\n'))));
    }

    // A page lost to a crash of its renderer comes back with the trip and the
    // marker; a page of another map type gets the trip in its own datum.
    void keptDrawingComesBackOnEveryNewPage()
    {
        MapView map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        map.bridge.initTripLine(kTrip, 1);
        map.bridge.moveGPS(kTrip[1][2].wgsLng, kTrip[1][2].wgsLat);

        QSignalSpy reloading(&map.bridge, &KoMapBridge::pageReloading);
        QSignalSpy finished(&map.view, &QWebEngineView::loadFinished);
        const qint64 renderer = map.page->renderProcessPid();
        QVERIFY(renderer > 0);
        QCOMPARE(::kill(pid_t(renderer), SIGKILL), 0);
        QTRY_COMPARE_WITH_TIMEOUT(reloading.count(), 1, 10000);
        QVERIFY(finished.wait(30000));
        QTRY_COMPARE(osmTrip(map).value("parts").toInt(), 3);
        QCOMPARE(osmTrip(map).value("styles").toString(),
                 kOtherStyle + " " + kTrackStyle + " " + kOtherStyle);
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", wgs(kTrip[1][2])));

        // Google shows WGS-84 as OpenStreetMap does: trip and marker stay.
        const QString keptOnPage =
            QStringLiteral("[trip ? trip.parts.length : 0, trip ? trip.highlighted : -2,"
                           " trip ? trip.parts[0][0].lng : 0,"
                           " lastPosition ? lastPosition.lng : 0]");
        QVERIFY(map.load(QStringLiteral("dunmoregg.html")));
        QCOMPARE(
            map.eval(keptOnPage).toList(),
            QVariantList({3, 1, kTrip[0][0].wgsLng, QString::number(kTrip[1][2].wgsLng, 'f', 6).toDouble()}));
        // Baidu takes BD-09: the trip comes in that datum, the marker (given
        // in WGS-84) is left to the window's next position report.
        QVERIFY(map.load(QStringLiteral("dunmorebd.html")));
        QCOMPARE(map.eval(keptOnPage).toList(),
                 QVariantList({3, 1, QString::number(kTrip[0][0].bdLng, 'f', 6).toDouble(), 0}));
        QCOMPARE(map.bridge.lastScript(), KoMapBridge::tripScript(kTrip, 1, true));
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        QTRY_COMPARE(osmTrip(map).value("parts").toInt(), 3);
        QVERIFY(markerAt(osmLayers(map), "map_tab_current.png", wgs(kTrip[1].first())));

        // A recording's line comes in one datum: kept for Google, dropped for
        // Baidu (the window sends it again in BD-09).
        map.bridge.initGPSLine(pointList(kRoute, false));
        map.bridge.moveGPS(kRoute[3].lng, kRoute[3].lat);
        QVERIFY(map.load(QStringLiteral("dunmoregg.html")));
        QCOMPARE(map.eval(QStringLiteral("[points.length, lastPosition.lat]")).toList(),
                 QVariantList({kRoute.size(), kRoute[3].lat}));
        // The window sends the line again after every load: drawn already, the marker stays.
        QSignalSpy sent(&map.bridge, &KoMapBridge::scriptRun);
        map.bridge.initGPSLine(pointList(kRoute, false));
        QCOMPARE(sent.count(), 0);
        QVERIFY(map.load(QStringLiteral("dunmorebd.html")));
        QCOMPARE(sent.count(), 0);
        QCOMPARE(map.eval(QStringLiteral("points.length")).toInt(), 0);
        QVERIFY2(map.errors.isEmpty(), qPrintable(map.errors.join(QLatin1Char('\n'))));
    }

    void routeClicksComeBackAsTwoNumbers()
    {
        MapView map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        QVERIFY(map.waitForChannel());
        QSignalSpy clicked(&map.bridge, &KoMapBridge::routeClicked);
        // Leaflet's click events, as a click on the lines makes them (the
        // desktop test clicks for real).
        map.bridge.initTripLine(kTrip, 1);
        map.eval(QStringLiteral("trip.hit.fire('click', { latlng: L.latLng(22.5411, 114.0533) }); true"));
        QTRY_COMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toDouble(), 114.0533);
        QCOMPARE(clicked.at(0).at(1).toDouble(), 22.5411);
        map.bridge.initGPSLine(pointList(kRoute, false));
        // A map scrolled round the world once still reports a longitude in range.
        map.eval(QStringLiteral("line.fire('click', { latlng: L.latLng(22.5422, 114.0523 + 360) }); true"));
        QTRY_COMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(1).at(0).toDouble(), 114.0523);

        // Whatever else a script sends is dropped, and the receiver stays.
        QCOMPARE(map.eval(QStringLiteral("typeof tavrin.deleteLater")).toString(),
                 QStringLiteral("function"));
        map.eval(QStringLiteral("tavrin.routeClicked('114.05', 22.5); tavrin.routeClicked(NaN, 22.5);"
                                "tavrin.routeClicked(1e9, 22.5); tavrin.routeClicked({ lng: 1 }, 22.5);"
                                "tavrin.routeClicked(114.05); tavrin.routeClicked(114.05, 22.5, 'x');"
                                "tavrin.deleteLater(); true"));
        QTest::qWait(500);
        map.eval(QStringLiteral("tavrin.routeClicked(-0.5, 51.25); true"));
        QTRY_COMPARE(clicked.count(), 3);
        QCOMPARE(clicked.at(2).at(0).toDouble(), -0.5);
        QCOMPARE(clicked.at(2).at(1).toDouble(), 51.25);
    }

    void servicePagesDrawATripOnceTheServiceIsThere_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("fake");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("click");
        QTest::newRow("Google") << QStringLiteral("dunmoregg.html") << kFakeGoogle << kFakeGoogleTrip
                                << kFakeGoogleClick;
        QTest::newRow("Baidu") << QStringLiteral("dunmorebd.html") << kFakeBaidu << kFakeBaiduTrip
                               << kFakeBaiduClick;
    }

    void servicePagesDrawATripOnceTheServiceIsThere()
    {
        QFETCH(QString, page);
        QFETCH(QString, fake);
        QFETCH(QString, state);
        QFETCH(QString, click);
        const bool bd = KoMapBridge::usesBd09(page);
        const auto pos = [bd](const KoRoutePoint &p) {
            return bd ? at(QString::number(p.bdLng, 'f', 6).toDouble(),
                           QString::number(p.bdLat, 'f', 6).toDouble())
                      : at(p.wgsLng, p.wgsLat);
        };
        MapView map;
        QVERIFY(map.load(page));
        QVERIFY(map.waitForChannel());
        map.bridge.initTripLine(kTrip, 1);
        if (!map.eval(QStringLiteral("map === null")).toBool())
            QSKIP("the service's script is there: a key and a network");
        QVERIFY(map.eval(fake).toBool());
        map.eval(QStringLiteral("initMap()"));

        // Google draws the lines in order and lifts the playing one; Baidu
        // draws the playing one last.
        QVariantMap shown = map.eval(state).toMap();
        QCOMPARE(shown.value("lines").toString(), QStringLiteral("#8c9fbf:4 #8c9fbf:3 #5298ff:5"));
        QCOMPARE(shown.value("markers").toInt(), 3);
        QCOMPARE(shown.value("start").toString(), pos(kTrip[0].first()));
        QCOMPARE(shown.value("end").toString(), pos(kTrip[2].last()));
        QCOMPARE(shown.value("current").toString(), pos(kTrip[1].first()));

        map.bridge.highlightTripPart(0);
        shown = map.eval(state).toMap();
        QCOMPARE(shown.value("lines").toString(), bd ? QStringLiteral("#8c9fbf:3 #8c9fbf:5 #5298ff:4")
                                                     : QStringLiteral("#8c9fbf:5 #8c9fbf:3 #5298ff:4"));
        QCOMPARE(shown.value("current").toString(), pos(kTrip[0].first()));

        QSignalSpy clicked(&map.bridge, &KoMapBridge::routeClicked);
        QVERIFY(map.eval(click.arg(0).arg(114.0517, 0, 'f', 4).arg(22.5408, 0, 'f', 4)).toBool());
        QTRY_COMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toDouble(), 114.0517);
        QCOMPARE(clicked.at(0).at(1).toDouble(), 22.5408);

        map.bridge.clearGPSLine();
        shown = map.eval(state).toMap();
        QCOMPARE(shown.value("lines").toString(), QString());
        QCOMPARE(shown.value("markers").toInt(), 0);
        QVERIFY2(map.errors.isEmpty(), qPrintable(map.errors.join(QLatin1Char('\n'))));
    }

    void hostileListIsRefused()
    {
        MapView map;
        QVERIFY(map.load(QStringLiteral("dunmoreos.html")));
        map.bridge.initGPSLine(pointList(kRoute, false));
        const QString before = map.bridge.lastScript();
        QSignalSpy sent(&map.bridge, &KoMapBridge::scriptRun);
        for (const QString &hostile :
             {QStringLiteral("[{lng:1,lat:2}], 'red'); document.title = 'owned'; clearGPSLine(); //"),
              QStringLiteral("[{lng:1,lat:2,x:(document.title='owned')}]"),
              QStringLiteral("/media/card/'); document.title='owned'; ('.MP4")}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused a point list")));
            map.bridge.initGPSLine(hostile);
        }
        QCOMPARE(sent.count(), 0);
        QCOMPARE(map.bridge.lastScript(), before);
        QVERIFY(map.eval(QStringLiteral("document.title")).toString() != QStringLiteral("owned"));
        QCOMPARE(osmLayers(map)
                     .value(QStringLiteral("lines"))
                     .toList()
                     .value(0)
                     .toMap()
                     .value(QStringLiteral("points"))
                     .toInt(),
                 kRoute.size());
    }

    void servicePagesWorkWithoutTheirService_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("hasKey");
        QTest::addColumn<QString>("fake");
        QTest::addColumn<QString>("state");
        QTest::newRow("Google") << QStringLiteral("dunmoregg.html") << bool(TAVRIN_HAS_GOOGLE_MAPS_KEY)
                                << kFakeGoogle << kFakeGoogleState;
        QTest::newRow("Google, Japanese")
            << QStringLiteral("dunmoregg_ja.html") << bool(TAVRIN_HAS_GOOGLE_MAPS_KEY) << kFakeGoogle
            << kFakeGoogleState;
        QTest::newRow("Baidu") << QStringLiteral("dunmorebd.html") << bool(TAVRIN_HAS_BAIDU_MAPS_KEY)
                               << kFakeBaidu << kFakeBaiduState;
    }

    void servicePagesWorkWithoutTheirService()
    {
        QFETCH(QString, page);
        QFETCH(bool, hasKey);
        QFETCH(QString, fake);
        QFETCH(QString, state);
        MapView map;
        QVERIFY(map.load(page));
        if (page == QStringLiteral("dunmoregg_ja.html"))
            QCOMPARE(map.eval(QStringLiteral("MAP_LANGUAGE")).toString(), QStringLiteral("ja"));
        QCOMPARE(map.eval(kCallAll).toString(), QStringLiteral("ok"));
        if (hasKey) {
            qInfo("this build has a key for %s; its notice depends on the network", qPrintable(page));
        } else {
            const QString noticeVisible =
                QStringLiteral("getComputedStyle(document.getElementById('notice')).display");
            QCOMPARE(map.eval(noticeVisible).toString(), QStringLiteral("block"));
            const QString noticeText = QStringLiteral("document.getElementById('notice').innerText");
            const QString noKeyText = map.eval(noticeText).toString();
            QVERIFY(noKeyText.size() > 20);
            // With a key, the service's script is fetched; with no network here it fails, and the notice says
            // so.
            map.eval(QStringLiteral("document.getElementById('notice').style.display = 'none';"
                                    "MAP_KEY = 'not-a-real-key'; loadService(); true"));
            QTRY_COMPARE_WITH_TIMEOUT(map.eval(noticeVisible).toString(), QStringLiteral("block"), 25000);
            QVERIFY(map.eval(noticeText).toString() != noKeyText);
            saveScreenshot(map, page + QStringLiteral(".png"));
        }

        // The latest line and marker are kept and drawn once a map exists; the
        // fake stands in for the service's script, which cannot load here.
        map.bridge.initGPSLine(pointList(kRoute, true));
        map.bridge.moveGPS(kRoute[2].lng, kRoute[2].lat);
        QCOMPARE(map.eval(QStringLiteral("points.length")).toInt(), kRoute.size());
        if (map.eval(QStringLiteral("map === null")).toBool()) {
            QVERIFY(map.eval(fake).toBool());
            map.eval(QStringLiteral("initMap()"));
            QVariantMap shown = map.eval(state).toMap();
            QCOMPARE(shown.value(QStringLiteral("lines")).toInt(), 1);
            QCOMPARE(shown.value(QStringLiteral("points")).toInt(), kRoute.size());
            QCOMPARE(shown.value(QStringLiteral("color")).toString(), QStringLiteral("#5298ff"));
            QCOMPARE(shown.value(QStringLiteral("markers")).toInt(), 3);
            QCOMPARE(shown.value(QStringLiteral("icons")).toString(),
                     QStringLiteral("map_tab_s.png,map_tab_f.png,map_tab_current.png"));
            QCOMPARE(shown.value(QStringLiteral("anchor")).toString(),
                     page.startsWith(QStringLiteral("dunmorebd")) ? QStringLiteral("30x58")
                                                                  : QStringLiteral("11,11"));
            QCOMPARE(shown.value(QStringLiteral("lng")).toDouble(), kRoute[2].lng);
            QCOMPARE(shown.value(QStringLiteral("lat")).toDouble(), kRoute[2].lat);
            QCOMPARE(map.eval(QStringLiteral("getComputedStyle(document.getElementById('notice')).display"))
                         .toString(),
                     QStringLiteral("none"));

            map.bridge.moveGPS(kRoute[4].lng, kRoute[4].lat);
            QCOMPARE(map.eval(state).toMap().value(QStringLiteral("lat")).toDouble(), kRoute[4].lat);
            // Baidu marks nothing on a single point; the others mark it.
            map.bridge.initGPSLine(pointList(kRoute.mid(0, 1), false));
            shown = map.eval(state).toMap();
            QCOMPARE(shown.value(QStringLiteral("lines")).toInt(), 1);
            QCOMPARE(shown.value(QStringLiteral("markers")).toInt(),
                     page.startsWith(QStringLiteral("dunmorebd")) ? 0 : 3);
            map.bridge.clearGPSLine();
            shown = map.eval(state).toMap();
            QCOMPARE(shown.value(QStringLiteral("lines")).toInt(), 0);
            QCOMPARE(shown.value(QStringLiteral("markers")).toInt(), 0);
        }
        QVERIFY2(map.errors.isEmpty(), qPrintable(map.errors.join(QLatin1Char('\n'))));
    }
};

TAVRIN_TEST_MAIN(tst_KoMapBridge, QApplication)
#include "tst_KoMapBridge.moc"
