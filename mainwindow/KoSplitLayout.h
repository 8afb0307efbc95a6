#pragma once

#include <QRect>

#include <array>

// Where the three video displays go in the video area for each split mode.
// A display whose keep flag is set keeps the 16:9 frame; sizes are computed in
// float and truncated, and neighbours share their border pixel.
class KoSplitLayout
{
public:
    // The numbers are the stored and designed mode numbers.
    enum class Mode
    {
        Stacked = 0,     // display 1 on top (two thirds of the height), 2 and 3 below it
        SideBySide = 1,  // displays 1 and 2 side by side
        FirstAlone = 2,  // display 1 alone
        SecondAlone = 3, // display 2 alone
        ThirdAlone = 4   // display 3 alone
    };
    static constexpr int kModeCount = 5;

    // The mode a recording of `displayCount` channels starts in.
    static Mode modeFor(int displayCount);

    struct Placement
    {
        std::array<QRect, 3> rects; // an empty rectangle for a display not shown
        std::array<bool, 3> visible{{false, false, false}};
    };

    // `keep` holds the keep flags of displays 1 to 3.
    static Placement place(Mode mode, const QRect &area, const std::array<bool, 3> &keep);

    // The pipe command for `displayCount` displays in use: the next split mode,
    // and in `keep` the aspect flag to apply to every display (unchanged when
    // the command leaves it alone). One display: nothing changes.
    struct PipeStep
    {
        Mode mode = Mode::Stacked;
        bool keep = true;
    };
    static PipeStep nextPipe(int displayCount, Mode mode, bool keep);
};
