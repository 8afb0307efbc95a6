#include "mainwindow/KoMapRequestFilter.h"

#include "app/KoLogging.h"

void KoMapRequestFilter::setRules(const KoMapAccessRules &rules)
{
    m_rules = rules;
    m_reported.clear();
}

void KoMapRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    if (m_rules.allowsRequest(url))
        return;
    info.block(true);
    // A service's script may ask for the same host again and again: one info
    // line per place, the rest at debug level.
    const QString place = url.scheme() + QLatin1String("://") + url.host();
    if (!m_reported.contains(place)) {
        m_reported.insert(place);
        qCInfo(lcMap) << "the map page may not load" << url.toDisplayString(QUrl::RemoveQuery);
    } else {
        qCDebug(lcMap) << "refused" << url.toDisplayString(QUrl::RemoveQuery);
    }
    emit requestRefused(url);
}
