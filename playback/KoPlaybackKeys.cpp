#include "playback/KoPlaybackKeys.h"

namespace {

enum class Shift
{
    Any,
    Without,
    With
};

struct Binding
{
    int key;
    KoPlaybackKeys::Action action;
    Shift shift = Shift::Any;
};

using Action = KoPlaybackKeys::Action;

const Binding kBindings[] = {
    {Qt::Key_Space, Action::PlayPause},
    {Qt::Key_Left, Action::PreviousRecording},
    {Qt::Key_Right, Action::NextRecording},
    {Qt::Key_Up, Action::ZoomIn},
    {Qt::Key_Down, Action::ZoomOut},
    {Qt::Key_P, Action::SwitchLayout},
    {Qt::Key_Escape, Action::LeaveFullScreen},
    {Qt::Key_Period, Action::FrameForward},
    {Qt::Key_Comma, Action::FrameBack},
    {Qt::Key_BracketLeft, Action::Slower},
    {Qt::Key_BracketRight, Action::Faster},
    {Qt::Key_Backspace, Action::NormalSpeed},
    {Qt::Key_I, Action::MarkIn},
    {Qt::Key_O, Action::MarkOut},
    {Qt::Key_N, Action::NextEvent, Shift::Without},
    {Qt::Key_N, Action::PreviousEvent, Shift::With},
};

} // namespace

KoPlaybackKeys::Action KoPlaybackKeys::actionFor(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return Action::None;
    const Shift shift = modifiers & Qt::ShiftModifier ? Shift::With : Shift::Without;
    for (const Binding &b : kBindings) {
        if (b.key == key && (b.shift == Shift::Any || b.shift == shift))
            return b.action;
    }
    return Action::None;
}
