#pragma once

#include <QSize>
#include <QString>
#include <QVector>

#include <atomic>

// What ffprobe tells about one recording file: its length, its first video
// and sound streams and, when asked, the keyframes of its video in a stretch
// of time. Times are seconds from the file's own start.
class KoMediaProbe
{
public:
    struct Info
    {
        bool ok = false;
        QString error;       // why not, for the log
        double start = 0;    // the container's first timestamp
        double duration = 0; // of the video stream (else of the file)
        QSize size;
        bool hasAudio = false;
        // Codec, profile, size, pixel format and parameter sets of the video,
        // and codec, rate and channels of the sound: two files whose
        // signatures match can be joined by stream copy.
        QString videoSignature;
        QString audioSignature;
        QVector<double> keyframes; // ascending
    };

    struct Query
    {
        QString path;
        // The keyframes wanted up to `keyframesTo` and back to at least
        // `keyframesFrom`; none when keyframesTo < 0.
        double keyframesFrom = 0;
        double keyframesTo = -1;
    };

    static Info probe(const Query &query, const std::atomic<bool> *cancel = nullptr);
    // The queries run side by side; the answers in the same order.
    static QVector<Info> probe(const QVector<Query> &queries, const std::atomic<bool> *cancel = nullptr);
};
