#pragma once

#include <QJsonValue>
#include <QObject>

// The one object a map page can reach in the program (through the web
// channel, as "tavrin"). The page and any script it loaded can call it, so
// it believes nothing: a report is two finite numbers in range or it is
// dropped.
class KoMapReceiver : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The page's report of a click on the route, at (lng, lat) in the page's
    // coordinates.
    Q_INVOKABLE void routeClicked(const QJsonValue &lng, const QJsonValue &lat);

signals:
    void routeClickReported(double lng, double lat);
};
