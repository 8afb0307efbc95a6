#include "library/KoClipExport.h"

#include "app/KoLogging.h"
#include "gps/KoGPSModel.h"
#include "gps/KoTrackExport.h"
#include "library/KoClipReadings.h"
#include "library/KoFileInfoModel.h"
#include "library/KoMediaProbe.h"
#include "library/KoMediaTool.h"
#include "library/KoTrips.h"
#include "mainwindow/KoSplitLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>

namespace {

// How far back from an in point keyframes are looked for; a camera writes one
// every second or two.
constexpr double kKeyframeSearch = 30;
// A cut is asked to start just after its keyframe, so that rounding of the
// keyframe's printed time cannot move the seek to the keyframe before it.
constexpr double kAfterKeyframe = 0.0005;
constexpr int kMaxNameTries = 100;

struct Source
{
    QString path;
    KoMediaProbe::Info info;
};
using Recording = QVector<Source>; // by channel; a channel left out has !info.ok

struct Track
{
    QByteArrayList lines;
    bool fineGScale = false;
};

QString number(double value)
{
    return QString::number(value, 'f', 6);
}

// ffmpeg's output format for a channel file, by its name.
QString muxerFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mov"))
        return QStringLiteral("mov");
    if (suffix == QLatin1String("ts"))
        return QStringLiteral("mpegts");
    if (suffix == QLatin1String("avi"))
        return QStringLiteral("avi");
    return QStringLiteral("mp4");
}

// A path inside a filter's option inside a filter graph: escaped for both.
QString filterPath(const QString &path)
{
    QString value;
    for (const QChar c : path) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\'') || c == QLatin1Char(':'))
            value += QLatin1Char('\\');
        value += c;
    }
    QString graph;
    for (const QChar c : value) {
        if (QStringLiteral("\\'[],;").contains(c))
            graph += QLatin1Char('\\');
        graph += c;
    }
    return graph;
}

QString concatEntry(const QString &path)
{
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QStringLiteral("file '%1'\n").arg(quoted);
}

bool writeWhole(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

// rename() that never replaces what is at `to`: errno's value, 0 when moved.
int moveNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the flag: look, then move.
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return EEXIST;
    return ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
}

Track readTrack(const Recording &recording)
{
    for (const Source &source : recording) {
        if (!source.info.ok)
            continue;
        const KoTrackExport::Result result = KoTrackExport::run(source.path, KoTrackExport::Track);
        if (result.status != KoTrackExport::Ok)
            continue;
        Track track;
        track.lines = result.output.split('\n');
        track.lines.removeAll(QByteArray());
        for (QByteArray &line : track.lines)
            line += '\n';
        track.fineGScale = result.fineGScale;
        return track;
    }
    return {};
}

QString unreadableMessage(const QString &path)
{
    return QFileInfo::exists(path)
               ? KoClipExport::tr("The recording %1 cannot be read.").arg(QFileInfo(path).fileName())
               : KoClipExport::tr("The recording %1 cannot be found: it was moved or deleted.")
                     .arg(QDir::toNativeSeparators(path));
}

} // namespace

QString KoClipExport::timeText(double seconds)
{
    const qint64 tenths = qint64(std::llround(std::max(0.0, seconds) * 10));
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

KoClipExport::VideoLayout KoClipExport::videoLayout(const QSize &size, int channelCount)
{
    VideoLayout layout;
    layout.frame = QSize(std::max(320, size.width()) & ~1, std::max(180, size.height()) & ~1);
    layout.strip = std::max(16, layout.frame.height() / 18) & ~1;
    const KoSplitLayout::Placement placement = KoSplitLayout::place(
        channelCount >= 2 ? KoSplitLayout::Mode::Stacked : KoSplitLayout::Mode::FirstAlone,
        QRect(0, 0, layout.frame.width(), layout.frame.height() - layout.strip), {{true, true, true}});
    for (int c = 0; c < 3; ++c) {
        const QRect rect = placement.rects[c];
        if (placement.visible[c] && c < std::max(1, channelCount))
            layout.pictures[c] =
                QRect(rect.topLeft(), QSize(std::max(2, rect.width() & ~1), std::max(2, rect.height() & ~1)));
    }
    return layout;
}

QString KoClipExport::clipName(const QString &firstChannel, KoClipRange::Span range)
{
    auto minutes = [](qint64 s) {
        return QStringLiteral("%1m%2s").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("%1_clip_%2-%3")
        .arg(QFileInfo(firstChannel).completeBaseName(), minutes(qint64(std::floor(range.from))),
             minutes(qint64(std::ceil(range.to))));
}

KoClipExport::Plan KoClipExport::plan(const Request &request, const QString &outputFolder,
                                      const QString &workFolder, const std::atomic<bool> *cancel)
{
    Plan plan;
    auto fail = [&plan](Status status, const QString &message) {
        plan.status = status;
        plan.message = message;
        qCInfo(lcLibrary).noquote() << "clip export:" << message;
        return plan;
    };
    auto cancelled = [cancel] { return cancel && cancel->load(); };
    if (request.channels.isEmpty())
        return fail(Unreadable, tr("No recording was given."));

    // The recordings: this one, then the next one when the range runs into it.
    // Every channel at once; the keyframes only where a cut may start.
    auto probe = [&](const QStringList &files, double in) {
        QVector<KoMediaProbe::Query> queries;
        for (const QString &file : files)
            queries.append({QFileInfo(file).absoluteFilePath(), in - kKeyframeSearch, in > 0 ? in : -1});
        const QVector<KoMediaProbe::Info> answers = KoMediaProbe::probe(queries, cancel);
        Recording recording;
        for (int i = 0; i < files.size(); ++i) {
            recording.append({queries[i].path, answers[i]});
            if (!QFileInfo(files[i]).isFile())
                recording.last().info = KoMediaProbe::Info();
        }
        return recording;
    };
    if (KoMediaTool::program(QStringLiteral("ffmpeg")).isEmpty() ||
        KoMediaTool::program(QStringLiteral("ffprobe")).isEmpty())
        return fail(Unreadable, tr("The clip needs the ffmpeg program, which is not installed."));
    // A video is cut exactly by decoding: it needs no keyframes.
    const double cutsFrom = request.oneVideo ? 0 : request.from;
    QVector<Recording> recordings{probe(request.channels, cutsFrom)};
    if (cancelled())
        return fail(Cancelled, QString());
    if (!recordings[0][0].info.ok)
        return fail(Unreadable, unreadableMessage(recordings[0][0].path));
    QVector<double> durations{recordings[0][0].info.duration};
    if (request.to > durations[0] && !request.nextChannels.isEmpty()) {
        if (KoTrips::followsOn(request.channels.first(), durations[0], request.nextChannels.first())) {
            Recording next = probe(request.nextChannels, std::max(0.0, cutsFrom - durations[0]));
            if (next[0].info.ok) {
                recordings.append(next);
                durations.append(next[0].info.duration);
            } else {
                qCInfo(lcLibrary) << "clip export: the next recording cannot be read:" << next[0].path;
            }
        } else {
            qCDebug(lcLibrary) << "clip export:" << request.nextChannels.first() << "does not follow on";
        }
    }
    if (cancelled())
        return fail(Cancelled, QString());
    for (const Recording &recording : qAsConst(recordings)) {
        for (const Source &source : recording) {
            if (!source.info.ok) {
                plan.leftOut << source.path;
                qCWarning(lcLibrary) << "clip export: left out" << source.path << source.info.error;
            }
        }
    }

    const double total = KoClipRange::startOf(durations.size(), durations);
    if (!(request.to > request.from))
        return fail(BadRange, tr("The range is empty: its end must come after its start."));
    plan.range = KoClipRange::clamp({request.from, request.to}, total);
    if (plan.range.isEmpty())
        return fail(BadRange, tr("The range %1 to %2 lies outside the recording (0:00.0 to %3).")
                                  .arg(timeText(request.from), timeText(request.to), timeText(total)));
    const QVector<KoClipRange::Piece> pieces = KoClipRange::split(plan.range, durations);
    plan.name = clipName(request.channels.first(), plan.range);

    // The track of the range, second by second.
    QVector<Track> tracks;
    for (const Recording &recording : qAsConst(recordings))
        tracks.append(readTrack(recording));
    QByteArrayList rangeLines;
    QVector<KoClipReadings::Event> readings;
    for (const KoClipRange::Piece &piece : pieces) {
        const Track &track = tracks[piece.recording];
        const double start = KoClipRange::startOf(piece.recording, durations);
        const QDateTime cameraTime = KoFileInfoModel::cameraTimeOf(recordings[piece.recording][0].path);
        const int seconds = track.lines.isEmpty() ? int(std::ceil(piece.out)) : track.lines.size();
        const KoClipRange::Seconds covered = KoClipRange::trackSeconds(piece.in, piece.out, seconds);
        const QByteArrayList lines =
            track.lines.mid(covered.first, track.lines.isEmpty() ? 0 : covered.count);
        if (!lines.isEmpty()) {
            plan.hasTrack = true;
            rangeLines += lines;
            QByteArray csv = KoTrackExport::toCsv(lines, track.fineGScale);
            if (!plan.csv.isEmpty())
                csv.remove(0, csv.indexOf('\n') + 1);
            plan.csv += csv;
        }
        for (int i = covered.first; i < covered.first + covered.count; ++i) {
            KoGPSModel sample(lines.value(i - covered.first));
            sample.fineGScale = track.fineGScale;
            const double at = start + i - plan.range.from;
            readings.append({std::max(0.0, at), std::min(at + 1, plan.range.length()),
                             KoClipReadings::line(lines.isEmpty() ? nullptr : &sample,
                                                  cameraTime.isValid() ? cameraTime.addSecs(i) : QDateTime(),
                                                  request.mph)});
        }
    }
    if (plan.hasTrack)
        plan.gpx = KoTrackExport::toGpx(rangeLines, plan.name);
    else
        plan.csv.clear();

    const QStringList common = {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                                QStringLiteral("-nostats"), QStringLiteral("-v"),
                                QStringLiteral("error"),    QStringLiteral("-progress"),
                                QStringLiteral("pipe:1")};
    const int channels = recordings[0].size();

    if (!request.oneVideo) {
        if (plan.hasTrack)
            plan.outputs << plan.name + QStringLiteral(".gpx") << plan.name + QStringLiteral(".csv");
        const int trackFiles = plan.outputs.size();
        Step copy;
        QStringList inputs;
        QStringList outputs;
        for (int c = 0; c < channels; ++c) {
            struct Part
            {
                const Source *source;
                double cut;
                double out;
            };
            QVector<Part> parts;
            for (const KoClipRange::Piece &piece : pieces) {
                const Source *source =
                    c < recordings[piece.recording].size() ? &recordings[piece.recording][c] : nullptr;
                if (!source || !source->info.ok)
                    continue;
                double cut = 0;
                if (piece.in > 0) {
                    cut =
                        std::min(KoClipRange::keyframeAtOrBefore(source->info.keyframes, piece.in), piece.in);
                    plan.backOff = std::max(plan.backOff, piece.in - cut);
                }
                parts.append({source, cut, std::min(piece.out, source->info.duration)});
            }
            if (cancelled())
                return fail(Cancelled, QString());
            if (parts.isEmpty())
                continue;
            // Joined by stream copy only when the streams are alike.
            bool alike = true;
            for (const Part &part : parts) {
                const KoMediaProbe::Info &a = parts.first().source->info;
                const KoMediaProbe::Info &b = part.source->info;
                alike = alike && a.videoSignature == b.videoSignature && a.hasAudio == b.hasAudio &&
                        a.audioSignature == b.audioSignature;
            }
            QVector<QVector<Part>> groups;
            for (const Part &part : parts) {
                if (groups.isEmpty() || !alike)
                    groups.append(QVector<Part>());
                groups.last().append(part);
            }
            for (int g = 0; g < groups.size(); ++g) {
                QByteArray list = "ffconcat version 1.0\n";
                double seconds = 0;
                for (const Part &part : groups[g]) {
                    const KoMediaProbe::Info &info = part.source->info;
                    list += concatEntry(part.source->path).toUtf8();
                    if (part.cut > 0)
                        list += "inpoint " + number(info.start + part.cut + kAfterKeyframe).toLatin1() + '\n';
                    if (part.out < info.duration - 0.001)
                        list += "outpoint " + number(info.start + part.out).toLatin1() + '\n';
                    seconds += part.out - part.cut;
                    copy.bytes += qint64(double(QFileInfo(part.source->path).size()) * (part.out - part.cut) /
                                         info.duration);
                }
                copy.seconds = std::max(copy.seconds, seconds);
                const QString listPath =
                    QDir(workFolder).filePath(QStringLiteral("channel%1-%2.ffconcat").arg(c + 1).arg(g + 1));
                if (!writeWhole(listPath, list))
                    return fail(Unwritable, tr("The temporary folder %1 cannot be written.")
                                                .arg(QDir::toNativeSeparators(workFolder)));
                const QString output = QFileInfo(groups[g].first().source->path).fileName();
                const QString input = QString::number(plan.outputs.size() - trackFiles);
                plan.outputs << output;
                inputs << QStringLiteral("-f") << QStringLiteral("concat") << QStringLiteral("-safe")
                       << QStringLiteral("0") << QStringLiteral("-i") << listPath;
                outputs << QStringLiteral("-map") << input + QStringLiteral(":v:0") << QStringLiteral("-map")
                        << input + QStringLiteral(":a?") << QStringLiteral("-c") << QStringLiteral("copy")
                        << QStringLiteral("-avoid_negative_ts") << QStringLiteral("make_zero")
                        << QStringLiteral("-f") << muxerFor(output) << QDir(outputFolder).filePath(output);
            }
        }
        // One ffmpeg for every output: starting it takes longer than copying.
        copy.arguments = common + inputs + QStringList{QStringLiteral("-n")} + outputs;
        plan.steps.append(copy);
        return plan;
    }

    // One video: channel 1 large, 2 and 3 below it (the player's main layout)
    // above a strip with the readings.
    QVector<int> shown;
    for (int c = 0; c < channels; ++c) {
        if (recordings[0][c].info.ok)
            shown.append(c);
    }
    const VideoLayout layout = videoLayout(request.videoSize, channels);
    const QSize frame = layout.frame;

    QStringList inputs;
    QStringList graph;
    int inputCount = 0;
    QStringList firstChannelInputs; // its sound
    bool sound = true;
    QString base;
    for (int k = 0; k < shown.size(); ++k) {
        const int c = shown[k];
        const QRect rect = layout.pictures[c];
        const QSize fit = rect.size();
        QStringList segments;
        for (const KoClipRange::Piece &piece : pieces) {
            const Source *source =
                c < recordings[piece.recording].size() ? &recordings[piece.recording][c] : nullptr;
            if (!source || !source->info.ok)
                continue;
            if (piece.in > 0)
                inputs << QStringLiteral("-ss") << number(piece.in);
            inputs << QStringLiteral("-t") << number(piece.out - piece.in) << QStringLiteral("-i")
                   << source->path;
            const QString label = QStringLiteral("c%1s%2").arg(c).arg(segments.size());
            graph << QStringLiteral(
                         "[%1:v]scale=%2:%3:force_original_aspect_ratio=decrease:force_divisible_by=2,"
                         "setsar=1[%4]")
                         .arg(inputCount)
                         .arg(fit.width())
                         .arg(fit.height())
                         .arg(label);
            segments << QStringLiteral("[%1]").arg(label);
            if (k == 0) {
                firstChannelInputs << QString::number(inputCount);
                sound = sound && source->info.hasAudio;
            }
            ++inputCount;
        }
        if (segments.isEmpty())
            continue;
        QString picture = segments.first();
        if (segments.size() > 1) {
            picture = QStringLiteral("[c%1]").arg(c);
            graph << segments.join(QString()) + QStringLiteral("concat=n=%1:v=1:a=0").arg(segments.size()) +
                         picture;
        }
        const QString x = QStringLiteral("%1+(%2-%3)/2").arg(rect.x()).arg(fit.width());
        const QString y = QStringLiteral("%1+(%2-%3)/2").arg(rect.y()).arg(fit.height());
        if (base.isEmpty()) {
            base = QStringLiteral("[m0]");
            graph << picture +
                         QStringLiteral("pad=%1:%2:%3:%4:color=black")
                             .arg(frame.width())
                             .arg(frame.height())
                             .arg(x.arg(QStringLiteral("iw")), y.arg(QStringLiteral("ih"))) +
                         base;
        } else {
            const QString next = QStringLiteral("[m%1]").arg(k);
            graph << base + picture +
                         QStringLiteral("overlay=x=%1:y=%2:eof_action=pass")
                             .arg(x.arg(QStringLiteral("overlay_w")), y.arg(QStringLiteral("overlay_h"))) +
                         next;
            base = next;
        }
    }
    const QString readingsPath = QDir(workFolder).filePath(QStringLiteral("readings.ass"));
    if (!writeWhole(readingsPath, KoClipReadings::document(readings, frame, layout.strip)))
        return fail(
            Unwritable,
            tr("The temporary folder %1 cannot be written.").arg(QDir::toNativeSeparators(workFolder)));
    graph << base + QStringLiteral("ass=filename=%1,format=yuv420p[v]").arg(filterPath(readingsPath));
    QStringList maps{QStringLiteral("-map"), QStringLiteral("[v]")};
    if (sound && firstChannelInputs.size() == 1) {
        maps << QStringLiteral("-map") << firstChannelInputs.first() + QStringLiteral(":a:0");
    } else if (sound) {
        QString joined;
        for (int i = 0; i < firstChannelInputs.size(); ++i) {
            graph << QStringLiteral("[%1:a]aresample=48000,aformat=channel_layouts=stereo[a%2]")
                         .arg(firstChannelInputs[i])
                         .arg(i);
            joined += QStringLiteral("[a%1]").arg(i);
        }
        graph << joined + QStringLiteral("concat=n=%1:v=0:a=1[a]").arg(firstChannelInputs.size());
        maps << QStringLiteral("-map") << QStringLiteral("[a]");
    }
    const QString output = plan.name + QStringLiteral(".mp4");
    plan.outputs << output;
    Step step;
    step.seconds = plan.range.length();
    // About 10 Mbit/s at 1080p.
    step.bytes = qint64(step.seconds * 1.25e6 * double(frame.width()) * frame.height() / (1920.0 * 1080.0));
    step.arguments =
        common + inputs + QStringList{QStringLiteral("-filter_complex"), graph.join(QLatin1Char(';'))} +
        maps +
        QStringList{
            QStringLiteral("-c:v"),     QStringLiteral("libx264"),   QStringLiteral("-preset"),
            QStringLiteral("veryfast"), QStringLiteral("-crf"),      QStringLiteral("21"),
            QStringLiteral("-c:a"),     QStringLiteral("aac"),       QStringLiteral("-b:a"),
            QStringLiteral("128k"),     QStringLiteral("-movflags"), QStringLiteral("+faststart"),
            QStringLiteral("-t"),       number(plan.range.length()), QStringLiteral("-f"),
            QStringLiteral("mp4"),      QStringLiteral("-n"),        QDir(outputFolder).filePath(output)};
    plan.steps.append(step);
    return plan;
}

KoClipExport::Result KoClipExport::run(const Request &request, const Progress &progress,
                                       const std::atomic<bool> *cancel)
{
    Result result;
    auto fail = [&result](Status status, const QString &message) {
        result.status = status;
        result.message = message;
        if (status == Cancelled)
            qCInfo(lcLibrary) << "clip export cancelled";
        else
            qCWarning(lcLibrary).noquote() << "clip export failed:" << message;
        return result;
    };
    const QString folder = QFileInfo(request.folder).absoluteFilePath();
    if (request.folder.isEmpty() || !QDir().mkpath(folder))
        return fail(Unwritable, tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
    QTemporaryDir work;
    // Written here first; on any failure the folder goes with what is in it.
    QTemporaryDir staging(QDir(folder).filePath(QStringLiteral(".tavrin-clip-XXXXXX")));
    if (!work.isValid())
        return fail(
            Unwritable,
            tr("The temporary folder %1 cannot be written.").arg(QDir::toNativeSeparators(QDir::tempPath())));
    if (!staging.isValid())
        return fail(Unwritable,
                    tr("The folder %1 cannot be written to.").arg(QDir::toNativeSeparators(folder)));
    // A temporary folder is the owner's alone; the clip's folder is read as any other.
    QFile::setPermissions(staging.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                              QFile::ExeOther);

    const Plan plan = KoClipExport::plan(request, staging.path(), work.path(), cancel);
    result.range = plan.range;
    result.backOff = plan.backOff;
    result.hasTrack = plan.hasTrack;
    result.leftOut = plan.leftOut;
    if (plan.status != Ok)
        return fail(plan.status, plan.message);

    qint64 needed = plan.gpx.size() + plan.csv.size();
    double total = 0;
    for (const Step &step : plan.steps) {
        needed += step.bytes;
        total += step.seconds;
    }
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < needed)
        return fail(Unwritable,
                    tr("There is not enough free space in %1: the clip needs about %2 MB, %3 MB are "
                       "free.")
                        .arg(QDir::toNativeSeparators(folder))
                        .arg(needed / 1000000 + 1)
                        .arg(storage.bytesAvailable() / 1000000));

    const QDir staged(staging.path());
    if (!plan.gpx.isEmpty() && (!writeWhole(staged.filePath(plan.name + QStringLiteral(".gpx")), plan.gpx) ||
                                !writeWhole(staged.filePath(plan.name + QStringLiteral(".csv")), plan.csv)))
        return fail(Unwritable,
                    tr("The track could not be written into %1.").arg(QDir::toNativeSeparators(folder)));

    double done = 0;
    if (progress)
        progress(0);
    for (const Step &step : plan.steps) {
        const KoMediaTool::Outcome outcome =
            KoMediaTool::run(QStringLiteral("ffmpeg"), step.arguments, cancel, [&](double seconds) {
                if (progress && total > 0)
                    progress(std::clamp((done + std::min(seconds, step.seconds)) / total, 0.0, 1.0));
            });
        if (outcome.kind == KoMediaTool::Outcome::Cancelled)
            return fail(Cancelled, QString());
        if (!outcome.ok()) {
            const QStorageInfo after(folder);
            if (outcome.diskFull || (after.isValid() && after.bytesAvailable() == 0))
                return fail(Unwritable, tr("The disk of %1 is full: the clip was not saved.")
                                            .arg(QDir::toNativeSeparators(folder)));
            for (const QString &file : request.channels + request.nextChannels) {
                if (!QFileInfo(file).isFile())
                    return fail(Unreadable, unreadableMessage(file));
            }
            return fail(
                Unwritable,
                tr("ffmpeg could not write the clip: %1").arg(outcome.error.section(QLatin1Char('\n'), -1)));
        }
        done += step.seconds;
    }
    if (cancel && cancel->load())
        return fail(Cancelled, QString());

    // Into place under a name nobody uses yet.
    const QString from = request.oneVideo ? staged.filePath(plan.outputs.first()) : staging.path();
    const QString suffix = request.oneVideo ? QStringLiteral(".mp4") : QString();
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt) {
        const QString name = attempt == 1 ? plan.name : QStringLiteral("%1_%2").arg(plan.name).arg(attempt);
        const QString target = QDir(folder).filePath(name + suffix);
        const int error = moveNoReplace(from, target);
        if (error == EEXIST || error == ENOTEMPTY)
            continue;
        if (error != 0)
            return fail(Unwritable,
                        tr("The clip could not be moved into %1: %2")
                            .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(strerror(error))));
        result.path = target;
        if (request.oneVideo) {
            result.files = QStringList{target};
        } else {
            staging.setAutoRemove(false);
            for (const QString &file : plan.outputs)
                result.files << QDir(target).filePath(file);
        }
        if (progress)
            progress(1);
        qCInfo(lcLibrary).noquote() << "clip written:" << target;
        return result;
    }
    return fail(Unwritable,
                tr("The folder %1 holds too many clips of this name.").arg(QDir::toNativeSeparators(folder)));
}
