#include "library/KoClipRecording.h"

#include "library/KoFileInfoModel.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace {

constexpr qint64 kFollowOnSlack = 10;

} // namespace

QStringList KoClipRecording::channelFiles(const QString &file)
{
    int own = 0;
    const QStringList candidates = KoFileInfoModel::getBackPath(file, &own);
    if (own < 1)
        return {file};
    // The first candidate found for a channel wins, as in the file list.
    QMap<int, QString> byChannel;
    byChannel.insert(own, file);
    for (const QString &candidate : candidates) {
        if (!QFileInfo(candidate).isFile())
            continue;
        int channel = 0;
        KoFileInfoModel::getBackPath(candidate, &channel);
        if (channel >= 1 && !byChannel.contains(channel))
            byChannel.insert(channel, candidate);
    }
    return byChannel.values();
}

bool KoClipRecording::followsOn(const QString &first, double firstDuration, const QString &next)
{
    const QDateTime start = KoFileInfoModel::cameraTimeOf(first);
    const QDateTime nextStart = KoFileInfoModel::cameraTimeOf(next);
    if (!start.isValid() || !nextStart.isValid())
        return false;
    const qint64 gap = start.secsTo(nextStart);
    return gap > 0 && double(gap) <= firstDuration + kFollowOnSlack;
}

QStringList KoClipRecording::nextInFolder(const QStringList &channels)
{
    if (channels.isEmpty())
        return {};
    QStringList own;
    for (const QString &channel : channels)
        own << QFileInfo(channel).absoluteFilePath();
    const QDateTime start = KoFileInfoModel::cameraTimeOf(own.first());
    if (!start.isValid())
        return {};
    const QDir folder = QFileInfo(own.first()).dir();
    const QStringList recordings = {QStringLiteral("*.mp4"), QStringLiteral("*.mov"), QStringLiteral("*.ts"),
                                    QStringLiteral("*.avi")};
    QString best;
    QDateTime bestStart;
    for (const QString &name : folder.entryList(recordings, QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        const QDateTime begins = KoFileInfoModel::cameraTimeOf(name);
        if (own.contains(path) || !begins.isValid() || begins <= start)
            continue;
        if (best.isEmpty() || begins < bestStart) {
            best = path;
            bestStart = begins;
        }
    }
    return best.isEmpty() ? QStringList() : channelFiles(best);
}
