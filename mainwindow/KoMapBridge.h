#pragma once

#include "app/JXDefaultSettings.h"
#include "gps/KoTrackSample.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>
#include <QVector>

class KoMapView;

// One point of a route in both datums the maps use: WGS-84 (OpenStreetMap,
// Google) and BD-09 (Baidu).
struct KoRoutePoint
{
    double wgsLng = 0;
    double wgsLat = 0;
    double bdLng = 0;
    double bdLat = 0;

    bool operator==(const KoRoutePoint &o) const
    {
        return wgsLng == o.wgsLng && wgsLat == o.wgsLat && bdLng == o.bdLng && bdLat == o.bdLat;
    }
};
// The route of one recording of a trip.
using KoRoutePart = QVector<KoRoutePoint>;

// Drives the map page shown in a KoMapView through its script functions.
//
// The bridge keeps what the map shows (a recording's line or a trip's route,
// and the marker) and draws it again on every new page: calls made while
// the page loads arrive once it has loaded, a page lost to a renderer crash
// or a navigation is loaded again and redrawn, and a page of another map
// type gets the kept trip in its own datum (a line and a marker given in the
// other datum are left to the caller to send again). Every script text is
// made here from numbers and fixed texts; a point list that is anything but
// a plain array of {lng:<number>,lat:<number>} objects is refused.
class KoMapBridge : public QObject
{
    Q_OBJECT

public:
    explicit KoMapBridge(KoMapView *view, QObject *parent = nullptr);

    // Page file of a map type.
    static QString pageName(KoMapType mapType);
    // Whether the page file shows BD-09 coordinates (Baidu) rather than WGS-84.
    static bool usesBd09(const QString &pageName);
    // "{lng:%1,lat:%2}", each number with six decimals.
    static QString pointText(double lng, double lat);
    // Whether text is a point list the page may be given (a trailing comma is allowed).
    static bool isPointList(QStringView text);
    // The page call that draws a trip, in one datum. Points that are not
    // finite positions are left out.
    static QString tripScript(const QVector<KoRoutePart> &parts, int highlighted, bool bd09);
    // The route of a light track: its samples with a fix and a position, in
    // both datums (BD-09 converted as KoGPSModel converts it).
    static KoRoutePart routeOf(const QVector<KoTrackSample> &track);

    // Loads the page file into the view; calls wait until it has loaded.
    void load(const QString &pagePath);
    bool isPageReady() const { return m_pageReady; }
    // Whether the page loaded last shows BD-09 (the datum of routeClicked).
    bool pageUsesBd09() const { return m_pageBd09; }

    // One recording's line, its start and end, and the marker at its start.
    void initGPSLine(const QString &pointList);
    void moveGPS(double lng, double lat);
    // Removes the line or the trip and the markers.
    void clearGPSLine();

    // A trip: the routes of its recordings drawn as one, the part
    // `highlighted` (the recording playing; -1 none) standing out, start and
    // end markers at the trip's ends and the marker at the start of the
    // highlighted part. Replaces a recording's line. Given again with another
    // highlighted part only, the highlight moves and the view stays.
    void initTripLine(const QVector<KoRoutePart> &parts, int highlighted);
    void highlightTripPart(int index);
    bool hasTrip() const { return !m_tripParts.isEmpty(); }
    int tripHighlighted() const { return m_tripHighlighted; }

    // The last script text run in the page.
    QString lastScript() const { return m_lastScript; }

signals:
    void scriptRun(const QString &script);
    // A click on the drawn route (line or trip) at this position, in the
    // shown page's datum (BD-09 on the Baidu page, WGS-84 on the others).
    void routeClicked(double lng, double lat);
    // The page was lost and is being loaded again.
    void pageReloading();

private:
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onUrlChanged(const QUrl &url);
    void onRendererGone(int status);
    void reloadLostPage(const char *why);
    void drawKept();
    void run(const QString &script);

    QPointer<KoMapView> m_view;
    QString m_pagePath;
    bool m_pageBd09 = false;
    bool m_pageReady = false;
    // Kept drawing: a line (script text, in the datum it was given in) or a trip.
    QString m_line;
    bool m_lineBd09 = false;
    QVector<KoRoutePart> m_tripParts;
    int m_tripHighlighted = -1;
    QString m_move;
    bool m_moveBd09 = false;
    QString m_lastScript;
    // When the lost page was loaded again, within the last minute.
    QList<qint64> m_reloads;
    QElapsedTimer m_clock;
};
