#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QSize>
#include <QString>
#include <QVector>

class KoGPSModel;

// The readings burned into the bottom of a clip's one video, one line per
// second of the track (camera time, speed, position, G-sensor), written as an
// ASS subtitle document for ffmpeg's "ass" filter.
class KoClipReadings
{
    Q_DECLARE_TR_FUNCTIONS(KoClipReadings)

public:
    struct Event
    {
        double start = 0; // seconds from the clip's start
        double end = 0;
        QString text;
    };

    // The line of one second. Without a sample (no track) only `cameraTime`;
    // the sample's own clock wins over it when it has one.
    static QString line(const KoGPSModel *sample, const QDateTime &cameraTime, bool mph);

    // The document for a frame of `frame` whose bottom `strip` pixels hold the
    // line.
    static QByteArray document(const QVector<Event> &events, const QSize &frame, int strip);
};
