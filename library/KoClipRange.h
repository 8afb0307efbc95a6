#pragma once

#include <QVector>

// The arithmetic of a clip, in seconds: the range a user marks, held to what
// the recording (and the one following on, laid end to end with it) holds,
// its pieces per recording, the keyframe a stream-copied cut starts at, and
// the track seconds a piece covers (sample i belongs to second i).
class KoClipRange
{
public:
    struct Span
    {
        double from = 0;
        double to = 0;
        bool isEmpty() const { return !(to > from); }
        double length() const { return isEmpty() ? 0 : to - from; }
    };

    // Where the export dialog starts: the marks (a negative mark is none),
    // else 20 s before to 10 s after `position`. One mark alone keeps its
    // side and the default fills the other; a default that ends up on the
    // wrong side of the mark gives 30 s from (or up to) the mark. Held to
    // [0, total].
    static Span initial(double position, double total, double markIn = -1, double markOut = -1);

    // The I/O marks of the playing recording (negative: not set).
    struct Marks
    {
        double in = -1;
        double out = -1;
    };
    // "I" (`in` true) or "O" at `position`: the mark moves there; the other
    // mark is dropped when it would end up on the wrong side.
    static Marks mark(Marks marks, bool in, double position);

    // `range` held to [0, total]; empty when nothing of it lies inside.
    static Span clamp(Span range, double total);

    // A part of the range inside one recording, in that recording's seconds.
    struct Piece
    {
        int recording = 0;
        double in = 0;
        double out = 0;
    };
    // The pieces of `range` (seconds from the first recording's start) over
    // recordings of `durations` laid end to end; none shorter than a
    // millisecond.
    static QVector<Piece> split(Span range, const QVector<double> &durations);
    // Where recording `index` starts on that timeline.
    static double startOf(int index, const QVector<double> &durations);

    // The latest of the ascending `keyframes` at or before `t` (a microsecond
    // of rounding allowed); the first keyframe when all lie after `t`; `t`
    // itself when there are none.
    static double keyframeAtOrBefore(const QVector<double> &keyframes, double t);

    // The track samples a piece [in, out) covers: first index and count, of
    // `samples` in all.
    struct Seconds
    {
        int first = 0;
        int count = 0;
    };
    static Seconds trackSeconds(double in, double out, int samples);
};
