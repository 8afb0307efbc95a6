#include "tools/samples/KoSyntheticDrive.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

const KoDrivePlace KoSyntheticDrive::Munich = {"Munich", 48.137154, 11.575382, 519.0, 8.0};
const KoDrivePlace KoSyntheticDrive::Shanghai = {"Shanghai", 31.230416, 121.473701, 4.0, 17.0};
const KoDrivePlace KoSyntheticDrive::BuenosAires = {"Buenos Aires", -34.603722, -58.381592, 25.0, -4.0};

namespace {

constexpr double Gravity = 9.80665;
constexpr double EarthRadius = 6371000.0;
constexpr int StepsPerSecond = 20;
constexpr double Dt = 1.0 / StepsPerSecond;

constexpr double TurnRadius = 15.0;    // m
constexpr double TurnSpeed = 20 / 3.6; // m/s
constexpr double Acceleration = 2.2;   // m/s^2
constexpr double Deceleration = 1.8;   // planned braking, m/s^2
constexpr double HardBraking = 8.0;    // m/s^2
constexpr double RedLightSeconds = 5.0;

// The street legs, repeated: length in metres, limit in km/h, whether the
// leg ends at a red light; turns alternate left, right, right, left so that
// the route keeps heading away instead of circling.
struct Leg
{
    double length;
    double limit;
    bool stop;
};
constexpr Leg Legs[] = {{110, 50, false}, {1400, 100, true}, {260, 30, false}, {620, 60, false},
                        {300, 50, true},  {900, 100, false}, {450, 70, false}, {220, 30, true}};
constexpr int LegCount = sizeof Legs / sizeof Legs[0];
constexpr double Turns[] = {-90, 90, 90, -90};

// A small deterministic noise source (the standard distributions differ
// between library versions; this does not).
class Noise
{
public:
    explicit Noise(quint32 seed)
        : m_state(seed)
    {}
    // Uniform in [-1, 1).
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 23) - 1.0;
    }

private:
    quint32 m_state;
};

float toNmea(double degrees)
{
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    return float(whole * 100.0 + (a - whole) * 60.0);
}

} // namespace

KoSyntheticDrive::KoSyntheticDrive(const KoDrivePlace &place, const QDateTime &start, int seconds)
    : m_place(place)
    , m_start(start)
{
    simulate(std::max(0, seconds));
}

void KoSyntheticDrive::simulate(int seconds)
{
    Noise noise(quint32(std::fabs(m_place.latitude * 1000) + std::fabs(m_place.longitude * 1000)));
    const int brakeAfter = std::max(6, seconds * 7 / 10);

    double x = 0, y = 0; // metres east, north of the start
    double distance = 0;
    double heading = std::fmod(m_place.gridAngle + 90 + 360, 360);
    double v = 0;
    int leg = 0;
    double legDone = 0;   // metres of the current leg's straight
    bool turning = false; // on the arc after the straight
    double turned = 0;    // degrees turned on the arc
    double waiting = 0;   // seconds left at a red light
    double braking = -1;  // seconds into the hard braking, -1 when not braking
    bool braked = false;

    m_states.reserve(seconds);
    for (int second = 0; second < seconds; ++second) {
        double a = 0, omega = 0;
        for (int step = 0; step < StepsPerSecond; ++step) {
            const double t = second + double(step) / StepsPerSecond;
            const Leg &l = Legs[leg % LegCount];
            a = 0;
            omega = 0;
            if (t < NoFixSeconds) {
                // standing, the receiver still searching
            } else if (braking >= 0) {
                a = -HardBraking;
                braking += Dt;
                if (v + a * Dt < 3 || braking >= 2.5)
                    braking = -1;
            } else if (!braked && second >= brakeAfter && v > 12) {
                braked = true;
                braking = 0;
                m_brakingSecond = second;
                a = -HardBraking;
            } else if (waiting > 0) {
                waiting -= Dt;
            } else {
                double target;
                if (turning) {
                    target = TurnSpeed;
                } else {
                    const double left = l.length - legDone;
                    const double endSpeed = l.stop ? 0.0 : TurnSpeed;
                    target = std::min(l.limit / 3.6, std::sqrt(endSpeed * endSpeed +
                                                               2 * Deceleration * std::max(0.0, left)));
                    if (l.stop && left > 0.5)
                        target = std::max(target, 1.0);
                }
                a = std::clamp((target - v) / Dt, -Deceleration * 2, Acceleration);
            }
            v = std::max(0.0, v + a * Dt);
            const double ds = v * Dt;
            if (turning) {
                const double dir = Turns[leg % 4] > 0 ? 1.0 : -1.0;
                const double dh = qRadiansToDegrees(ds / TurnRadius);
                omega = dir * (ds / TurnRadius) / Dt;
                heading += dir * dh;
                turned += dh;
                if (turned >= 90) {
                    heading -= dir * (turned - 90);
                    turning = false;
                    turned = 0;
                    legDone = 0;
                    ++leg;
                }
            } else if (t >= NoFixSeconds) {
                legDone += ds;
                if (legDone >= l.length) {
                    if (l.stop) {
                        v = 0;
                        waiting = RedLightSeconds;
                    }
                    turning = true;
                }
            }
            heading = std::fmod(heading + 360, 360);
            const double h = qDegreesToRadians(heading);
            x += ds * std::sin(h);
            y += ds * std::cos(h);
            distance += ds;
            if (step == 0) {
                // The state the receiver reports at the whole second.
                KoDriveState s;
                s.fix = second >= NoFixSeconds;
                s.latitude = m_place.latitude + qRadiansToDegrees(y / EarthRadius);
                s.longitude =
                    m_place.longitude +
                    qRadiansToDegrees(x / (EarthRadius * std::cos(qDegreesToRadians(m_place.latitude))));
                s.speed = v;
                s.heading = heading;
                s.altitude = m_place.altitude + 6 * std::sin(distance / 700) + 3 * std::sin(distance / 230);
                s.gX = v * omega / Gravity + 0.015 * noise.next();
                s.gY = a / Gravity + 0.015 * noise.next();
                s.gZ = 1.0 + (v > 0.5 ? 0.05 : 0.01) * noise.next();
                m_states.append(s);
            }
        }
    }
}

QVector<KoDriveSample> KoSyntheticDrive::samples(int first, int count, bool fourDigitYear,
                                                 int countsPerG) const
{
    QVector<KoDriveSample> out;
    first = std::clamp(first, 0, int(m_states.size()));
    count = std::clamp(count, 0, int(m_states.size()) - first);
    out.reserve(count);
    for (int i = first; i < first + count; ++i) {
        const KoDriveState &s = m_states[i];
        const QDateTime when = m_start.addSecs(i);
        KoDriveSample d;
        d.status = s.fix ? 'A' : 'V';
        d.latHemisphere = m_place.latitude < 0 ? 'S' : 'N';
        d.lngHemisphere = m_place.longitude < 0 ? 'W' : 'E';
        d.year = fourDigitYear ? when.date().year() : when.date().year() % 100;
        d.month = when.date().month();
        d.day = when.date().day();
        d.hour = when.time().hour();
        d.minute = when.time().minute();
        d.second = when.time().second();
        if (s.fix) {
            d.latitude = toNmea(s.latitude);
            d.longitude = toNmea(s.longitude);
            d.speedKnots = float(s.speed * 3600.0 / 1852.0);
            d.heading = float(s.heading);
            d.altitude = float(s.altitude);
        }
        d.gX = qint32(std::lround(s.gX * countsPerG));
        d.gY = qint32(std::lround(s.gY * countsPerG));
        d.gZ = qint32(std::lround(s.gZ * countsPerG));
        out.append(d);
    }
    return out;
}
