#pragma once

#include <QObject>
#include <QVector>

// Decides whether a WGS-84 point lies in mainland China, where map services
// expect shifted (GCJ-02 / BD-09) coordinates. A fixed set of region
// rectangles minus a set of exclude rectangles (Taiwan, northern Vietnam,
// parts of Mongolia and Russia).
class KoChinaLocation : public QObject
{
    Q_OBJECT

public:
    struct Rect
    {
        double west;
        double north;
        double east;
        double south;

        // Bounds included; a NaN coordinate is never inside.
        bool contains(double lat, double lng) const
        {
            return west <= lng && lng <= east && south <= lat && lat <= north;
        }
    };

    // Which rule decided.
    enum Placement
    {
        OutsideRegions, // in no region rectangle
        Excluded,       // in a region rectangle and in an exclude rectangle
        InRegion        // in a region rectangle and in no exclude rectangle
    };

    static KoChinaLocation *instance();

    Placement placementOf(double lat, double lng) const;
    bool isInChina(double lat, double lng) const { return placementOf(lat, lng) == InRegion; }

    const QVector<Rect> &regions() const { return m_regions; }
    const QVector<Rect> &excludes() const { return m_excludes; }

private:
    KoChinaLocation();

    QVector<Rect> m_regions;
    QVector<Rect> m_excludes;
};

// WGS-84 to GCJ-02; points outside China are passed through unchanged. The
// output pointers may point at the inputs.
void convert_wgs84_to_gcj02(double lng, double lat, double *outLng, double *outLat);
// GCJ-02 to BD-09, same rules, the region test made on the GCJ-02 point.
void convert_gcj02_to_bd09(double lng, double lat, double *outLng, double *outLat);
// WGS-84 to BD-09 through GCJ-02. The region test is made once, on the WGS-84
// point: the GCJ-02 shift (up to 600 m) can carry a point near a rectangle's
// edge to the other side, and the second shift must not be skipped then.
void convert_wgs84_to_bd09(double lng, double lat, double *outLng, double *outLat);
