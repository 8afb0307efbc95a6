#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class QByteArray;
class QIODevice;

// One GPS sample of a recording's track, built from one track line:
//
//   A20190523143005,3112.345703,N,12130.123047,E,12.34,181.50,12,-34,1021,35.500000
//
// status, date-time, NMEA latitude and hemisphere, NMEA longitude and
// hemisphere, speed (knots), heading, G-sensor X/Y/Z counts, altitude.
// Fields after the first one that cannot be read keep their defaults.
class KoGPSModel : public QObject
{
    Q_OBJECT

public:
    // `line` is NUL-terminated, as returned by a line read (break included).
    explicit KoGPSModel(const char *line, QObject *parent = nullptr);
    // Reads at most line.size() bytes (a NUL ends the line earlier).
    explicit KoGPSModel(const QByteArray &line, QObject *parent = nullptr);

    // A line of a track text that is no sample: a note such as the track
    // cache's source stamp.
    static bool isNoteLine(const char *line) { return line[0] == '#'; }

    // Hands each sample line of a track text to `sample` (NUL-terminated,
    // break included), notes skipped. A line longer than any track line
    // gives its start and the rest is dropped. Stops after `maxLines`
    // samples; false when lines were left unread there.
    static bool readTrackLines(QIODevice *device, int maxLines,
                               const std::function<void(const char *line)> &sample);

    QString dateTimeText() const;
    // Local time; invalid when the text is not "yyyyMMddHHmmss".
    QDateTime dateTimeValue() const;

    // G-sensor counts in g: 1/4096 g per count for fine-scale tracks, else 1/256 g.
    float gForceX() const { return gForce(gX); }
    float gForceY() const { return gForce(gY); }
    float gForceZ() const { return gForce(gZ); }

    // NMEA ddmm.mmmm (degrees * 100 + minutes) to decimal degrees.
    static double nmeaToDecimal(double value);

    // A damaged block can hold values that are no numbers ("nan", "inf" in
    // the track line) or lie off the globe. Such a value is left out where it
    // would be shown: the sample keeps its place in the track (one sample per
    // second of video) and its other values.
    // A fix whose position is finite and within +-90 / +-180 degrees.
    bool hasPosition() const;
    // A finite ground speed a vehicle can have (0 to 2000 knots).
    bool hasSpeed() const;
    bool hasHeading() const;
    bool hasAltitude() const;

    float speedKnots = 0;
    float speedKmh = 0;
    float speedMph = 0;
    float heading = 0;
    char dateTime[16] = {};
    // Display position: BD-09 inside China, WGS-84 elsewhere.
    double latitude = 0;
    double longitude = 0;
    double wgsLatitude = 0;
    double wgsLongitude = 0;
    char latHemisphere = 'N';
    char lngHemisphere = 'E';
    char status = 0;
    float altitude = 0;
    bool fineGScale = false;
    qint32 gX = 0;
    qint32 gY = 0;
    qint32 gZ = 0;

private:
    void parse(const char *begin, const char *end);
    float gForce(qint32 count) const { return float(count) / (fineGScale ? 4096.0f : 256.0f); }
};
