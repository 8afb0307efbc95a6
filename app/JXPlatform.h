#pragma once

// What this platform needs around the application object.

// Before QApplication: the web engine refuses its sandboxed renderer when the
// process runs as root, which leaves the map blank.
void preparePlatformBeforeApplication();

// After QApplication (which sets the locale from the environment): libmpv
// needs the C numeric locale to parse its option values.
void preparePlatformAfterApplication();
