#include "TestMain.h"

#include <cstring>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Keeps the blocks out of the optimiser's reach.
void *volatile g_block = nullptr;

void *touchedBlock(size_t bytes)
{
    void *block = std::malloc(bytes);
    if (block)
        std::memset(block, 1, bytes);
    g_block = block;
    return block;
}

} // namespace

class tst_JXPlatform : public QObject
{
    Q_OBJECT

private slots:
    // The start-up (run by the test's main as by the player's) keeps large
    // blocks in mappings of their own even after a larger one was freed:
    // glibc's default would have raised its threshold and served the next
    // large block from a heap, which then never shrinks.
    void largeBlocksStayApartAfterOneWasFreed()
    {
#ifndef __GLIBC__
        QSKIP("the allocator is told only on glibc");
#else
        std::free(touchedBlock(4 * 1024 * 1024));
        for (size_t bytes : {size_t(kLargeBlockBytes), size_t(1024 * 1024), size_t(3 * 1024 * 1024)}) {
            const size_t before = mallinfo2().hblkhd;
            void *block = touchedBlock(bytes);
            QVERIFY(block);
            const size_t mapped = mallinfo2().hblkhd - before;
            std::free(block);
            QVERIFY2(mapped >= bytes,
                     qPrintable(QStringLiteral("%1 bytes: %2 mapped").arg(bytes).arg(mapped)));
            // And given back when freed.
            QCOMPARE(mallinfo2().hblkhd, before);
        }
        // Small blocks stay in the heap.
        const size_t before = mallinfo2().hblkhd;
        void *small = touchedBlock(64 * 1024);
        QCOMPARE(mallinfo2().hblkhd, before);
        std::free(small);
#endif
    }
};

TAVRIN_TEST_MAIN(tst_JXPlatform, QCoreApplication)
#include "tst_JXPlatform.moc"
