#pragma once

#include "tools/samples/KoDriveSample.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class KoBoxWriter;
class KoVideoSource;

// Writes one channel file of a dash-camera recording: the encoder's H.264
// frames inside a box structure of our own, with the GPS track stored the
// way one kind of camera stores it. Every file is an ordinary movie for
// players; the track lives where only a dash-camera reader looks.
//
// The media data holds one chunk of video per second; behind it, per layout:
//   GpsIndexBox   (MP4) a 136-byte record (16-byte 'free'/"GPS " header, then
//                 the 120-byte block); a top-level 'gps ' box after the movie
//                 box lists the records' offsets.
//   FreeGpsChunks (MOV) one second of PCM sound as a chunk of the sound track,
//                 zero fill up to the distance the sound description implies
//                 (1024 ms of sound), then the record as a 'free' box.
//   DirectChunks  (MP4) the bare 120-byte block, a chunk of a data track of
//                 its own ('meta' handler), one block per chunk.
//   NoTrack       (MP4) nothing: a plain movie without a track.
class KoRecordingWriter
{
public:
    enum Layout
    {
        GpsIndexBox,
        FreeGpsChunks,
        DirectChunks,
        NoTrack
    };

    static constexpr int RecordHeaderSize = 16;

    // How a camera of this layout stores year and G-sensor: the 'gps ' index
    // box cameras write four-digit years; the direct-chunks cameras count the
    // G-sensor in 1/4096 g, the others in 1/256 g.
    static bool storesFourDigitYear(Layout layout) { return layout == GpsIndexBox; }
    static int countsPerG(Layout layout) { return layout == DirectChunks ? 4096 : 256; }
    static bool isMov(Layout layout) { return layout == FreeGpsChunks; }
    static const char *layoutName(Layout layout);

    KoRecordingWriter(Layout layout, KoVideoSource *video);

    // Sound of the MOV layout: 16-bit mono PCM at this rate (1000 to 65535).
    void setSoundRate(int rate) { m_soundRate = rate; }
    // The camera clock at the first frame (for the movie's creation time).
    void setCreationTime(const QDateTime &time) { m_created = time; }
    // One sample per second of video; extra samples are left out.
    void setSamples(const QVector<KoDriveSample> &samples) { m_samples = samples; }

    bool write(const QString &path, QString *error);

    // The GPS distance a reader computes from the sound description:
    // channels * bits * rate / 8000 * 1024 bytes.
    static qint64 gpsDistance(int channels, int bits, int rate);

    // Copies the transport stream `source` (as ffmpeg wrote it) to `path`
    // with one camera data packet per sample (PID 0x300, payload unit start
    // set, payload the 120-byte block), spread evenly over the stream.
    static bool writeTransportStream(const QString &source, const QString &path,
                                     const QVector<KoDriveSample> &samples, QString *error);

private:
    struct TrackTables
    {
        QVector<quint64> chunkOffsets;
        QVector<quint32> samplesPerChunk;
    };

    int seconds() const;
    void writeMovie(KoBoxWriter &w);
    void writeVideoTrack(KoBoxWriter &w, quint32 duration);
    void writeSoundTrack(KoBoxWriter &w, quint32 duration);
    void writeGpsTrack(KoBoxWriter &w, quint32 duration);
    void writeTrackHeader(KoBoxWriter &w, quint32 id, quint32 duration, bool sound, int width, int height);
    void writeMediaHeader(KoBoxWriter &w, quint32 timescale, quint64 duration);
    void writeHandler(KoBoxWriter &w, bool inMediaBox, const char *type, const char *name);
    void writeDataInformation(KoBoxWriter &w);
    static void writeSampleToChunk(KoBoxWriter &w, const TrackTables &tables);
    static void writeChunkOffsetsAndClose(KoBoxWriter &w, const TrackTables &tables);
    QByteArray sound(int second) const;

    Layout m_layout;
    KoVideoSource *m_video;
    int m_soundRate = 16000;
    QDateTime m_created;
    QVector<KoDriveSample> m_samples;

    TrackTables m_videoChunks;
    TrackTables m_extraChunks; // sound or GPS data chunks
    QVector<quint64> m_recordOffsets;
};
