#include "library/KoLightTrack.h"

#include "app/KoLogging.h"
#include "gps/KoByteSource.h"
#include "gps/KoTrackExport.h"
#include "gps/KoTrackExtractor.h"
#include "library/KoFileInfoModel.h"
#include "library/KoTrackCache.h"

#include <QBuffer>

#include <memory>

QString KoLightTrack::plainCachePath(const QString &cachePath)
{
    QString plain = cachePath;
    if (plain.endsWith(QLatin1String("_haisi.txt")))
        plain.remove(plain.size() - 10, 6);
    return plain;
}

bool KoLightTrack::load(const QString &recordingPath, const QString &cachePath, QVector<KoTrackSample> *track)
{
    track->clear();
    const QString plain = plainCachePath(cachePath);
    const QString direct = KoFileInfoModel::directChunksCachePath(plain);
    const QByteArray stamp = KoTrackCache::sourceStamp(recordingPath);
    if (!stamp.isEmpty()) {
        if (KoTrackCache::belongsTo(plain, stamp))
            return KoTrackSample::readCacheFile(plain, false, track) && !track->isEmpty();
        if (KoTrackCache::belongsTo(direct, stamp))
            return KoTrackSample::readCacheFile(direct, true, track) && !track->isEmpty();
    }

    KoTrackExtractor::Kind kind;
    if (!KoTrackExport::kindOf(recordingPath, &kind))
        return false;
    const std::unique_ptr<KoByteSource> source = KoByteSource::openFile(recordingPath);
    if (!source) {
        qCInfo(lcLibrary) << "cannot open" << recordingPath;
        return false;
    }
    qCDebug(lcLibrary) << "extracting the track of" << recordingPath << "beside the player";
    QByteArray text;
    KoTrackExtractor extractor(source.get(), &text);
    if (extractor.run(kind) != 0 || text.isEmpty()) {
        qCDebug(lcLibrary) << "no track in" << recordingPath;
        return false;
    }
    // Without a stamp (the recording could not be read whole) nothing is kept.
    if (!stamp.isEmpty())
        KoTrackCache::write(extractor.wasDirect() ? direct : plain, text, stamp);
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    KoTrackSample::readTrack(&buffer, extractor.wasDirect(), track);
    return !track->isEmpty();
}
