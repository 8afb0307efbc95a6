#include "gps/KoChinaLocation.h"

#include "app/KoLogging.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
// Krasovsky 1940 ellipsoid.
constexpr double kSemiMajor = 6378245.0;
constexpr double kEccentricity2 = 0.006693421622965943;
constexpr double kBdPi = kPi * 3000.0 / 180.0;

double shiftLat(double x, double y)
{
    double d = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * std::sqrt(std::fabs(x));
    d += (20.0 * std::sin(6.0 * x * kPi) + 20.0 * std::sin(2.0 * x * kPi)) * 2.0 / 3.0;
    d += (20.0 * std::sin(y * kPi) + 40.0 * std::sin(y / 3.0 * kPi)) * 2.0 / 3.0;
    d += (160.0 * std::sin(y / 12.0 * kPi) + 320.0 * std::sin(y * kPi / 30.0)) * 2.0 / 3.0;
    return d;
}

double shiftLng(double x, double y)
{
    double d = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * std::sqrt(std::fabs(x));
    d += (20.0 * std::sin(6.0 * x * kPi) + 20.0 * std::sin(2.0 * x * kPi)) * 2.0 / 3.0;
    d += (20.0 * std::sin(x * kPi) + 40.0 * std::sin(x / 3.0 * kPi)) * 2.0 / 3.0;
    d += (150.0 * std::sin(x / 12.0 * kPi) + 300.0 * std::sin(x / 30.0 * kPi)) * 2.0 / 3.0;
    return d;
}

} // namespace

KoChinaLocation::KoChinaLocation()
    : m_regions{{79.4462, 49.2204, 96.33, 42.8899},        {109.6872, 54.1415, 135.0002, 39.3742},
                {73.1246, 42.8899, 124.143255, 29.5297},   {82.9684, 29.5297, 97.0352, 26.7186},
                {97.0253, 29.5297, 124.367395, 20.414096}, {107.975793, 20.414096, 111.744104, 17.871542}}
    , m_excludes{{119.921265, 25.398623, 122.497559, 21.785006}, {101.8652, 22.284, 106.665, 20.0988},
                 {106.4525, 21.5422, 108.051, 20.4878},          {109.0323, 55.8175, 119.127, 50.3257},
                 {127.4568, 55.8175, 137.0227, 49.5574},         {131.2662, 44.8922, 137.0227, 42.5692}}
{}

KoChinaLocation *KoChinaLocation::instance()
{
    // Built once, thread-safely, and kept for the life of the process.
    static KoChinaLocation *location = new KoChinaLocation;
    return location;
}

KoChinaLocation::Placement KoChinaLocation::placementOf(double lat, double lng) const
{
    for (const Rect &region : m_regions) {
        if (!region.contains(lat, lng))
            continue;
        for (const Rect &exclude : m_excludes) {
            if (exclude.contains(lat, lng))
                return Excluded;
        }
        return InRegion;
    }
    return OutsideRegions;
}

namespace {

void shiftWgs84ToGcj02(double lng, double lat, double *outLng, double *outLat)
{
    const double x = lng - 105.0;
    const double y = lat - 35.0;
    const double dLat = shiftLat(x, y);
    const double dLng = shiftLng(x, y);
    const double radLat = lat / 180.0 * kPi;
    const double sinLat = std::sin(radLat);
    const double m = 1.0 - kEccentricity2 * sinLat * sinLat;
    const double s = std::sqrt(m);
    *outLat = lat + (dLat * 180.0) / ((kSemiMajor * (1.0 - kEccentricity2)) / (m * s) * kPi);
    *outLng = lng + (dLng * 180.0) / (kSemiMajor / s * std::cos(radLat) * kPi);
}

// Outside mainland China coordinates stay as they are.
bool isShifted(double lat, double lng, const char *conversion)
{
    const KoChinaLocation::Placement placement = KoChinaLocation::instance()->placementOf(lat, lng);
    if (placement == KoChinaLocation::InRegion)
        return true;
    qCDebug(lcGps, "%s: %.6f, %.6f left as it is (%s)", conversion, lat, lng,
            placement == KoChinaLocation::Excluded ? "in an exclude rectangle"
                                                   : "outside the region rectangles");
    return false;
}

void shiftGcj02ToBd09(double lng, double lat, double *outLng, double *outLat)
{
    const double x = lng;
    const double y = lat;
    const double z = std::sqrt(x * x + y * y) + 0.00002 * std::sin(y * kBdPi);
    const double theta = std::atan2(y, x) + 0.000003 * std::cos(x * kBdPi);
    *outLng = z * std::cos(theta) + 0.0065;
    *outLat = z * std::sin(theta) + 0.006;
}

} // namespace

void convert_wgs84_to_gcj02(double lng, double lat, double *outLng, double *outLat)
{
    if (!isShifted(lat, lng, "WGS-84 to GCJ-02")) {
        *outLng = lng;
        *outLat = lat;
        return;
    }
    shiftWgs84ToGcj02(lng, lat, outLng, outLat);
}

void convert_gcj02_to_bd09(double lng, double lat, double *outLng, double *outLat)
{
    if (!isShifted(lat, lng, "GCJ-02 to BD-09")) {
        *outLng = lng;
        *outLat = lat;
        return;
    }
    shiftGcj02ToBd09(lng, lat, outLng, outLat);
}

void convert_wgs84_to_bd09(double lng, double lat, double *outLng, double *outLat)
{
    if (!isShifted(lat, lng, "WGS-84 to BD-09")) {
        *outLng = lng;
        *outLat = lat;
        return;
    }
    shiftWgs84ToGcj02(lng, lat, outLng, outLat);
    shiftGcj02ToBd09(*outLng, *outLat, outLng, outLat);
}
