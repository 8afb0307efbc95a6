#include "app/KoLogging.h"

Q_LOGGING_CATEGORY(lcApp, "tavrin.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGps, "tavrin.gps", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLibrary, "tavrin.library", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlayback, "tavrin.playback", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSync, "tavrin.sync", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMap, "tavrin.map", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "tavrin.ui", QtInfoMsg)
