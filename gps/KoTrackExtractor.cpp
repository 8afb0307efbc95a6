#include "gps/KoTrackExtractor.h"

#include "app/KoLogging.h"
#include "gps/KoByteSource.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <charconv>
#include <cstring>

namespace {

constexpr int kBlockSize = 120;
constexpr int kShortSampleSize = 48;
constexpr int kIdentifierOffset = 32;
constexpr int kSampleOffset = 48;
constexpr char kIdentifier[] = "velmortech";
constexpr int kTsPacketSize = 188;
// The track cache is read back with a 256-byte line buffer.
constexpr int kMaxLineLength = 255;

std::atomic<int> s_tsDataPackets{0};

bool isType(const char *type, const char *name)
{
    return memcmp(type, name, 4) == 0;
}

bool isOneOf(const char *type, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (isType(type, name))
            return true;
    }
    return false;
}

// Bytes of a hostile file are shown as text: keep them to printable ASCII.
void printableCopy(char *out, const uchar *in, int length)
{
    int i = 0;
    for (; i < length && in[i]; ++i)
        out[i] = in[i] >= 0x20 && in[i] < 0x7f ? char(in[i]) : '.';
    out[i] = '\0';
}

qint32 le32i(const uchar *p)
{
    return qint32(KoByteReader::littleEndian32(p));
}

float le32f(const uchar *p)
{
    const quint32 bits = KoByteReader::littleEndian32(p);
    float f;
    memcpy(&f, &bits, sizeof f);
    return f;
}

const char *kindName(KoTrackExtractor::Kind kind)
{
    switch (kind) {
    case KoTrackExtractor::MovWalk:
        return "MOV walk";
    case KoTrackExtractor::Mp4Walk:
        return "MP4 walk";
    case KoTrackExtractor::TsScan:
        break;
    }
    return "TS survey";
}

template <typename T> void appendListed(QVector<T> *list, const T &value)
{
    if (list->size() < KoTrackExtractor::Diagnostics::kMaxListed)
        list->append(value);
}

// Writes the fields of a track line as the printf format
// "%c20%.2d%.2d%.2d%.2d%.2d%.2d,%f,%c,%f,%c,%.2f,%.2f,%d,%d,%d,%f\n" does, in a
// fraction of printf's time (3600 lines per recording).
class LineBuilder
{
public:
    LineBuilder(char *buffer, int size)
        : m_begin(buffer)
        , m_p(buffer)
        , m_end(buffer + size)
    {}

    void put(char c)
    {
        if (m_p != m_end)
            *m_p++ = c;
        else
            m_failed = true;
    }

    // %.2d: at least two digits after the sign.
    void twoDigits(qint32 v)
    {
        if (v < 0)
            put('-');
        const quint64 magnitude = v < 0 ? quint64(-qint64(v)) : quint64(v);
        if (magnitude < 10)
            put('0');
        advance(std::to_chars(m_p, m_end, magnitude));
    }

    void integer(qint32 v) { advance(std::to_chars(m_p, m_end, v)); }

    // %f / %.2f of a float widened to double.
    void fixed(float v, int decimals)
    {
        advance(std::to_chars(m_p, m_end, double(v), std::chars_format::fixed, decimals));
    }

    // -1 when the buffer was too small.
    int length() const { return m_failed ? -1 : int(m_p - m_begin); }

private:
    void advance(std::to_chars_result r)
    {
        if (r.ec == std::errc())
            m_p = r.ptr;
        else
            m_failed = true;
    }

    char *m_begin;
    char *m_p;
    char *m_end;
    bool m_failed = false;
};

} // namespace

struct KoTrackExtractor::Box
{
    qint64 offset = 0;
    qint64 size = 0;
    int headerSize = 8;
    bool largeSize = false;
    char type[4] = {};
};

struct KoTrackExtractor::Sample
{
    char status = 0;
    char latHemisphere = 0;
    char lngHemisphere = 0;
    qint32 year = 0;
    qint32 month = 0;
    qint32 day = 0;
    qint32 hour = 0;
    qint32 minute = 0;
    qint32 second = 0;
    float longitude = 0;
    float latitude = 0;
    float speed = 0;
    float heading = 0;
    float altitude = 0;
    qint32 gX = 0;
    qint32 gY = 0;
    qint32 gZ = 0;

    // The 48-byte sample layout; a GPS block holds it at offset 48.
    static Sample fromShort(const uchar *p)
    {
        Sample s;
        s.status = char(p[0]);
        s.latHemisphere = char(p[1]);
        s.lngHemisphere = char(p[2]);
        s.year = le32i(p + 4);
        s.month = le32i(p + 8);
        s.day = le32i(p + 12);
        s.hour = le32i(p + 16);
        s.minute = le32i(p + 20);
        s.second = le32i(p + 24);
        s.longitude = le32f(p + 28);
        s.latitude = le32f(p + 32);
        s.speed = le32f(p + 36);
        s.heading = le32f(p + 40);
        return s;
    }

    static Sample fromBlock(const uchar *block)
    {
        Sample s = fromShort(block + kSampleOffset);
        s.altitude = le32f(block + 92);
        s.gX = le32i(block + 96);
        s.gY = le32i(block + 100);
        s.gZ = le32i(block + 104);
        return s;
    }

    bool isWritable() const { return status == 'A' || status == 'V'; }
};

// Tells whether the block is ours, and notes its identifier. The field is 16
// bytes; nothing past it is looked at.
bool KoTrackExtractor::isIdentified(const uchar *block)
{
    const bool ours = memcmp(block + kIdentifierOffset, kIdentifier, sizeof kIdentifier) == 0;
    ++m_diagnostics.blocksChecked;
    const bool listed = m_diagnostics.identifiers.size() < Diagnostics::kMaxListed;
    // Only the blocks that are not ours are worth a line each.
    const bool logged = !ours && lcGps().isDebugEnabled();
    if (listed || logged) {
        char text[17];
        printableCopy(text, block + kIdentifierOffset, 16);
        if (listed)
            m_diagnostics.identifiers.append(QByteArray(text));
        if (logged)
            qCDebug(lcGps, "block %d: identifier \"%s\" is not ours", m_diagnostics.blocksChecked, text);
    }
    return ours;
}

void KoTrackExtractor::noteBox(const Box &box, bool wellFormed)
{
    char name[5];
    printableCopy(name, reinterpret_cast<const uchar *>(box.type), 4);
    ++m_diagnostics.boxesRead;
    appendListed(&m_diagnostics.boxes, {QByteArray(name), box.size, box.largeSize, wellFormed});
    if (wellFormed)
        qCDebug(lcGps, "box '%s' at %lld: %lld bytes%s", name, box.offset, box.size,
                box.largeSize ? " (64-bit size)" : "");
    else
        qCDebug(lcGps, "box '%s' at %lld is malformed or runs past its parent: the walk ends", name,
                box.offset);
}

KoTrackExtractor::KoTrackExtractor(KoByteSource *source, const QString &outputPath)
    : m_reader(source)
    , m_outputPath(outputPath)
{}

KoTrackExtractor::KoTrackExtractor(KoByteSource *source, QByteArray *output)
    : m_reader(source)
    , m_outputBuffer(output)
{}

KoTrackExtractor::~KoTrackExtractor() = default;

int KoTrackExtractor::tsDataPacketCount()
{
    return s_tsDataPackets.load();
}

int KoTrackExtractor::run(Kind kind)
{
    m_wasDirect = false;
    m_diagnostics = Diagnostics();
    m_diagnostics.fileSize = m_reader.size();
    qCDebug(lcGps, "%s over %lld bytes", kindName(kind), m_diagnostics.fileSize);
    int result;
    if (kind == MovWalk)
        result = movWalk();
    else if (kind == Mp4Walk)
        result = mp4Walk();
    else
        result = tsScan();
    closeOutput();
    return result;
}

// A box must lie wholly inside [offset, end) and be at least as large as its
// header; anything else ends the walk that met it.
bool KoTrackExtractor::readBox(qint64 offset, qint64 end, bool largeSizes, Box *box) const
{
    uchar header[16];
    m_reader.read(offset, header, sizeof header);
    box->offset = offset;
    memcpy(box->type, header + 4, 4);
    box->size = 0;
    box->largeSize = false;
    if (end - offset < 8)
        return false;
    quint64 size = KoByteReader::bigEndian32(header);
    box->headerSize = 8;
    box->largeSize = false;
    if (size == 1 && largeSizes) {
        if (end - offset < 16)
            return false;
        size = quint64(KoByteReader::bigEndian32(header + 8)) << 32 | KoByteReader::bigEndian32(header + 12);
        box->headerSize = 16;
        box->largeSize = true;
    }
    if (size < quint64(box->headerSize) || size > quint64(end - offset))
        return false;
    box->size = qint64(size);
    return true;
}

int KoTrackExtractor::mp4Walk()
{
    const qint64 fileSize = m_reader.size();
    Box tracks[4];
    int trackCount = 0;
    qint64 offset = 0;
    while (offset < fileSize) {
        Box box;
        const bool wellFormed = readBox(offset, fileSize, true, &box);
        noteBox(box, wellFormed);
        if (!wellFormed)
            break;
        if (isType(box.type, "moov")) {
            offset += box.headerSize;
        } else if (isType(box.type, "gps ")) {
            const int result = decodeGpsIndexBox(box);
            if (result >= 0)
                return result;
            break;
        } else {
            // 'trak' is remembered for the track phase; every other box
            // (ftyp, mdat, free, uuid, meta ...) is passed over.
            if (isType(box.type, "trak"))
                tracks[trackCount++] = box;
            offset += box.size;
        }
        if (trackCount == 4)
            break;
    }

    // No GPS index box: look for a track whose chunks are the GPS blocks.
    qCDebug(lcGps, "no GPS index box; looking for GPS blocks as the chunks of %d tracks", trackCount);
    int result = -1;
    for (int i = 0; i < trackCount && result < 0; ++i) {
        Box stco;
        if (findChunkTable(tracks[i], true, &stco, nullptr))
            result = decodeDirectChunks(stco);
    }
    return result;
}

int KoTrackExtractor::movWalk()
{
    const qint64 fileSize = m_reader.size();
    Box tracks[2];
    int trackCount = 0;
    qint64 offset = 0;
    while (offset < fileSize && trackCount < 2) {
        Box box;
        const bool wellFormed = readBox(offset, fileSize, false, &box);
        noteBox(box, wellFormed);
        if (!wellFormed)
            break;
        if (isType(box.type, "moov")) {
            offset += box.headerSize;
        } else {
            if (isType(box.type, "trak"))
                tracks[trackCount++] = box;
            offset += box.size;
        }
    }

    // The sound track's sample description gives the distance from each
    // sound chunk to the 'free' box that holds its GPS block.
    int result = -1;
    qint64 distance = 0;
    for (int i = 0; i < trackCount; ++i) {
        Box stco;
        Box stsd;
        const bool found = findChunkTable(tracks[i], false, &stco, &stsd);
        if (stsd.size > 0)
            distance = soundGpsDistance(stsd);
        if (found)
            result = decodeFreeGpsChunks(stco, distance);
    }
    return result;
}

// Descends trak -> mdia -> minf -> stbl to the track's chunk offset table;
// false for a video track and for a track without one. The last sample
// description met on the way goes to *stsd when asked for (its size stays 0
// when there is none).
bool KoTrackExtractor::findChunkTable(const Box &track, bool largeSizes, Box *stco, Box *stsd)
{
    const qint64 trackEnd = track.offset + track.size;
    qint64 offset = track.offset + track.headerSize;
    while (offset < trackEnd) {
        Box box;
        if (!readBox(offset, trackEnd, largeSizes, &box))
            return false;
        if (isType(box.type, "tkhd") && isVideoTrack(box))
            return false;
        if (isOneOf(box.type, {"mdia", "minf", "stbl"})) {
            offset += box.headerSize;
        } else if (isType(box.type, "stco")) {
            *stco = box;
            return true;
        } else {
            if (stsd && isType(box.type, "stsd"))
                *stsd = box;
            offset += box.size;
        }
    }
    return false;
}

int KoTrackExtractor::tsScan()
{
    if (!openOutput())
        return -1;
    const qint64 fileSize = m_reader.size();
    // Whole runs of packets are read at once; a short last packet reads as zeros.
    constexpr qint64 kPacketsPerRead = 256;
    QByteArray chunk(int(kTsPacketSize * kPacketsPerRead), '\0');
    const uchar *bytes = reinterpret_cast<const uchar *>(chunk.constData());
    for (qint64 offset = 0; offset < fileSize; offset += chunk.size()) {
        m_reader.read(offset, chunk.data(), chunk.size());
        const qint64 length = qMin(qint64(chunk.size()), fileSize - offset);
        for (qint64 p = 0; p < length; p += kTsPacketSize) {
            // Sync byte, then "payload start" with a PID from 0x300 to 0x3ff.
            if (bytes[p] == 0x47 && bytes[p + 1] == 0x43) {
                const int n = s_tsDataPackets.fetch_add(1) + 1;
                const int pid = 0x300 | bytes[p + 2];
                ++m_diagnostics.tsDataPackets;
                appendListed(&m_diagnostics.tsPackets, {n, pid});
                qCDebug(lcGps, "TS data packet %d at %lld, PID 0x%x", n, offset + p, pid);
            }
        }
    }
    qCDebug(lcGps, "TS survey done: %d data packets; a TS recording gives no track",
            m_diagnostics.tsDataPackets);
    closeOutput();
    return -1;
}

// A track header ends with width and height as 16.16 fixed point; the values
// read here straddle them and give the integer sizes for ordinary headers.
bool KoTrackExtractor::isVideoTrack(const Box &tkhd)
{
    const KoByteReader box = m_reader.sub(tkhd.offset, tkhd.size);
    const qint32 width = qint32(box.be32(tkhd.size - 10));
    const qint32 height = qint32(box.be32(tkhd.size - 6));
    const bool video = width > 0 && height > 0;
    appendListed(&m_diagnostics.trackFrames, QSize(width, height));
    qCDebug(lcGps, "track header at %lld: frame %d x %d, %s", tkhd.offset, width, height,
            video ? "a video track, passed over" : "no video");
    return video;
}

// From a sound sample description: the bytes of audio per chunk, in units of
// 1024, which is where the chunk's GPS box starts.
qint64 KoTrackExtractor::soundGpsDistance(const Box &stsd)
{
    const KoByteReader box = m_reader.sub(stsd.offset, stsd.size);
    const qint64 channels = box.be16(stsd.size - 12);
    const qint64 bits = box.be16(stsd.size - 10);
    const qint64 rate = box.be16(stsd.size - 4);
    const qint64 distance = (channels * bits * rate / 8000) * 1024;
    m_diagnostics.soundFormatRead = true;
    m_diagnostics.soundFormat = {int(channels), int(bits), int(rate), distance};
    qCDebug(lcGps, "sound: %d channels, %d bits, %d Hz: GPS boxes %lld bytes behind each sound chunk",
            int(channels), int(bits), int(rate), distance);
    return distance;
}

int KoTrackExtractor::decodeGpsIndexBox(const Box &gps)
{
    if (!openOutput())
        return -1;
    const KoByteReader box = m_reader.sub(gps.offset, gps.size);
    const qint32 version = qint32(box.be32(8));
    const qint32 count = qint32(box.be32(12));
    m_diagnostics.indexBox = true;
    m_diagnostics.indexVersion = version;
    m_diagnostics.indexCount = count;
    qCDebug(lcGps, "GPS index box: version %d, %d entries", version, count);

    // Entries are 8 bytes from offset 16, of which the first 4 are read: only
    // entries whose offset lies inside the box count.
    const qint64 entries = qMin<qint64>(qMax(count, 0), qMax<qint64>(gps.size - 12, 0) / 8);
    bool shortLayout = false;
    bool identified = false;
    for (qint64 i = 0; i < entries && m_linesWritten < kMaxTrackLines; ++i) {
        const qint64 at = qint64(box.be32(16 + 8 * i)) + 16;
        Sample sample;
        if (!shortLayout) {
            uchar block[kBlockSize];
            m_reader.read(at, block, sizeof block);
            const uchar status = block[kSampleOffset];
            if (status != 'A' && status != 'V') {
                // Newer cameras list bare 48-byte samples: read this entry again that way.
                qCDebug(lcGps, "entry %lld holds no GPS block: the entries are bare samples", i);
                shortLayout = true;
                --i;
                continue;
            }
            sample = Sample::fromBlock(block);
            identified = isIdentified(block) || identified;
        } else {
            uchar bytes[kShortSampleSize];
            m_reader.read(at, bytes, sizeof bytes);
            sample = Sample::fromShort(bytes);
        }
        // Index-box cameras store the year with its century.
        if (sample.year > 1000)
            sample.year %= 1000;
        if (identified && sample.isWritable())
            writeSample(sample);
    }
    m_diagnostics.shortSamples = shortLayout;
    qCDebug(lcGps, "GPS index box read as %s: %d lines", shortLayout ? "bare samples" : "GPS blocks",
            m_linesWritten);
    return closeOutput() ? 0 : -1;
}

int KoTrackExtractor::decodeFreeGpsChunks(const Box &stco, qint64 distance)
{
    if (!openOutput())
        return -1;
    const KoByteReader box = m_reader.sub(stco.offset, stco.size);
    const qint32 count = qint32(box.be32(12));
    const qint64 entries = qMin<qint64>(qMax(count, 0), qMax<qint64>(stco.size - 16, 0) / 4);
    const qint64 fileSize = m_reader.size();
    bool identified = false;
    for (qint64 i = 0; i < entries && m_linesWritten < kMaxTrackLines; ++i) {
        const qint64 chunk = box.be32(16 + 4 * i);
        uchar tag[12];
        m_reader.read(chunk + distance + 4, tag, sizeof tag);
        if (memcmp(tag, "free", 4) != 0 || memcmp(tag + 4, "GPS", 3) != 0) {
            ++m_diagnostics.freeGpsTagsMissed;
            // Once past the end of the file, doubling further changes nothing.
            if (distance <= fileSize)
                distance *= 2;
            qCDebug(lcGps, "chunk %lld: no 'free' GPS box where expected; the distance is now %lld", i,
                    distance);
        }
        uchar block[kBlockSize];
        m_reader.read(chunk + distance + 16, block, sizeof block);
        identified = isIdentified(block) || identified;
        if (!identified)
            continue;
        const Sample sample = Sample::fromBlock(block);
        if (sample.isWritable())
            writeSample(sample);
    }
    qCDebug(lcGps, "'free' GPS boxes of %lld sound chunks: %d lines", entries, m_linesWritten);
    return closeOutput() ? 0 : -1;
}

int KoTrackExtractor::decodeDirectChunks(const Box &stco)
{
    if (!openOutput())
        return -1;
    const KoByteReader box = m_reader.sub(stco.offset, stco.size);
    const qint32 count = qint32(box.be32(12));
    const qint64 entries = qMin<qint64>(qMax(count, 0), qMax<qint64>(stco.size - 16, 0) / 4);
    int result = -1;
    bool identified = false;
    for (qint64 i = 0; i < entries && m_linesWritten < kMaxTrackLines; ++i) {
        uchar block[kBlockSize];
        m_reader.read(box.be32(16 + 4 * i), block, sizeof block);
        identified = isIdentified(block) || identified;
        const Sample sample = Sample::fromBlock(block);
        if (identified && sample.isWritable()) {
            writeSample(sample);
            result = 0;
        }
    }
    qCDebug(lcGps, "GPS blocks as the %lld chunks of a track: %d lines", entries, m_linesWritten);
    if (!closeOutput())
        result = -1;
    m_wasDirect = true;
    return result;
}

void KoTrackExtractor::writeSample(Sample s)
{
    // A fix at exactly 0 latitude or longitude is a camera without a fix.
    if (s.status == 'A' && (s.latitude == 0 || s.longitude == 0)) {
        s.status = 'V';
        s.latitude = 0;
        s.longitude = 0;
    }
    // A hemisphere byte that is no printable letter would break the line
    // (a NUL, a line break, a comma): it is written as the default N / E.
    auto hemisphere = [](char c, char fallback) { return c > ' ' && c < 0x7f && c != ',' ? c : fallback; };
    char line[512];
    LineBuilder b(line, sizeof line);
    b.put(s.status);
    b.put('2');
    b.put('0');
    for (qint32 v : {s.year, s.month, s.day, s.hour, s.minute, s.second})
        b.twoDigits(v);
    b.put(',');
    b.fixed(s.latitude, 6);
    b.put(',');
    b.put(hemisphere(s.latHemisphere, 'N'));
    b.put(',');
    b.fixed(s.longitude, 6);
    b.put(',');
    b.put(hemisphere(s.lngHemisphere, 'E'));
    b.put(',');
    b.fixed(s.speed, 2);
    b.put(',');
    b.fixed(s.heading, 2);
    for (qint32 v : {s.gX, s.gY, s.gZ}) {
        b.put(',');
        b.integer(v);
    }
    b.put(',');
    b.fixed(s.altitude, 6);
    b.put('\n');
    const int n = b.length();
    // Only absurd values (a float near 1e38) make a line longer than a reader takes.
    if (n <= 0 || n > kMaxLineLength)
        return;
    if (m_linesWritten >= kMaxTrackLines)
        return;
    if (++m_linesWritten == kMaxTrackLines)
        qCWarning(lcGps) << "track cut at" << kMaxTrackLines << "lines: the file lists more samples than a"
                         << "recording holds";
    if (m_outputBuffer) {
        m_outputBuffer->append(line, n);
    } else if (m_outputFile && m_outputFile->write(line, n) != n) {
        m_outputFailed = true;
    }
}

// Every decoder starts the output afresh.
bool KoTrackExtractor::openOutput()
{
    closeOutput();
    m_outputFailed = false;
    m_linesWritten = 0;
    if (m_outputBuffer) {
        m_outputBuffer->clear();
        return true;
    }
    if (m_outputPath.isEmpty()) {
        qCWarning(lcGps) << "track extraction without an output";
        return false;
    }
    m_outputFile = std::make_unique<QFile>(m_outputPath);
    if (!m_outputFile->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCWarning(lcGps) << "cannot write the track to" << m_outputPath << ":" << m_outputFile->errorString();
        m_outputFile.reset();
        return false;
    }
    return true;
}

// False when a line could not be written (a full disk, say): a partial track
// must not pass for a whole one.
bool KoTrackExtractor::closeOutput()
{
    if (!m_outputFile)
        return !m_outputFailed;
    if (!m_outputFile->flush() || m_outputFile->error() != QFileDevice::NoError)
        m_outputFailed = true;
    m_outputFile->close();
    if (m_outputFailed)
        qCWarning(lcGps) << "the track written to" << m_outputPath
                         << "is incomplete:" << m_outputFile->errorString();
    m_outputFile.reset();
    return !m_outputFailed;
}

int extractTrack(const QByteArray &sourcePath, const QByteArray &outputPath, KoTrackExtractor::Kind kind,
                 bool *wasDirect, KoTrackExtractor::Diagnostics *diagnostics)
{
    if (wasDirect)
        *wasDirect = false;
    if (diagnostics)
        *diagnostics = KoTrackExtractor::Diagnostics();
    const QString sourceName = QFile::decodeName(sourcePath);
    const QString outputName = QFile::decodeName(outputPath);
    // Opening the output truncates it: it must never be the recording itself.
    if (QFileInfo::exists(outputName) && QFileInfo(outputName) == QFileInfo(sourceName)) {
        qCWarning(lcGps) << "not extracted: the track output is the recording itself," << sourceName;
        return -1;
    }
    const std::unique_ptr<KoByteSource> source = KoByteSource::openFile(sourceName);
    if (!source) {
        qCWarning(lcGps) << "cannot open the recording" << sourceName;
        return -1;
    }
    qCDebug(lcGps) << "extracting the track of" << sourceName;
    KoTrackExtractor extractor(source.get(), outputName);
    const int result = extractor.run(kind);
    if (wasDirect)
        *wasDirect = extractor.wasDirect();
    if (diagnostics)
        *diagnostics = extractor.diagnostics();
    return result;
}

int extractTrackFromBuffer(const QByteArray &source, KoTrackExtractor::Kind kind, QByteArray *output,
                           bool *wasDirect, KoTrackExtractor::Diagnostics *diagnostics)
{
    const std::unique_ptr<KoByteSource> bytes = KoByteSource::fromMemory(source.constData(), source.size());
    KoTrackExtractor extractor(bytes.get(), output);
    const int result = extractor.run(kind);
    if (wasDirect)
        *wasDirect = extractor.wasDirect();
    if (diagnostics)
        *diagnostics = extractor.diagnostics();
    return result;
}
