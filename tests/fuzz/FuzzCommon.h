#pragma once

// Shared by the libFuzzer targets: silence the diagnostics (warnings about
// hostile input would dominate the run time, as would a debug trace turned on
// through QT_LOGGING_RULES) and check what every extraction must give.

#include "gps/KoGPSModel.h"
#include "gps/KoTrackExtractor.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

inline void quietDiagnostics()
{
    if (!freopen("/dev/null", "w", stdout))
        abort();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    // Not copied: a read past the fuzzer's buffer is caught by the address sanitizer.
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
}

// Every line is one the track cache reader takes: at most 255 characters with
// its break, a status letter, twelve fields, no NUL or CR.
inline void checkTrack(const QByteArray &track)
{
    if (track.isEmpty())
        return;
    if (!track.endsWith('\n'))
        abort();
    int start = 0;
    while (start < track.size()) {
        const int end = track.indexOf('\n', start) + 1;
        const QByteArray line = track.mid(start, end - start);
        if (line.size() > 255 || (line[0] != 'A' && line[0] != 'V') || line.count(',') != 10 ||
            line.contains('\0') || line.contains('\r'))
            abort();
        KoGPSModel sample(line);
        if (sample.status != line[0] || strnlen(sample.dateTime, sizeof sample.dateTime) >= 16)
            abort();
        start = end;
    }
}

// The record of a run keeps a bounded list whatever the file holds, and says
// what the input was.
inline void checkDiagnostics(const KoTrackExtractor::Diagnostics &d, size_t size)
{
    const int most = KoTrackExtractor::Diagnostics::kMaxListed;
    if (d.fileSize != qint64(size) || d.boxes.size() > most || d.boxes.size() > d.boxesRead ||
        d.identifiers.size() > most || d.identifiers.size() > d.blocksChecked ||
        d.trackFrames.size() > most || d.tsPackets.size() > most || d.tsPackets.size() > d.tsDataPackets)
        abort();
}
