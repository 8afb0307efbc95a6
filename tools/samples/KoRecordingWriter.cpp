#include "tools/samples/KoRecordingWriter.h"

#include "tools/samples/KoBoxWriter.h"
#include "tools/samples/KoVideoSource.h"

#include <QFile>
#include <QtEndian>
#include <QtMath>
#include <cmath>

namespace {

constexpr quint32 MovieTimescale = 1000;
constexpr int TsPacket = 188;
constexpr quint16 CameraDataPid = 0x300;

quint32 macTime(const QDateTime &t)
{
    if (!t.isValid())
        return 0;
    const QDateTime epoch(QDate(1904, 1, 1), QTime(0, 0), Qt::UTC);
    return quint32(epoch.secsTo(QDateTime(t.date(), t.time(), Qt::UTC)));
}

} // namespace

const char *KoRecordingWriter::layoutName(Layout layout)
{
    switch (layout) {
    case GpsIndexBox:
        return "gps-index";
    case FreeGpsChunks:
        return "free-gps";
    case DirectChunks:
        return "direct";
    case NoTrack:
        break;
    }
    return "none";
}

KoRecordingWriter::KoRecordingWriter(Layout layout, KoVideoSource *video)
    : m_layout(layout)
    , m_video(video)
{}

qint64 KoRecordingWriter::gpsDistance(int channels, int bits, int rate)
{
    return qint64(channels * bits * rate / 8000) * 1024;
}

int KoRecordingWriter::seconds() const
{
    const int fps = m_video->params().fps;
    return (m_video->frameCount() + fps - 1) / fps;
}

bool KoRecordingWriter::write(const QString &path, QString *error)
{
    const int fps = m_video->params().fps;
    const int secs = seconds();
    if (m_layout != NoTrack && m_samples.size() < secs) {
        *error =
            QStringLiteral("%1: %2 GPS samples for %3 s of video").arg(path).arg(m_samples.size()).arg(secs);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    KoBoxWriter w(&file);
    m_videoChunks = {};
    m_extraChunks = {};
    m_recordOffsets.clear();

    w.begin("ftyp");
    if (isMov(m_layout)) {
        w.fourcc("qt  ");
        w.u32(0x20050300);
        w.fourcc("qt  ");
    } else {
        w.fourcc("isom");
        w.u32(0x200);
        for (const char *brand : {"isom", "iso2", "avc1", "mp41"})
            w.fourcc(brand);
    }
    w.end();

    const qint64 distance = gpsDistance(1, 16, m_soundRate);
    w.begin("mdat");
    for (int s = 0; s < secs; ++s) {
        const int first = s * fps;
        const int last = std::min(first + fps, m_video->frameCount());
        m_videoChunks.chunkOffsets.append(quint64(w.pos()));
        m_videoChunks.samplesPerChunk.append(quint32(last - first));
        for (int i = first; i < last; ++i) {
            const QByteArray frame = m_video->frame(i);
            if (frame.size() != int(m_video->frameSize(i))) {
                *error = QStringLiteral("cannot read frame %1 of the encoded video").arg(i);
                return false;
            }
            w.bytes(frame);
        }
        switch (m_layout) {
        case GpsIndexBox:
            m_recordOffsets.append(quint64(w.pos()));
            w.begin("free");
            w.fourcc("GPS ");
            w.u32(0);
            w.bytes(m_samples[s].toBlock());
            w.end();
            break;
        case FreeGpsChunks: {
            const QByteArray pcm = sound(s);
            m_extraChunks.chunkOffsets.append(quint64(w.pos()));
            m_extraChunks.samplesPerChunk.append(quint32(pcm.size() / 2));
            w.bytes(pcm);
            w.zeros(distance - pcm.size());
            w.begin("free");
            w.fourcc("GPS ");
            w.u32(0);
            w.bytes(m_samples[s].toBlock());
            w.end();
            break;
        }
        case DirectChunks:
            m_extraChunks.chunkOffsets.append(quint64(w.pos()));
            m_extraChunks.samplesPerChunk.append(1);
            w.bytes(m_samples[s].toBlock());
            break;
        case NoTrack:
            break;
        }
    }
    w.end();
    if (w.pos() > 0x7fffffff) {
        *error = QStringLiteral("%1 would reach 2 GiB; choose fewer seconds or a smaller size").arg(path);
        file.remove();
        return false;
    }

    writeMovie(w);

    if (m_layout == GpsIndexBox) {
        w.begin("gps ");
        w.u32(1); // version
        w.u32(quint32(m_recordOffsets.size()));
        for (quint64 offset : m_recordOffsets) {
            w.u32(quint32(offset));
            w.u32(RecordHeaderSize + KoDriveSample::BlockSize);
        }
        w.end();
    }
    file.close();
    if (!w.ok() || file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("writing %1 failed: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void KoRecordingWriter::writeMovie(KoBoxWriter &w)
{
    const quint32 duration =
        quint32(qint64(m_video->frameCount()) * MovieTimescale / quint32(m_video->params().fps));
    const quint32 created = macTime(m_created);
    w.begin("moov");
    w.begin("mvhd");
    w.fullBoxHeader(0, 0);
    w.u32(created);
    w.u32(created);
    w.u32(MovieTimescale);
    w.u32(duration);
    w.fixed16(1.0); // rate
    w.fixed8(1.0);  // volume
    w.zeros(10);
    w.unityMatrix();
    w.zeros(24);
    w.u32(m_layout == NoTrack ? 2 : 3); // next track id
    w.end();
    writeVideoTrack(w, duration);
    if (m_layout == FreeGpsChunks)
        writeSoundTrack(w, duration);
    else if (m_layout == DirectChunks)
        writeGpsTrack(w, duration);
    w.end();
}

void KoRecordingWriter::writeTrackHeader(KoBoxWriter &w, quint32 id, quint32 duration, bool sound, int width,
                                         int height)
{
    const quint32 created = macTime(m_created);
    w.begin("tkhd");
    w.fullBoxHeader(0, 3); // enabled, in movie
    w.u32(created);
    w.u32(created);
    w.u32(id);
    w.u32(0);
    w.u32(duration);
    w.zeros(8);
    w.u16(0);                // layer
    w.u16(sound ? 1 : 0);    // alternate group
    w.fixed8(sound ? 1 : 0); // volume
    w.u16(0);
    w.unityMatrix();
    w.fixed16(width);
    w.fixed16(height);
    w.end();
}

void KoRecordingWriter::writeMediaHeader(KoBoxWriter &w, quint32 timescale, quint64 duration)
{
    const quint32 created = macTime(m_created);
    w.begin("mdhd");
    w.fullBoxHeader(0, 0);
    w.u32(created);
    w.u32(created);
    w.u32(timescale);
    w.u32(quint32(duration));
    w.u16(isMov(m_layout) ? 0x7fff : 0x55c4); // unspecified / "und"
    w.u16(0);
    w.end();
}

void KoRecordingWriter::writeHandler(KoBoxWriter &w, bool inMediaBox, const char *type, const char *name)
{
    w.begin("hdlr");
    w.fullBoxHeader(0, 0);
    if (isMov(m_layout)) {
        // QuickTime component: media handler in 'mdia', data handler in 'minf'.
        w.fourcc(inMediaBox ? "mhlr" : "dhlr");
        w.fourcc(type);
        w.zeros(12);
        const QByteArray text(name);
        w.u8(quint8(text.size()));
        w.bytes(text);
    } else {
        w.u32(0);
        w.fourcc(type);
        w.zeros(12);
        w.bytes(name, qstrlen(name) + 1);
    }
    w.end();
}

void KoRecordingWriter::writeDataInformation(KoBoxWriter &w)
{
    w.begin("dinf");
    w.begin("dref");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.begin(isMov(m_layout) ? "alis" : "url ");
    w.fullBoxHeader(0, 1); // media data in this file
    w.end();
    w.end();
    w.end();
}

// The chunk offset table ends the sample table; then the open stbl, minf,
// mdia and trak boxes are closed.
void KoRecordingWriter::writeChunkOffsetsAndClose(KoBoxWriter &w, const TrackTables &tables)
{
    w.begin("stco");
    w.fullBoxHeader(0, 0);
    w.u32(quint32(tables.chunkOffsets.size()));
    for (quint64 offset : tables.chunkOffsets)
        w.u32(quint32(offset));
    w.end();
    w.end(); // stbl
    w.end(); // minf
    w.end(); // mdia
    w.end(); // trak
}

void KoRecordingWriter::writeSampleToChunk(KoBoxWriter &w, const TrackTables &tables)
{
    // Sample-to-chunk as runs of equal chunks.
    QVector<QPair<quint32, quint32>> runs;
    for (int c = 0; c < tables.samplesPerChunk.size(); ++c) {
        if (runs.isEmpty() || runs.last().second != tables.samplesPerChunk[c])
            runs.append({quint32(c + 1), tables.samplesPerChunk[c]});
    }
    w.begin("stsc");
    w.fullBoxHeader(0, 0);
    w.u32(quint32(runs.size()));
    for (const auto &run : runs) {
        w.u32(run.first);
        w.u32(run.second);
        w.u32(1);
    }
    w.end();
}

void KoRecordingWriter::writeVideoTrack(KoBoxWriter &w, quint32 duration)
{
    const KoVideoParams &params = m_video->params();
    const int frames = m_video->frameCount();
    w.begin("trak");
    writeTrackHeader(w, 1, duration, false, params.size.width(), params.size.height());
    w.begin("mdia");
    writeMediaHeader(w, m_video->timescale(), quint64(frames) * m_video->frameDuration());
    writeHandler(w, true, "vide", "VideoHandler");
    w.begin("minf");
    w.begin("vmhd");
    w.fullBoxHeader(0, 1);
    w.zeros(8);
    w.end();
    if (isMov(m_layout))
        writeHandler(w, false, "alis", "DataHandler");
    writeDataInformation(w);
    w.begin("stbl");
    w.begin("stsd");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.bytes(m_video->sampleEntry());
    w.end();
    w.begin("stts");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.u32(quint32(frames));
    w.u32(m_video->frameDuration());
    w.end();
    QVector<quint32> keyframes;
    for (int i = 0; i < frames; ++i) {
        if (m_video->isKeyframe(i))
            keyframes.append(quint32(i + 1));
    }
    if (keyframes.size() < frames) {
        w.begin("stss");
        w.fullBoxHeader(0, 0);
        w.u32(quint32(keyframes.size()));
        for (quint32 k : keyframes)
            w.u32(k);
        w.end();
    }
    writeSampleToChunk(w, m_videoChunks);
    w.begin("stsz");
    w.fullBoxHeader(0, 0);
    w.u32(0);
    w.u32(quint32(frames));
    for (int i = 0; i < frames; ++i)
        w.u32(m_video->frameSize(i));
    w.end();
    writeChunkOffsetsAndClose(w, m_videoChunks);
}

void KoRecordingWriter::writeSoundTrack(KoBoxWriter &w, quint32 duration)
{
    quint32 frames = 0;
    for (quint32 n : m_extraChunks.samplesPerChunk)
        frames += n;
    // The children and their order are what a dash-camera reader walks:
    // no edit list, one version-0 sound description without extensions.
    w.begin("trak");
    writeTrackHeader(w, 2, duration, true, 0, 0);
    w.begin("mdia");
    writeMediaHeader(w, quint32(m_soundRate), frames);
    writeHandler(w, true, "soun", "SoundHandler");
    w.begin("minf");
    w.begin("smhd");
    w.fullBoxHeader(0, 0);
    w.u32(0);
    w.end();
    writeHandler(w, false, "alis", "DataHandler");
    writeDataInformation(w);
    w.begin("stbl");
    w.begin("stsd");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.begin("sowt"); // 16-bit little-endian PCM
    w.zeros(6);
    w.u16(1);  // data reference
    w.u16(0);  // version
    w.u16(0);  // revision
    w.u32(0);  // vendor
    w.u16(1);  // channels
    w.u16(16); // bits per sample
    w.u16(0);  // compression id
    w.u16(0);  // packet size
    w.u32(quint32(m_soundRate) << 16);
    w.end();
    w.end();
    w.begin("stts");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.u32(frames);
    w.u32(1);
    w.end();
    writeSampleToChunk(w, m_extraChunks);
    w.begin("stsz");
    w.fullBoxHeader(0, 0);
    w.u32(2); // bytes per sound frame
    w.u32(frames);
    w.end();
    writeChunkOffsetsAndClose(w, m_extraChunks);
}

void KoRecordingWriter::writeGpsTrack(KoBoxWriter &w, quint32 duration)
{
    const quint32 blocks = quint32(m_extraChunks.chunkOffsets.size());
    // Children in the order a dash-camera reader walks them to the chunk
    // table: header, media header, handler, generic media header, data
    // information, sample table.
    w.begin("trak");
    writeTrackHeader(w, 2, duration, false, 0, 0);
    w.begin("mdia");
    writeMediaHeader(w, MovieTimescale, quint64(blocks) * MovieTimescale);
    writeHandler(w, true, "meta", "GPS");
    w.begin("minf");
    w.begin("gmhd");
    w.begin("gmin");
    w.fullBoxHeader(0, 0);
    w.u16(0x40); // graphics mode: copy
    w.u16(0x8000);
    w.u16(0x8000);
    w.u16(0x8000);
    w.u16(0); // balance
    w.u16(0);
    w.end();
    w.end();
    writeDataInformation(w);
    w.begin("stbl");
    w.begin("stsd");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.begin("gps ");
    w.zeros(6);
    w.u16(1);
    w.end();
    w.end();
    w.begin("stts");
    w.fullBoxHeader(0, 0);
    w.u32(1);
    w.u32(blocks);
    w.u32(MovieTimescale);
    w.end();
    writeSampleToChunk(w, m_extraChunks);
    w.begin("stsz");
    w.fullBoxHeader(0, 0);
    w.u32(KoDriveSample::BlockSize);
    w.u32(blocks);
    w.end();
    writeChunkOffsetsAndClose(w, m_extraChunks);
}

QByteArray KoRecordingWriter::sound(int second) const
{
    // Engine hum with a short tick at each whole second, so that sound and
    // clock can be checked against each other by ear.
    const int n = m_soundRate;
    QByteArray pcm(n * 2, '\0');
    auto *out = reinterpret_cast<uchar *>(pcm.data());
    for (int i = 0; i < n; ++i) {
        const double t = second + double(i) / n;
        double v = 0.12 * std::sin(2 * M_PI * 55 * t) + 0.06 * std::sin(2 * M_PI * 110 * t);
        if (i < n / 20)
            v += 0.25 * std::sin(2 * M_PI * 880 * t);
        qToLittleEndian(qint16(std::lround(v * 32767)), out + 2 * i);
    }
    return pcm;
}

bool KoRecordingWriter::writeTransportStream(const QString &source, const QString &path,
                                             const QVector<KoDriveSample> &samples, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(source);
        return false;
    }
    const QByteArray stream = in.readAll();
    const qint64 packets = stream.size() / TsPacket;
    if (packets == 0 || stream.size() % TsPacket != 0 || stream[0] != 0x47) {
        *error = QStringLiteral("%1 is not a transport stream of 188-byte packets").arg(source);
        return false;
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, out.errorString());
        return false;
    }
    const qint64 count = samples.size();
    qint64 next = 0;
    for (qint64 p = 0; p < packets; ++p) {
        while (next < count && next * packets / count == p) {
            QByteArray packet(TsPacket, char(0xff));
            packet[0] = 0x47;
            packet[1] = char(0x40 | (CameraDataPid >> 8)); // payload unit start
            packet[2] = char(CameraDataPid & 0xff);
            packet[3] = char(0x10 | (next & 0x0f)); // payload only, continuity counter
            packet.replace(4, KoDriveSample::BlockSize, samples[int(next)].toBlock());
            out.write(packet);
            ++next;
        }
        out.write(stream.constData() + p * TsPacket, TsPacket);
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        *error = QStringLiteral("writing %1 failed: %2").arg(path, out.errorString());
        return false;
    }
    return true;
}
