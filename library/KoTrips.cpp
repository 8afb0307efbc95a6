#include "library/KoTrips.h"

#include "gps/KoChinaLocation.h"
#include "gps/KoGPSModel.h"
#include "library/KoFileInfoModel.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>

namespace {

constexpr double KmPerMile = 1.609344;
constexpr double DegreesToRadians = 3.14159265358979323846 / 180;

bool joins(const KoTrips::Recording &a, const KoTrips::Recording &b)
{
    return KoTrips::followsOn(a.start, a.durationSeconds, b.start);
}

} // namespace

bool KoTrips::followsOn(const QDateTime &start, double durationSeconds, const QDateTime &nextStart)
{
    if (!start.isValid() || !nextStart.isValid() || durationSeconds < 0)
        return false;
    const qint64 sinceStart = start.secsTo(nextStart);
    return sinceStart >= 0 && sinceStart - durationSeconds < MaxGapSeconds;
}

bool KoTrips::followsOn(const QString &file, double durationSeconds, const QString &nextFile)
{
    return followsOn(KoFileInfoModel::cameraTimeOf(file), durationSeconds,
                     KoFileInfoModel::cameraTimeOf(nextFile));
}

KoTrips::Recording KoTrips::recordingOf(const QString &fileName, const KoTrackSummary &summary,
                                        int fallbackDurationSeconds)
{
    Recording r;
    r.summary = summary;
    r.start =
        summary.valid && summary.start.isValid() ? summary.start : KoFileInfoModel::cameraTimeOf(fileName);
    r.durationSeconds = summary.valid ? summary.durationSeconds : fallbackDurationSeconds;
    return r;
}

QVector<KoTrips::Trip> KoTrips::group(const QVector<Recording> &recordings)
{
    QVector<Trip> trips;
    for (int i = 0; i < recordings.size(); ++i) {
        const Recording &r = recordings.at(i);
        if (trips.isEmpty() || !joins(recordings.at(i - 1), r)) {
            Trip t;
            t.first = i;
            t.start = r.start;
            t.complete = true;
            trips.append(t);
        }
        Trip &t = trips.last();
        t.last = i;
        t.durationSeconds = r.durationSeconds >= 0 && t.start.isValid() && r.start.isValid()
                                ? int(t.start.secsTo(r.start)) + r.durationSeconds
                                : -1;
        if (!r.summary.valid) {
            t.complete = false;
            continue;
        }
        t.distanceKm += r.summary.distanceKm;
        t.eventCount += r.summary.eventCount();
        if (r.summary.hasSpeed) {
            t.topSpeedKmh =
                t.hasSpeed ? std::max(t.topSpeedKmh, r.summary.topSpeedKmh) : r.summary.topSpeedKmh;
            t.hasSpeed = true;
        }
    }
    return trips;
}

int KoTrips::tripOf(const QVector<Trip> &trips, int recording)
{
    for (int i = 0; i < trips.size(); ++i) {
        if (trips.at(i).contains(recording))
            return i;
    }
    return -1;
}

QString KoTrips::Trip::describe(bool mph) const
{
    QStringList parts;
    if (start.isValid())
        parts.append(start.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (durationSeconds >= 0)
        parts.append(KoTrackSummary::durationText(durationSeconds));
    parts.append(
        QStringLiteral("%1 %2").arg(QString::number(mph ? distanceKm / KmPerMile : distanceKm, 'f', 1),
                                    mph ? QStringLiteral("mi") : QStringLiteral("km")));
    if (hasSpeed)
        parts.append(QCoreApplication::translate("KoTrips", "top speed %1 %2")
                         .arg(QString::number(mph ? topSpeedKmh / KmPerMile : double(topSpeedKmh), 'f', 0),
                              mph ? QStringLiteral("mph") : QStringLiteral("km/h")));
    return parts.join(QStringLiteral(" · "));
}

namespace {

// Nearest by a flat projection around the click (exact enough to rank points
// of one route), then the great-circle distance of the winner. `positionOf`
// gives sample i of track r, false when it has no usable position.
template <typename PositionOf>
KoTrips::Moment nearest(int trackCount, const std::function<int(int)> &sizeOf, double lat, double lng,
                        PositionOf positionOf)
{
    KoTrips::Moment best;
    if (!std::isfinite(lat) || !std::isfinite(lng))
        return best;
    const double xScale = std::cos(lat * DegreesToRadians);
    double bestSquared = std::numeric_limits<double>::infinity();
    for (int r = 0; r < trackCount; ++r) {
        const int n = sizeOf(r);
        for (int i = 0; i < n; ++i) {
            double sLat, sLng;
            if (!positionOf(r, i, &sLat, &sLng) || !std::isfinite(sLat) || !std::isfinite(sLng))
                continue;
            const double dx = std::remainder(sLng - lng, 360.0) * xScale;
            const double dy = sLat - lat;
            const double squared = dx * dx + dy * dy;
            if (squared < bestSquared) {
                bestSquared = squared;
                best.recording = r;
                best.second = i;
                best.distanceMetres = KoTrackSummary::greatCircleMetres(lat, lng, sLat, sLng);
            }
        }
    }
    return best;
}

} // namespace

KoTrips::Moment KoTrips::nearestMoment(const QVector<QList<KoGPSModel *>> &tracks, double lat, double lng,
                                       Datum datum)
{
    return nearest(
        tracks.size(), [&tracks](int r) { return tracks.at(r).size(); }, lat, lng,
        [&tracks, datum](int r, int i, double *sLat, double *sLng) {
            const KoGPSModel *s = tracks.at(r).at(i);
            if (!s || s->status != 'A')
                return false;
            *sLat = datum == Wgs84 ? s->wgsLatitude : s->latitude;
            *sLng = datum == Wgs84 ? s->wgsLongitude : s->longitude;
            return true;
        });
}

KoTrips::Moment KoTrips::nearestMoment(const QVector<QVector<KoTrackSample>> &tracks, double lat, double lng,
                                       Datum datum)
{
    return nearest(
        tracks.size(), [&tracks](int r) { return tracks.at(r).size(); }, lat, lng,
        [&tracks, datum](int r, int i, double *sLat, double *sLng) {
            const KoTrackSample &s = tracks.at(r).at(i);
            if (!s.fix || !std::isfinite(s.latitude) || !std::isfinite(s.longitude))
                return false;
            *sLat = s.latitude;
            *sLng = s.longitude;
            if (datum == MapDatum)
                convert_wgs84_to_bd09(s.longitude, s.latitude, sLng, sLat);
            return true;
        });
}
