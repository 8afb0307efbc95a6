#include "FuzzCommon.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    quietDiagnostics();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KoGPSModel sample(fuzzInput(data, size));
    if (strnlen(sample.dateTime, sizeof sample.dateTime) >= 16)
        abort();
    // The altitude is kept as an absolute value.
    if (!(sample.altitude >= 0) && !std::isnan(sample.altitude))
        abort();
    sample.dateTimeValue();
    sample.gForceX();
    return 0;
}
