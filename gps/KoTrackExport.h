#pragma once

#include "gps/KoDrivingEvents.h"
#include "gps/KoTrackExtractor.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

// Extracts the GPS track of one recording with the player's own extractor
// and writes it as track text lines, GPX 1.1, CSV, or the CSV of its driving
// events (KoDrivingEvents).
class KoTrackExport
{
public:
    enum Format
    {
        Track,
        Gpx,
        Csv,
        Events
    };

    // The first three are the exit codes of the command.
    enum Status
    {
        Ok = 0,
        NoTrack = 1,
        Unreadable = 2,
        Unwritable = 3,    // the target could not be written
        TargetExists = 4,  // the target exists and was not to be replaced
        TargetIsSource = 5 // the target is the recording or another file to keep
    };

    struct Result
    {
        Status status = Ok;
        QString message; // for the user when status is not Ok
        QByteArray output;
        int samples = 0;
        bool fineGScale = false; // the track came from direct chunks (see toCsv)
    };

    static bool parseFormat(const QString &name, Format *format);
    // The extractor's kind for a recording's name; false for anything but
    // MOV, MP4 and TS.
    static bool kindOf(const QString &path, KoTrackExtractor::Kind *kind);

    // Events are found with the thresholds in the player's settings.
    static Result run(const QString &path, Format format);
    // run(), then the output written to `target` (see writeFile). The result
    // keeps the output. A target that is the recording itself or one of
    // `kept` (see checkTarget) is refused before anything is read.
    static Result exportTo(const QString &path, Format format, const QString &target, bool replace,
                           const QStringList &kept = {});
    // TargetIsSource when `target` names the file `source` or one of `kept`,
    // however spelt (another path, a symbolic or hard link, another case on a
    // folder that ignores case); Ok otherwise. On refusal `error` (when
    // given) says why.
    static Status checkTarget(const QString &target, const QString &source, const QStringList &kept,
                              QString *error);
    // Whether both paths name one existing file.
    static bool isSameFile(const QString &a, const QString &b);
    // Writes to a temporary file beside `target` and renames it when
    // complete: a failure leaves no partial file and what was there intact.
    // An existing target is replaced only when `replace` is set. On failure
    // `error` (when given) says why.
    static Status writeFile(const QString &target, const QByteArray &data, bool replace, QString *error);
    // The usual file name ending of a format.
    static QString suffix(Format format);

    // The converters, over the extractor's lines. `fineGScale`: the track came
    // from direct chunks (G-sensor in 1/4096 g).
    static QByteArray toGpx(const QByteArrayList &lines, const QString &name);
    static QByteArray toCsv(const QByteArrayList &lines, bool fineGScale);
    // KoDrivingEvents::toCsv of the events in the lines (only the header when
    // there are none).
    static QByteArray toEventsCsv(const QByteArrayList &lines, bool fineGScale,
                                  const KoDrivingEvents::Thresholds &thresholds);
};
