#include "mainwindow/KoMapReceiver.h"

#include "app/KoLogging.h"
#include "mainwindow/KoMapAccessRules.h"

void KoMapReceiver::routeClicked(const QJsonValue &lng, const QJsonValue &lat)
{
    if (!KoMapAccessRules::isPosition(lng, lat)) {
        qCInfo(lcMap) << "the map page reported a route click that is no position; ignored";
        return;
    }
    qCDebug(lcMap) << "route clicked at" << lng.toDouble() << lat.toDouble();
    emit routeClickReported(lng.toDouble(), lat.toDouble());
}
