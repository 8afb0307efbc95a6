#include "gps/KoDrivingEvents.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double Gravity = 9.80665;
constexpr double KmhPerSecondPerG = Gravity * 3.6;
constexpr double Pi = 3.14159265358979323846;

constexpr int BaselineHalfWindow = 15; // seconds each side of the running median
constexpr int MergeGap = 2;            // active seconds at most this far apart are one event
constexpr int MaxFixGap = 2;           // seconds between two fixes still compared
constexpr float StandingKmh = 5;
constexpr float HeadingSpeedKmh = 15; // below this the heading is noise
constexpr double QuietG = 0.1;        // GPS speed or heading change below this: no manoeuvre
// A reading beyond this, even read with the coarser scale (16 times too
// large), is no accelerometer's: a foreign or damaged line.
constexpr float MaxReadingG = 64 * 16;

struct Vec3
{
    double x = 0, y = 0, z = 0;
    Vec3 operator+(const Vec3 &o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3 &o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(const Vec3 &o) const { return x * o.x + y * o.y + z * o.z; }
    double length() const { return std::sqrt(dot(*this)); }
};

bool known(double v)
{
    return !std::isnan(v);
}

// Median of the values in a sliding window, kept sorted (the window holds
// at most 31 values, so insertion and removal are short moves).
class RunningMedian
{
public:
    void add(float v) { m_sorted.insert(std::upper_bound(m_sorted.begin(), m_sorted.end(), v), v); }
    void remove(float v)
    {
        const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), v);
        if (it != m_sorted.end() && *it == v)
            m_sorted.erase(it);
    }
    bool empty() const { return m_sorted.empty(); }
    double median() const
    {
        const size_t n = m_sorted.size();
        return n % 2 ? m_sorted[n / 2] : (double(m_sorted[n / 2 - 1]) + m_sorted[n / 2]) / 2;
    }

private:
    std::vector<float> m_sorted;
};

double medianOf(std::vector<float> values)
{
    if (values.empty())
        return 0;
    const auto mid = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), mid, values.end());
    return *mid;
}

// Per second: how far each manoeuvre went (in g) and the shock.
struct Second
{
    double braking = 0;
    double acceleration = 0;
    double cornering = 0;
    double shock = 0;       // reading's distance from the baseline, g (impact peak)
    double impactScore = 0; // >= 1: an impact
};

struct Cluster
{
    int first = 0;
    int last = 0;
    bool impact = false;
    double bestScore = 0;
    KoDrivingEvents::Kind bestKind = KoDrivingEvents::HarshBraking;
    double peak[4] = {0, 0, 0, 0};
};

class Detector
{
public:
    Detector(const QVector<KoTrackSample> &track, const KoDrivingEvents::Thresholds &t)
        : m_track(track)
        , m_t(t)
        , m_n(track.size())
    {}

    QVector<KoDrivingEvents::Event> run()
    {
        if (m_n == 0)
            return {};
        readGps();
        readGSensor();
        learnForward();
        return events();
    }

private:
    void readGSensor();
    void readGps();
    void learnForward();
    Second measure(int i) const;
    QVector<KoDrivingEvents::Event> events() const;
    KoDrivingEvents::Event eventOf(const Cluster &c) const;
    float speedNear(int from, int step, int tries) const;

    const QVector<KoTrackSample> &m_track;
    const KoDrivingEvents::Thresholds &m_t;
    const int m_n;

    bool m_gUsable = false;
    std::vector<char> m_gValid;
    std::vector<Vec3> m_dynamic;    // reading less the baseline
    std::vector<Vec3> m_horizontal; // its part across gravity
    std::vector<float> m_shock;     // |dynamic|
    std::vector<float> m_jolt;      // |dynamic - previous dynamic|

    QVector<float> m_speed;    // km/h, glitches removed
    std::vector<float> m_rate; // speed change from second i to the next fix, g
    std::vector<float> m_side; // sideways acceleration from the heading change, g
    std::vector<char> m_standing;

    bool m_forwardKnown = false;
    Vec3 m_forward;
};

void Detector::readGSensor()
{
    m_gValid.assign(m_n, 0);
    std::vector<float> xs, ys, zs;
    xs.reserve(m_n);
    ys.reserve(m_n);
    zs.reserve(m_n);
    for (int i = 0; i < m_n; ++i) {
        const KoTrackSample &s = m_track.at(i);
        if (!s.hasG || !std::isfinite(s.gX) || !std::isfinite(s.gY) || !std::isfinite(s.gZ) ||
            std::fabs(s.gX) > MaxReadingG || std::fabs(s.gY) > MaxReadingG || std::fabs(s.gZ) > MaxReadingG)
            continue;
        m_gValid[i] = 1;
        xs.push_back(s.gX);
        ys.push_back(s.gY);
        zs.push_back(s.gZ);
    }
    if (xs.size() < 5)
        return;

    // Gravity tells the scale: about 1 g, or 16 times more or less when the
    // counts were read with the other of the two scales.
    const Vec3 rawGravity{medianOf(xs), medianOf(ys), medianOf(zs)};
    const double g = rawGravity.length();
    double scale = 0;
    if (g >= 0.6 && g <= 1.6)
        scale = 1;
    else if (g >= 0.6 * 16 && g <= 1.6 * 16)
        scale = 1.0 / 16;
    else if (g >= 0.6 / 16 && g <= 1.6 / 16)
        scale = 16;
    if (scale == 0) {
        qCInfo(lcGps) << "G-sensor readings show gravity as" << g
                      << "g, on neither scale; driving events from the GPS speed only";
        return;
    }
    if (scale != 1)
        qCInfo(lcGps) << "G-sensor readings show gravity as" << g << "g; read with the other scale";
    m_gUsable = true;

    // The baseline is gravity as the camera is mounted. It is taken from the
    // quiet seconds, those in which the GPS shows no speed or heading change
    // (or nothing at all): a drive that keeps accelerating would otherwise
    // pass for a tilt.
    std::vector<float> ax(m_n), ay(m_n), az(m_n);
    std::vector<char> quiet(m_n, 0);
    std::vector<float> qx, qy, qz;
    for (int i = 0; i < m_n; ++i) {
        if (!m_gValid[i])
            continue;
        ax[i] = float(m_track.at(i).gX * scale);
        ay[i] = float(m_track.at(i).gY * scale);
        az[i] = float(m_track.at(i).gZ * scale);
        bool moving = false;
        for (int k = std::max(0, i - 1); k <= i; ++k)
            moving = moving || std::fabs(m_rate[k]) >= QuietG || m_side[k] >= QuietG; // NaN: false
        quiet[i] = !moving;
        if (quiet[i]) {
            qx.push_back(ax[i]);
            qy.push_back(ay[i]);
            qz.push_back(az[i]);
        }
    }
    const Vec3 gravity = qx.empty() ? rawGravity * scale : Vec3{medianOf(qx), medianOf(qy), medianOf(qz)};
    const Vec3 down = gravity * (1.0 / std::max(gravity.length(), 1e-9));

    m_dynamic.assign(m_n, Vec3());
    m_horizontal.assign(m_n, Vec3());
    m_shock.assign(m_n, 0);
    m_jolt.assign(m_n, 0);
    RunningMedian mx, my, mz;
    int lo = 0;  // first index in the window
    int hi = -1; // last index in the window
    for (int i = 0; i < m_n; ++i) {
        for (const int top = std::min(m_n - 1, i + BaselineHalfWindow); hi < top;) {
            ++hi;
            if (quiet[hi]) {
                mx.add(ax[hi]);
                my.add(ay[hi]);
                mz.add(az[hi]);
            }
        }
        for (const int bottom = std::max(0, i - BaselineHalfWindow); lo < bottom; ++lo) {
            if (quiet[lo]) {
                mx.remove(ax[lo]);
                my.remove(ay[lo]);
                mz.remove(az[lo]);
            }
        }
        if (!m_gValid[i])
            continue;
        const Vec3 base = mx.empty() ? gravity : Vec3{mx.median(), my.median(), mz.median()};
        const double baseLength = base.length();
        const Vec3 up = baseLength > 0.3 ? base * (1.0 / baseLength) : down;
        const Vec3 d = Vec3{ax[i], ay[i], az[i]} - base;
        m_dynamic[i] = d;
        m_horizontal[i] = d - up * d.dot(up);
        m_shock[i] = float(d.length());
        if (i > 0 && m_gValid[i - 1])
            m_jolt[i] = float((d - m_dynamic[i - 1]).length());
    }
}

void Detector::readGps()
{
    m_speed = KoTrackSample::plausibleSpeeds(m_track);
    m_rate.assign(m_n, KoTrackSample::Unknown);
    m_side.assign(m_n, KoTrackSample::Unknown);
    m_standing.assign(m_n, 0);
    for (int i = 0; i < m_n; ++i) {
        const float v = m_speed.at(i);
        if (!known(v))
            continue;
        int j = i + 1;
        while (j < m_n && j - i <= MaxFixGap && !known(m_speed.at(j)))
            ++j;
        if (j >= m_n || j - i > MaxFixGap)
            continue;
        const double dt = j - i;
        const double rate = (m_speed.at(j) - v) / dt / KmhPerSecondPerG;
        if (std::fabs(rate) <= KoTrackSample::MaxChangeG)
            m_rate[i] = float(rate);

        const float h0 = m_track.at(i).heading;
        const float h1 = m_track.at(j).heading;
        if (v >= HeadingSpeedKmh && m_speed.at(j) >= HeadingSpeedKmh && known(h0) && known(h1)) {
            const double turn = std::remainder(double(h1) - h0, 360.0) * Pi / 180;
            const double metresPerSecond = (v + m_speed.at(j)) / 2 / 3.6;
            const double side = metresPerSecond * std::fabs(turn) / dt / Gravity;
            if (side <= KoTrackSample::MaxChangeG)
                m_side[i] = float(side);
        }
    }
    // Standing: every known speed from the second before to the one after is
    // below walking pace, with one known on each side.
    for (int i = 0; i < m_n; ++i) {
        const float before = i > 0 && known(m_speed.at(i - 1)) ? m_speed.at(i - 1) : m_speed.at(i);
        const float after = i + 1 < m_n && known(m_speed.at(i + 1)) ? m_speed.at(i + 1) : m_speed.at(i);
        const float here = known(m_speed.at(i)) ? m_speed.at(i) : 0;
        m_standing[i] = known(before) && known(after) && before < StandingKmh && after < StandingKmh &&
                        here < StandingKmh;
    }
}

// The forward axis is the horizontal direction whose readings follow the
// GPS speed change: the readings summed with the change as weight.
void Detector::learnForward()
{
    if (!m_gUsable)
        return;
    Vec3 sum;
    double rates = 0;
    int moving = 0;
    std::vector<std::pair<int, double>> used;
    for (int i = 1; i + 1 < m_n; ++i) {
        if (!m_gValid[i] || !known(m_speed.at(i - 1)) || !known(m_speed.at(i + 1)))
            continue;
        const double rate = (m_speed.at(i + 1) - m_speed.at(i - 1)) / 2 / KmhPerSecondPerG;
        if (std::fabs(rate) > KoTrackSample::MaxChangeG)
            continue;
        sum = sum + m_horizontal[i] * rate;
        rates += rate * rate;
        moving += std::fabs(rate) >= 0.05;
        used.emplace_back(i, rate);
    }
    const double length = sum.length();
    if (moving < 5 || rates < 0.02 || length <= 0)
        return;
    const Vec3 forward = sum * (1.0 / length);
    double along = 0, alongSquared = 0;
    for (const auto &[i, rate] : used) {
        const double a = m_horizontal[i].dot(forward);
        along += a * rate;
        alongSquared += a * a;
    }
    const double correlation = alongSquared > 0 ? along / std::sqrt(rates * alongSquared) : 0;
    if (correlation < 0.5) {
        qCDebug(lcGps) << "forward axis not found (correlation" << correlation << ")";
        return;
    }
    m_forward = forward;
    m_forwardKnown = true;
}

Second Detector::measure(int i) const
{
    Second s;
    const float rate = m_rate[i];
    if (known(rate)) {
        s.braking = std::max(0.0f, -rate);
        s.acceleration = std::max(0.0f, rate);
    }
    if (known(m_side[i]))
        s.cornering = m_side[i];
    if (!m_gUsable || !m_gValid[i])
        return s;

    const Vec3 &h = m_horizontal[i];
    const double horizontal = h.length();
    if (!m_standing[i]) {
        if (m_forwardKnown) {
            const double along = h.dot(m_forward);
            const double across = (h - m_forward * along).length();
            s.braking = std::max(s.braking, -along);
            s.acceleration = std::max(s.acceleration, along);
            s.cornering = std::max(s.cornering, across);
        } else {
            // No forward axis: the reading counts towards what the GPS shows.
            double lon = 0, side = 0;
            for (int k = std::max(0, i - 1); k <= i; ++k) {
                if (known(m_rate[k]) && std::fabs(m_rate[k]) > std::fabs(lon))
                    lon = m_rate[k];
                if (known(m_side[k]))
                    side = std::max(side, double(m_side[k]));
            }
            if (std::max(std::fabs(lon), side) >= 0.1) {
                double &kind = std::fabs(lon) < side ? s.cornering : lon < 0 ? s.braking : s.acceleration;
                kind = std::max(kind, horizontal);
            }
        }
    }

    s.shock = m_shock[i];
    s.impactScore = m_shock[i] / m_t.impactG;
    const double jolt = m_jolt[i];
    if (jolt >= m_t.impactJoltG && m_shock[i] >= 0.5 * jolt) {
        // A manoeuvre lasts into the next reading or shows in the GPS speed;
        // a shock does neither.
        const bool lasts = i + 1 < m_n && m_gValid[i + 1] && m_shock[i + 1] >= 0.5 * m_shock[i];
        double change = 0;
        for (int k = std::max(0, i - 1); k <= i; ++k) {
            if (known(m_rate[k]))
                change = std::max(change, double(std::fabs(m_rate[k])));
        }
        // The GPS speed averages over a second, the reading is a moment: a
        // short manoeuvre shows as a smaller change.
        const bool explained = horizontal >= 0.7 * m_shock[i] && change >= std::max(0.15, 0.3 * horizontal);
        if (!lasts && !explained)
            s.impactScore = std::max(s.impactScore, jolt / m_t.impactJoltG);
    }
    return s;
}

float Detector::speedNear(int from, int step, int tries) const
{
    for (int k = 0, i = from; k < tries && i >= 0 && i < m_n; ++k, i += step) {
        if (known(m_speed.at(i)))
            return m_speed.at(i);
    }
    return KoTrackSample::Unknown;
}

KoDrivingEvents::Event Detector::eventOf(const Cluster &c) const
{
    KoDrivingEvents::Event e;
    e.offset = c.first;
    e.kind = c.impact ? KoDrivingEvents::Impact : c.bestKind;
    e.peakG = float(c.peak[e.kind]);
    // A reading at second i may show a manoeuvre begun after second i - 1.
    e.speedBeforeKmh = c.first > 0 ? speedNear(c.first - 1, -1, 3) : KoTrackSample::Unknown;
    if (std::isnan(e.speedBeforeKmh))
        e.speedBeforeKmh = speedNear(c.first, 1, 1);
    e.speedAfterKmh = speedNear(std::min(c.last + 1, m_n - 1), 1, 3);
    e.time = KoTrackSample::timeAt(m_track, c.first);
    qCDebug(lcGps) << "driving event" << KoDrivingEvents::kindName(e.kind) << "at second" << e.offset
                   << "peak" << e.peakG << "g";
    return e;
}

QVector<KoDrivingEvents::Event> Detector::events() const
{
    QVector<KoDrivingEvents::Event> out;
    Cluster c;
    bool open = false;
    for (int i = 0; i < m_n; ++i) {
        const Second s = measure(i);
        const double scores[3] = {s.braking / m_t.brakingG, s.acceleration / m_t.accelerationG,
                                  s.cornering / m_t.corneringG};
        const int best = int(std::max_element(scores, scores + 3) - scores);
        const bool impact = s.impactScore >= 1;
        if (!impact && !(scores[best] >= 1))
            continue;
        if (open && i - c.last > MergeGap) {
            out.append(eventOf(c));
            open = false;
        }
        if (!open) {
            c = Cluster();
            c.first = i;
            open = true;
        }
        c.last = i;
        c.impact = c.impact || impact;
        if (scores[best] > c.bestScore) {
            c.bestScore = scores[best];
            c.bestKind = KoDrivingEvents::Kind(best);
        }
        const double measures[4] = {s.braking, s.acceleration, s.cornering, s.shock};
        for (int k = 0; k < 4; ++k)
            c.peak[k] = std::max(c.peak[k], measures[k]);
    }
    if (open)
        out.append(eventOf(c));
    return out;
}

bool usable(double threshold)
{
    return std::isfinite(threshold) && threshold > 0;
}

QString speedText(float kmh, bool mph)
{
    if (!known(kmh))
        return QStringLiteral("?");
    return QString::number(mph ? kmh / 1.609344 : double(kmh), 'f', 0);
}

} // namespace

QVector<KoDrivingEvents::Event> KoDrivingEvents::detect(const QVector<KoTrackSample> &track,
                                                        const Thresholds &t)
{
    Thresholds checked = t;
    const Thresholds defaults;
    double *mine[] = {&checked.brakingG, &checked.accelerationG, &checked.corneringG, &checked.impactG,
                      &checked.impactJoltG};
    const double fallback[] = {defaults.brakingG, defaults.accelerationG, defaults.corneringG,
                               defaults.impactG, defaults.impactJoltG};
    for (int k = 0; k < 5; ++k) {
        if (!usable(*mine[k]))
            *mine[k] = fallback[k];
    }
    return Detector(track, checked).run();
}

QVector<KoDrivingEvents::Event> KoDrivingEvents::detect(const QVector<KoTrackSample> &track)
{
    return detect(track, Thresholds());
}

QVector<KoDrivingEvents::Event> KoDrivingEvents::detect(const QList<KoGPSModel *> &track, const Thresholds &t)
{
    return detect(KoTrackSample::fromModels(track), t);
}

KoDrivingEvents::Thresholds KoDrivingEvents::thresholdsFromSettings()
{
    JXDefaultSettings *settings = JXDefaultSettings::instance();
    Thresholds t;
    t.brakingG = settings->getEventBrakingG();
    t.accelerationG = settings->getEventAccelerationG();
    t.corneringG = settings->getEventCorneringG();
    t.impactG = settings->getEventImpactG();
    t.impactJoltG = settings->getEventImpactJoltG();
    return t;
}

QString KoDrivingEvents::kindName(Kind kind)
{
    switch (kind) {
    case HarshBraking:
        return QStringLiteral("harsh_braking");
    case HarshAcceleration:
        return QStringLiteral("harsh_acceleration");
    case SharpCornering:
        return QStringLiteral("sharp_cornering");
    case Impact:
        break;
    }
    return QStringLiteral("impact");
}

QString KoDrivingEvents::kindLabel(Kind kind)
{
    switch (kind) {
    case HarshBraking:
        return QCoreApplication::translate("KoDrivingEvents", "Harsh braking");
    case HarshAcceleration:
        return QCoreApplication::translate("KoDrivingEvents", "Harsh acceleration");
    case SharpCornering:
        return QCoreApplication::translate("KoDrivingEvents", "Sharp cornering");
    case Impact:
        break;
    }
    return QCoreApplication::translate("KoDrivingEvents", "Impact");
}

QString KoDrivingEvents::describe(const Event &event, bool mph)
{
    QStringList lines = {kindLabel(event.kind)};
    if (event.time.isValid())
        lines.append(event.time.toString(QStringLiteral("HH:mm:ss")));
    QString figures = QString::number(double(event.peakG), 'f', 2) + QStringLiteral(" g");
    if (known(event.speedBeforeKmh) || known(event.speedAfterKmh))
        figures += QStringLiteral(", %1 → %2 %3")
                       .arg(speedText(event.speedBeforeKmh, mph), speedText(event.speedAfterKmh, mph),
                            mph ? QStringLiteral("mph") : QStringLiteral("km/h"));
    lines.append(figures);
    return lines.join(QLatin1Char('\n'));
}

const char *KoDrivingEvents::csvHeader()
{
    return "offset_s,time,kind,peak_g,speed_before_kmh,speed_after_kmh";
}

QByteArray KoDrivingEvents::toCsv(const QVector<Event> &events)
{
    QByteArray csv = csvHeader();
    csv += '\n';
    for (const Event &e : events) {
        const QString time =
            e.time.isValid() ? e.time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
        const QString before =
            known(e.speedBeforeKmh) ? QString::number(e.speedBeforeKmh, 'f', 1) : QString();
        const QString after = known(e.speedAfterKmh) ? QString::number(e.speedAfterKmh, 'f', 1) : QString();
        csv += QStringList{QString::number(e.offset),
                           time,
                           kindName(e.kind),
                           QString::number(double(e.peakG), 'f', 2),
                           before,
                           after}
                   .join(QLatin1Char(','))
                   .toUtf8();
        csv += '\n';
    }
    return csv;
}

KoDrivingEvents::Step KoDrivingEvents::step(const QVector<QVector<Event>> &events, int recording,
                                            double position, bool forward, int leadIn)
{
    Step s;
    if (recording < 0 || recording >= events.size())
        return s;
    auto target = [leadIn](const Event &e) { return std::max(0, e.offset - leadIn); };
    if (forward) {
        const QVector<Event> &here = events.at(recording);
        for (int i = 0; i < here.size(); ++i) {
            if (target(here.at(i)) > position + 0.5)
                return {recording, i, target(here.at(i))};
        }
        for (int r = recording + 1; r < events.size(); ++r) {
            if (!events.at(r).isEmpty())
                return {r, 0, target(events.at(r).constFirst())};
        }
        return s;
    }
    const QVector<Event> &here = events.at(recording);
    for (int i = here.size() - 1; i >= 0; --i) {
        if (target(here.at(i)) < position - 1.5)
            return {recording, i, target(here.at(i))};
    }
    for (int r = recording - 1; r >= 0; --r) {
        if (!events.at(r).isEmpty())
            return {r, int(events.at(r).size()) - 1, target(events.at(r).constLast())};
    }
    return s;
}
