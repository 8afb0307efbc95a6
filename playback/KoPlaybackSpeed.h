#pragma once

#include <QString>

// The playback speeds the keys step through, and how the current one is shown
// beside the time text.
class KoPlaybackSpeed
{
public:
    static constexpr double Normal = 1.0;

    // The next step down ("[") or up ("]"), from any speed; the ends stay.
    static double slower(double speed);
    static double faster(double speed);
    // "  2x" beside the time text ("00:59/01:02:05  2x"); empty at normal
    // speed.
    static QString suffix(double speed);
};
