#include "gps/KoTrackSample.h"

#include "app/KoLogging.h"
#include "gps/KoGPSModel.h"
#include "gps/KoTrackExtractor.h"

#include <QFile>

#include <cmath>
#include <cstring>

namespace {

constexpr double Gravity = 9.80665;
// km/h gained or lost in one second at 1 g.
constexpr double KmhPerSecondPerG = Gravity * 3.6;

bool known(float v)
{
    return !std::isnan(v);
}

} // namespace

KoTrackSample KoTrackSample::fromModel(const KoGPSModel &model)
{
    KoTrackSample s;
    // As in the extractor's void rule, a fix at latitude or longitude 0 is
    // none (a line cut short reads that way too).
    s.fix = model.status == 'A' && model.wgsLatitude != 0 && model.wgsLongitude != 0;
    if (s.fix) {
        const float speed = model.speedKmh;
        if (std::isfinite(speed) && speed >= 0 && speed <= MaxSpeedKmh)
            s.speedKmh = speed;
        if (std::isfinite(model.heading))
            s.heading = std::fmod(model.heading, 360.0f);
        if (std::isfinite(model.wgsLatitude) && std::isfinite(model.wgsLongitude) &&
            std::fabs(model.wgsLatitude) <= 90 && std::fabs(model.wgsLongitude) <= 180) {
            s.latitude = model.wgsLatitude;
            s.longitude = model.wgsLongitude;
        }
    }
    s.hasG = model.gX != 0 || model.gY != 0 || model.gZ != 0;
    s.gX = model.gForceX();
    s.gY = model.gForceY();
    s.gZ = model.gForceZ();
    std::memcpy(s.dateTime, model.dateTime, sizeof s.dateTime);
    s.dateTime[sizeof s.dateTime - 1] = '\0';
    return s;
}

QVector<KoTrackSample> KoTrackSample::fromModels(const QList<KoGPSModel *> &models)
{
    QVector<KoTrackSample> track;
    track.reserve(models.size());
    for (const KoGPSModel *model : models) {
        if (model)
            track.append(fromModel(*model));
        else
            track.append(KoTrackSample());
    }
    return track;
}

bool KoTrackSample::readCacheFile(const QString &path, bool fineGScale, QVector<KoTrackSample> *out)
{
    out->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(lcGps) << "no track cache" << path << file.errorString();
        return false;
    }
    readTrack(&file, fineGScale, out);
    return true;
}

void KoTrackSample::readTrack(QIODevice *device, bool fineGScale, QVector<KoTrackSample> *out)
{
    out->clear();
    const bool whole = KoGPSModel::readTrackLines(device, kMaxTrackLines, [&](const char *line) {
        KoGPSModel model(line);
        model.fineGScale = fineGScale;
        out->append(fromModel(model));
    });
    if (!whole)
        qCWarning(lcGps) << "track cut at" << kMaxTrackLines << "samples";
}

QDateTime KoTrackSample::cameraTime() const
{
    return cameraTimeOf(QLatin1String(dateTime, int(strnlen(dateTime, sizeof dateTime))));
}

QDateTime KoTrackSample::cameraTimeOf(QLatin1String text)
{
    if (text.size() != 14)
        return QDateTime();
    int v[6];
    const int widths[6] = {4, 2, 2, 2, 2, 2};
    for (int f = 0, at = 0; f < 6; at += widths[f++]) {
        v[f] = 0;
        for (int i = at; i < at + widths[f]; ++i) {
            const char c = text.at(i).toLatin1();
            if (c < '0' || c > '9')
                return QDateTime();
            v[f] = v[f] * 10 + (c - '0');
        }
    }
    const QDate date(v[0], v[1], v[2]);
    const QTime time(v[3], v[4], v[5]);
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

QDateTime KoTrackSample::startTime(const QVector<KoTrackSample> &track)
{
    for (int i = 0; i < track.size(); ++i) {
        const QDateTime t = track.at(i).cameraTime();
        if (t.isValid())
            return t.addSecs(-i);
    }
    return QDateTime();
}

QDateTime KoTrackSample::timeAt(const QVector<KoTrackSample> &track, int second)
{
    if (second >= 0 && second < track.size()) {
        const QDateTime own = track.at(second).cameraTime();
        if (own.isValid())
            return own;
    }
    const QDateTime start = startTime(track);
    return start.isValid() ? start.addSecs(second) : QDateTime();
}

QVector<float> KoTrackSample::plausibleSpeeds(const QVector<KoTrackSample> &track)
{
    const int n = track.size();
    QVector<float> speeds(n);
    for (int i = 0; i < n; ++i)
        speeds[i] = track.at(i).speedKmh;

    const double spike = 0.3 * KmhPerSecondPerG;
    const double impossible = MaxChangeG * KmhPerSecondPerG;
    QVector<float> out = speeds;
    for (int i = 0; i < n; ++i) {
        const float v = speeds.at(i);
        if (!known(v))
            continue;
        const float before = i > 0 ? speeds.at(i - 1) : Unknown;
        const float after = i + 1 < n ? speeds.at(i + 1) : Unknown;
        if (!known(before) && !known(after))
            continue;
        const bool farFromBefore = !known(before) || std::fabs(v - before) > impossible;
        const bool farFromAfter = !known(after) || std::fabs(v - after) > impossible;
        bool drop = farFromBefore && farFromAfter;
        if (!drop && known(before) && known(after)) {
            const double in = v - before;
            const double away = after - v;
            drop = std::fabs(in) >= spike && std::fabs(away) >= spike && (in > 0) != (away > 0) &&
                   std::fabs(after - before) < std::min(std::fabs(in), std::fabs(away)) / 2;
        }
        if (drop) {
            qCDebug(lcGps) << "speed" << v << "km/h at second" << i << "is a spike; ignored";
            out[i] = Unknown;
        }
    }
    return out;
}
