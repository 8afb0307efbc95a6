#pragma once

#include <Qt>

// The playback keys of the main window and its video displays, in one
// table: the same key does the same thing wherever it is pressed.
class KoPlaybackKeys
{
public:
    enum class Action
    {
        None,
        PlayPause,         // Space
        PreviousRecording, // Left
        NextRecording,     // Right
        ZoomIn,            // Up
        ZoomOut,           // Down
        SwitchLayout,      // P
        LeaveFullScreen,   // Escape
        FrameForward,      // .
        FrameBack,         // ,
        Slower,            // [
        Faster,            // ]
        NormalSpeed,       // Backspace
        MarkIn,            // I: a clip starts here
        MarkOut,           // O: a clip ends here
        NextEvent,         // N: 3 s before the next driving event
        PreviousEvent      // Shift+N: 3 s before the previous one
    };

    // The action of `key` pressed with `modifiers`; None for any other key
    // (keys with Ctrl or Alt belong to shortcuts, not to playback). Shift
    // counts only where it tells two keys apart (N, Shift+N).
    static Action actionFor(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};
