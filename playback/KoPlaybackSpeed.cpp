#include "playback/KoPlaybackSpeed.h"

#include <QCoreApplication>

#include <iterator>

namespace {

constexpr double Steps[] = {0.125, 0.25, 0.5, 1.0, 1.5, 2.0, 4.0, 8.0};
// Speeds read back from a player may differ from a step in the last digits.
constexpr double Tolerance = 1e-6;

} // namespace

double KoPlaybackSpeed::slower(double speed)
{
    for (auto it = std::rbegin(Steps); it != std::rend(Steps); ++it) {
        if (*it < speed - Tolerance)
            return *it;
    }
    return Steps[0];
}

double KoPlaybackSpeed::faster(double speed)
{
    for (double step : Steps) {
        if (step > speed + Tolerance)
            return step;
    }
    return std::end(Steps)[-1];
}

QString KoPlaybackSpeed::suffix(double speed)
{
    if (qAbs(speed - Normal) < Tolerance)
        return QString();
    return QStringLiteral("  ") +
           QCoreApplication::translate("KoPlaybackSpeed", "%1x").arg(QString::number(speed, 'g', 4));
}
