#pragma once

#include "gps/KoGPSModel.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QVector>

#include <cmath>
#include <cstdio>

// Builds a recording's track second by second, as the camera would store it:
// track text lines with the speed, heading and position of a car driven as
// told, and G-sensor counts of a camera mounted at an angle (pitched by
// `tiltDegrees`, its axes turned against the car's: X up, Y to the right,
// Z forward), with a little noise. Sample i records the speed at the start of
// second i and the reading of the manoeuvre during it.
struct SyntheticTrack
{
    static constexpr double Gravity = 9.80665;

    QDateTime start = QDateTime(QDate(2021, 3, 14), QTime(9, 0, 0), Qt::UTC);
    double latitude = 48.137154; // WGS-84
    double longitude = 11.575382;
    double heading = 30; // degrees
    double speedKmh = 0; // at the start of the next second
    bool fix = true;
    bool gSensor = true;
    int countsPerG = 256;
    double tiltDegrees = 12;
    double noiseG = 0.02;
    quint32 seed = 7;
    QByteArray text;
    int seconds = 0;

    // `count` seconds at a constant longitudinal acceleration (g, negative
    // brakes) and turn rate (degrees per second); `extra` adds a reading of
    // (forward, left, up) g to each of them.
    void drive(int count, double accelerationG = 0, double turnDegreesPerSecond = 0, double extraForward = 0,
               double extraLeft = 0, double extraUp = 0)
    {
        for (int k = 0; k < count; ++k) {
            const double v = speedKmh / 3.6;
            const double turn = turnDegreesPerSecond * M_PI / 180;
            const double forward = accelerationG + extraForward + noise();
            const double left = -v * turn / Gravity + extraLeft + noise(); // a right turn pushes left
            const double up = 1 + extraUp + noise();
            append(forward, left, up);
            const double next = std::max(0.0, speedKmh + accelerationG * Gravity * 3.6);
            const double metres = (speedKmh + next) / 2 / 3.6;
            latitude += metres * std::cos(heading * M_PI / 180) / 111195.0;
            longitude +=
                metres * std::sin(heading * M_PI / 180) / (111195.0 * std::cos(latitude * M_PI / 180));
            heading = std::fmod(heading + turnDegreesPerSecond + 360, 360);
            speedKmh = next;
        }
    }

    // Standing with the engine running: shaking of `vibrationG` on every
    // axis, the position wandering by a few metres, the heading anything.
    void park(int count, double vibrationG)
    {
        const double saved = noiseG;
        noiseG = vibrationG;
        speedKmh = 0;
        for (int k = 0; k < count; ++k) {
            const double lat = latitude, lng = longitude, h = heading;
            latitude += noise() / vibrationG * 3 / 111195.0;
            heading = std::fmod(std::fabs(noise()) / vibrationG * 3600, 360);
            append(noise(), noise(), 1 + noise());
            latitude = lat;
            longitude = lng;
            heading = h;
        }
        noiseG = saved;
    }

    // The records, owned by `parent`; `fineGScale` as the player sets it.
    QList<KoGPSModel *> models(QObject *parent, bool fineGScale) const
    {
        QList<KoGPSModel *> out;
        for (const QByteArray &line : text.split('\n')) {
            if (line.isEmpty())
                continue;
            auto *m = new KoGPSModel(line, parent);
            m->fineGScale = fineGScale;
            out.append(m);
        }
        return out;
    }

private:
    double noise()
    {
        seed = seed * 1664525u + 1013904223u;
        return (double(seed >> 8) / double(1u << 23) - 1.0) * noiseG;
    }

    static double nmea(double degrees)
    {
        const double a = std::fabs(degrees);
        return std::floor(a) * 100 + (a - std::floor(a)) * 60;
    }

    void append(double forward, double left, double up)
    {
        // Pitched by the tilt, then in the camera's own axes.
        const double t = tiltDegrees * M_PI / 180;
        const double f = forward * std::cos(t) - up * std::sin(t);
        const double u = forward * std::sin(t) + up * std::cos(t);
        const int gx = gSensor ? int(std::lround(u * countsPerG)) : 0;
        const int gy = gSensor ? int(std::lround(-left * countsPerG)) : 0;
        const int gz = gSensor ? int(std::lround(f * countsPerG)) : 0;
        const QDateTime when = start.addSecs(seconds++);
        const QDate d = when.date();
        const QTime tm = when.time();
        char line[256];
        std::snprintf(line, sizeof line, "%c20%.2d%.2d%.2d%.2d%.2d%.2d,%f,%c,%f,%c,%.2f,%.2f,%d,%d,%d,%f\n",
                      fix ? 'A' : 'V', d.year() % 100, d.month(), d.day(), tm.hour(), tm.minute(),
                      tm.second(), fix ? nmea(latitude) : 0.0, latitude < 0 ? 'S' : 'N',
                      fix ? nmea(longitude) : 0.0, longitude < 0 ? 'W' : 'E', fix ? speedKmh / 1.852 : 0.0,
                      fix ? heading : 0.0, gx, gy, gz, 520.0);
        text += line;
    }
};
