#pragma once

// Shared by the playback tests: the test videos and reading back from libmpv
// what was really set.

#include <QString>
#include <QtTest>

#include <mpv/client.h>

// The three channels of the sample set's first recording: 640 x 360, 10 s.
constexpr const char *kFront = "2019_0523_143005_001A.MP4";
constexpr const char *kRear = "2019_0523_143006_002B.MP4";
constexpr const char *kInterior = "2019_0523_143005_001C.MP4";

inline QString videoPath(const char *name)
{
    return QStringLiteral(TAVRIN_SAMPLES_DIR "/") + QLatin1String(name);
}

inline double mpvDouble(mpv_handle *h, const char *name)
{
    double v = -1.0;
    mpv_get_property(h, name, MPV_FORMAT_DOUBLE, &v);
    return v;
}

inline QString mpvString(mpv_handle *h, const char *name)
{
    char *v = mpv_get_property_string(h, name);
    const QString s = v ? QString::fromUtf8(v) : QString();
    mpv_free(v);
    return s;
}

// Lets the queued wakeups and their signals arrive for `ms` milliseconds.
inline void settle(int ms)
{
    QTest::qWait(ms);
}
