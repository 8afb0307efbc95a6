#pragma once

// Shared by the playback tests: the test videos and reading back from libmpv
// what was really set.

#include <QString>
#include <QtTest>

#include <mpv/client.h>

inline QString videoPath(const char *name)
{
    return QStringLiteral(PLAYBACK_VIDEOS_DIR "/") + QLatin1String(name);
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
