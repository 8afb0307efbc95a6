#include "library/KoRecording.h"

#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"

#include <QDir>
#include <QFileInfo>

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <memory>

KoRecording::KoRecording(QVector<Channel> channels)
    : m_channels(std::move(channels))
{
    std::stable_sort(m_channels.begin(), m_channels.end(),
                     [](const Channel &a, const Channel &b) { return a.index < b.index; });
}

bool KoRecording::contains(const QString &path) const
{
    return std::any_of(m_channels.cbegin(), m_channels.cend(),
                       [&path](const Channel &c) { return c.path == path; });
}

QStringList KoRecording::paths() const
{
    QStringList list;
    for (const Channel &c : m_channels)
        list.append(c.path);
    return list;
}

KoRecording KoRecording::ofFile(const QString &path)
{
    KoPlaylist files;
    const KoFileInfoModel *own = files.findOrAdd(path);
    for (int i = 1; i < 3; ++i) {
        if (!own->channelPath(i).isEmpty())
            files.findOrAdd(own->channelPath(i));
    }
    files.regroup();
    return files.recordingOf(own);
}

QStringList KoRecording::withOtherChannels(const QStringList &paths)
{
    QStringList all;
    QSet<QString> seen;
    const auto add = [&all, &seen](const QString &path) {
        if (!seen.contains(path)) {
            seen.insert(path);
            all.append(path);
        }
    };
    for (const QString &path : paths) {
        add(QFileInfo(path).absoluteFilePath());
        for (const QString &channel : ofFile(path).paths())
            add(channel);
    }
    return all;
}

KoRecording KoRecording::nextInFolder(const KoRecording &recording)
{
    if (recording.isEmpty())
        return KoRecording();
    const QDir folder = QFileInfo(recording.firstPath()).dir();
    KoDirectoryListing listing;
    KoPlaylist files;
    const QStringList names = folder.entryList(
        {QStringLiteral("*.mp4"), QStringLiteral("*.mov"), QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        files.findOrAdd(folder.filePath(name), &listing);
    files.regroup();
    const KoFileInfoModel *own = files.model(QFileInfo(recording.firstPath()).absoluteFilePath());
    const KoFileInfoModel *next = own ? files.nextRecording(files.recordingOf(own), false) : nullptr;
    return next ? files.recordingOf(next) : KoRecording();
}

QString KoRecording::firstPath() const
{
    return m_channels.isEmpty() ? QString() : m_channels.first().path;
}

QString KoRecording::lastPath() const
{
    return m_channels.isEmpty() ? QString() : m_channels.last().path;
}

QVector<KoRecording::Channel> KoRecording::displayOrder(const QString &chosen) const
{
    QVector<Channel> order = m_channels;
    if (order.size() == 3)
        return order;
    const auto it =
        std::find_if(order.begin(), order.end(), [&](const Channel &c) { return c.path == chosen; });
    if (it != order.end())
        std::rotate(order.begin(), it, it + 1);
    return order;
}

QVector<KoRecording> KoRecording::group(const QList<KoFileInfoModel *> &files)
{
    using Members = std::array<KoFileInfoModel *, 3>;
    QHash<QString, KoFileInfoModel *> byChannel[3];
    for (KoFileInfoModel *f : files) {
        const int k = f->channelIndex();
        if (k >= 1 && k <= 3)
            byChannel[k - 1].insert(f->filePath(), f);
    }

    // Every file that finds listed siblings on disk claims them for its
    // recording; a later claim wins. A file whose own search finds nothing
    // still joins the recording of a file that found it: with names such as
    // 20190523_143005_01_b.MOV only the "_00" file finds the others.
    QHash<const KoFileInfoModel *, std::shared_ptr<Members>> claims;
    for (KoFileInfoModel *f : files) {
        const int own = f->channelIndex();
        if (own < 1 || own > 3)
            continue;
        auto members = std::make_shared<Members>(Members{{nullptr, nullptr, nullptr}});
        (*members)[own - 1] = f;
        int count = 1;
        for (int c = 1; c <= 3; ++c) {
            if (c == own)
                continue;
            KoFileInfoModel *found = byChannel[c - 1].value(f->channelPath(1));
            if (!found)
                found = byChannel[c - 1].value(f->channelPath(2));
            (*members)[c - 1] = found;
            count += found != nullptr;
        }
        if (count < 2)
            continue;
        for (KoFileInfoModel *m : *members) {
            if (m)
                claims.insert(m, members);
        }
    }

    QVector<KoRecording> recordings;
    QHash<const KoFileInfoModel *, bool> placed;
    for (KoFileInfoModel *f : files) {
        if (placed.value(f))
            continue;
        const std::shared_ptr<Members> members = claims.value(f);
        QVector<Channel> channels;
        if (members) {
            // Only the files the claim still holds: a later claim may have
            // taken some of them into another recording.
            for (KoFileInfoModel *m : *members) {
                if (m && claims.value(m) == members && !placed.value(m)) {
                    channels.append({m->filePath(), m->channelIndex()});
                    placed.insert(m, true);
                }
            }
        } else {
            channels.append({f->filePath(), f->channelIndex()});
            placed.insert(f, true);
        }
        recordings.append(KoRecording(channels));
    }
    return recordings;
}
