#include "TestMain.h"

#include "mainwindow/KoMapAccessRules.h"
#include "mainwindow/KoMapReceiver.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>

// What a map page may load and what it may report, without a web engine.
class tst_KoMapAccessRules : public QObject
{
    Q_OBJECT

    const QString m_folder = QStringLiteral("/opt/tavrin player/lib");

    KoMapAccessRules rulesOf(const QString &page) const { return KoMapAccessRules(m_folder + "/" + page); }

private slots:
    void pageReadsOnlyItsOwnKindOfFiles_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        const QString here = QUrl::fromLocalFile(m_folder).toString();
        QTest::newRow("the page") << here + "/dunmoreos.html" << true;
        QTest::newRow("a marker") << here + "/map_tab_current.png" << true;
        QTest::newRow("leaflet") << here + "/leaflet/leaflet.js" << true;
        QTest::newRow("leaflet image") << here + "/leaflet/images/marker-icon.png" << true;
        QTest::newRow("space encoded") << "file:///opt/tavrin%20player/lib/map_tab_s.png" << true;
        QTest::newRow("the program") << here + "/TavrinPlayer" << false;
        QTest::newRow("another folder") << here + "/test-home/config/T561/TavrinPlayer.conf" << false;
        QTest::newRow("a video beside") << here + "/2019_0523_143005_001A.MP4" << false;
        QTest::newRow("leaflet, other kind") << here + "/leaflet/notes.txt" << false;
        QTest::newRow("climbing out") << here + "/leaflet/../../../etc/x.png" << false;
        QTest::newRow("encoded climb") << here + "/leaflet/%2E%2E/%2E%2E/x.png" << false;
        QTest::newRow("double slash") << here + "//map_tab_s.png" << false;
        QTest::newRow("parent folder") << "file:///opt/tavrin player/map_tab_s.png" << false;
        QTest::newRow("folder name as prefix") << "file:///opt/tavrin player/lib2/map_tab_s.png" << false;
        QTest::newRow("user file") << "file:///home/me/.ssh/id_rsa" << false;
        QTest::newRow("network share") << "file://server/opt/tavrin player/lib/map_tab_s.png" << false;
        QTest::newRow("tile") << "https://a.tile.openstreetmap.org/13/4093/2723.png" << true;
        QTest::newRow("tile over http") << "http://a.tile.openstreetmap.org/1/1/1.png" << false;
        QTest::newRow("tile on another port") << "https://a.tile.openstreetmap.org:8443/1/1/1.png" << false;
        QTest::newRow("look-alike host") << "https://tile.openstreetmap.org.example.com/x.png" << false;
        QTest::newRow("with user") << "https://me@a.tile.openstreetmap.org/1/1/1.png" << false;
        QTest::newRow("google on osm") << "https://maps.googleapis.com/maps/api/js" << false;
        QTest::newRow("data image") << "data:image/png;base64,iVBORw0KGgo=" << true;
        QTest::newRow("blob") << "blob:null/8d3c1a2e-0000-4000-8000-000000000000" << true;
        QTest::newRow("blank frame") << "about:blank" << true;
        QTest::newRow("qrc") << "qrc:///qtwebchannel/qwebchannel.js" << false;
        QTest::newRow("chrome") << "chrome://crash" << false;
        QTest::newRow("nothing") << "" << false;
    }

    void pageReadsOnlyItsOwnKindOfFiles()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(rulesOf(QStringLiteral("dunmoreos.html")).allowsRequest(QUrl(url)), allowed);
    }

    void eachServiceOnItsOwnPage()
    {
        const KoMapAccessRules google = rulesOf(QStringLiteral("dunmoregg.html"));
        const KoMapAccessRules japanese = rulesOf(QStringLiteral("dunmoregg_ja.html"));
        const KoMapAccessRules baidu = rulesOf(QStringLiteral("dunmorebd.html"));
        const KoMapAccessRules osm = rulesOf(QStringLiteral("dunmoreos.html"));
        const QUrl googleScript(
            QStringLiteral("https://maps.googleapis.com/maps/api/js?key=k&callback=initMap"));
        const QUrl googleImage(QStringLiteral("https://maps.gstatic.com/mapfiles/transparent.png"));
        const QUrl baiduScript(QStringLiteral("https://api.map.baidu.com/api?v=2.0&s=1&ak=k"));
        const QUrl baiduTile(QStringLiteral("https://maponline0.bdimg.com/tile/?x=1"));
        QVERIFY(google.allowsRequest(googleScript) && google.allowsRequest(googleImage));
        QVERIFY(japanese.allowsRequest(googleScript));
        QVERIFY(!google.allowsRequest(baiduScript) && !google.allowsRequest(baiduTile));
        QVERIFY(baidu.allowsRequest(baiduScript) && baidu.allowsRequest(baiduTile));
        QVERIFY(!baidu.allowsRequest(QUrl(QStringLiteral("http://api.map.baidu.com/api?v=2.0"))));
        QVERIFY(!baidu.allowsRequest(googleScript));
        for (const QUrl &url : {googleScript, googleImage, baiduScript, baiduTile})
            QVERIFY(!osm.allowsRequest(url));
        // A page the rules do not know reaches no host at all, and without a
        // page nothing is allowed.
        QVERIFY(rulesOf(QStringLiteral("other.html")).serviceHosts().isEmpty());
        QVERIFY(!KoMapAccessRules().allowsRequest(QUrl::fromLocalFile(m_folder + "/dunmoreos.html")));
        QVERIFY(KoMapAccessRules(QStringLiteral("relative/dunmoreos.html")).pageUrl().isEmpty());
    }

    void mainFrameShowsOnlyThePage()
    {
        const KoMapAccessRules osm = rulesOf(QStringLiteral("dunmoreos.html"));
        const QUrl page = QUrl::fromLocalFile(m_folder + "/dunmoreos.html");
        QVERIFY(osm.isPageUrl(page));
        QVERIFY(osm.isPageUrl(QUrl(page.toString() + "#zoom")));
        QVERIFY(!osm.isPageUrl(QUrl(page.toString() + "?x=1")));
        QVERIFY(!osm.isPageUrl(QUrl::fromLocalFile(m_folder + "/dunmoregg.html")));
        QVERIFY(!osm.isPageUrl(QUrl::fromLocalFile(m_folder + "/video.MP4")));
        QVERIFY(!osm.isPageUrl(QUrl(QStringLiteral("https://www.openstreetmap.org/copyright"))));
    }

    void onlyWebLinksGoToTheBrowser()
    {
        QVERIFY(KoMapAccessRules::opensInBrowser(
            QUrl(QStringLiteral("https://www.openstreetmap.org/copyright"))));
        QVERIFY(KoMapAccessRules::opensInBrowser(QUrl(QStringLiteral("http://example.org/"))));
        for (const char *url : {"file:///etc/passwd", "mailto:me@example.org", "javascript:alert(1)",
                                "smb://server/share", "https://", "ftp://example.org/", ""})
            QVERIFY2(!KoMapAccessRules::opensInBrowser(QUrl(QLatin1String(url))), url);
    }

    void routeClickReportsAreTwoNumbersInRange()
    {
        KoMapReceiver receiver;
        QSignalSpy reported(&receiver, &KoMapReceiver::routeClickReported);
        receiver.routeClicked(QJsonValue(114.0512), QJsonValue(22.5411));
        receiver.routeClicked(QJsonValue(-180), QJsonValue(90));
        QCOMPARE(reported.count(), 2);
        QCOMPARE(reported.at(0).at(0).toDouble(), 114.0512);
        QCOMPARE(reported.at(0).at(1).toDouble(), 22.5411);

        const double inf = std::numeric_limits<double>::infinity();
        const QList<std::pair<QJsonValue, QJsonValue>> refused = {
            {QJsonValue(QStringLiteral("114.05")), QJsonValue(22.5)},
            {QJsonValue(114.05), QJsonValue(true)},
            {QJsonValue(), QJsonValue(22.5)},
            {QJsonValue(QJsonValue::Undefined), QJsonValue(22.5)},
            {QJsonValue(QJsonObject{{"x", 1}}), QJsonValue(22.5)},
            {QJsonValue(QJsonArray{114.05}), QJsonValue(22.5)},
            {QJsonValue(180.0001), QJsonValue(22.5)},
            {QJsonValue(114.05), QJsonValue(-90.5)},
            {QJsonValue(inf), QJsonValue(22.5)},
            {QJsonValue(114.05), QJsonValue(std::nan(""))},
        };
        for (const auto &report : refused)
            receiver.routeClicked(report.first, report.second);
        QCOMPARE(reported.count(), 2);
    }
};

TAVRIN_TEST_MAIN(tst_KoMapAccessRules, QCoreApplication)
#include "tst_KoMapAccessRules.moc"
