#include "library/KoTrackSummary.h"

#include "app/KoLogging.h"
#include "library/KoFileInfoModel.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace {

constexpr double EarthRadius = 6371008.8; // mean radius, metres
constexpr double DegreesToRadians = 3.14159265358979323846 / 180;
constexpr float StandingKmh = 3;
constexpr double KmPerMile = 1.609344;

bool hasPosition(const KoTrackSample &s)
{
    return s.fix && std::isfinite(s.latitude) && std::isfinite(s.longitude);
}

bool standing(const KoTrackSample &a, const KoTrackSample &b)
{
    return a.speedKmh < StandingKmh && b.speedKmh < StandingKmh; // false when either is NaN
}

bool plausibleStep(const QVector<KoTrackSample> &track, int from, int to, double *metres)
{
    const KoTrackSample &a = track.at(from);
    const KoTrackSample &b = track.at(to);
    *metres = KoTrackSummary::greatCircleMetres(a.latitude, a.longitude, b.latitude, b.longitude);
    return std::isfinite(*metres) && *metres / (to - from) <= KoTrackSample::MaxSpeedKmh / 3.6;
}

bool filledFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

} // namespace

double KoTrackSummary::greatCircleMetres(double lat1, double lng1, double lat2, double lng2)
{
    const double p1 = lat1 * DegreesToRadians;
    const double p2 = lat2 * DegreesToRadians;
    const double dp = (lat2 - lat1) * DegreesToRadians;
    const double dl = (lng2 - lng1) * DegreesToRadians;
    const double h = std::sin(dp / 2) * std::sin(dp / 2) +
                     std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * EarthRadius * std::asin(std::sqrt(std::min(1.0, h)));
}

double KoTrackSummary::distanceMetres(const QVector<KoTrackSample> &track)
{
    double total = 0;
    int anchor = -1;   // last position trusted
    int jumpedTo = -1; // a position the receiver jumped to, not yet trusted
    for (int i = 0; i < track.size(); ++i) {
        if (!hasPosition(track.at(i)))
            continue;
        if (anchor < 0) {
            anchor = i;
            continue;
        }
        double metres = 0;
        if (plausibleStep(track, anchor, i, &metres)) {
            if (!standing(track.at(anchor), track.at(i)))
                total += metres;
            anchor = i;
            jumpedTo = -1;
        } else if (jumpedTo >= 0 && plausibleStep(track, jumpedTo, i, &metres)) {
            // The track goes on from where it jumped: that was the real place.
            if (!standing(track.at(jumpedTo), track.at(i)))
                total += metres;
            anchor = i;
            jumpedTo = -1;
        } else {
            qCDebug(lcGps) << "position jump at second" << i << "left out of the distance";
            jumpedTo = i;
        }
    }
    return total;
}

KoTrackSummary KoTrackSummary::of(const QVector<KoTrackSample> &track, const KoDrivingEvents::Thresholds &t)
{
    KoTrackSummary s;
    s.valid = true;
    s.durationSeconds = track.size();
    s.distanceKm = distanceMetres(track) / 1000;
    for (const float speed : KoTrackSample::plausibleSpeeds(track)) {
        if (std::isnan(speed))
            continue;
        s.topSpeedKmh = s.hasSpeed ? std::max(s.topSpeedKmh, speed) : speed;
        s.hasSpeed = true;
    }
    s.start = KoTrackSample::startTime(track);
    s.events = KoDrivingEvents::detect(track, t);
    return s;
}

KoTrackSummary KoTrackSummary::of(const QList<KoGPSModel *> &track, const KoDrivingEvents::Thresholds &t)
{
    return of(KoTrackSample::fromModels(track), t);
}

KoTrackSummary KoTrackSummary::fromCache(const QString &cachePath, const KoDrivingEvents::Thresholds &t)
{
    QString path = cachePath;
    bool fine = cachePath.endsWith(QLatin1String("_haisi.txt"));
    if (!fine && !filledFile(path)) {
        path = KoFileInfoModel::directChunksCachePath(cachePath);
        fine = true;
    }
    QVector<KoTrackSample> track;
    if (!filledFile(path) || !KoTrackSample::readCacheFile(path, fine, &track) || track.isEmpty())
        return KoTrackSummary();
    return of(track, t);
}

QString KoTrackSummary::durationText(int seconds)
{
    seconds = std::max(0, seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString KoTrackSummary::describe(bool mph) const
{
    if (!valid)
        return QString();
    const double distance = mph ? distanceKm / KmPerMile : distanceKm;
    QStringList lines = {
        QCoreApplication::translate("KoTrackSummary", "Duration %1").arg(durationText(durationSeconds)),
        QCoreApplication::translate("KoTrackSummary", "Distance %1 %2")
            .arg(QString::number(distance, 'f', 1), mph ? QStringLiteral("mi") : QStringLiteral("km")),
    };
    if (hasSpeed)
        lines.append(QCoreApplication::translate("KoTrackSummary", "Top speed %1 %2")
                         .arg(QString::number(mph ? topSpeedKmh / KmPerMile : double(topSpeedKmh), 'f', 0),
                              mph ? QStringLiteral("mph") : QStringLiteral("km/h")));
    lines.append(QCoreApplication::translate("KoTrackSummary", "Events %1").arg(eventCount()));
    return lines.join(QLatin1Char('\n'));
}
