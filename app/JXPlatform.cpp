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
    // each time such a block is freed (up to 32 MB), and with it the free
    // space a heap keeps before it gives memory back (twice that, per thread
    // heap). Frames, images and the engines' buffers of each recording then
    // stay in the heaps after the recording has closed: a day of recordings
    // played one after the other grew the player by more than a megabyte
    // each. A fixed threshold turns that off: large blocks get mappings of
    // their own, given back when freed, and heaps give back what they no
    // longer use. The price is some CPU time when a recording opens (its
    // memory is asked for again), none while it plays. A threshold set in the
    // environment (MALLOC_MMAP_THRESHOLD_ or the glibc.malloc tunables) wins.
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
