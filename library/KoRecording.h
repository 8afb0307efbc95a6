#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class KoFileInfoModel;

// One recording of the dash camera: the files of its channels (front, rear,
// interior), one per camera, in channel order. A value: it names the files,
// the playlist owns their models.
class KoRecording
{
public:
    struct Channel
    {
        QString path;
        // 1 to 3 as the file name tells (A/B/C, 00/01_b/02_c); 0 when it
        // tells none.
        int index = 0;

        bool operator==(const Channel &other) const { return path == other.path && index == other.index; }
    };

    KoRecording() = default;
    explicit KoRecording(QVector<Channel> channels);

    const QVector<Channel> &channels() const { return m_channels; }
    int channelCount() const { return m_channels.size(); }
    bool isEmpty() const { return m_channels.isEmpty(); }
    bool contains(const QString &path) const;
    // The channel files in channel order.
    QStringList paths() const;
    // The first and the last channel file in channel order.
    QString firstPath() const;
    QString lastPath() const;

    // The channels as displays 1 to 3 show them when `chosen` is asked for:
    // all three in channel order; of two, the chosen file first.
    QVector<Channel> displayOrder(const QString &chosen) const;

    bool operator==(const KoRecording &other) const { return m_channels == other.m_channels; }
    bool operator!=(const KoRecording &other) const { return !(*this == other); }

    // The recordings of a playlist, in the order of their first file in
    // `files`: the files whose names make them channels of one recording
    // (found on disk by each model's sibling search) are grouped, every
    // other file is a recording of its own. Each file is in exactly one
    // recording. Reads the models only.
    static QVector<KoRecording> group(const QList<KoFileInfoModel *> &files);

    // The recording of the file at `path` as the player groups it, with the
    // channel files found beside it on disk (a file of its own when the name
    // has no channel part).
    static KoRecording ofFile(const QString &path);
    // `paths` (channel files chosen one by one, made absolute), each followed
    // by the other channel files of its recording as ofFile() finds them on
    // disk, every path once: opening the front camera's file opens every
    // camera.
    static QStringList withOtherChannels(const QStringList &paths);
    // The recording after `recording` among the recordings in its folder (in
    // the order the file list shows them); empty when it is the last.
    static KoRecording nextInFolder(const KoRecording &recording);

private:
    QVector<Channel> m_channels;
};
