#include "library/KoFileInfoModel.h"

#include "app/JXFileManager.h"
#include "app/KoLogging.h"
#include "gps/KoByteSource.h"
#include "gps/KoGPSModel.h"
#include "gps/KoTrackExtractor.h"
#include "gps/KoTrackSample.h"
#include "library/KoDirectoryListing.h"
#include "library/KoTrackCache.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QStringBuilder>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

struct ChannelSuffix
{
    const char *own;
    const char *firstSibling;
    const char *secondSibling;
    int channelIndex;
};

// Searched in this order with a case-sensitive ends-with test; the first
// match wins.
const ChannelSuffix kSuffixes[] = {
    {"A.MP4", "B.MP4", "C.MP4", 1},        {"A.mp4", "B.mp4", "C.mp4", 1},
    {"A.mov", "B.mov", "C.mov", 1},        {"A.MOV", "B.MOV", "C.MOV", 1},
    {"A.avi", "B.avi", "C.avi", 1},        {"A.AVI", "B.AVI", "C.AVI", 1},
    {"A.TS", "B.TS", "C.TS", 1},           {"A.ts", "B.ts", "C.ts", 1},
    {"B.MP4", "A.MP4", "C.MP4", 2},        {"B.mp4", "A.mp4", "C.mp4", 2},
    {"B.mov", "A.mov", "C.mov", 2},        {"B.MOV", "A.MOV", "C.MOV", 2},
    {"B.avi", "A.avi", "C.avi", 2},        {"B.AVI", "A.AVI", "C.AVI", 2},
    {"B.TS", "A.TS", "C.TS", 2},           {"B.ts", "A.ts", "C.ts", 2},
    {"C.MP4", "A.MP4", "B.MP4", 3},        {"C.mp4", "A.mp4", "B.mp4", 3},
    {"C.mov", "A.mov", "B.mov", 3},        {"C.MOV", "A.MOV", "B.MOV", 3},
    {"C.avi", "A.avi", "B.avi", 3},        {"C.AVI", "A.AVI", "B.AVI", 3},
    {"C.TS", "A.TS", "B.TS", 3},           {"C.ts", "A.ts", "B.ts", 3},
    {"01_b.MP4", "00.MP4", "02_c.MP4", 2}, {"02_c.MP4", "00.MP4", "01_b.MP4", 3},
    {"00.MP4", "01_b.MP4", "02_c.MP4", 1}, {"01_b.MOV", "00.MOV", "02_c.MOV", 2},
    {"02_c.MOV", "00.MOV", "01_b.MOV", 3}, {"00.MOV", "01_b.MOV", "02_c.MOV", 1},
};

const ChannelSuffix *findSuffix(const QString &name)
{
    for (const ChannelSuffix &s : kSuffixes) {
        if (name.endsWith(QLatin1String(s.own)))
            return &s;
    }
    return nullptr;
}

int nameStart(const QString &path)
{
    int cut = path.lastIndexOf(QLatin1Char('/'));
    if (QDir::separator() != QLatin1Char('/'))
        cut = qMax(cut, path.lastIndexOf(QDir::separator()));
    return cut + 1;
}

// The start time in a head such as "2019_0523_143005_" (the layout
// "yyyy_MMdd_HHmmss_"). The camera clock has no time zone: the arithmetic is
// done in UTC so that no local daylight-saving gap can make a valid head
// unusable.
QDateTime parseHead(const QString &head)
{
    if (head.size() != 17 || head.at(4) != QLatin1Char('_') || head.at(9) != QLatin1Char('_') ||
        head.at(16) != QLatin1Char('_'))
        return QDateTime();
    const QByteArray digits = (head.left(4) + head.mid(5, 4) + head.mid(10, 6)).toLatin1();
    return KoTrackSample::cameraTimeOf(QLatin1String(digits));
}

void putDigits(QChar *out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        out[i] = QLatin1Char(char('0' + value % 10));
        value /= 10;
    }
}

// "yyyy_MMdd_HHmmss_"; empty for an invalid time.
QString formatHead(const QDateTime &t)
{
    if (!t.isValid())
        return QString();
    const QDate d = t.date();
    const QTime tm = t.time();
    if (d.year() < 0 || d.year() > 9999)
        return t.toString(QStringLiteral("yyyy_MMdd_HHmmss_"));
    QString text(17, QLatin1Char('_'));
    QChar *out = text.data();
    putDigits(out, d.year(), 4);
    putDigits(out + 5, d.month(), 2);
    putDigits(out + 7, d.day(), 2);
    putDigits(out + 10, tm.hour(), 2);
    putDigits(out + 12, tm.minute(), 2);
    putDigits(out + 14, tm.second(), 2);
    return text;
}

// ".../name_123.txt" -> ".../name_123_haisi.txt"
QString directChunksVariant(const QString &cachePath)
{
    QString variant = cachePath;
    const int dot = variant.lastIndexOf(QLatin1String(".txt"));
    if (dot >= 0)
        variant.insert(dot, QLatin1String("_haisi"));
    return variant;
}

// ".../name_123_haisi.txt" -> ".../name_123.txt"
QString plainCachePath(const QString &cachePath)
{
    QString plain = cachePath;
    if (plain.endsWith(QLatin1String("_haisi.txt")))
        plain.remove(plain.size() - 10, 6);
    return plain;
}

// Extraction kind from the file name; the MOV walk when the name tells nothing.
KoTrackExtractor::Kind extractionKind(const QString &fileName)
{
    if (fileName.contains(QLatin1String(".mp4"), Qt::CaseInsensitive))
        return KoTrackExtractor::Mp4Walk;
    if (fileName.contains(QLatin1String(".mov"), Qt::CaseInsensitive))
        return KoTrackExtractor::MovWalk;
    if (fileName.contains(QLatin1String(".ts"), Qt::CaseInsensitive))
        return KoTrackExtractor::TsScan;
    return KoTrackExtractor::MovWalk;
}

QString mapPoint(double lng, double lat)
{
    return QLatin1String("{lng:") % QString::number(lng, 'f', 6) % QLatin1String(",lat:") %
           QString::number(lat, 'f', 6) % QLatin1Char('}');
}

} // namespace

KoFileInfoModel::KoFileInfoModel(const QString &fileName, const QString &filePath, QObject *parent,
                                 KoDirectoryListing *listing)
    : QObject(parent)
    , m_fileName(fileName)
    , m_filePath(QDir::toNativeSeparators(filePath))
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    m_displayName = dot >= 0 ? fileName.left(dot) : fileName;

    JXFileManager *files = JXFileManager::instance();
    m_gpsCachePath = QDir::toNativeSeparators(files->getGpsDir() + QLatin1Char('/') +
                                              fileName.section(QLatin1Char('.'), 0, 0));
    m_channelPaths[0] = m_filePath;

    const QStringList candidates = getBackPath(m_filePath, &m_channelIndex);
    int n = 1;
    for (const QString &candidate : candidates) {
        const bool found = listing ? listing->exists(candidate) : QFileInfo::exists(candidate);
        if (!found)
            continue;
        m_channelPaths[n] = candidate;
        if (++n == 3)
            break;
    }
    m_channelCount = n;

    m_fileInfo = QFileInfo(m_filePath);
    const QString size = QString::number(m_fileInfo.size());
    m_previewPath = QDir::toNativeSeparators(
        QStringLiteral("%1/%2_%3.jpg").arg(files->getPreviewDir(), size, m_fileInfo.baseName()));
    m_gpsCachePath += QStringLiteral("_%1.txt").arg(size);
}

KoFileInfoModel::~KoFileInfoModel() = default;

QStringList KoFileInfoModel::getBackPath(const QString &path, int *channelIndex)
{
    const int start = nameStart(path);
    const QString name = path.mid(start);
    const QString directory = path.left(start);

    const ChannelSuffix *suffix = findSuffix(name);
    if (!suffix)
        return QStringList();
    if (channelIndex)
        *channelIndex = suffix->channelIndex;
    const QLatin1String own(suffix->own);
    const QLatin1String siblings[2] = {QLatin1String(suffix->firstSibling),
                                       QLatin1String(suffix->secondSibling)};

    QStringList candidates;
    if (name.count(QLatin1Char('_')) == 3) {
        // 2019_0523_143005_001A.MP4: a sibling may have been started up to two
        // seconds earlier or later and carry a sequence number up to two apart.
        const int lastCut = name.lastIndexOf(QLatin1Char('_')) + 1;
        const QString head = name.left(lastCut);
        QString last = name.mid(lastCut);
        if (last.endsWith(own))
            last.chop(own.size());
        bool ok = false;
        int sequence = last.toInt(&ok, 10);
        if (!ok)
            sequence = 0;

        const QDateTime t = parseHead(head);
        const QString times[5] = {formatHead(t.addSecs(-1)), formatHead(t.addSecs(-2)), formatHead(t),
                                  formatHead(t.addSecs(1)), formatHead(t.addSecs(2))};

        candidates.reserve(50);
        for (const QLatin1String &sibling : siblings) {
            for (int k = sequence - 2; k <= sequence + 2; ++k) {
                const QString number = QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0'));
                for (const QString &time : times)
                    candidates.append(directory % time % number % sibling);
            }
        }
    } else {
        QString base = name;
        base.remove(own);
        for (const QLatin1String &sibling : siblings)
            candidates.append(directory % base % sibling);
    }
    return candidates;
}

QDateTime KoFileInfoModel::cameraTimeOf(const QString &fileName)
{
    const QString name = fileName.mid(nameStart(fileName));
    if (name.size() >= 17 && name.count(QLatin1Char('_')) == 3)
        return parseHead(name.left(17));
    // "20190523143025_00.MOV": fourteen digits, then the channel part.
    if (name.size() >= 15 && name.at(14) == QLatin1Char('_')) {
        const QString head = name.left(4) + QLatin1Char('_') + name.mid(4, 4) + QLatin1Char('_') +
                             name.mid(8, 6) + QLatin1Char('_');
        return parseHead(head);
    }
    return QDateTime();
}

QString KoFileInfoModel::directChunksCachePath(const QString &cachePath)
{
    return directChunksVariant(cachePath);
}

void KoFileInfoModel::loadGPS()
{
    QMutexLocker locker(&m_gpsMutex);
    if (m_gpsLoaded)
        return;

    // A cache is used only when it was made from this recording as it is now.
    const QString plain = plainCachePath(m_gpsCachePath);
    const QString direct = directChunksVariant(plain);
    const QByteArray stamp = KoTrackCache::sourceStamp(m_filePath);
    bool read = false;
    if (KoTrackCache::belongsTo(plain, stamp)) {
        m_haisiTrack = false;
        m_gpsCachePath = plain;
    } else if (KoTrackCache::belongsTo(direct, stamp)) {
        m_haisiTrack = true;
        m_gpsCachePath = direct;
    } else {
        QByteArray track;
        if (!extractTrackToCache(stamp, &track))
            return;
        // Read from memory: the track shows even when the cache cannot be written.
        QBuffer buffer(&track);
        buffer.open(QIODevice::ReadOnly | QIODevice::Text);
        readTrack(&buffer);
        read = true;
    }

    if (!read) {
        QFile file(m_gpsCachePath);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qCWarning(lcLibrary) << "cannot open the track cache" << m_gpsCachePath << file.errorString();
            return;
        }
        readTrack(&file);
    }
    buildSeries();
    m_gpsLoaded = true;
}

void KoFileInfoModel::unloadTrack()
{
    QMutexLocker locker(&m_gpsMutex);
    if (!m_gpsLoaded && m_gpsSamples.isEmpty())
        return;
    qCDebug(lcLibrary) << "unloading the track of" << m_fileName << "," << m_gpsSamples.size() << "samples";
    // Assigning empty values (not clear()) gives the storage back.
    const QList<KoGPSModel *> samples = std::exchange(m_gpsSamples, {});
    qDeleteAll(samples);
    m_mapPointsBd = QString();
    m_mapPointsWgs = QString();
    m_mapPointsWgs2 = QString();
    m_gForceXs = QList<float>();
    m_gForceYs = QList<float>();
    m_gForceZs = QList<float>();
    m_hasGSensor = false;
    m_gpsLoaded = false;
}

bool KoFileInfoModel::extractTrackToCache(const QByteArray &stamp, QByteArray *track)
{
    qCInfo(lcLibrary) << "extracting the track of" << m_filePath;
    const std::unique_ptr<KoByteSource> source = KoByteSource::openFile(m_filePath);
    if (!source) {
        qCInfo(lcLibrary) << "cannot open" << m_filePath;
        return false;
    }
    KoTrackExtractor extractor(source.get(), track);
    if (extractor.run(extractionKind(m_fileName)) != 0) {
        qCInfo(lcLibrary) << "no track extracted from" << m_filePath;
        return false;
    }
    m_haisiTrack = extractor.wasDirect();
    const QString plain = plainCachePath(m_gpsCachePath);
    m_gpsCachePath = m_haisiTrack ? directChunksVariant(plain) : plain;
    // Without a stamp (the recording could not be read whole) nothing is kept.
    if (!stamp.isEmpty())
        KoTrackCache::write(m_gpsCachePath, *track, stamp);
    return true;
}

void KoFileInfoModel::readTrack(QIODevice *device)
{
    // Bounds a track read from a damaged or foreign cache file: 55 hours at
    // one sample per second, far above any recording.
    const bool whole = KoGPSModel::readTrackLines(device, kMaxTrackLines, [this](const char *line) {
        qCDebug(lcLibrary).noquote() << QLatin1String(line).trimmed();
        auto *sample = new KoGPSModel(line, this);
        sample->fineGScale = m_haisiTrack;
        m_gpsSamples.append(sample);
    });
    if (!whole)
        qCWarning(lcLibrary) << "track cut at" << kMaxTrackLines << "samples:" << m_gpsCachePath;
}

void KoFileInfoModel::buildSeries()
{
    const int count = m_gpsSamples.size();
    if (count < 2)
        return;

    m_gForceXs.reserve(count);
    m_gForceYs.reserve(count);
    m_gForceZs.reserve(count);
    QString bd = QStringLiteral("[");
    QString wgs = QStringLiteral("[");
    bd.reserve(count * 36);
    wgs.reserve(count * 36);
    for (int i = 0; i < count; ++i) {
        const KoGPSModel *sample = m_gpsSamples.at(i);
        const float x = sample->gForceX();
        const float y = sample->gForceY();
        const float z = sample->gForceZ();
        m_gForceXs.append(x);
        m_gForceYs.append(y);
        m_gForceZs.append(z);
        if (!m_hasGSensor)
            m_hasGSensor = x != 0 || y != 0 || z != 0;

        // No fix, or a position off the globe or no number at all.
        if (!sample->hasPosition())
            continue;
        bd += mapPoint(sample->longitude, sample->latitude);
        wgs += mapPoint(sample->wgsLongitude, sample->wgsLatitude);
        // A separator follows every point but the track's last sample: when
        // that one has no fix the list ends in ",]", which the map pages
        // accept.
        if (i != count - 1) {
            bd += QLatin1Char(',');
            wgs += QLatin1Char(',');
        }
    }
    bd += QLatin1Char(']');
    wgs += QLatin1Char(']');
    m_mapPointsBd = bd;
    m_mapPointsWgs = wgs;
    m_mapPointsWgs2 = wgs;
    qCDebug(lcLibrary) << "route of" << m_mapPointsBd.count(QLatin1String("{lng:")) << "points";
}
