#pragma once

// Writes the first-run marker and, when it was missing, clears the
// user-facing settings.
void checkFirstInstall();
