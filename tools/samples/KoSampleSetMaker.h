#pragma once

#include "gps/KoTrackExtractor.h"
#include "tools/samples/KoRecordingWriter.h"
#include "tools/samples/KoSyntheticDrive.h"

#include <QSize>
#include <QString>
#include <QVector>
#include <vector>

// Makes a folder of dash-camera recordings from synthetic drives: the
// channel files, beside each file with a track its expected track text
// ("<file>.expected.txt": the lines the player's extractor must produce),
// a list of the files ("manifest.tsv") and, written last, "samples.stamp",
// which marks the set complete. A complete set made by the same program
// with the same options is kept as it is. Sets: the files the tests use, one
// long three-channel recording for the playback benchmarks, one-hour tracks
// for the extraction benchmarks, and a day of short recordings (some of
// them damaged) for the soak benchmark.
class KoSampleSetMaker
{
public:
    enum Set
    {
        Tests,
        Bench,
        Hour,
        Soak
    };

    struct Options
    {
        Set set = Tests;
        QSize size;      // invalid: the set's default
        int fps = 0;     // 0: the set's default
        int seconds = 0; // 0: the set's default
        // Recordings of the soak set (0: 300); the other sets ignore it.
        int recordings = 0;
        bool force = false;
    };

    // One file of the set.
    struct Recording
    {
        enum Kind
        {
            Movie,
            TransportStream
        };
        // How a file of the soak set is spoilt after it was written.
        enum Damage
        {
            Intact,
            CutShort,   // the second half is gone (with the index at the end)
            Scrambled,  // random bytes over a quarter of its video data
            RandomBytes // nothing but random bytes
        };
        QString fileName;
        Kind kind = Movie;
        KoRecordingWriter::Layout layout = KoRecordingWriter::NoTrack;
        QChar channel;
        int drive = 0;       // index into drives()
        int firstSecond = 0; // of the drive
        int seconds = 0;
        Damage damage = Intact;

        bool hasTrack() const
        {
            return kind == Movie && layout != KoRecordingWriter::NoTrack && damage == Intact;
        }
        // The manifest's layout column: the layout, or the damage.
        const char *layoutName() const;
        // The kind argument of the player's extractor (its number goes to
        // the manifest).
        KoTrackExtractor::Kind extractorKind() const;
    };

    static bool parseSet(const QString &name, Set *set);
    static QString setName(Set set);
    // The options with the set's defaults filled in.
    static Options resolved(const Options &options);
    static QString expectedName(const QString &fileName)
    {
        return fileName + QStringLiteral(".expected.txt");
    }

    explicit KoSampleSetMaker(const Options &options);

    const Options &options() const { return m_options; }
    const std::vector<KoSyntheticDrive> &drives() const { return m_drives; }
    const QVector<Recording> &recordings() const { return m_recordings; }
    // What a camera stored for a recording, one sample per second.
    QVector<KoDriveSample> samplesOf(const Recording &r) const;
    // The expected track text of a recording (empty without a track).
    QByteArray expectedTrack(const Recording &r) const;

    // Makes the set in `outDir` (created when missing). `kept` tells whether
    // a complete set already there was kept. Progress goes to stdout.
    bool make(const QString &outDir, bool *kept, QString *error);

private:
    void plan();
    int addDrive(const KoDrivePlace &place, const QDateTime &start, int seconds);
    void addRecording(const QString &fileName, Recording::Kind kind, KoRecordingWriter::Layout layout,
                      QChar channel, int drive, int firstSecond,
                      Recording::Damage damage = Recording::Intact);
    void planSoak();
    QByteArray signature() const;
    bool isComplete(const QString &outDir) const;
    bool makeRecording(const Recording &r, const QString &outDir, const QString &workDir, QString *error);
    static bool damage(const Recording &r, const QString &path, QString *error);

    Options m_options;
    std::vector<KoSyntheticDrive> m_drives;
    QVector<Recording> m_recordings;
};
