#include "mainwindow/KoMapBridge.h"

#include "app/KoLogging.h"
#include "gps/KoChinaLocation.h"
#include "mainwindow/KoMapPage.h"
#include "mainwindow/KoMapReceiver.h"
#include "mainwindow/KoMapView.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace {

// The route of a recording, and the playing recording's part of a trip.
const QString kTrackColor = QStringLiteral("'#5298ff'");
// The other recordings of a trip.
const QString kTripColor = QStringLiteral("'#8c9fbf'");

// A page lost again and again (a renderer that crashes on it) is not
// loaded for ever.
constexpr int kReloadsPerMinute = 3;

bool isPosition(double lng, double lat)
{
    return std::isfinite(lng) && std::isfinite(lat) && lng >= -180.0 && lng <= 180.0 && lat >= -90.0 &&
           lat <= 90.0;
}

// A single forward pass over the text: no backtracking, whatever its length.
class PointListScanner
{
public:
    explicit PointListScanner(QStringView text)
        : m_text(text)
    {}

    bool scan()
    {
        skipSpace();
        if (!take(u'['))
            return false;
        skipSpace();
        if (take(u']'))
            return atEnd();
        for (;;) {
            if (!point())
                return false;
            skipSpace();
            if (take(u']'))
                return atEnd();
            if (!take(u','))
                return false;
            skipSpace();
            if (take(u']'))
                return atEnd();
        }
    }

private:
    bool point() { return take(u'{') && field(u"lng") && take(u',') && field(u"lat") && take(u'}'); }

    bool field(QStringView name)
    {
        skipSpace();
        if (!m_text.mid(m_pos).startsWith(name))
            return false;
        m_pos += name.size();
        skipSpace();
        if (!take(u':'))
            return false;
        skipSpace();
        if (!number())
            return false;
        skipSpace();
        return true;
    }

    bool number()
    {
        take(u'-');
        if (digits() == 0)
            return false;
        if (take(u'.'))
            return digits() > 0;
        return true;
    }

    int digits()
    {
        int count = 0;
        while (m_pos < m_text.size() && m_text.at(m_pos) >= u'0' && m_text.at(m_pos) <= u'9') {
            ++m_pos;
            ++count;
        }
        return count;
    }

    bool take(QChar c)
    {
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && (m_text.at(m_pos) == u' ' || m_text.at(m_pos) == u'\n' ||
                                         m_text.at(m_pos) == u'\r' || m_text.at(m_pos) == u'\t'))
            ++m_pos;
    }

    bool atEnd()
    {
        skipSpace();
        return m_pos == m_text.size();
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

KoMapBridge::KoMapBridge(KoMapView *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
    m_clock.start();
    if (!view) {
        qCWarning(lcMap) << "a map bridge without a map view";
        return;
    }
    connect(view->mapPage(), &KoMapPage::pageLoading, this, &KoMapBridge::onLoadStarted);
    connect(view->mapPage(), &KoMapPage::pageLoaded, this, &KoMapBridge::onLoadFinished);
    connect(view, &QWebEngineView::urlChanged, this, &KoMapBridge::onUrlChanged);
    connect(view->mapPage(), &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { onRendererGone(status); });
    connect(view->mapPage()->receiver(), &KoMapReceiver::routeClickReported, this,
            &KoMapBridge::routeClicked);
}

QString KoMapBridge::pageName(KoMapType mapType)
{
    switch (mapType) {
    case KoMapType::Baidu:
        return QStringLiteral("dunmorebd.html");
    case KoMapType::OpenStreetMap:
        return QStringLiteral("dunmoreos.html");
    case KoMapType::Google:
        break;
    }
    return QStringLiteral("dunmoregg.html");
}

bool KoMapBridge::usesBd09(const QString &pageName)
{
    return pageName == KoMapBridge::pageName(KoMapType::Baidu);
}

QString KoMapBridge::pointText(double lng, double lat)
{
    return QStringLiteral("{lng:%1,lat:%2}").arg(QString::number(lng, 'f', 6), QString::number(lat, 'f', 6));
}

bool KoMapBridge::isPointList(QStringView text)
{
    return PointListScanner(text).scan();
}

QString KoMapBridge::tripScript(const QVector<KoRoutePart> &parts, int highlighted, bool bd09)
{
    QString script;
    qsizetype points = 0;
    for (const KoRoutePart &part : parts)
        points += part.size();
    script.reserve(int(points * 32 + parts.size() * 4 + 64));
    script += QLatin1String("initTripLine([");
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            script += QLatin1Char(',');
        script += QLatin1Char('[');
        bool first = true;
        for (const KoRoutePoint &p : parts[i]) {
            const double lng = bd09 ? p.bdLng : p.wgsLng;
            const double lat = bd09 ? p.bdLat : p.wgsLat;
            if (!isPosition(lng, lat))
                continue;
            if (!first)
                script += QLatin1Char(',');
            first = false;
            script += pointText(lng, lat);
        }
        script += QLatin1Char(']');
    }
    script += QStringLiteral("], %1, %2, %3)").arg(highlighted).arg(kTripColor, kTrackColor);
    return script;
}

KoRoutePart KoMapBridge::routeOf(const QVector<KoTrackSample> &track)
{
    KoRoutePart part;
    part.reserve(track.size());
    for (const KoTrackSample &s : track) {
        if (!s.fix || !isPosition(s.longitude, s.latitude))
            continue;
        KoRoutePoint p{s.longitude, s.latitude, 0, 0};
        convert_wgs84_to_bd09(p.wgsLng, p.wgsLat, &p.bdLng, &p.bdLat);
        part.append(p);
    }
    return part;
}

void KoMapBridge::load(const QString &pagePath)
{
    const QFileInfo page(pagePath);
    qCInfo(lcMap) << "map page" << page.absoluteFilePath();
    if (!page.isFile())
        qCWarning(lcMap) << "no map page at" << page.absoluteFilePath();
    m_pagePath = page.absoluteFilePath();
    m_pageBd09 = usesBd09(page.fileName());
    if (!m_view)
        return;
    m_pageReady = false;
    m_view->mapPage()->loadPage(m_pagePath);
}

void KoMapBridge::initGPSLine(const QString &pointList)
{
    if (!isPointList(pointList)) {
        qCWarning(lcMap) << "refused a point list that is not plain numbers," << pointList.size()
                         << "characters";
        return;
    }
    const QString script = QStringLiteral("initGPSLine(%1, %2)").arg(pointList, kTrackColor);
    // Kept already (and drawn, or drawn once the page is there): the marker
    // stays where it is.
    if (script == m_line && m_lineBd09 == m_pageBd09)
        return;
    m_line = script;
    m_lineBd09 = m_pageBd09;
    m_tripParts.clear();
    m_tripHighlighted = -1;
    // A new line puts the marker back at its start.
    m_move.clear();
    if (m_pageReady)
        run(script);
}

void KoMapBridge::initTripLine(const QVector<KoRoutePart> &parts, int highlighted)
{
    if (highlighted < -1 || highlighted >= parts.size()) {
        qCWarning(lcMap) << "refused a trip of" << parts.size() << "parts with part" << highlighted
                         << "highlighted";
        return;
    }
    if (parts.isEmpty()) {
        clearGPSLine();
        return;
    }
    if (parts == m_tripParts) {
        highlightTripPart(highlighted);
        return;
    }
    m_tripParts = parts;
    m_tripHighlighted = highlighted;
    m_line.clear();
    m_move.clear();
    if (m_pageReady)
        run(tripScript(m_tripParts, m_tripHighlighted, m_pageBd09));
}

void KoMapBridge::highlightTripPart(int index)
{
    if (m_tripParts.isEmpty() || index < -1 || index >= m_tripParts.size()) {
        qCWarning(lcMap) << "no trip part" << index << "to highlight";
        return;
    }
    if (index == m_tripHighlighted)
        return;
    m_tripHighlighted = index;
    // The page puts the marker at the start of the part.
    m_move.clear();
    if (m_pageReady)
        run(QStringLiteral("highlightTripPart(%1)").arg(index));
}

void KoMapBridge::moveGPS(double lng, double lat)
{
    if (!std::isfinite(lng) || !std::isfinite(lat)) {
        qCWarning(lcMap) << "refused a marker position that is not a number";
        return;
    }
    m_move = QStringLiteral("moveGPS(%1)").arg(pointText(lng, lat));
    m_moveBd09 = m_pageBd09;
    if (m_pageReady)
        run(m_move);
}

void KoMapBridge::clearGPSLine()
{
    m_line.clear();
    m_tripParts.clear();
    m_tripHighlighted = -1;
    m_move.clear();
    // The page about to appear starts without a line.
    if (m_pageReady)
        run(QStringLiteral("clearGPSLine()"));
}

void KoMapBridge::onLoadStarted()
{
    m_pageReady = false;
}

void KoMapBridge::onLoadFinished(bool ok)
{
    if (!ok)
        qCWarning(lcMap) << "the map page did not load:" << m_pagePath;
    // A page that failed has no functions to reach; sending does no harm there.
    m_pageReady = true;
    drawKept();
}

void KoMapBridge::drawKept()
{
    // A line or marker in the other datum would be drawn off by hundreds of
    // metres in China: the caller sends them again for this page.
    if (!m_line.isEmpty() && m_lineBd09 != m_pageBd09)
        m_line.clear();
    if (!m_move.isEmpty() && m_moveBd09 != m_pageBd09)
        m_move.clear();
    if (!m_line.isEmpty())
        run(m_line);
    else if (!m_tripParts.isEmpty())
        run(tripScript(m_tripParts, m_tripHighlighted, m_pageBd09));
    if (!m_move.isEmpty())
        run(m_move);
}

void KoMapBridge::onUrlChanged(const QUrl &url)
{
    if (!m_view || m_pagePath.isEmpty() || url.isEmpty() || m_view->mapPage()->pageUrl().isEmpty())
        return;
    // The engine's error page of a page that failed to load: loading it again
    // would not help.
    if (url.scheme() == QLatin1String("chrome-error"))
        return;
    if (!m_view->mapPage()->isPageUrl(url))
        reloadLostPage("the map view left its page");
}

void KoMapBridge::onRendererGone(int status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // Not from inside the engine's own report.
    QTimer::singleShot(0, this, [this] { reloadLostPage("the map page's renderer ended"); });
}

void KoMapBridge::reloadLostPage(const char *why)
{
    if (!m_view || m_pagePath.isEmpty())
        return;
    const qint64 now = m_clock.elapsed();
    while (!m_reloads.isEmpty() && now - m_reloads.first() > 60000)
        m_reloads.removeFirst();
    if (m_reloads.size() >= kReloadsPerMinute) {
        qCWarning(lcMap) << why << "- again; the map is left as it is";
        return;
    }
    m_reloads.append(now);
    qCWarning(lcMap) << why << "- loading the page again";
    m_pageReady = false;
    emit pageReloading();
    m_view->mapPage()->loadPage(m_pagePath);
}

void KoMapBridge::run(const QString &script)
{
    if (!m_view)
        return;
    m_view->page()->runJavaScript(script);
    m_lastScript = script;
    emit scriptRun(script);
}
