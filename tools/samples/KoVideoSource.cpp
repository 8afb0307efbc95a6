#include "tools/samples/KoVideoSource.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

namespace {

constexpr qint64 MaxMoovSize = 64 * 1024 * 1024;

quint32 be32(const QByteArray &d, qint64 at)
{
    if (at < 0 || at + 4 > d.size())
        return 0;
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(d.constData() + at));
}

quint64 be64(const QByteArray &d, qint64 at)
{
    return (quint64(be32(d, at)) << 32) | be32(d, at + 4);
}

// The payload (after the 8-byte header) of the first child box of `type`
// inside `container`'s payload; empty when there is none or sizes are bad.
QByteArray child(const QByteArray &container, const char *type)
{
    qint64 at = 0;
    while (at + 8 <= container.size()) {
        const qint64 size = be32(container, at);
        if (size < 8 || at + size > container.size())
            return {};
        if (container.mid(int(at) + 4, 4) == QByteArray(type, 4))
            return container.mid(int(at) + 8, int(size) - 8);
        at += size;
    }
    return {};
}

QList<QByteArray> children(const QByteArray &container, const char *type)
{
    QList<QByteArray> found;
    qint64 at = 0;
    while (at + 8 <= container.size()) {
        const qint64 size = be32(container, at);
        if (size < 8 || at + size > container.size())
            break;
        if (container.mid(int(at) + 4, 4) == QByteArray(type, 4))
            found.append(container.mid(int(at) + 8, int(size) - 8));
        at += size;
    }
    return found;
}

QString ffmpegProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

QString channelStyle(QChar channel)
{
    // Front as the pattern is; rear and interior in other colours and
    // mirrored, so that no two channels look alike.
    switch (channel.toLatin1()) {
    case 'B':
        return QStringLiteral("hue=h=120,hflip,");
    case 'C':
        return QStringLiteral("hue=h=240,vflip,");
    default:
        return QString();
    }
}

QStringList encoderArguments(const KoVideoParams &params)
{
    const QDateTime utc(params.clock.date(), params.clock.time(), Qt::UTC);
    const QString filter =
        QStringLiteral("%1drawbox=x=0:y=0:w=iw:h=ih/6:color=black@0.85:t=fill,"
                       "drawtext=text='%2':fontsize=h/5:fontcolor=white:x=w/30:y=h/60,"
                       "drawtext=text='%{pts\\:gmtime\\:%3\\:%Y-%m-%d %T}':fontsize=h/14:fontcolor=white:"
                       "x=w-tw-w/30:y=h/24")
            .arg(channelStyle(params.channel), QString(params.channel),
                 QString::number(utc.toSecsSinceEpoch()));
    const QString gop = QString::number(params.fps);
    return {QStringLiteral("-nostdin"),
            QStringLiteral("-v"),
            QStringLiteral("error"),
            QStringLiteral("-y"),
            QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("testsrc2=size=%1x%2:rate=%3")
                .arg(params.size.width())
                .arg(params.size.height())
                .arg(params.fps),
            QStringLiteral("-t"),
            QString::number(params.seconds),
            QStringLiteral("-vf"),
            filter,
            QStringLiteral("-c:v"),
            QStringLiteral("libx264"),
            QStringLiteral("-preset"),
            QStringLiteral("veryfast"),
            QStringLiteral("-pix_fmt"),
            QStringLiteral("yuv420p"),
            QStringLiteral("-bf"),
            QStringLiteral("0"),
            QStringLiteral("-g"),
            gop,
            QStringLiteral("-keyint_min"),
            gop,
            QStringLiteral("-sc_threshold"),
            QStringLiteral("0"),
            QStringLiteral("-an")};
}

bool runFfmpeg(const QStringList &arguments, QString *error)
{
    const QString program = ffmpegProgram();
    if (program.isEmpty()) {
        *error = QStringLiteral("ffmpeg was not found (install the Debian package ffmpeg)");
        return false;
    }
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(program, arguments);
    if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0) {
        *error = QStringLiteral("ffmpeg failed: %1").arg(QString::fromLocal8Bit(ffmpeg.readAll()).trimmed());
        return false;
    }
    return true;
}

} // namespace

bool KoVideoSource::encode(const KoVideoParams &params, const QString &workPath, QString *error)
{
    m_params = params;
    m_file.close();
    m_sampleEntry.clear();
    m_sizes.clear();
    m_offsets.clear();
    m_keyframes.clear();
    QStringList arguments = encoderArguments(params);
    arguments << QStringLiteral("-f") << QStringLiteral("mp4") << workPath;
    if (!runFfmpeg(arguments, error))
        return false;

    m_file.setFileName(workPath);
    if (!m_file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(workPath);
        return false;
    }
    // Find 'moov' among the top-level boxes.
    qint64 at = 0;
    const qint64 end = m_file.size();
    while (at + 8 <= end) {
        m_file.seek(at);
        const QByteArray header = m_file.read(16);
        qint64 size = be32(header, 0);
        if (size == 1)
            size = qint64(be64(header, 8));
        else if (size == 0)
            size = end - at;
        if (size < 8 || at + size > end)
            break;
        if (header.mid(4, 4) == "moov") {
            if (size > MaxMoovSize)
                break;
            m_file.seek(at + 8);
            if (readSampleTable(m_file.read(size - 8), error))
                return true;
            m_sizes.clear();
            m_offsets.clear();
            m_keyframes.clear();
            return false;
        }
        at += size;
    }
    *error = QStringLiteral("no movie box in ffmpeg's output %1").arg(workPath);
    return false;
}

bool KoVideoSource::encodeTransportStream(const KoVideoParams &params, const QString &path, QString *error)
{
    QStringList arguments = encoderArguments(params);
    arguments << QStringLiteral("-f") << QStringLiteral("mpegts") << path;
    return runFfmpeg(arguments, error);
}

bool KoVideoSource::readSampleTable(const QByteArray &moov, QString *error)
{
    for (const QByteArray &trak : children(moov, "trak")) {
        const QByteArray mdia = child(trak, "mdia");
        if (child(mdia, "hdlr").mid(8, 4) != "vide")
            continue;
        const QByteArray stbl = child(child(mdia, "minf"), "stbl");
        const QByteArray stsd = child(stbl, "stsd");
        const QByteArray stsz = child(stbl, "stsz");
        const QByteArray stsc = child(stbl, "stsc");
        const QByteArray stss = child(stbl, "stss");
        QByteArray stco = child(stbl, "stco");
        const bool wide = stco.isEmpty();
        if (wide)
            stco = child(stbl, "co64");
        if (be32(stsd, 4) < 1 || stsz.size() < 12 || stsc.size() < 8 || stco.size() < 8)
            break;
        m_sampleEntry = stsd.mid(8, int(be32(stsd, 8)));

        // Sizes.
        const quint32 uniform = be32(stsz, 4);
        const qint64 count = std::min<qint64>(be32(stsz, 8), uniform ? 1 << 24 : (stsz.size() - 12) / 4);
        m_sizes.resize(int(count));
        for (int i = 0; i < count; ++i)
            m_sizes[i] = uniform ? uniform : be32(stsz, 12 + 4 * i);

        // Offsets: chunks from the chunk table, samples per chunk from the
        // sample-to-chunk runs.
        const qint64 chunks = std::min<qint64>(be32(stco, 4), (stco.size() - 8) / (wide ? 8 : 4));
        const qint64 runs = std::min<qint64>(be32(stsc, 4), (stsc.size() - 8) / 12);
        m_offsets.resize(int(count));
        int sample = 0;
        for (qint64 run = 0; run < runs && sample < count; ++run) {
            const qint64 firstChunk = qint64(be32(stsc, 8 + 12 * run)) - 1;
            const qint64 nextFirst = run + 1 < runs ? qint64(be32(stsc, 8 + 12 * (run + 1))) - 1 : chunks;
            const quint32 perChunk = be32(stsc, 8 + 12 * run + 4);
            for (qint64 c = firstChunk; c < nextFirst && c < chunks && sample < count; ++c) {
                quint64 offset = wide ? be64(stco, 8 + 8 * c) : be32(stco, 8 + 4 * c);
                for (quint32 k = 0; k < perChunk && sample < count; ++k) {
                    m_offsets[sample] = offset;
                    offset += m_sizes[sample];
                    ++sample;
                }
            }
        }
        if (sample != count)
            break;

        m_keyframes.fill(stss.isEmpty(), int(count));
        const qint64 syncs = std::min<qint64>(be32(stss, 4), (stss.size() - 8) / 4);
        for (qint64 i = 0; i < syncs; ++i) {
            const qint64 index = qint64(be32(stss, 8 + 4 * i)) - 1;
            if (index >= 0 && index < count)
                m_keyframes[int(index)] = true;
        }
        if (count > 0)
            return true;
        break;
    }
    *error = QStringLiteral("no usable video track in ffmpeg's output");
    return false;
}

QByteArray KoVideoSource::frame(int i)
{
    if (i < 0 || i >= m_offsets.size() || !m_file.seek(qint64(m_offsets[i])))
        return {};
    return m_file.read(m_sizes[i]);
}
