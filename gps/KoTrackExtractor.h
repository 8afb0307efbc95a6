#pragma once

#include "gps/KoByteReader.h"

#include <QByteArray>
#include <QString>

#include <memory>

class KoByteSource;
class QFile;

// The most track lines one extraction writes, and the most a track cache is
// read for: over 55 hours of one sample a second. A damaged or hostile file
// that lists the same block again and again cannot fill the disk.
constexpr int kMaxTrackLines = 200000;

// One extraction: its own reader, output and flags, so that several can run
// at once on different threads.
class KoTrackExtractor
{
public:
    enum Kind
    {
        MovWalk = 0,
        Mp4Walk = 1,
        TsScan = 2
    };

    KoTrackExtractor(KoByteSource *source, const QString &outputPath);
    KoTrackExtractor(KoByteSource *source, QByteArray *output);
    ~KoTrackExtractor();

    int run(Kind kind);
    bool wasDirect() const { return m_wasDirect; }

    // Data packets seen by all TS surveys of this process (a diagnostic count).
    static int tsDataPacketCount();

private:
    struct Box;
    struct Sample;

    bool readBox(qint64 offset, qint64 end, bool largeSizes, Box *box) const;
    bool findChunkTable(const Box &track, bool largeSizes, Box *stco, Box *stsd) const;
    int mp4Walk();
    int movWalk();
    int tsScan();

    bool isVideoTrack(const Box &tkhd) const;
    qint64 soundGpsDistance(const Box &stsd) const;
    int decodeGpsIndexBox(const Box &box);
    int decodeFreeGpsChunks(const Box &stco, qint64 distance);
    int decodeDirectChunks(const Box &stco);

    bool readBlock(qint64 offset, Sample *sample, bool *identified);
    void writeSample(Sample sample);

    bool openOutput();
    bool closeOutput();

    KoByteReader m_reader;
    QString m_outputPath;
    QByteArray *m_outputBuffer = nullptr;
    std::unique_ptr<QFile> m_outputFile;
    bool m_outputFailed = false;
    int m_linesWritten = 0;
    bool m_wasDirect = false;
};

// Finds the GPS/G-sensor sample blocks stored in a dash-camera recording and
// writes one track line (see KoGPSModel) per sample. MovWalk walks a MOV file
// (GPS blocks in 'free' boxes behind the sound chunks), Mp4Walk an MP4 file
// (a top-level 'gps ' index box, or else a track whose chunks are the blocks
// themselves: "direct chunks"), TsScan only surveys a TS stream.
//
// Returns 0 when the output was written (possibly empty), -1 on failure.
// `wasDirect` tells whether the direct-chunks decoder ran; such tracks carry
// finer G-sensor counts. Paths are in the local 8-bit encoding.
int extractTrack(const QByteArray &sourcePath, const QByteArray &outputPath, KoTrackExtractor::Kind kind,
                 bool *wasDirect = nullptr);

// The same over a recording held in memory; the track text replaces *output.
int extractTrackFromBuffer(const QByteArray &source, KoTrackExtractor::Kind kind, QByteArray *output,
                           bool *wasDirect = nullptr);
