#include "mainwindow/KoMapBridge.h"

#include <QDebug>
#include <QFileInfo>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cmath>
#include <utility>

namespace {

const QString kTrackColor = QStringLiteral("'#5298ff'");

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

KoMapBridge::KoMapBridge(QWebEngineView *view, QObject *parent)
    : QObject(parent)
    , m_view(view)
{
    if (!view) {
        qWarning() << "KoMapBridge::KoMapBridge" << __LINE__ << "no web view";
        return;
    }
    connect(view, &QWebEngineView::loadStarted, this, &KoMapBridge::onLoadStarted);
    connect(view, &QWebEngineView::loadFinished, this, &KoMapBridge::onLoadFinished);
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

QString KoMapBridge::pointText(double lng, double lat)
{
    return QStringLiteral("{lng:%1,lat:%2}").arg(QString::number(lng, 'f', 6), QString::number(lat, 'f', 6));
}

bool KoMapBridge::isPointList(QStringView text)
{
    return PointListScanner(text).scan();
}

void KoMapBridge::load(const QString &pagePath)
{
    const QFileInfo page(pagePath);
    qWarning() << "KoMapBridge::load" << __LINE__ << page.absoluteFilePath();
    if (!page.isFile())
        qWarning() << "KoMapBridge::load" << __LINE__ << "no such page";
    if (!m_view)
        return;
    m_pageReady = false;
    m_view->load(QUrl::fromLocalFile(page.absoluteFilePath()));
}

void KoMapBridge::initGPSLine(const QString &pointList)
{
    if (!isPointList(pointList)) {
        qWarning() << "KoMapBridge::initGPSLine" << __LINE__
                   << "refused a point list that is not plain numbers," << pointList.size() << "characters";
        return;
    }
    const QString script = QStringLiteral("initGPSLine(%1, %2)").arg(pointList, kTrackColor);
    if (!m_pageReady) {
        m_pendingLine = script;
        // A new line puts the marker back at its start.
        m_pendingMove.clear();
        return;
    }
    run(script);
}

void KoMapBridge::moveGPS(double lng, double lat)
{
    if (!std::isfinite(lng) || !std::isfinite(lat)) {
        qWarning() << "KoMapBridge::moveGPS" << __LINE__ << "refused a position that is not a number";
        return;
    }
    const QString script = QStringLiteral("moveGPS(%1)").arg(pointText(lng, lat));
    if (!m_pageReady) {
        m_pendingMove = script;
        return;
    }
    run(script);
}

void KoMapBridge::clearGPSLine()
{
    if (!m_pageReady) {
        // The page about to appear starts without a line.
        m_pendingLine.clear();
        m_pendingMove.clear();
        return;
    }
    run(QStringLiteral("clearGPSLine()"));
}

void KoMapBridge::onLoadStarted()
{
    m_pageReady = false;
}

void KoMapBridge::onLoadFinished(bool ok)
{
    if (!ok)
        qWarning() << "KoMapBridge::onLoadFinished" << __LINE__ << "the map page did not load";
    // A page that failed has no functions to reach; sending does no harm there.
    m_pageReady = true;
    if (!m_pendingLine.isEmpty())
        run(std::exchange(m_pendingLine, QString()));
    if (!m_pendingMove.isEmpty())
        run(std::exchange(m_pendingMove, QString()));
}

void KoMapBridge::run(const QString &script)
{
    if (!m_view)
        return;
    m_view->page()->runJavaScript(script);
    m_lastScript = script;
    emit scriptRun(script);
}
