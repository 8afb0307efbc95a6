#pragma once

#include "mainwindow/KoPlaybackRules.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class JXPlayWidget;

// Snapshots of the playing recording: one picture per display, named and
// numbered by KoPlaybackRules. A number is used up only by a picture that
// was written: the last number is stored when the engine reports a picture
// done, and the names of pictures still being written are taken, so quick
// presses never give two pictures one name. A press whose pictures are not
// all written is reported once, with what its folder tells of the reason.
class KoSnapshotTaker : public QObject
{
    Q_OBJECT

public:
    explicit KoSnapshotTaker(const std::array<JXPlayWidget *, 3> &displays, QObject *parent = nullptr);

    // Pictures of displays 1 to 3 into `folder`, one for each non-empty
    // name in `displayNames` (the display's file, without suffix).
    void take(const QString &folder, const QStringList &displayNames);
    // Pictures asked for and not yet reported.
    int pendingCount() const { return m_pending.size(); }

    // What the user is told of a press whose pictures were not written.
    static QString failureText(const QString &folder, KoPlaybackRules::SnapshotFailure reason);

signals:
    // Some pictures of one press were not written into `folder`.
    void failed(const QString &message);

private:
    struct Press
    {
        QString folder;
        int open = 0;
        bool failed = false;
    };

    void onShotFinished(const QString &path, bool ok);

    std::array<JXPlayWidget *, 3> m_displays;
    // Pictures being written, by path, with their press.
    QHash<QString, int> m_pending;
    QHash<int, Press> m_presses;
    int m_nextPress = 1;
};
