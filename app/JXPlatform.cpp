#include "app/JXPlatform.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <clocale>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void keepLargeBlocksApart()
{
#ifdef __GLIBC__
    // glibc raises its threshold for giving a large block a mapping of its own
    // each time such a block is freed (up to 32 MB). Decoded frames, images
    // and the engines' buffers then come from the heaps of the threads that
    // asked for them; with every recording the engines' threads take and give
    // back such blocks again, the heaps fragment and never shrink, and a day
    // of recordings played one after the other grew the player by more than a
    // megabyte each. A fixed threshold keeps large blocks in mappings of their
    // own, given back when freed. A threshold set in the environment
    // (MALLOC_MMAP_THRESHOLD_ or the glibc.malloc tunables) wins.
    if (qEnvironmentVariableIsSet("MALLOC_MMAP_THRESHOLD_") ||
        qEnvironmentVariable("GLIBC_TUNABLES").contains(QLatin1String("mmap_threshold")))
        return;
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

void preparePlatformBeforeApplication()
{
    keepLargeBlocksApart();
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void preparePlatformAfterApplication()
{
    std::setlocale(LC_NUMERIC, "C");
}
