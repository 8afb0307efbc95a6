#pragma once

#include <QByteArray>
#include <QString>

// The track cache file of a recording: the extracted track text lines, then
// one line that ties the file to the recording it was made from. A cache is
// found by the recording's name and size, which another recording can share
// (a camera without a set clock names every file from the same start time,
// and a fixed bitrate makes equal sizes common): before a cache is used, its
// last line must match the recording as it is now.
class KoTrackCache
{
public:
    // "#source size=<bytes> mtime=<ms since 1970, UTC> sha1=<hex>", the hash
    // taken over the first, middle and last 64 KiB of the recording (a camera
    // without a clock also stamps its files with equal times). No line break.
    // Empty when the recording cannot be read.
    static QByteArray sourceStamp(const QString &recordingPath);

    // Whether the file at `cachePath` ends with the line `stamp`. A cache
    // written before the check existed has no such line and is made again.
    static bool belongsTo(const QString &cachePath, const QByteArray &stamp);

    // Writes `track`, then `stamp`, through a temporary file of its own that
    // replaces `cachePath` in one step once complete: two players writing the
    // same cache leave one whole file, never a mix.
    static bool write(const QString &cachePath, const QByteArray &track, const QByteArray &stamp);
};
