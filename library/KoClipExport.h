#pragma once

#include "library/KoClipRange.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <atomic>
#include <functional>

// Exports a range of a recording, the work behind the "Export clip..."
// dialog and the tavrin-clip command:
//  - separate files: every channel cut by stream copy (from the keyframe at
//    or before the in point, in the original quality), in a new folder named
//    after the recording and the range, with the range's track as GPX and
//    CSV beside them;
//  - one video: the channels in the player's main layout with the readings
//    burned in along the bottom, H.264 and AAC in MP4.
// A range running past the end continues in the next recording when that
// follows on (its channels joined to this one's where the streams allow).
// Everything is written into a hidden folder first and moved into place when
// complete: a cancelled or failed export leaves nothing, and nothing that
// exists is replaced. run() blocks; call it from a worker thread in a GUI.
class KoClipExport
{
    Q_DECLARE_TR_FUNCTIONS(KoClipExport)

public:
    // The first two are the exit codes of the command.
    enum Status
    {
        Ok = 0,
        BadRange = 1,   // the range is empty or outside the recording
        Unreadable = 2, // a recording cannot be read (or ffmpeg is missing)
        Unwritable = 3, // the clip cannot be written (full disk, no folder)
        Cancelled = 4
    };

    struct Request
    {
        QStringList channels;     // the recording's channel files, in channel order
        QStringList nextChannels; // the next recording of the list (may be empty)
        double from = 0;          // seconds from the recording's start
        double to = 0;
        QString folder; // where the clip goes (made when missing)
        bool oneVideo = false;
        bool mph = false; // the speed unit of the burned-in readings
        QSize videoSize{1920, 1080};
    };

    struct Result
    {
        Status status = Ok;
        QString message;         // for the user, translated, when not Ok
        QString path;            // the folder or the video written
        QStringList files;       // what was written, as paths
        KoClipRange::Span range; // what was exported, held to the recordings
        double backOff = 0;      // how far before the in point the earliest cut starts
        bool hasTrack = false;   // the range's track was written (or burned in)
        QStringList leftOut;     // channel files that could not be read and were left out
    };

    // The share of the work done, 0 to 1.
    using Progress = std::function<void(double fraction)>;
    static Result run(const Request &request, const Progress &progress = {},
                      const std::atomic<bool> *cancel = nullptr);

    // One ffmpeg run of an export.
    struct Step
    {
        QStringList arguments;
        double seconds = 0; // of output, for the progress
        qint64 bytes = 0;   // expected size of the output
    };
    // What run() does, decided without running ffmpeg: the probes, the range,
    // the name, the ffmpeg runs (their output into `outputFolder`, their
    // lists and the readings into `workFolder`) and the track files.
    struct Plan
    {
        Status status = Ok;
        QString message;
        KoClipRange::Span range;
        QString name; // of the clip: the folder, or the video without ".mp4"
        QVector<Step> steps;
        QStringList outputs; // file names in `outputFolder`
        QByteArray gpx;      // separate files: the range's track (empty without one)
        QByteArray csv;
        double backOff = 0;
        bool hasTrack = false;
        QStringList leftOut;
    };
    static Plan plan(const Request &request, const QString &outputFolder, const QString &workFolder,
                     const std::atomic<bool> *cancel = nullptr);

    // The one video's frame: `size` held to even numbers, the strip of
    // readings at its bottom, and the box each channel's picture is fitted
    // into, centred (empty for a channel not shown): channel 1 large, 2 and 3
    // below it (the player's main layout), or channel 1 alone.
    struct VideoLayout
    {
        QSize frame;
        int strip = 0;
        std::array<QRect, 3> pictures;
    };
    static VideoLayout videoLayout(const QSize &size, int channelCount);

    // "2019_0523_143005_001A_clip_0m05s-0m15s": the first channel's name and
    // the range in whole seconds.
    static QString clipName(const QString &firstChannel, KoClipRange::Span range);
    // "1:05.3"
    static QString timeText(double seconds);
};
