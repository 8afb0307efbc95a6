#include "library/KoTrackCache.h"

#include "app/KoLogging.h"
#include "gps/KoGPSModel.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 kSampledBytes = 64 * 1024;
// Longer than any stamp line, so that the last line is whole in the tail read.
constexpr qint64 kTailBytes = 512;

} // namespace

QByteArray KoTrackCache::sourceStamp(const QString &recordingPath)
{
    QFile file(recordingPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(lcLibrary) << "cannot read" << recordingPath << file.errorString();
        return QByteArray();
    }
    const qint64 size = file.size();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const qint64 starts[] = {0, (size - kSampledBytes) / 2, size - kSampledBytes};
    qint64 covered = 0; // a small file is hashed once, whole
    for (qint64 start : starts) {
        start = qMax(start, covered);
        const qint64 length = qMin(kSampledBytes, size - start);
        if (length <= 0)
            continue;
        if (!file.seek(start)) {
            qCInfo(lcLibrary) << "cannot read" << recordingPath << file.errorString();
            return QByteArray();
        }
        const QByteArray bytes = file.read(length);
        if (bytes.size() != length) {
            qCInfo(lcLibrary) << "cannot read" << recordingPath << file.errorString();
            return QByteArray();
        }
        hash.addData(bytes);
        covered = start + length;
    }
    const qint64 modified = QFileInfo(recordingPath).lastModified().toMSecsSinceEpoch();
    return "#source size=" + QByteArray::number(size) + " mtime=" + QByteArray::number(modified) +
           " sha1=" + hash.result().toHex();
}

bool KoTrackCache::belongsTo(const QString &cachePath, const QByteArray &stamp)
{
    if (stamp.isEmpty())
        return false;
    QFile file(cachePath);
    if (!QFileInfo(cachePath).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (!file.seek(qMax<qint64>(0, size - kTailBytes)))
        return false;
    QByteArray tail = file.read(kTailBytes);
    while (tail.endsWith('\n') || tail.endsWith('\r'))
        tail.chop(1);
    const QByteArray last = tail.mid(tail.lastIndexOf('\n') + 1);
    if (last == stamp)
        return true;
    qCInfo(lcLibrary) << "track cache" << cachePath
                      << (KoGPSModel::isNoteLine(last.constData()) ? "was made from another recording"
                                                                   : "is not verified");
    return false;
}

bool KoTrackCache::write(const QString &cachePath, const QByteArray &track, const QByteArray &stamp)
{
    QSaveFile file(cachePath);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        ok = file.write(track) == track.size();
        if (ok && !track.isEmpty() && !track.endsWith('\n'))
            ok = file.write("\n", 1) == 1;
        ok = ok && file.write(stamp + '\n') == stamp.size() + 1;
        ok = ok && file.commit();
    }
    if (!ok) {
        qCWarning(lcLibrary) << "cannot write the track cache" << cachePath << file.errorString();
        file.cancelWriting();
        return false;
    }
    // Earlier versions wrote through this fixed name; one left by a run
    // that stopped half-way would otherwise stay in the cache for good.
    QFile::remove(cachePath + QLatin1String(".tmp"));
    return true;
}
