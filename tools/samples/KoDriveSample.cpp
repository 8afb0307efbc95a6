#include "tools/samples/KoDriveSample.h"

#include <QtEndian>
#include <cstdio>
#include <cstring>

namespace {

template <typename T> void putLE(QByteArray &block, int offset, T value)
{
    qToLittleEndian(value, reinterpret_cast<uchar *>(block.data() + offset));
}

} // namespace

QByteArray KoDriveSample::toBlock() const
{
    QByteArray block(BlockSize, '\0');
    std::memcpy(block.data() + 32, identifier.constData(), std::min(15, int(identifier.size())));
    block[StatusOffset] = status;
    block[49] = latHemisphere;
    block[50] = lngHemisphere;
    putLE(block, 52, year);
    putLE(block, 56, month);
    putLE(block, 60, day);
    putLE(block, 64, hour);
    putLE(block, 68, minute);
    putLE(block, 72, second);
    putLE(block, 76, longitude);
    putLE(block, 80, latitude);
    putLE(block, 84, speedKnots);
    putLE(block, 88, heading);
    putLE(block, 92, altitude);
    putLE(block, 96, gX);
    putLE(block, 100, gY);
    putLE(block, 104, gZ);
    return block;
}

QByteArray KoDriveSample::toTrackLine(bool reduceYear) const
{
    char lineStatus = status;
    double lat = latitude;
    double lng = longitude;
    if (lineStatus == 'A' && (latitude == 0.0f || longitude == 0.0f)) {
        lineStatus = 'V';
        lat = 0;
        lng = 0;
    }
    const int y = (reduceYear && year > 1000) ? year % 1000 : year;
    char line[256];
    std::snprintf(line, sizeof line, "%c20%.2d%.2d%.2d%.2d%.2d%.2d,%f,%c,%f,%c,%.2f,%.2f,%d,%d,%d,%f\n",
                  lineStatus, y, month, day, hour, minute, second, lat, latHemisphere, lng, lngHemisphere,
                  double(speedKnots), double(heading), gX, gY, gZ, double(altitude));
    return QByteArray(line);
}
