#pragma once

#include "tools/samples/KoDriveSample.h"

#include <QDateTime>
#include <QVector>

// Where a drive starts: its street grid runs `gridAngle` degrees clockwise
// from north/east.
struct KoDrivePlace
{
    const char *name;
    double latitude; // signed decimal degrees, WGS-84
    double longitude;
    double altitude; // metres
    double gridAngle;
};

// The car at one whole second of the drive.
struct KoDriveState
{
    bool fix = false;
    double latitude = 0; // signed decimal degrees
    double longitude = 0;
    double speed = 0;   // m/s
    double heading = 0; // degrees, 0 = north, clockwise
    double altitude = 0;
    double gX = 0; // lateral, g (right turn positive)
    double gY = 0; // longitudinal, g (acceleration positive)
    double gZ = 1; // vertical, g
};

// A plausible drive through a street grid, one state per second: standing
// still without a fix for two seconds, then driving legs of 30 to 100 km/h
// joined by right-angle turns, some ending at a red light, with one hard
// braking from speed. Deterministic: the same place and length give the
// same drive on every machine.
class KoSyntheticDrive
{
public:
    static const KoDrivePlace Munich;
    static const KoDrivePlace Shanghai;
    static const KoDrivePlace BuenosAires;

    static constexpr int NoFixSeconds = 2;

    KoSyntheticDrive(const KoDrivePlace &place, const QDateTime &start, int seconds);

    const KoDrivePlace &place() const { return m_place; }
    QDateTime start() const { return m_start; }
    int seconds() const { return m_states.size(); }
    const QVector<KoDriveState> &states() const { return m_states; }
    // The second at which the hard braking begins, -1 when the drive was too
    // short to reach speed.
    int brakingSecond() const { return m_brakingSecond; }

    // Seconds [first, first + count) as a camera stores them: the year in two
    // or four digits, the G-sensor in counts of 1/countsPerG g.
    QVector<KoDriveSample> samples(int first, int count, bool fourDigitYear, int countsPerG) const;

private:
    void simulate(int seconds);

    KoDrivePlace m_place;
    QDateTime m_start;
    QVector<KoDriveState> m_states;
    int m_brakingSecond = -1;
};
