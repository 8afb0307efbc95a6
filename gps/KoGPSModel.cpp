#include "gps/KoGPSModel.h"

#include "gps/KoChinaLocation.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Reads the fields of one track line the way the C scanf format
// "%c%[^,],%lf,%c,%lf,%c,%f,%f,%d,%d,%d,%f" does, but never past `end`.
class LineScanner
{
public:
    LineScanner(const char *begin, const char *end)
        : m_p(begin)
        , m_end(end)
    {}

    bool character(char *out)
    {
        if (m_p == m_end)
            return false;
        *out = *m_p++;
        return true;
    }

    bool literal(char c)
    {
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    // %[^,]: at least one character; only the first size - 1 are kept.
    bool field(char *out, size_t size)
    {
        const char *start = m_p;
        while (m_p != m_end && *m_p != ',')
            ++m_p;
        if (m_p == start)
            return false;
        const size_t kept = std::min(size_t(m_p - start), size - 1);
        memcpy(out, start, kept);
        out[kept] = '\0';
        return true;
    }

    template <typename Real> bool real(Real *out)
    {
        skipSpace();
        const char *start = m_p;
        bool negative = false;
        if (m_p != m_end && (*m_p == '+' || *m_p == '-')) {
            negative = *m_p == '-';
            ++m_p;
        }
        // from_chars takes no sign of its own for a '+', and a second sign is not a number.
        if (m_p != m_end && (*m_p == '+' || *m_p == '-')) {
            m_p = start;
            return false;
        }
        Real value = 0;
        const std::from_chars_result r = std::from_chars(m_p, m_end, value);
        if (r.ec == std::errc::invalid_argument) {
            m_p = start;
            return false;
        }
        if (r.ec == std::errc::result_out_of_range)
            value = overflows(m_p, r.ptr) ? std::numeric_limits<Real>::infinity() : Real(0);
        m_p = r.ptr;
        *out = negative ? -value : value;
        return true;
    }

    bool integer(qint32 *out)
    {
        skipSpace();
        const char *p = m_p;
        bool negative = false;
        if (p != m_end && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        const char *digits = p;
        qint64 value = 0;
        while (p != m_end && *p >= '0' && *p <= '9') {
            if (value <= qint64(INT_MAX) + 1)
                value = value * 10 + (*p - '0');
            ++p;
        }
        if (p == digits)
            return false;
        value = negative ? -value : value;
        *out = qint32(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
        m_p = p;
        return true;
    }

private:
    void skipSpace()
    {
        while (m_p != m_end && (*m_p == ' ' || (*m_p >= '\t' && *m_p <= '\r')))
            ++m_p;
    }

    // For a decimal number out of range: does its magnitude lie above the
    // range (infinity) or below it (zero)? With the mantissa read as
    // 0.ddd * 10^magnitude, the sign of magnitude + exponent tells.
    static bool overflows(const char *p, const char *end)
    {
        qint64 magnitude = 0;
        bool nonZero = false;
        bool point = false;
        for (; p != end && *p != 'e' && *p != 'E'; ++p) {
            if (*p == '.') {
                point = true;
                continue;
            }
            nonZero = nonZero || *p != '0';
            if (!point && nonZero)
                ++magnitude;
            else if (point && !nonZero)
                --magnitude;
        }
        qint64 exponent = 0;
        if (p != end) {
            ++p;
            bool negative = false;
            if (p != end && (*p == '+' || *p == '-')) {
                negative = *p == '-';
                ++p;
            }
            for (; p != end && *p >= '0' && *p <= '9'; ++p)
                exponent = std::min<qint64>(exponent * 10 + (*p - '0'), 1000000000);
            if (negative)
                exponent = -exponent;
        }
        return magnitude + exponent > 0;
    }

    const char *m_p;
    const char *m_end;
};

} // namespace

KoGPSModel::KoGPSModel(const char *line, QObject *parent)
    : QObject(parent)
{
    if (line)
        parse(line, line + strlen(line));
}

KoGPSModel::KoGPSModel(const QByteArray &line, QObject *parent)
    : QObject(parent)
{
    const char *begin = line.constData();
    const char *end = begin + line.size();
    const char *nul = static_cast<const char *>(memchr(begin, '\0', size_t(line.size())));
    parse(begin, nul ? nul : end);
}

void KoGPSModel::parse(const char *begin, const char *end)
{
    double rawLat = 0;
    double rawLng = 0;
    LineScanner in(begin, end);
    // Each step needs the one before it; the first that fails leaves the rest at their defaults.
    (void)(in.character(&status) && in.field(dateTime, sizeof dateTime) && in.literal(',') &&
           in.real(&rawLat) && in.literal(',') && in.character(&latHemisphere) && in.literal(',') &&
           in.real(&rawLng) && in.literal(',') && in.character(&lngHemisphere) && in.literal(',') &&
           in.real(&speedKnots) && in.literal(',') && in.real(&heading) && in.literal(',') &&
           in.integer(&gX) && in.literal(',') && in.integer(&gY) && in.literal(',') && in.integer(&gZ) &&
           in.literal(',') && in.real(&altitude));

    double lat = nmeaToDecimal(rawLat);
    double lng = nmeaToDecimal(rawLng);
    if (lngHemisphere == 'W')
        lng = -lng;
    if (latHemisphere == 'S')
        lat = -lat;
    latitude = wgsLatitude = lat;
    longitude = wgsLongitude = lng;
    altitude = std::fabs(altitude);

    convert_wgs84_to_bd09(longitude, latitude, &longitude, &latitude);

    speedKmh = float(double(speedKnots) * 1.852);
    speedMph = float(double(speedKnots) * 1.150779);
}

double KoGPSModel::nmeaToDecimal(double value)
{
    const double d = value / 100.0;
    if (!std::isfinite(d))
        return d * 100.0 / 60.0;
    // Whole degrees are taken from d rounded to 8 decimals, so 31.999999999999
    // counts as 32 degrees and not as 31 degrees and 59.99 minutes. Rounding
    // can only carry into the integer part when the fraction is that close to 1.
    double whole = std::trunc(d);
    const double fraction = std::fabs(d - whole);
    if (fraction > 0.9999999 && std::fabs(d) < 1e15) {
        char text[48];
        snprintf(text, sizeof text, "%.8f", d);
        whole = double(strtoll(text, nullptr, 10));
    }
    return (d - whole) * 100.0 / 60.0 + whole;
}

bool KoGPSModel::hasPosition() const
{
    return status == 'A' && std::isfinite(wgsLatitude) && std::isfinite(wgsLongitude) &&
           std::fabs(wgsLatitude) <= 90 && std::fabs(wgsLongitude) <= 180 && std::isfinite(latitude) &&
           std::isfinite(longitude);
}

bool KoGPSModel::hasSpeed() const
{
    return std::isfinite(speedKnots) && speedKnots >= 0 && speedKnots <= 2000;
}

bool KoGPSModel::hasHeading() const
{
    return std::isfinite(heading);
}

bool KoGPSModel::hasAltitude() const
{
    return std::isfinite(altitude);
}

QString KoGPSModel::dateTimeText() const
{
    return QString::fromLatin1(dateTime, int(strnlen(dateTime, sizeof dateTime)));
}

QDateTime KoGPSModel::dateTimeValue() const
{
    return QDateTime::fromString(dateTimeText(), QStringLiteral("yyyyMMddHHmmss"));
}

bool KoGPSModel::readTrackLines(QIODevice *device, int maxLines,
                                const std::function<void(const char *line)> &sample)
{
    char line[256];
    int count = 0;
    for (;;) {
        const qint64 length = device->readLine(line, sizeof line);
        if (length <= 0)
            return true;
        if (line[length - 1] != '\n' && !device->atEnd()) {
            char rest[4096];
            qint64 n;
            do {
                n = device->readLine(rest, sizeof rest);
            } while (n > 0 && rest[n - 1] != '\n');
        }
        if (isNoteLine(line))
            continue;
        if (count == maxLines)
            return false;
        ++count;
        sample(line);
    }
}
