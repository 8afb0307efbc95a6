// Preloaded (LD_PRELOAD) into a program under test to make libmpv fail the way
// a broken installation does: MPV_FAILURE_SHIM=create makes mpv_create return
// null, MPV_FAILURE_SHIM=initialize makes mpv_initialize fail; anything else
// passes through. Each call is noted in the file MPV_FAILURE_SHIM_LOG, so a
// test can tell "failed as forced" from "never asked for an engine".
#include <mpv/client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {

bool failing(const char *mode)
{
    const char *chosen = std::getenv("MPV_FAILURE_SHIM");
    return chosen != nullptr && std::strcmp(chosen, mode) == 0;
}

void note(const char *call)
{
    if (const char *path = std::getenv("MPV_FAILURE_SHIM_LOG")) {
        if (FILE *log = std::fopen(path, "a")) {
            std::fprintf(log, "%s\n", call);
            std::fclose(log);
        }
    }
}

template <typename F> F next(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" mpv_handle *mpv_create()
{
    note("mpv_create");
    if (failing("create"))
        return nullptr;
    static const auto real = next<mpv_handle *(*)()>("mpv_create");
    return real ? real() : nullptr;
}

extern "C" int mpv_initialize(mpv_handle *ctx)
{
    note("mpv_initialize");
    if (failing("initialize"))
        return MPV_ERROR_INVALID_PARAMETER;
    static const auto real = next<int (*)(mpv_handle *)>("mpv_initialize");
    return real ? real(ctx) : MPV_ERROR_GENERIC;
}
