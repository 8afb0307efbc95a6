#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QJsonValue;

// What a map page may reach, as plain rules a test can call without a web
// engine. A page is a file beside the program; it may read the files of its
// own folder that pages are made of (pages, images, style sheets, scripts,
// and the Leaflet folder), and reach over HTTPS only the hosts of its own map
// service: the tiles for OpenStreetMap, the service's script and tiles for
// Google and Baidu. Nothing else: no other file, no other host, no plain HTTP.
class KoMapAccessRules
{
public:
    KoMapAccessRules() = default;
    // The rules of the page file at `pagePath` (an absolute path).
    explicit KoMapAccessRules(const QString &pagePath);

    // The page's own address; empty without a page.
    QUrl pageUrl() const { return m_pageUrl; }
    QString pageFolder() const { return m_folder; }
    QStringList serviceHosts() const { return m_hosts; }

    // Whether the page may load `url` (a subresource or a frame's document).
    bool allowsRequest(const QUrl &url) const;
    // Whether the page's main frame may show `url`: only the page itself.
    bool isPageUrl(const QUrl &url) const;

    // Hosts (each with its subdomains) the map service of a page file needs.
    static QStringList serviceHostsOf(const QString &pageName);
    // A link worth handing to the user's browser: http or https with a host.
    static bool opensInBrowser(const QUrl &url);
    // A position the page reported: two finite JSON numbers, longitude in
    // [-180, 180] and latitude in [-90, 90]. Anything else is refused.
    static bool isPosition(const QJsonValue &lng, const QJsonValue &lat);

private:
    bool allowsFile(const QString &path) const;
    bool allowsHost(const QString &host) const;

    QUrl m_pageUrl;
    QString m_folder;
    QStringList m_hosts;
};
