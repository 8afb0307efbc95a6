#pragma once

#include "library/KoRecording.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class KoDirectoryListing;
class KoFileInfoModel;

// The list of channel files the user added, sorted by path, and the
// recordings they form. Owns the file models. The order of recordings is
// the order of the list, which is what "previous" and "next" step through.
class KoPlaylist
{
public:
    KoPlaylist() = default;
    ~KoPlaylist();
    KoPlaylist(const KoPlaylist &) = delete;
    KoPlaylist &operator=(const KoPlaylist &) = delete;

    const QList<KoFileInfoModel *> &files() const { return m_files; }
    const QVector<KoRecording> &recordings() const { return m_recordings; }
    bool isEmpty() const { return m_files.isEmpty(); }
    int size() const { return m_files.size(); }

    // The listed model of `path` (as a model stores it), or null.
    KoFileInfoModel *model(const QString &path) const;
    // The model of `path`, added to the end of the list when not listed yet.
    // `added` tells which happened. Call regroup() after a batch of adds.
    KoFileInfoModel *findOrAdd(const QString &path, KoDirectoryListing *listing = nullptr,
                               bool *added = nullptr);
    // Every path through findOrAdd; returns the models in the order of
    // `paths`, listed or new.
    QList<KoFileInfoModel *> addAll(const QStringList &paths, KoDirectoryListing *listing = nullptr);
    // Removes and deletes the model.
    void remove(KoFileInfoModel *model);
    void clear();

    // Sorts the list by path and forms the recordings again; after every
    // change of the list.
    void regroup();

    // The recording `model` is a channel of (a recording of its own when it
    // is not listed).
    KoRecording recordingOf(const KoFileInfoModel *model) const;
    // The file to start the recording after `current` with (its file
    // listed first); null at the end of the list unless `wrap`.
    KoFileInfoModel *nextRecording(const KoRecording &current, bool wrap) const;
    // The file to start the recording before `current` with: the channel
    // file listed just before it, so of two channels the second plays in
    // display 1; from the first recording, the last file of the list.
    KoFileInfoModel *previousRecording(const KoRecording &current) const;
    // True when the list holds nothing but `current` (nothing to step to).
    bool holdsOnly(const KoRecording &current) const;
    // Index of `current` in recordings(), -1 when it is not listed.
    int recordingIndex(const KoRecording &current) const;

private:
    // The recording's file listed first, or last.
    KoFileInfoModel *listedEnd(const KoRecording &recording, bool last) const;

    QList<KoFileInfoModel *> m_files;
    QHash<QString, KoFileInfoModel *> m_byPath;
    QVector<KoRecording> m_recordings;
    QHash<QString, int> m_recordingOfPath;
};
