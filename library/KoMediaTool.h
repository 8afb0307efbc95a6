#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Runs the ffmpeg and ffprobe programs to their end in the calling thread,
// which may be any thread: ffprobe's answer is collected, ffmpeg's progress
// (from "-progress pipe:1") reported as it comes, and a raised cancel flag
// ends the run within a tenth of a second.
class KoMediaTool
{
public:
    struct Outcome
    {
        enum Kind
        {
            Done,      // exit code 0
            Failed,    // started, then failed or crashed
            Cancelled, // ended on the cancel flag
            Missing    // the program is not installed
        };
        Kind kind = Failed;
        QByteArray output; // standard output, unless progress was followed
        QString error;     // the end of what the program wrote to standard error
        bool diskFull = false;
        bool ok() const { return kind == Done; }
    };
    // Seconds of output written so far.
    using Progress = std::function<void(double seconds)>;

    // The path of `name` ("ffmpeg", "ffprobe") on the search path; empty when
    // it is not installed.
    static QString program(const QString &name);

    static Outcome run(const QString &name, const QStringList &arguments,
                       const std::atomic<bool> *cancel = nullptr, const Progress &progress = {});
};
