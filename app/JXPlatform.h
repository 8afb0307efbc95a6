#pragma once

// What this platform needs around the application object.

// Before QApplication: the web engine refuses its sandboxed renderer when the
// process runs as root, which leaves the map blank; and the memory allocator
// is told to keep large blocks apart (keepLargeBlocksApart).
void preparePlatformBeforeApplication();

// Blocks of this size and larger get a memory mapping of their own, returned
// to the system when freed (glibc only; elsewhere nothing is done). Before
// any thread is started.
constexpr int kLargeBlockBytes = 512 * 1024;
void keepLargeBlocksApart();

// After QApplication (which sets the locale from the environment): libmpv
// needs the C numeric locale to parse its option values.
void preparePlatformAfterApplication();
