#include "mainwindow/KoMapAccessRules.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonValue>

#include <cmath>

namespace {

const QStringList kPageFileSuffixes = {QStringLiteral("html"), QStringLiteral("png"), QStringLiteral("css"),
                                       QStringLiteral("js")};
const QStringList kLeafletSuffixes = {QStringLiteral("js"), QStringLiteral("css"), QStringLiteral("png"),
                                      QStringLiteral("svg")};
const QString kLeafletFolder = QStringLiteral("leaflet/");

bool hasSuffixOf(const QString &path, const QStringList &suffixes)
{
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

} // namespace

KoMapAccessRules::KoMapAccessRules(const QString &pagePath)
{
    const QString clean = QDir::cleanPath(pagePath);
    if (!QDir::isAbsolutePath(clean))
        return;
    m_pageUrl = QUrl::fromLocalFile(clean);
    m_folder = QFileInfo(clean).absolutePath();
    m_hosts = serviceHostsOf(QFileInfo(clean).fileName());
}

QStringList KoMapAccessRules::serviceHostsOf(const QString &pageName)
{
    if (pageName == QLatin1String("dunmoreos.html"))
        return {QStringLiteral("tile.openstreetmap.org")};
    // The script, its tiles, images, fonts and street-view pictures.
    if (pageName.startsWith(QLatin1String("dunmoregg")) && pageName.endsWith(QLatin1String(".html")))
        return {QStringLiteral("googleapis.com"), QStringLiteral("gstatic.com"), QStringLiteral("google.com"),
                QStringLiteral("ggpht.com")};
    if (pageName == QLatin1String("dunmorebd.html"))
        return {QStringLiteral("baidu.com"), QStringLiteral("bdimg.com"), QStringLiteral("bdstatic.com")};
    return {};
}

bool KoMapAccessRules::allowsRequest(const QUrl &url) const
{
    if (m_folder.isEmpty() || !url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return url.host().isEmpty() && allowsFile(url.path(QUrl::FullyDecoded));
    if (scheme == QLatin1String("https"))
        return (url.port() == -1 || url.port() == 443) && url.userInfo().isEmpty() && allowsHost(url.host());
    // Images and workers the page's scripts make themselves.
    if (scheme == QLatin1String("data") || scheme == QLatin1String("blob"))
        return true;
    return scheme == QLatin1String("about") && url.path() == QLatin1String("blank");
}

bool KoMapAccessRules::allowsFile(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    if (clean != path || !clean.startsWith(m_folder + QLatin1Char('/')))
        return false;
    const QString inside = clean.mid(m_folder.size() + 1);
    if (inside.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return false;
    if (!inside.contains(QLatin1Char('/')))
        return hasSuffixOf(inside, kPageFileSuffixes);
    return inside.startsWith(kLeafletFolder) && inside.size() > kLeafletFolder.size() &&
           hasSuffixOf(inside, kLeafletSuffixes);
}

bool KoMapAccessRules::allowsHost(const QString &host) const
{
    const QString h = host.toLower();
    for (const QString &allowed : m_hosts) {
        if (h == allowed || h.endsWith(QLatin1Char('.') + allowed))
            return true;
    }
    return false;
}

bool KoMapAccessRules::isPageUrl(const QUrl &url) const
{
    return !m_pageUrl.isEmpty() && url.isLocalFile() && !url.hasQuery() &&
           QDir::cleanPath(url.toLocalFile()) == m_pageUrl.toLocalFile();
}

bool KoMapAccessRules::opensInBrowser(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("https") || scheme == QLatin1String("http")) &&
           !url.host().isEmpty();
}

bool KoMapAccessRules::isPosition(const QJsonValue &lng, const QJsonValue &lat)
{
    if (!lng.isDouble() || !lat.isDouble())
        return false;
    const double x = lng.toDouble();
    const double y = lat.toDouble();
    return std::isfinite(x) && std::isfinite(y) && x >= -180.0 && x <= 180.0 && y >= -90.0 && y <= 90.0;
}
