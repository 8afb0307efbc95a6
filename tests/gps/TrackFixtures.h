#pragma once

// Dash-camera recordings built in code: boxes, GPS blocks, and whole files
// in the three storage layouts of the GPS track, plus transport streams.
// Shared by the extraction tests, the fuzzing seed maker and the benchmarks.

#include <QByteArray>
#include <QFile>
#include <QPair>
#include <QString>
#include <QVector>

#include <cstring>

namespace fixtures {

inline QByteArray be16(quint16 v)
{
    const char b[2] = {char(v >> 8), char(v)};
    return QByteArray(b, 2);
}

inline QByteArray be32(quint32 v)
{
    const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(b, 4);
}

inline QByteArray be64(quint64 v)
{
    return be32(quint32(v >> 32)) + be32(quint32(v));
}

inline QByteArray le32(quint32 v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(b, 4);
}

inline QByteArray lef(float f)
{
    quint32 bits;
    memcpy(&bits, &f, 4);
    return le32(bits);
}

inline QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

inline QByteArray makeBox(const char *type, const QByteArray &payload = {})
{
    return be32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
}

// A box with size field 1 and the real size in the 64-bit field after the type.
inline QByteArray makeLargeBox(const char *type, const QByteArray &payload = {})
{
    return be32(1) + QByteArray(type, 4) + be64(quint64(16 + payload.size())) + payload;
}

// One GPS sample; the defaults give the line
// A20190523143005,3112.345703,N,12130.123047,E,12.34,181.50,12,-34,1021,35.500000
struct Sample
{
    char status = 'A';
    char latHemisphere = 'N';
    char lngHemisphere = 'E';
    qint32 year = 19;
    qint32 month = 5;
    qint32 day = 23;
    qint32 hour = 14;
    qint32 minute = 30;
    qint32 second = 5;
    float longitude = 12130.123047f;
    float latitude = 3112.345703f;
    float speed = 12.34f;
    float heading = 181.5f;
    float altitude = 35.5f;
    qint32 gX = 12;
    qint32 gY = -34;
    qint32 gZ = 1021;
    QByteArray identifier = "velmortech"; // stored in 16 bytes, NUL-padded
};

// Samples one second apart, moving north-east through Shanghai.
inline QVector<Sample> drive(int count)
{
    QVector<Sample> samples;
    samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        Sample s;
        s.hour = 14 + i / 3600;
        s.minute = i / 60 % 60;
        s.second = i % 60;
        s.latitude = 3112.0f + float(i % 600) * 0.01f;
        s.longitude = 12130.0f + float(i % 600) * 0.01f;
        s.speed = float(i % 80);
        s.heading = float(i % 360);
        s.gX = i % 50 - 25;
        samples.append(s);
    }
    return samples;
}

// The 48-byte form: status, hemispheres, date and time, position, speed, heading.
inline QByteArray makeShortSample(const Sample &s)
{
    QByteArray b;
    b += s.status;
    b += s.latHemisphere;
    b += s.lngHemisphere;
    b += '\0';
    for (qint32 v : {s.year, s.month, s.day, s.hour, s.minute, s.second})
        b += le32(quint32(v));
    b += lef(s.longitude) + lef(s.latitude) + lef(s.speed) + lef(s.heading);
    b += zeros(4);
    return b;
}

// The 120-byte GPS block.
inline QByteArray makeBlock(const Sample &s)
{
    QByteArray id = s.identifier.left(16);
    id += zeros(16 - id.size());
    QByteArray b = zeros(32) + id + makeShortSample(s);
    b.replace(92, 4, lef(s.altitude));
    b += le32(quint32(s.gX)) + le32(quint32(s.gY)) + le32(quint32(s.gZ)) + zeros(12);
    return b;
}

// Version-0 track header; width and height as 16.16 fixed point at the end.
inline QByteArray makeTkhd(int width, int height)
{
    QByteArray p = be32(7) + zeros(8) + be32(1) + zeros(4) + be32(1000) + zeros(8);
    p += zeros(4) + be16(0) + zeros(2);
    for (quint32 m : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u})
        p += be32(m);
    p += be32(quint32(width) << 16) + be32(quint32(height) << 16);
    return makeBox("tkhd", p);
}

// One version-0 sound sample description, nothing after it.
inline QByteArray makeSoundStsd(int channels, int bits, int rate)
{
    QByteArray entry = QByteArray("twos") + zeros(6) + be16(1) + be16(0) + be16(0) + zeros(4);
    entry += be16(quint16(channels)) + be16(quint16(bits)) + be16(0) + be16(0) + be32(quint32(rate) << 16);
    return makeBox("stsd", zeros(4) + be32(1) + be32(quint32(8 + entry.size())) + entry);
}

inline QByteArray makeStco(const QVector<quint32> &offsets)
{
    QByteArray p = zeros(4) + be32(quint32(offsets.size()));
    for (quint32 o : offsets)
        p += be32(o);
    return makeBox("stco", p);
}

// trak > tkhd, mdia > mdhd, hdlr, minf > media header, dinf, stbl > children.
inline QByteArray makeTrak(const QByteArray &tkhd, const char *mediaHeader, const QByteArray &stblChildren)
{
    const QByteArray minf =
        makeBox(mediaHeader, zeros(12)) + makeBox("dinf", zeros(28)) + makeBox("stbl", stblChildren);
    const QByteArray mdia = makeBox("mdhd", zeros(24)) + makeBox("hdlr", zeros(25)) + makeBox("minf", minf);
    return makeBox("trak", tkhd + makeBox("mdia", mdia));
}

inline QByteArray sampleTables(const QByteArray &stsd, const QVector<quint32> &chunks)
{
    return stsd + makeBox("stts", zeros(8)) + makeBox("stsc", zeros(8)) + makeBox("stsz", zeros(12)) +
           makeStco(chunks);
}

inline QByteArray makeFtyp(const char *brand)
{
    return makeBox("ftyp", QByteArray(brand, 4) + be32(0) + QByteArray(brand, 4) + QByteArray("mp41"));
}

// A file given as pieces at offsets; the bytes between them are zero. Large
// recordings are written as sparse files.
struct Recording
{
    qint64 size = 0;
    QVector<QPair<qint64, QByteArray>> pieces;

    void append(const QByteArray &bytes)
    {
        pieces.append({size, bytes});
        size += bytes.size();
    }

    QByteArray bytes() const
    {
        QByteArray all(int(size), '\0');
        for (const auto &piece : pieces)
            all.replace(int(piece.first), piece.second.size(), piece.second);
        return all;
    }

    bool write(const QString &path) const
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !file.resize(size))
            return false;
        for (const auto &piece : pieces) {
            if (!file.seek(piece.first) || file.write(piece.second) != piece.second.size())
                return false;
        }
        return true;
    }
};

struct Options
{
    qint64 gap = 64;           // bytes of "video" between GPS records in 'mdat'
    bool shortSamples = false; // index box: list 48-byte samples instead of blocks
    qint64 distance = -1;      // free GPS: where the tag really is (default: as described)
    QByteArray betweenBoxes;   // inserted after 'ftyp' and inside 'moov' after 'mvhd'
};

// Appends an 'mdat' holding, per sample, `gap` bytes, then `lead` bytes,
// then `record(i)`; returns the offsets of the leads.
template <typename Record>
QVector<quint32> appendMdat(Recording *r, int count, qint64 gap, qint64 lead, Record record)
{
    qint64 payload = 0;
    for (int i = 0; i < count; ++i)
        payload += gap + lead + record(i).size();
    r->append(be32(quint32(8 + payload)) + QByteArray("mdat"));
    QVector<quint32> offsets;
    for (int i = 0; i < count; ++i) {
        r->size += gap;
        offsets.append(quint32(r->size));
        r->size += lead;
        r->append(record(i));
    }
    return offsets;
}

// ftyp, moov (mvhd, video trak), mdat with the records, then the 'gps ' index box.
inline Recording indexBoxMp4(const QVector<Sample> &samples, const Options &o = {})
{
    Recording r;
    r.append(makeFtyp("isom") + o.betweenBoxes);
    const QByteArray video =
        makeTrak(makeTkhd(1920, 1080), "vmhd", sampleTables(makeBox("stsd", zeros(8)), {0}));
    r.append(makeBox("moov", makeBox("mvhd", zeros(100)) + o.betweenBoxes + video));
    const QVector<quint32> offsets = appendMdat(&r, samples.size(), o.gap, 16, [&](int i) {
        return o.shortSamples ? makeShortSample(samples[i]) : makeBlock(samples[i]);
    });
    QByteArray index = be32(1) + be32(quint32(samples.size()));
    for (quint32 offset : offsets)
        index += be32(offset) + be32(0);
    r.append(o.betweenBoxes + makeBox("gps ", index));
    return r;
}

inline qint64 gpsDistance(int channels, int bits, int rate)
{
    return qint64(channels) * bits * rate / 8000 * 1024;
}

// MOV: ftyp, moov (mvhd, video trak, sound trak), mdat where each sound chunk
// has a 'free' box tagged "GPS" at the distance its sample description gives.
inline Recording freeGpsMov(const QVector<Sample> &samples, int channels = 1, int bits = 16, int rate = 8000,
                            const Options &o = {})
{
    const qint64 distance = o.distance >= 0 ? o.distance : gpsDistance(channels, bits, rate);
    auto build = [&](const QVector<quint32> &videoChunks, const QVector<quint32> &soundChunks) {
        const QByteArray video =
            makeTrak(makeTkhd(1920, 1080), "vmhd", sampleTables(makeBox("stsd", zeros(8)), videoChunks));
        const QByteArray sound =
            makeTrak(makeTkhd(0, 0), "smhd", sampleTables(makeSoundStsd(channels, bits, rate), soundChunks));
        return makeFtyp("qt  ") + o.betweenBoxes +
               makeBox("moov", makeBox("mvhd", zeros(100)) + o.betweenBoxes + video + sound);
    };
    const QVector<quint32> none(samples.size(), 0);
    const qint64 head = build(none, none).size();
    // Per second: a video chunk (the gap) and a sound chunk: audio, then the GPS box.
    QVector<quint32> videoChunks;
    QVector<quint32> soundChunks;
    qint64 at = head + 8;
    for (int i = 0; i < samples.size(); ++i) {
        videoChunks.append(quint32(at));
        soundChunks.append(quint32(at + o.gap));
        at += o.gap + distance + 136;
    }
    Recording r;
    r.append(build(videoChunks, soundChunks));
    appendMdat(&r, samples.size(), o.gap, distance, [&](int i) {
        return be32(136) + QByteArray("free") + QByteArray("GPS", 4) + zeros(4) + makeBlock(samples[i]);
    });
    return r;
}

// MP4 without an index box: a video trak, then a trak whose chunks are the blocks.
inline Recording directChunksMp4(const QVector<Sample> &samples, const Options &o = {})
{
    auto build = [&](const QVector<quint32> &chunks) {
        const QByteArray video =
            makeTrak(makeTkhd(1920, 1080), "vmhd", sampleTables(makeBox("stsd", zeros(8)), {0}));
        const QByteArray gps =
            makeTrak(makeTkhd(0, 0), "gmhd", sampleTables(makeBox("stsd", zeros(8)), chunks));
        return makeFtyp("isom") + o.betweenBoxes +
               makeBox("moov", makeBox("mvhd", zeros(100)) + o.betweenBoxes + video + gps);
    };
    const QByteArray head = build(QVector<quint32>(samples.size(), 0));
    Recording probe;
    probe.size = head.size();
    const QVector<quint32> chunks =
        appendMdat(&probe, samples.size(), o.gap, 0, [&](int i) { return makeBlock(samples[i]); });
    Recording r;
    r.append(build(chunks));
    appendMdat(&r, samples.size(), o.gap, 0, [&](int i) { return makeBlock(samples[i]); });
    return r;
}

// 188-byte transport stream packets; `start` sets the payload-unit-start flag.
inline QByteArray makeTsPacket(quint16 pid, bool start, quint8 fill = 0xff)
{
    QByteArray p(188, char(fill));
    p[0] = char(0x47);
    p[1] = char((start ? 0x40 : 0) | ((pid >> 8) & 0x1f));
    p[2] = char(pid & 0xff);
    p[3] = char(0x10);
    return p;
}

} // namespace fixtures
