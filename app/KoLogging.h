#pragma once

#include <QLoggingCategory>

// The program's diagnostics, one category per area. Per-event chatter goes to
// debug level, which is off unless QT_LOGGING_RULES turns it on (for example
// QT_LOGGING_RULES="tavrin.playback.debug=true"); info lines are kept for
// what a user reads when a file does not play.
Q_DECLARE_LOGGING_CATEGORY(lcApp)      // tavrin.app: start-up, settings, paths
Q_DECLARE_LOGGING_CATEGORY(lcGps)      // tavrin.gps: track extraction and parsing
Q_DECLARE_LOGGING_CATEGORY(lcLibrary)  // tavrin.library: playlist, grouping, cache
Q_DECLARE_LOGGING_CATEGORY(lcPlayback) // tavrin.playback: engines and the session
Q_DECLARE_LOGGING_CATEGORY(lcSync)     // tavrin.sync: channels held in step
Q_DECLARE_LOGGING_CATEGORY(lcMap)      // tavrin.map: the map page
Q_DECLARE_LOGGING_CATEGORY(lcUi)       // tavrin.ui: windows, dialogs, input
