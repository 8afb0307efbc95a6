#pragma once

#include "mainwindow/KoMapAccessRules.h"

#include <QSet>
#include <QWebEngineUrlRequestInterceptor>

// Holds every request of a map page to its rules (KoMapAccessRules): the
// page's own files and its map service's hosts pass, anything else is
// blocked before it leaves the program.
class KoMapRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setRules(const KoMapAccessRules &rules);
    const KoMapAccessRules &rules() const { return m_rules; }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

signals:
    void requestRefused(const QUrl &url);

private:
    KoMapAccessRules m_rules;
    // Where a refusal was already logged at info level since the page loaded.
    QSet<QString> m_reported;
};
