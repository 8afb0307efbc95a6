#include "FuzzCommon.h"

// Built twice: FUZZ_WALK_KIND selects the MOV or the MP4 walk.

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    quietDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray track;
    bool direct = false;
    KoTrackExtractor::Diagnostics diagnostics;
    const int result = extractTrackFromBuffer(fuzzInput(data, size), KoTrackExtractor::Kind(FUZZ_WALK_KIND),
                                              &track, &direct, &diagnostics);
    if (result != 0 && result != -1)
        abort();
    checkTrack(track);
    checkDiagnostics(diagnostics, size);
    return 0;
}
