#include "library/KoClipReadings.h"

#include "gps/KoGPSModel.h"

#include <QStringList>

#include <cmath>

namespace {

QString assTime(double seconds)
{
    const qint64 cs = qint64(std::llround(std::max(0.0, seconds) * 100));
    return QStringLiteral("%1:%2:%3.%4")
        .arg(cs / 360000)
        .arg(cs / 6000 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'));
}

QString degrees(double value, char positive, char negative)
{
    return QStringLiteral("%1\u00b0 %2")
        .arg(std::fabs(value), 0, 'f', 6)
        .arg(QLatin1Char(value < 0 ? negative : positive));
}

QString signedG(float g)
{
    const long hundredths = std::lround(double(g) * 100);
    return (hundredths < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QString::number(std::labs(hundredths) / 100.0, 'f', 2);
}

} // namespace

QString KoClipReadings::line(const KoGPSModel *sample, const QDateTime &cameraTime, bool mph)
{
    const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    QDateTime time = sample ? sample->dateTimeValue() : QDateTime();
    QStringList parts{time.isValid()         ? time.toString(timeFormat)
                      : cameraTime.isValid() ? cameraTime.toString(timeFormat)
                                             : QString()};
    if (sample) {
        parts << (mph ? QStringLiteral("%1 mph").arg(std::lround(sample->speedMph))
                      : QStringLiteral("%1 km/h").arg(std::lround(sample->speedKmh)));
        if (sample->status == 'A')
            parts << degrees(sample->wgsLatitude, 'N', 'S') + QStringLiteral("  ") +
                         degrees(sample->wgsLongitude, 'E', 'W');
        else
            parts << tr("no GPS fix");
        parts << QStringLiteral("G  x %1  y %2  z %3")
                     .arg(signedG(sample->gForceX()), signedG(sample->gForceY()), signedG(sample->gForceZ()));
    }
    parts.removeAll(QString());
    return parts.join(QStringLiteral("     "));
}

QByteArray KoClipReadings::document(const QVector<Event> &events, const QSize &frame, int strip)
{
    const int fontSize = std::max(8, strip / 2);
    const int margin = std::max(0, (strip - fontSize) / 2);
    QString text =
        QStringLiteral("[Script Info]\n"
                       "ScriptType: v4.00+\n"
                       "PlayResX: %1\n"
                       "PlayResY: %2\n"
                       "WrapStyle: 2\n"
                       "ScaledBorderAndShadow: yes\n\n"
                       "[V4+ Styles]\n"
                       "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
                       "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, "
                       "ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, "
                       "MarginR, MarginV, Encoding\n"
                       "Style: Readings,DejaVu Sans,%3,&H00FFFFFF,&H00FFFFFF,&H00000000,&H00000000,"
                       "0,0,0,0,100,100,0,0,1,1,0,2,10,10,%4,1\n\n"
                       "[Events]\n"
                       "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, "
                       "Text\n")
            .arg(frame.width())
            .arg(frame.height())
            .arg(fontSize)
            .arg(margin);
    for (const Event &event : events) {
        // Braces and backslashes would start override codes.
        QString line = event.text;
        line.replace(QLatin1Char('{'), QLatin1Char('(')).replace(QLatin1Char('}'), QLatin1Char(')'));
        line.replace(QLatin1Char('\\'), QLatin1Char('/')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += QStringLiteral("Dialogue: 0,%1,%2,Readings,,0,0,0,,%3\n")
                    .arg(assTime(event.start), assTime(event.end), line);
    }
    return text.toUtf8();
}
