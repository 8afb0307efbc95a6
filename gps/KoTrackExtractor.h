#pragma once

#include "gps/KoByteReader.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QSize>
#include <QString>
#include <QVector>

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

    // What one run met on its way through the file: what a developer asks
    // when a recording gives no track, and what the tests check. The same
    // goes to the tavrin.gps category at debug level. Lists keep their first
    // kMaxListed entries; the counts beside them go on.
    struct Diagnostics
    {
        static constexpr int kMaxListed = 64;

        struct Box
        {
            QByteArray type; // printable: other bytes as '.'
            qint64 size = 0;
            bool largeSize = false; // a 64-bit size
            bool wellFormed = true; // false for the box that ended the walk
        };
        struct SoundFormat
        {
            int channels = 0;
            int bits = 0;
            int rate = 0;
            qint64 gpsDistance = 0; // from a sound chunk to its 'free' GPS box
        };
        struct TsPacket
        {
            int number = 0; // counted over the process, see tsDataPacketCount()
            int pid = 0;
        };

        qint64 fileSize = -1;
        // The walk over the top level (and into 'moov'), malformed box included.
        int boxesRead = 0;
        QVector<Box> boxes;
        // The MP4 GPS index box: its version and its entry count as stored;
        // shortSamples when its entries are bare 48-byte samples.
        bool indexBox = false;
        qint32 indexVersion = 0;
        qint32 indexCount = 0;
        bool shortSamples = false;
        // Width and height of every track header met.
        QVector<QSize> trackFrames;
        // The last sound sample description read (MOV).
        bool soundFormatRead = false;
        SoundFormat soundFormat;
        // Chunks where no 'free' GPS box stood at the distance (MOV).
        int freeGpsTagsMissed = 0;
        // The identifier field of each block looked at.
        int blocksChecked = 0;
        QByteArrayList identifiers;
        // The TS survey's data packets.
        int tsDataPackets = 0;
        QVector<TsPacket> tsPackets;
    };

    KoTrackExtractor(KoByteSource *source, const QString &outputPath);
    KoTrackExtractor(KoByteSource *source, QByteArray *output);
    ~KoTrackExtractor();

    int run(Kind kind);
    bool wasDirect() const { return m_wasDirect; }
    // Of the last run.
    const Diagnostics &diagnostics() const { return m_diagnostics; }

    // Data packets seen by all TS surveys of this process (a diagnostic count).
    static int tsDataPacketCount();

private:
    struct Box;
    struct Sample;

    bool readBox(qint64 offset, qint64 end, bool largeSizes, Box *box) const;
    bool findChunkTable(const Box &track, bool largeSizes, Box *stco, Box *stsd);
    int mp4Walk();
    int movWalk();
    int tsScan();

    bool isVideoTrack(const Box &tkhd);
    qint64 soundGpsDistance(const Box &stsd);
    int decodeGpsIndexBox(const Box &box);
    int decodeFreeGpsChunks(const Box &stco, qint64 distance);
    int decodeDirectChunks(const Box &stco);

    bool isIdentified(const uchar *block);
    void noteBox(const Box &box, bool wellFormed);
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
    Diagnostics m_diagnostics;
};

// Finds the GPS/G-sensor sample blocks stored in a dash-camera recording and
// writes one track line (see KoGPSModel) per sample. MovWalk walks a MOV file
// (GPS blocks in 'free' boxes behind the sound chunks), Mp4Walk an MP4 file
// (a top-level 'gps ' index box, or else a track whose chunks are the blocks
// themselves: "direct chunks"), TsScan only surveys a TS stream.
//
// Returns 0 when the output was written (possibly empty), -1 on failure.
// `wasDirect` tells whether the direct-chunks decoder ran; such tracks carry
// finer G-sensor counts. `diagnostics`, when given, receives what the run met
// (left empty when the source could not be opened). Paths are in the local
// 8-bit encoding.
int extractTrack(const QByteArray &sourcePath, const QByteArray &outputPath, KoTrackExtractor::Kind kind,
                 bool *wasDirect = nullptr, KoTrackExtractor::Diagnostics *diagnostics = nullptr);

// The same over a recording held in memory; the track text replaces *output.
int extractTrackFromBuffer(const QByteArray &source, KoTrackExtractor::Kind kind, QByteArray *output,
                           bool *wasDirect = nullptr, KoTrackExtractor::Diagnostics *diagnostics = nullptr);
