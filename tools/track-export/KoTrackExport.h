#pragma once

#include "gps/KoTrackExtractor.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// Extracts the GPS track of one recording with the player's own extractor
// and writes it as track text lines, GPX 1.1 or CSV.
class KoTrackExport
{
public:
    enum Format
    {
        Track,
        Gpx,
        Csv
    };

    // Exit codes of the command.
    enum Status
    {
        Ok = 0,
        NoTrack = 1,
        Unreadable = 2
    };

    struct Result
    {
        Status status = Ok;
        QString message; // for the user when status is not Ok
        QByteArray output;
        int samples = 0;
    };

    static bool parseFormat(const QString &name, Format *format);
    // The extractor's kind for a recording's name; false for anything but
    // MOV, MP4 and TS.
    static bool kindOf(const QString &path, KoTrackExtractor::Kind *kind);

    static Result run(const QString &path, Format format);

    // The converters, over the extractor's lines. `fineGScale`: the track came
    // from direct chunks (G-sensor in 1/4096 g).
    static QByteArray toGpx(const QByteArrayList &lines, const QString &name);
    static QByteArray toCsv(const QByteArrayList &lines, bool fineGScale);
};
