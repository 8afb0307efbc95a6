#include "library/KoClipRange.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBefore = 20;
constexpr double kAfter = 10;
constexpr double kOneMark = kBefore + kAfter;
constexpr double kShortest = 0.001;
constexpr double kRounding = 1e-6;

} // namespace

KoClipRange::Span KoClipRange::initial(double position, double total, double markIn, double markOut)
{
    const bool hasIn = markIn >= 0;
    const bool hasOut = markOut >= 0;
    Span range{hasIn ? markIn : position - kBefore, hasOut ? markOut : position + kAfter};
    if (range.to <= range.from && hasIn != hasOut) {
        if (hasIn)
            range.to = markIn + kOneMark;
        else
            range.from = markOut - kOneMark;
    }
    return clamp(range, total);
}

KoClipRange::Marks KoClipRange::mark(Marks marks, bool in, double position)
{
    position = std::max(position, 0.0);
    if (in) {
        marks.in = position;
        if (marks.out >= 0 && marks.out <= position)
            marks.out = -1;
    } else {
        marks.out = position;
        if (marks.in >= 0 && marks.in >= position)
            marks.in = -1;
    }
    return marks;
}

KoClipRange::Span KoClipRange::clamp(Span range, double total)
{
    range.from = std::max(range.from, 0.0);
    range.to = std::min(range.to, total);
    if (range.isEmpty())
        return Span{range.from, range.from};
    return range;
}

double KoClipRange::startOf(int index, const QVector<double> &durations)
{
    double start = 0;
    for (int i = 0; i < index && i < durations.size(); ++i)
        start += durations[i];
    return start;
}

QVector<KoClipRange::Piece> KoClipRange::split(Span range, const QVector<double> &durations)
{
    QVector<Piece> pieces;
    for (int i = 0; i < durations.size(); ++i) {
        const double start = startOf(i, durations);
        const double in = std::max(range.from, start) - start;
        const double out = std::min(range.to, start + durations[i]) - start;
        if (out - in >= kShortest)
            pieces.append(Piece{i, in, out});
    }
    return pieces;
}

double KoClipRange::keyframeAtOrBefore(const QVector<double> &keyframes, double t)
{
    if (keyframes.isEmpty())
        return t;
    const auto after = std::upper_bound(keyframes.begin(), keyframes.end(), t + kRounding);
    return after == keyframes.begin() ? keyframes.first() : *(after - 1);
}

KoClipRange::Seconds KoClipRange::trackSeconds(double in, double out, int samples)
{
    // Second i is [i, i + 1): it belongs to the piece when it overlaps it.
    const int first = std::max(0, int(std::floor(in + kRounding)));
    const int end = std::min(samples, int(std::ceil(out - kRounding)));
    return Seconds{std::min(first, samples), std::max(0, end - first)};
}
