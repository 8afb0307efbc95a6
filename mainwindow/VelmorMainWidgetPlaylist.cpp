// The playlist: adding files (dialogs, drop, start-up restore, paths handed
// over from outside), refusing duplicates, clearing, deleting, double-click,
// and refreshFileList, which groups, stores and shows the list after every
// change.
#include "mainwindow/VelmorMainWidget.h"

#include "app/JXDefaultSettings.h"
#include "library/KoDirectoryListing.h"
#include "library/KoFileInfoModel.h"
#include "mainwindow/ui_VelmorMainWidget.h"
#include "widgets/JXAlertDialog.h"

#include <QDebug>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QMimeData>
#include <QSet>
#include <QUrl>

void VelmorMainWidget::addFilePath(const QString &path, KoDirectoryListing *listing)
{
    const QFileInfo info(path);
    qWarning() << "VelmorMainWidget::addFilePath" << 1222 << path << info.fileName()
               << info.absoluteFilePath();
    auto *recording = new KoFileInfoModel(info.fileName(), info.absoluteFilePath(), nullptr, listing);
    bool matched = false;
    for (KoFileInfoModel *listed : qAsConst(m_fileModels)) {
        if (listed->filePath() == recording->filePath())
            matched = true;
        else
            listed->setPlaying(false);
    }
    if (matched)
        delete recording;
    else
        m_fileModels.append(recording);
}

// addFilePath for many files, with the same outcome: a path already listed
// (or met earlier in the batch) is not added again, and the playing marks end
// as the single adds leave them. The duplicate test goes through an index
// instead of walking the list for every file, and the marks are settled once.
void VelmorMainWidget::addFiles(const QStringList &paths, KoDirectoryListing *listing)
{
    if (paths.isEmpty())
        return;
    QHash<QString, KoFileInfoModel *> listed;
    listed.reserve(m_fileModels.size() + paths.size());
    for (KoFileInfoModel *recording : qAsConst(m_fileModels))
        listed.insert(recording->filePath(), recording);

    // One log line for the batch: thousands of files make thousands of lines.
    qWarning() << "VelmorMainWidget::addFilePath" << 1222 << paths.size() << "files from" << paths.first()
               << "to" << paths.last();
    QSet<QString> added;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        auto *recording = new KoFileInfoModel(info.fileName(), info.absoluteFilePath(), nullptr, listing);
        added.insert(recording->filePath());
        if (listed.contains(recording->filePath())) {
            delete recording;
            continue;
        }
        listed.insert(recording->filePath(), recording);
        m_fileModels.append(recording);
    }
    // An entry keeps its mark only when every file of the batch was that entry.
    const QString only = added.size() == 1 ? *added.cbegin() : QString();
    for (KoFileInfoModel *recording : qAsConst(m_fileModels)) {
        if (only.isEmpty() || recording->filePath() != only)
            recording->setPlaying(false);
    }
}

void VelmorMainWidget::refreshFileList()
{
    KoFileInfoModel::groupRecordings(m_fileModels);
    QStringList paths;
    paths.reserve(m_fileModels.size());
    for (const KoFileInfoModel *recording : qAsConst(m_fileModels))
        paths.append(recording->filePath());
    JXDefaultSettings::instance()->setLastFileList(paths);
    ui->treeView_filelist->setFileList(m_fileModels);
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
    qWarning() << "VelmorMainWidget::on_pushBtn_add_dir_clicked" << 1803 << entries.size();
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
    addFiles(files, &listing);
    refreshFileList();
    playSelectFile(files.first());
    JXDefaultSettings::instance()->setVideoDir(QFileInfo(files.first()).dir().absolutePath());
}

void VelmorMainWidget::on_pushBtn_add_dir_clicked()
{
    const QString dir = JXDefaultSettings::instance()->getVideoDir();
    qWarning() << "VelmorMainWidget::on_pushBtn_add_dir_clicked" << 1790 << dir;
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("打开文件夹"), dir, QFileDialog::ShowDirsOnly);
    qWarning() << "VelmorMainWidget::on_pushBtn_add_dir_clicked" << 1793 << folder;
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
    restorePlayingMarks();
}

// The recordings loaded in the displays lose their marks to an add; they get
// them back when nothing new starts playing.
void VelmorMainWidget::restorePlayingMarks()
{
    if (m_channelModel1)
        m_channelModel1->setPlaying(true);
    if (m_channelModel2)
        m_channelModel2->setPlaying(true);
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
            qWarning() << "VelmorMainWidget::openPaths" << __LINE__ << "no such file" << path;
        } else if (!hasVideoSuffix(path)) {
            qWarning() << "VelmorMainWidget::openPaths" << __LINE__ << "not a recording" << path;
        } else {
            files.append(info.absoluteFilePath());
        }
    }
    if (!lastFolder.isEmpty())
        JXDefaultSettings::instance()->setVideoDir(lastFolder);
    if (files.isEmpty() && fromFolders.isEmpty())
        return;

    KoDirectoryListing listing;
    addFiles(fromFolders + files, &listing);
    refreshFileList();
    if (files.isEmpty()) {
        restorePlayingMarks();
        return;
    }
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
    if (!m_fileModels.isEmpty())
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
    qWarning() << "VelmorMainWidget::dragEnterEvent" << 292 << event->mimeData()->urls();
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")) &&
        !droppedVideoPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void VelmorMainWidget::dropEvent(QDropEvent *event)
{
    qWarning() << "VelmorMainWidget::dropEvent" << 306 << event->mimeData()->urls();
    const QStringList paths = droppedVideoPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    KoDirectoryListing listing;
    addFiles(paths, &listing);
    refreshFileList();
    playSelectFile(paths.first());
}

void VelmorMainWidget::on_pushBtn_clear_list_clicked()
{
    if (m_fileModels.isEmpty())
        return;
    if (JXAlertDialog::question(this, tr("提示"), tr("确定要清空文件列表？")) != QMessageBox::Ok)
        return;
    if (m_channelModel1) {
        qWarning() << "VelmorMainWidget::on_pushBtn_clear_list_clicked" << 1839
                   << ".............auto stop is false";
        m_autoStop = false;
        stopPlay();
    }
    ui->widget_draw_gsensor->setModel(nullptr);
    qDeleteAll(m_fileModels);
    m_fileModels.clear();
    refreshFileList();
}

void VelmorMainWidget::on_treeView_filelist_doubleClicked(QModelIndex index)
{
    KoFileInfoModel *recording = JXDeviceTreeView::recordingAt(index);
    if (!recording || recording == m_channelModel1)
        return;
    qWarning() << "VelmorMainWidget::on_treeView_filelist_doubleClicked" << 1271
               << ".............auto stop is false";
    m_autoStop = false;
    stopPlay();
    autoPlayFile(recording);
    ui->treeView_filelist->setFileList(m_fileModels);
}

void VelmorMainWidget::willDeleteFileSlot(QModelIndex index)
{
    if (!index.isValid())
        return;
    KoFileInfoModel *recording = JXDeviceTreeView::recordingAt(index);
    if (!recording)
        return;
    if (recording == m_channelModel1 || recording == m_channelModel2 || recording == m_channelModel3) {
        qWarning() << "VelmorMainWidget::willDeleteFileSlot" << 676 << ".............auto stop is false";
        m_autoStop = false;
        stopPlay();
    }
    if (ui->widget_draw_gsensor->model() == recording)
        ui->widget_draw_gsensor->setModel(nullptr);
    if (KoFileInfoModel *prev = recording->prevRecording())
        prev->setNextRecording(nullptr);
    if (KoFileInfoModel *next = recording->nextRecording())
        next->setPrevRecording(nullptr);
    m_fileModels.removeOne(recording);
    delete recording;
    refreshFileList();
}
