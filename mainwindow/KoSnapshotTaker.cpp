#include "mainwindow/KoSnapshotTaker.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "playback/JXPlayWidget.h"
#include "playback/PlayLabel.h"

#include <QDir>
#include <QSet>

KoSnapshotTaker::KoSnapshotTaker(const std::array<JXPlayWidget *, 3> &displays, QObject *parent)
    : QObject(parent)
    , m_displays(displays)
{
    for (JXPlayWidget *display : m_displays)
        connect(display->playLabel(), &PlayLabel::sigShotFinished, this, &KoSnapshotTaker::onShotFinished);
}

void KoSnapshotTaker::take(const QString &folder, const QStringList &displayNames)
{
    JXDefaultSettings *settings = JXDefaultSettings::instance();
    // Numbered on past the pictures still being written too.
    int last = settings->getLastCaptureIndex();
    QSet<QString> pending;
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it) {
        pending.insert(it.key());
        last = qMax(last, KoPlaybackRules::snapshotNumber(it.key()));
    }
    const QStringList paths = KoPlaybackRules::snapshotPaths(folder, displayNames, &last, pending);
    const int press = m_nextPress++;
    Press &p = m_presses[press];
    p.folder = folder;
    for (int k = 1; k <= qMin(paths.size(), 3); ++k) {
        const QString &path = paths.at(k - 1);
        if (path.isEmpty())
            continue;
        m_pending.insert(path, press);
        ++p.open;
        qCDebug(lcUi).noquote() << "snapshot of display" << k << "to" << path;
        m_displays[size_t(k - 1)]->capture(path);
    }
    if (p.open == 0)
        m_presses.remove(press);
}

void KoSnapshotTaker::onShotFinished(const QString &path, bool ok)
{
    const auto it = m_pending.constFind(path);
    if (it == m_pending.cend())
        return; // a preview, or another program's picture
    const int press = it.value();
    m_pending.erase(it);
    Press &p = m_presses[press];
    if (ok) {
        JXDefaultSettings *settings = JXDefaultSettings::instance();
        const int number = KoPlaybackRules::snapshotNumber(path);
        if (number > settings->getLastCaptureIndex())
            settings->setLastCaptureIndex(number);
    } else {
        p.failed = true;
    }
    if (--p.open > 0)
        return;
    const Press done = m_presses.take(press);
    if (!done.failed)
        return;
    const KoPlaybackRules::SnapshotFailure reason = KoPlaybackRules::snapshotFailure(done.folder);
    static const char *const reasons[] = {"the folder does not exist", "the folder cannot be written to",
                                          "the disk is full", "the engine could not write it"};
    qCInfo(lcUi).noquote() << "snapshot not written into" << done.folder << "-" << reasons[int(reason)];
    emit failed(failureText(done.folder, reason));
}

QString KoSnapshotTaker::failureText(const QString &folder, KoPlaybackRules::SnapshotFailure reason)
{
    const QString shown = QDir::toNativeSeparators(folder);
    switch (reason) {
    case KoPlaybackRules::SnapshotFailure::FolderMissing:
        return tr("The snapshot was not saved: the folder %1 does not exist. Choose another folder in the "
                  "settings or connect its drive.")
            .arg(shown);
    case KoPlaybackRules::SnapshotFailure::FolderReadOnly:
        return tr("The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in "
                  "the settings.")
            .arg(shown);
    case KoPlaybackRules::SnapshotFailure::DiskFull:
        return tr("The snapshot was not saved: the disk of the folder %1 is full.").arg(shown);
    case KoPlaybackRules::SnapshotFailure::Unknown:
        break;
    }
    return tr("The snapshot was not saved in the folder %1.").arg(shown);
}
