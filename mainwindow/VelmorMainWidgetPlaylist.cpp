// The playlist: adding files (dialogs, drop, start-up restore, paths handed
// over from outside), refusing duplicates, clearing, deleting, double-click,
// and refreshFileList, which groups, stores and shows the list after every
// change.
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"
#include "library/KoPlaylist.h"
#include "library/KoRecording.h"
#include "mainwindow/KoTripNavigator.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoClipExportDialog.h"
#include "widgets/KoTrackExportDialog.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

void VelmorMainWidget::addFilePath(const QString &path, KoDirectoryListing *listing)
{
    qCInfo(lcLibrary).noquote() << "adding" << path;
    m_playlist->findOrAdd(path, listing);
}

// A path already listed (or met earlier in the batch) is not added again.
void VelmorMainWidget::addFiles(const QStringList &paths, KoDirectoryListing *listing)
{
    if (paths.isEmpty())
        return;
    // One line for the batch: thousands of files make thousands of lines.
    qCInfo(lcLibrary).noquote() << "adding" << paths.size() << "files from" << paths.first() << "to"
                                << paths.last();
    m_playlist->addAll(paths, listing);
}

const QList<KoFileInfoModel *> &VelmorMainWidget::fileModels() const
{
    return m_playlist->files();
}

void VelmorMainWidget::refreshFileList()
{
    m_playlist->regroup();
    QStringList paths;
    paths.reserve(m_playlist->size());
    for (const KoFileInfoModel *file : m_playlist->files())
        paths.append(file->filePath());
    JXDefaultSettings::instance()->setLastFileList(paths);
    ui->treeView_filelist->setFileList(m_playlist->files());
    m_navigator->listChanged();
    updateTripHeaders();
}

bool VelmorMainWidget::hasVideoSuffix(const QString &path)
{
    return videoSuffixes().contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

// The translations keep these texts as they are.
QStringList VelmorMainWidget::videoSuffixes()
{
    return {tr("mp4"), tr("mov"), tr("ts")};
}

QStringList VelmorMainWidget::videoFilesIn(const QString &folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files);
    const QStringList suffixes = videoSuffixes();
    QStringList kept;
    for (const QFileInfo &entry : entries) {
        if (suffixes.contains(entry.suffix(), Qt::CaseInsensitive))
            kept.append(entry.absoluteFilePath());
    }
    return kept;
}

void VelmorMainWidget::on_pushBtn_add_file_clicked()
{
    const QString dir = JXDefaultSettings::instance()->getVideoDir();
    addChosenFiles(
        QFileDialog::getOpenFileNames(this, tr("打开文件"), dir, QStringLiteral("*.mp4 *.mov *.ts")));
}

void VelmorMainWidget::on_pushBtn_open_dir_clicked()
{
    on_pushBtn_add_file_clicked();
}

void VelmorMainWidget::addChosenFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    KoDirectoryListing listing;
    addFiles(KoRecording::withOtherChannels(files), &listing);
    refreshFileList();
    playSelectFile(files.first());
    JXDefaultSettings::instance()->setVideoDir(QFileInfo(files.first()).dir().absolutePath());
}

void VelmorMainWidget::on_pushBtn_add_dir_clicked()
{
    const QString dir = JXDefaultSettings::instance()->getVideoDir();
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("打开文件夹"), dir, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    addChosenFolder(folder);
}

void VelmorMainWidget::addChosenFolder(const QString &folder)
{
    const QStringList kept = videoFilesIn(folder);
    JXDefaultSettings::instance()->setVideoDir(folder);
    if (kept.isEmpty())
        return;
    KoDirectoryListing listing;
    addFiles(kept, &listing);
    refreshFileList();
}

void VelmorMainWidget::openPaths(const QStringList &paths)
{
    QStringList files;
    QStringList fromFolders;
    QString lastFolder;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            fromFolders += videoFilesIn(info.absoluteFilePath());
            lastFolder = info.absoluteFilePath();
        } else if (!info.exists()) {
            qCInfo(lcLibrary).noquote() << "skipped, no such file:" << path;
        } else if (!hasVideoSuffix(path)) {
            qCInfo(lcLibrary).noquote() << "skipped, not a recording:" << path;
        } else {
            files.append(info.absoluteFilePath());
        }
    }
    if (!lastFolder.isEmpty())
        JXDefaultSettings::instance()->setVideoDir(lastFolder);
    if (files.isEmpty() && fromFolders.isEmpty())
        return;

    KoDirectoryListing listing;
    addFiles(fromFolders + KoRecording::withOtherChannels(files), &listing);
    refreshFileList();
    if (files.isEmpty())
        return;
    playSelectFile(files.first());
    JXDefaultSettings::instance()->setVideoDir(QFileInfo(files.first()).dir().absolutePath());
}

void VelmorMainWidget::restorePlaylist()
{
    KoDirectoryListing listing;
    QStringList existing;
    for (const QString &path : JXDefaultSettings::instance()->getLastFileList()) {
        if (listing.exists(path))
            existing.append(path);
    }
    addFiles(existing, &listing);
    if (!m_playlist->isEmpty())
        refreshFileList();
}

bool VelmorMainWidget::isVideoPath(const QString &path)
{
    const QString rest = path.mid(4);
    return rest.contains(QLatin1String(".mp4"), Qt::CaseInsensitive) ||
           rest.contains(QLatin1String(".mov"), Qt::CaseInsensitive) ||
           rest.contains(QLatin1String(".ts"), Qt::CaseInsensitive);
}

QStringList VelmorMainWidget::droppedVideoPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime)
        return paths;
    for (const QUrl &url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && isVideoPath(path))
            paths.append(path);
    }
    return paths;
}

void VelmorMainWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")) &&
        !droppedVideoPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void VelmorMainWidget::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedVideoPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    KoDirectoryListing listing;
    addFiles(KoRecording::withOtherChannels(paths), &listing);
    refreshFileList();
    playSelectFile(paths.first());
}

void VelmorMainWidget::on_pushBtn_clear_list_clicked()
{
    if (m_playlist->isEmpty())
        return;
    if (JXAlertDialog::question(this, tr("提示"), tr("确定要清空文件列表？")) != QMessageBox::Ok)
        return;
    m_session->stop();
    ui->widget_draw_gsensor->setModel(nullptr);
    m_playlist->clear();
    refreshFileList();
}

void VelmorMainWidget::on_treeView_filelist_doubleClicked(QModelIndex index)
{
    KoFileInfoModel *recording = JXDeviceTreeView::recordingAt(index);
    if (recording && recording != channelModel(1))
        m_session->play(recording);
}

void VelmorMainWidget::willDeleteFileSlot(QModelIndex index)
{
    if (!index.isValid())
        return;
    KoFileInfoModel *recording = JXDeviceTreeView::recordingAt(index);
    if (!recording)
        return;
    if (m_session->recording().contains(recording->filePath()))
        m_session->stop();
    if (ui->widget_draw_gsensor->model() == recording)
        ui->widget_draw_gsensor->setModel(nullptr);
    m_playlist->remove(recording);
    refreshFileList();
}

void VelmorMainWidget::showFileListMenu(const QPoint &pos)
{
    const QModelIndex index = ui->treeView_filelist->indexAt(pos);
    KoFileInfoModel *recording = JXDeviceTreeView::recordingAt(index);
    if (recording == nullptr)
        return;
    QMenu menu(ui->treeView_filelist);
    applyMenuStyle(&menu);
    menu.addAction(KoTrackExportDialog::menuText(), [this, recording] {
        KoTrackExportDialog::exportTrack(this, recording, KoTrackExportDialog::filesOf(m_playlist->files()));
    });
    menu.addAction(KoClipExportDialog::menuText(), [this, recording] { exportClip(recording); });
    menu.exec(ui->treeView_filelist->viewport()->mapToGlobal(pos));
}

void VelmorMainWidget::exportClip(KoFileInfoModel *recording)
{
    if (recording == nullptr)
        return;
    const KoRecording own = m_playlist->recordingOf(recording);
    KoClipExportDialog::Source source;
    source.channels = own.paths();
    if (m_session->recording() == own) {
        source.position = qMax(0.0, display(1)->precisePosition());
        source.markIn = m_clipMarks.in;
        source.markOut = m_clipMarks.out;
    }
    if (KoFileInfoModel *next = m_playlist->nextRecording(own, false))
        source.nextChannels = m_playlist->recordingOf(next).paths();
    KoClipExportDialog::exportClip(this, source);
}
