#include "library/KoMediaProbe.h"

#include "library/KoMediaTool.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <future>
#include <vector>

namespace {

// Read intervals are in the container's timestamps, which may start later
// than 0 (a transport stream starts at about 1.4 s): the stretch read is
// widened by this much after its end.
constexpr double kStartSlack = 5;

// ffprobe writes numbers as strings ("10.000000", or "N/A").
double number(const QJsonValue &value, bool *ok = nullptr)
{
    bool valid = false;
    const double n = value.toString().toDouble(&valid);
    if (ok)
        *ok = valid;
    return valid ? n : 0;
}

QString field(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

} // namespace

KoMediaProbe::Info KoMediaProbe::probe(const Query &query, const std::atomic<bool> *cancel)
{
    Info info;
    QString entries =
        QStringLiteral("format=start_time,duration:stream=index,codec_type,codec_name,profile,width,"
                       "height,pix_fmt,sample_rate,channels,duration,extradata_hash");
    QStringList arguments{QStringLiteral("-v"),   QStringLiteral("error"),           QStringLiteral("-of"),
                          QStringLiteral("json"), QStringLiteral("-show_data_hash"), QStringLiteral("CRC32")};
    const bool keyframes = query.keyframesTo >= 0;
    if (keyframes) {
        // ffprobe starts reading at the keyframe at or before the interval.
        entries += QStringLiteral(":packet=stream_index,pts_time,flags");
        arguments << QStringLiteral("-read_intervals")
                  << QStringLiteral("%1%%2")
                         .arg(std::max(0.0, query.keyframesFrom), 0, 'f', 6)
                         .arg(query.keyframesTo + kStartSlack, 0, 'f', 6);
    }
    arguments << QStringLiteral("-show_entries") << entries << query.path;
    const KoMediaTool::Outcome run = KoMediaTool::run(QStringLiteral("ffprobe"), arguments, cancel);
    if (!run.ok()) {
        info.error = run.error;
        return info;
    }
    QJsonParseError parse;
    const QJsonObject top = QJsonDocument::fromJson(run.output, &parse).object();
    if (top.isEmpty()) {
        info.error = QStringLiteral("ffprobe's answer is not understood: %1").arg(parse.errorString());
        return info;
    }
    const QJsonObject format = top.value(QLatin1String("format")).toObject();
    info.start = number(format.value(QLatin1String("start_time")));
    info.duration = number(format.value(QLatin1String("duration")));
    int video = -1;
    for (const QJsonValue &value : top.value(QLatin1String("streams")).toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream.value(QLatin1String("codec_type")).toString();
        if (type == QLatin1String("video") && video < 0) {
            video = stream.value(QLatin1String("index")).toInt();
            info.size = QSize(stream.value(QLatin1String("width")).toInt(),
                              stream.value(QLatin1String("height")).toInt());
            bool known = false;
            const double duration = number(stream.value(QLatin1String("duration")), &known);
            if (known && duration > 0)
                info.duration = duration;
            info.videoSignature = QStringList{field(stream, "codec_name"), field(stream, "profile"),
                                              field(stream, "width"),      field(stream, "height"),
                                              field(stream, "pix_fmt"),    field(stream, "extradata_hash")}
                                      .join(QLatin1Char('/'));
        } else if (type == QLatin1String("audio") && !info.hasAudio) {
            info.hasAudio = true;
            info.audioSignature = QStringList{field(stream, "codec_name"), field(stream, "sample_rate"),
                                              field(stream, "channels")}
                                      .join(QLatin1Char('/'));
        }
    }
    for (const QJsonValue &value : top.value(QLatin1String("packets")).toArray()) {
        const QJsonObject packet = value.toObject();
        bool ok = false;
        const double t = number(packet.value(QLatin1String("pts_time")), &ok) - info.start;
        if (ok && packet.value(QLatin1String("stream_index")).toInt() == video && t <= query.keyframesTo &&
            packet.value(QLatin1String("flags")).toString().startsWith(QLatin1Char('K')))
            info.keyframes.append(t);
    }
    std::sort(info.keyframes.begin(), info.keyframes.end());
    if (video < 0)
        info.error = QStringLiteral("no video stream in %1").arg(query.path);
    else if (!(info.duration > 0))
        info.error = QStringLiteral("no duration known for %1").arg(query.path);
    else
        info.ok = true;
    return info;
}

QVector<KoMediaProbe::Info> KoMediaProbe::probe(const QVector<Query> &queries,
                                                const std::atomic<bool> *cancel)
{
    // Starting ffprobe costs more than its answer: the runs overlap.
    std::vector<std::future<Info>> runs;
    for (const Query &query : queries)
        runs.push_back(std::async(std::launch::async, [query, cancel] { return probe(query, cancel); }));
    QVector<Info> answers;
    for (std::future<Info> &run : runs)
        answers.append(run.get());
    return answers;
}
