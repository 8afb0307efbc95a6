#include "FuzzCommon.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    quietDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray track = "x";
    KoTrackExtractor::Diagnostics diagnostics;
    // The survey never gives a track, and leaves its output empty.
    if (extractTrackFromBuffer(fuzzInput(data, size), KoTrackExtractor::TsScan, &track, nullptr,
                               &diagnostics) != -1 ||
        !track.isEmpty())
        abort();
    checkDiagnostics(diagnostics, size);
    return 0;
}
