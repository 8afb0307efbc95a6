#include "gps/KoTrackExport.h"

#include "app/KoLogging.h"
#include "gps/KoGPSModel.h"
#include "gps/KoTrackExtractor.h"
#include "gps/KoTrackSample.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <sys/stat.h>

namespace {

constexpr double MetresPerSecondPerKnot = 1852.0 / 3600.0;

QString isoTime(const KoGPSModel &sample)
{
    const QDateTime t = sample.dateTimeValue();
    return t.isValid() ? t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

bool KoTrackExport::parseFormat(const QString &name, Format *format)
{
    static const struct
    {
        const char *name;
        Format format;
    } formats[] = {{"track", Track}, {"gpx", Gpx}, {"csv", Csv}, {"events", Events}};
    for (const auto &f : formats) {
        if (name == QLatin1String(f.name)) {
            *format = f.format;
            return true;
        }
    }
    return false;
}

bool KoTrackExport::kindOf(const QString &path, KoTrackExtractor::Kind *kind)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mov"))
        *kind = KoTrackExtractor::MovWalk;
    else if (suffix == QLatin1String("mp4"))
        *kind = KoTrackExtractor::Mp4Walk;
    else if (suffix == QLatin1String("ts"))
        *kind = KoTrackExtractor::TsScan;
    else
        return false;
    return true;
}

KoTrackExport::Result KoTrackExport::run(const QString &path, Format format)
{
    Result result;
    QFile source(path);
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || !source.open(QIODevice::ReadOnly)) {
        result.status = Unreadable;
        result.message = QStringLiteral("cannot read %1: %2")
                             .arg(path, !info.exists()   ? QStringLiteral("no such file")
                                        : !info.isFile() ? QStringLiteral("not a file")
                                                         : source.errorString());
        return result;
    }
    source.close();
    KoTrackExtractor::Kind kind;
    if (!kindOf(path, &kind)) {
        result.status = Unreadable;
        result.message = QStringLiteral("%1: not an MP4, MOV or TS recording (by its name)").arg(path);
        return result;
    }
    if (kind == KoTrackExtractor::TsScan) {
        // The survey runs so that the extractor's report is the same as the
        // player's; a TS recording never yields a track.
        QTemporaryDir work;
        extractTrack(QFile::encodeName(path), QFile::encodeName(work.filePath(QStringLiteral("track.txt"))),
                     kind);
        result.status = NoTrack;
        result.message =
            QStringLiteral("%1: a TS recording holds no GPS track the player can read").arg(path);
        return result;
    }

    QTemporaryDir work;
    const QString trackPath = work.filePath(QStringLiteral("track.txt"));
    bool direct = false;
    const int extracted =
        work.isValid() ? extractTrack(QFile::encodeName(path), QFile::encodeName(trackPath), kind, &direct)
                       : -1;
    QByteArrayList lines;
    QFile track(trackPath);
    if (extracted == 0 && track.open(QIODevice::ReadOnly)) {
        while (!track.atEnd())
            lines.append(track.readLine());
    }
    if (lines.isEmpty()) {
        result.status = NoTrack;
        result.message = QStringLiteral("%1: no GPS track found").arg(path);
        return result;
    }
    result.samples = lines.size();
    result.fineGScale = direct;
    switch (format) {
    case Track:
        result.output = lines.join();
        break;
    case Gpx:
        result.output = toGpx(lines, QFileInfo(path).fileName());
        break;
    case Csv:
        result.output = toCsv(lines, direct);
        break;
    case Events:
        result.output = toEventsCsv(lines, direct, KoDrivingEvents::thresholdsFromSettings());
        break;
    }
    return result;
}

KoTrackExport::Result KoTrackExport::exportTo(const QString &path, Format format, const QString &target,
                                              bool replace, const QStringList &kept)
{
    Result result;
    result.status = checkTarget(target, path, kept, &result.message);
    if (result.status != Ok)
        return result;
    result = run(path, format);
    if (result.status != Ok)
        return result;
    QString error;
    result.status = writeFile(target, result.output, replace, &error);
    result.message = error;
    return result;
}

bool KoTrackExport::isSameFile(const QString &a, const QString &b)
{
    struct stat sa;
    struct stat sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

KoTrackExport::Status KoTrackExport::checkTarget(const QString &target, const QString &source,
                                                 const QStringList &kept, QString *error)
{
    // The writer replaces the file a link points to: compare the files
    // themselves, not their names.
    const bool isSource = isSameFile(target, source);
    bool isKept = false;
    for (const QString &path : kept)
        isKept = isKept || isSameFile(target, path);
    if (!isSource && !isKept)
        return Ok;
    qCWarning(lcGps) << "refused to write a track over" << target << (isSource ? "(the recording)" : "");
    if (error)
        *error =
            isSource
                ? QStringLiteral("will not write the track over the recording itself: %1").arg(target)
                : QStringLiteral("will not write the track over a recording of the list: %1").arg(target);
    return TargetIsSource;
}

KoTrackExport::Status KoTrackExport::writeFile(const QString &target, const QByteArray &data, bool replace,
                                               QString *error)
{
    auto fail = [&](Status status, const QString &why) {
        qCWarning(lcGps) << "cannot write" << target << why;
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(target, why);
        return status;
    };
    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        // A device, a pipe or a terminal ("-o /dev/stdout"): written into,
        // never replaced by a file of its name (which, for /dev/null, would
        // take the device away from every program).
        if (info.isDir())
            return fail(Unwritable, QStringLiteral("it is a folder"));
        QFile stream(target);
        if (!stream.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || stream.write(data) != data.size())
            return fail(Unwritable, stream.errorString());
        return Ok;
    }
    if (!replace && info.exists())
        return fail(TargetExists, QStringLiteral("the file exists"));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return fail(Unwritable, file.errorString());
    if (file.write(data) != data.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(Unwritable, why);
    }
    // QSaveFile renames over the target in one step; a target that appeared
    // meanwhile is replaced only when that was asked for.
    if (!replace && QFileInfo::exists(target)) {
        file.cancelWriting();
        return fail(TargetExists, QStringLiteral("the file exists"));
    }
    if (!file.commit())
        return fail(Unwritable, file.errorString());
    return Ok;
}

QString KoTrackExport::suffix(Format format)
{
    switch (format) {
    case Gpx:
        return QStringLiteral("gpx");
    case Csv:
    case Events:
        return QStringLiteral("csv");
    case Track:
        break;
    }
    return QStringLiteral("txt");
}

QByteArray KoTrackExport::toGpx(const QByteArrayList &lines, const QString &name)
{
    // GPX 1.1 has no speed or course of its own: both go into the Garmin
    // track point extension that mapping tools read. The camera clock has no
    // time zone, so the times are written without one.
    const QString GarminNs = QStringLiteral("http://www.garmin.com/xmlschemas/TrackPointExtension/v2");
    QByteArray gpx;
    QXmlStreamWriter xml(&gpx);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    xml.writeNamespace(GarminNs, QStringLiteral("gpxtpx"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Tavrin Player track-export"));
    xml.writeAttribute(
        QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("schemaLocation"),
        QStringLiteral("http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd "
                       "http://www.garmin.com/xmlschemas/TrackPointExtension/v2 "
                       "http://www.garmin.com/xmlschemas/TrackPointExtensionv2.xsd"));
    xml.writeStartElement(QStringLiteral("trk"));
    xml.writeTextElement(QStringLiteral("name"), name);
    xml.writeStartElement(QStringLiteral("trkseg"));
    for (const QByteArray &line : lines) {
        const KoGPSModel sample(line);
        if (!sample.hasPosition())
            continue; // no fix, or no usable position
        xml.writeStartElement(QStringLiteral("trkpt"));
        xml.writeAttribute(QStringLiteral("lat"), fixed(sample.wgsLatitude, 7));
        xml.writeAttribute(QStringLiteral("lon"), fixed(sample.wgsLongitude, 7));
        if (sample.hasAltitude())
            xml.writeTextElement(QStringLiteral("ele"), fixed(sample.altitude, 1));
        const QString time = isoTime(sample);
        if (!time.isEmpty())
            xml.writeTextElement(QStringLiteral("time"), time);
        if (sample.hasSpeed() || sample.hasHeading()) {
            xml.writeStartElement(QStringLiteral("extensions"));
            xml.writeStartElement(GarminNs, QStringLiteral("TrackPointExtension"));
            if (sample.hasSpeed())
                xml.writeTextElement(GarminNs, QStringLiteral("speed"),
                                     fixed(sample.speedKnots * MetresPerSecondPerKnot, 2));
            if (sample.hasHeading())
                xml.writeTextElement(GarminNs, QStringLiteral("course"), fixed(sample.heading, 2));
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return gpx;
}

QByteArray KoTrackExport::toCsv(const QByteArrayList &lines, bool fineGScale)
{
    QByteArray csv = "time,status,latitude,longitude,altitude_m,speed_kmh,heading_deg,g_x,g_y,g_z\n";
    for (const QByteArray &line : lines) {
        KoGPSModel sample(line);
        sample.fineGScale = fineGScale;
        const bool fix = sample.hasPosition();
        const QStringList fields = {
            isoTime(sample),
            sample.status ? QString(QLatin1Char(sample.status)) : QString(),
            fix ? fixed(sample.wgsLatitude, 7) : QString(),
            fix ? fixed(sample.wgsLongitude, 7) : QString(),
            fix && sample.hasAltitude() ? fixed(sample.altitude, 1) : QString(),
            sample.hasSpeed() ? fixed(sample.speedKmh, 2) : QString(),
            sample.hasHeading() ? fixed(sample.heading, 2) : QString(),
            fixed(sample.gForceX(), 4),
            fixed(sample.gForceY(), 4),
            fixed(sample.gForceZ(), 4),
        };
        csv += fields.join(QLatin1Char(',')).toUtf8() + '\n';
    }
    return csv;
}

QByteArray KoTrackExport::toEventsCsv(const QByteArrayList &lines, bool fineGScale,
                                      const KoDrivingEvents::Thresholds &thresholds)
{
    QVector<KoTrackSample> track;
    track.reserve(lines.size());
    for (const QByteArray &line : lines) {
        KoGPSModel sample(line);
        sample.fineGScale = fineGScale;
        track.append(KoTrackSample::fromModel(sample));
    }
    return KoDrivingEvents::toCsv(KoDrivingEvents::detect(track, thresholds));
}
