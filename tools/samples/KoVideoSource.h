#pragma once

#include <QDateTime>
#include <QFile>
#include <QSize>
#include <QString>
#include <QVector>

// What one channel's picture shows: a moving test pattern in the channel's
// own colours, its channel letter and the camera clock running from `clock`.
struct KoVideoParams
{
    QSize size{640, 360};
    int fps = 10;
    int seconds = 10;
    QChar channel = QLatin1Char('A');
    QDateTime clock;
};

// H.264 video of one channel, encoded by ffmpeg and read back as samples so
// that the recording writers can put their own box structure around it.
class KoVideoSource
{
public:
    KoVideoSource() = default;
    KoVideoSource(const KoVideoSource &) = delete;
    KoVideoSource &operator=(const KoVideoSource &) = delete;

    // Encodes `params` into `workPath` (an MP4 file ffmpeg writes) and reads its
    // video sample table. False with `error` set when ffmpeg is missing or
    // fails, or its output is not understood.
    bool encode(const KoVideoParams &params, const QString &workPath, QString *error);
    // Encodes `params` straight into an MPEG transport stream.
    static bool encodeTransportStream(const KoVideoParams &params, const QString &path, QString *error);

    const KoVideoParams &params() const { return m_params; }
    int frameCount() const { return m_sizes.size(); }
    // Track duration in units of 1/timescale(): one unit per 1/fps s * 1000.
    quint32 timescale() const { return quint32(m_params.fps) * 1000; }
    quint32 frameDuration() const { return 1000; }
    quint32 frameSize(int i) const { return m_sizes.value(i); }
    bool isKeyframe(int i) const { return m_keyframes.value(i); }
    // The encoder's 'avc1' sample entry (with its 'avcC'), as a whole box.
    QByteArray sampleEntry() const { return m_sampleEntry; }
    // One frame's bytes (length-prefixed NAL units).
    QByteArray frame(int i);

private:
    bool readSampleTable(const QByteArray &moov, QString *error);

    KoVideoParams m_params;
    QFile m_file;
    QByteArray m_sampleEntry;
    QVector<quint32> m_sizes;
    QVector<quint64> m_offsets;
    QVector<bool> m_keyframes;
};
