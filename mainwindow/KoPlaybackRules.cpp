#include "mainwindow/KoPlaybackRules.h"

#include "library/KoFileInfoModel.h"

#include <QDir>
#include <QFileInfo>

KoPlaybackRules::Channels KoPlaybackRules::channelsOf(KoFileInfoModel *model)
{
    Channels channels{{model, nullptr, nullptr}};
    if (model == nullptr)
        return channels;
    switch (model->channelIndex()) {
    case 1:
        channels[1] = model->nextRecording();
        if (channels[1])
            channels[2] = channels[1]->nextRecording();
        break;
    case 2:
        channels[1] = model->prevRecording();
        channels[2] = model->nextRecording();
        break;
    case 3:
        channels[1] = model->prevRecording();
        if (channels[1])
            channels[2] = channels[1]->prevRecording();
        break;
    default:
        break;
    }
    if (channels[1] == nullptr && channels[2] != nullptr) {
        channels[1] = channels[2];
        channels[2] = nullptr;
    }
    if (channels[1] && channels[2]) {
        Channels sorted{{nullptr, nullptr, nullptr}};
        for (KoFileInfoModel *m : channels) {
            const int k = m->channelIndex();
            if (k >= 1 && k <= 3 && sorted[k - 1] == nullptr)
                sorted[k - 1] = m;
        }
        // Only a complete set of channels 1, 2, 3 is re-sorted.
        if (sorted[0] && sorted[1] && sorted[2])
            channels = sorted;
    }
    return channels;
}

int KoPlaybackRules::filledChannels(const Channels &channels)
{
    int n = 0;
    for (KoFileInfoModel *m : channels)
        n += m != nullptr;
    return n;
}

int KoPlaybackRules::chainLength(const KoFileInfoModel *model)
{
    if (model == nullptr)
        return 0;
    const KoFileInfoModel *prev = model->prevRecording();
    const KoFileInfoModel *next = model->nextRecording();
    if (prev && next)
        return 3;
    if (!prev && !next)
        return 1;
    const KoFileInfoModel *neighbour = prev ? prev : next;
    return neighbour->prevRecording() && neighbour->nextRecording() ? 3 : 2;
}

bool KoPlaybackRules::onlyCurrentRecording(const QList<KoFileInfoModel *> &list, const Channels &channels)
{
    const int size = list.size();
    const int chain = chainLength(channels[0]);
    return size <= 1 || (size == 2 && chain == 2) || (size == 3 && chain == 3);
}

namespace {

bool isSibling(const KoFileInfoModel *anchor, const KoFileInfoModel *other)
{
    return other == anchor->nextRecording() || other == anchor->prevRecording();
}

} // namespace

KoFileInfoModel *KoPlaybackRules::nextRecording(const QList<KoFileInfoModel *> &list,
                                                const Channels &channels, bool wrap)
{
    if (channels[0] == nullptr || list.isEmpty())
        return nullptr;
    // The last channel of the playing recording.
    const int filled = filledChannels(channels);
    KoFileInfoModel *anchor = channels[0];
    for (KoFileInfoModel *m : channels) {
        if (m && m->channelIndex() == filled) {
            anchor = m;
            break;
        }
    }
    const int i = list.indexOf(anchor);
    if (i < 0)
        return nullptr;
    if (i + 1 < list.size()) {
        KoFileInfoModel *n = list.at(i + 1);
        if (!isSibling(anchor, n))
            return n;
        if (i + 2 < list.size())
            return list.at(i + 2);
    }
    return wrap ? list.first() : nullptr;
}

KoFileInfoModel *KoPlaybackRules::previousRecording(const QList<KoFileInfoModel *> &list,
                                                    const Channels &channels)
{
    if (channels[0] == nullptr || list.isEmpty())
        return nullptr;
    KoFileInfoModel *anchor = channels[0];
    for (KoFileInfoModel *m : channels) {
        if (m && m->channelIndex() == 1) {
            anchor = m;
            break;
        }
    }
    const int i = list.indexOf(anchor);
    if (i < 0)
        return nullptr;
    if (i == 0)
        return list.last();
    KoFileInfoModel *c = list.at(i - 1);
    if (isSibling(anchor, c))
        return i > 1 ? list.at(i - 2) : list.last();
    return c;
}

QString KoPlaybackRules::snapshotFileName(const QString &displayName, int number)
{
    return displayName + QStringLiteral("_%1.jpg").arg(number, number < 1000 ? 3 : 4, 10, QLatin1Char('0'));
}

int KoPlaybackRules::nextSnapshotNumber(const QString &folder, const QString &displayName, int lastIndex,
                                        bool firstOfCapture)
{
    int n = lastIndex + 1;
    if (firstOfCapture && QDir(folder).isEmpty(QDir::Files))
        n = 1;
    if (n < 1)
        n = 1;
    // Bounded: a folder cannot hold more names than this for one recording.
    for (int tries = 0; tries < 100000; ++tries) {
        if (!QFileInfo::exists(folder + QLatin1Char('/') + snapshotFileName(displayName, n)))
            return n;
        ++n;
    }
    return n;
}
