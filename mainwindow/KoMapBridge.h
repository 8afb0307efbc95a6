#pragma once

#include "app/JXDefaultSettings.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>

class QWebEngineView;

// Drives the map page shown in a web view through its four script functions.
// Calls made while the page is loading are kept (the latest line and the
// latest marker position) and sent once it has loaded. Every script text is
// made here from numbers and fixed texts; a point list that is anything but a
// plain array of {lng:<number>,lat:<number>} objects is refused.
class KoMapBridge : public QObject
{
    Q_OBJECT

public:
    explicit KoMapBridge(QWebEngineView *view, QObject *parent = nullptr);

    // Page file of a map type.
    static QString pageName(KoMapType mapType);
    // "{lng:%1,lat:%2}", each number with six decimals.
    static QString pointText(double lng, double lat);
    // Whether text is a point list the page may be given (a trailing comma is allowed).
    static bool isPointList(QStringView text);

    // Loads the page file into the view; calls wait until it has loaded.
    void load(const QString &pagePath);
    bool isPageReady() const { return m_pageReady; }

    void initGPSLine(const QString &pointList);
    void moveGPS(double lng, double lat);
    void clearGPSLine();

    // The last script text run in the page.
    QString lastScript() const { return m_lastScript; }

signals:
    void scriptRun(const QString &script);

private:
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void run(const QString &script);

    QPointer<QWebEngineView> m_view;
    bool m_pageReady = false;
    // Kept while the page loads; empty when there is nothing to send.
    QString m_pendingLine;
    QString m_pendingMove;
    QString m_lastScript;
};
