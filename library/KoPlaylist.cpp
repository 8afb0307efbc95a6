#include "library/KoPlaylist.h"

#include "library/KoFileInfoModel.h"

#include <QFileInfo>

#include <algorithm>

KoPlaylist::~KoPlaylist()
{
    qDeleteAll(m_files);
}

KoFileInfoModel *KoPlaylist::model(const QString &path) const
{
    return m_byPath.value(path);
}

KoFileInfoModel *KoPlaylist::findOrAdd(const QString &path, KoDirectoryListing *listing, bool *added)
{
    const QFileInfo info(path);
    auto *candidate = new KoFileInfoModel(info.fileName(), info.absoluteFilePath(), nullptr, listing);
    KoFileInfoModel *listed = m_byPath.value(candidate->filePath());
    if (added)
        *added = listed == nullptr;
    if (listed) {
        delete candidate;
        return listed;
    }
    m_files.append(candidate);
    m_byPath.insert(candidate->filePath(), candidate);
    return candidate;
}

QList<KoFileInfoModel *> KoPlaylist::addAll(const QStringList &paths, KoDirectoryListing *listing)
{
    QList<KoFileInfoModel *> models;
    models.reserve(paths.size());
    m_byPath.reserve(m_files.size() + paths.size());
    for (const QString &path : paths)
        models.append(findOrAdd(path, listing));
    return models;
}

void KoPlaylist::remove(KoFileInfoModel *model)
{
    if (!m_files.removeOne(model))
        return;
    m_byPath.remove(model->filePath());
    delete model;
}

void KoPlaylist::clear()
{
    qDeleteAll(m_files);
    m_files.clear();
    m_byPath.clear();
    m_recordings.clear();
    m_recordingOfPath.clear();
}

void KoPlaylist::regroup()
{
    std::stable_sort(m_files.begin(), m_files.end(), [](const KoFileInfoModel *a, const KoFileInfoModel *b) {
        return a->filePath() < b->filePath();
    });
    m_recordings = KoRecording::group(m_files);
    m_recordingOfPath.clear();
    m_recordingOfPath.reserve(m_files.size());
    for (int i = 0; i < m_recordings.size(); ++i) {
        for (const KoRecording::Channel &c : m_recordings.at(i).channels())
            m_recordingOfPath.insert(c.path, i);
    }
}

KoRecording KoPlaylist::recordingOf(const KoFileInfoModel *model) const
{
    if (model == nullptr)
        return KoRecording();
    const int i = m_recordingOfPath.value(model->filePath(), -1);
    if (i >= 0)
        return m_recordings.at(i);
    return KoRecording({{model->filePath(), model->channelIndex()}});
}

int KoPlaylist::recordingIndex(const KoRecording &current) const
{
    return current.isEmpty() ? -1 : m_recordingOfPath.value(current.firstPath(), -1);
}

KoFileInfoModel *KoPlaylist::nextRecording(const KoRecording &current, bool wrap) const
{
    const int i = recordingIndex(current);
    if (i < 0)
        return nullptr;
    if (i + 1 < m_recordings.size())
        return listedEnd(m_recordings.at(i + 1), false);
    return wrap ? m_files.first() : nullptr;
}

KoFileInfoModel *KoPlaylist::previousRecording(const KoRecording &current) const
{
    const int i = recordingIndex(current);
    if (i < 0)
        return nullptr;
    if (i == 0)
        return m_files.last();
    return listedEnd(m_recordings.at(i - 1), true);
}

KoFileInfoModel *KoPlaylist::listedEnd(const KoRecording &recording, bool last) const
{
    // The list is sorted by path.
    KoFileInfoModel *end = nullptr;
    for (const KoRecording::Channel &c : recording.channels()) {
        KoFileInfoModel *m = model(c.path);
        if (m && (end == nullptr || (m->filePath() > end->filePath()) == last))
            end = m;
    }
    return end;
}

bool KoPlaylist::holdsOnly(const KoRecording &current) const
{
    return m_recordings.size() <= 1 && (m_recordings.isEmpty() || recordingIndex(current) == 0);
}
