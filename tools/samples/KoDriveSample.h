#pragma once

#include <QByteArray>

// One GPS sample as a dash camera stores it: the fields of the 120-byte GPS
// block. Coordinates are NMEA-style (ddmm.mmmm / dddmm.mmmm, unsigned, with
// hemisphere letters); multi-byte values of the block are little-endian.
struct KoDriveSample
{
    static constexpr int BlockSize = 120;
    static constexpr int StatusOffset = 48;

    QByteArray identifier = "velmortech";
    char status = 'A';
    char latHemisphere = 'N';
    char lngHemisphere = 'E';
    qint32 year = 19; // two-digit or four-digit, as the layout stores it
    qint32 month = 1;
    qint32 day = 1;
    qint32 hour = 0;
    qint32 minute = 0;
    qint32 second = 0;
    float longitude = 0; // dddmm.mmmm
    float latitude = 0;  // ddmm.mmmm
    float speedKnots = 0;
    float heading = 0;
    float altitude = 0;
    qint32 gX = 0;
    qint32 gY = 0;
    qint32 gZ = 0;

    // The 120-byte block.
    QByteArray toBlock() const;
    // The track text line the player's extractor writes for this block,
    // line break included. `reduceYear`: the layout whose reader takes a
    // four-digit year modulo 1000 (the 'gps ' index box).
    QByteArray toTrackLine(bool reduceYear) const;
};
