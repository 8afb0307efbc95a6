#include "widgets/KoTrackExportDialog.h"

#include "app/KoLogging.h"
#include "library/KoFileInfoModel.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString KoTrackExportDialog::menuText()
{
    return tr("Export track...");
}

QStringList KoTrackExportDialog::nameFilters()
{
    return {tr("GPX 1.1 (*.gpx)"), tr("CSV (*.csv)")};
}

QString KoTrackExportDialog::suggestedPath(const QString &recordingPath, KoTrackExport::Format format)
{
    const QFileInfo info(recordingPath);
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + KoTrackExport::suffix(format));
}

KoTrackExport::Format KoTrackExportDialog::formatFor(const QString &filter, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return KoTrackExport::Csv;
    if (suffix == QLatin1String("gpx"))
        return KoTrackExport::Gpx;
    return filter.contains(QLatin1String("*.csv")) ? KoTrackExport::Csv : KoTrackExport::Gpx;
}

QString KoTrackExportDialog::messageFor(KoTrackExport::Status status, const QString &recordingPath,
                                        const QString &target)
{
    const QString name = QFileInfo(recordingPath).fileName();
    switch (status) {
    case KoTrackExport::Ok:
        break;
    case KoTrackExport::NoTrack:
        return tr("The recording %1 holds no GPS track. Nothing was exported.").arg(name);
    case KoTrackExport::Unreadable:
        return tr("The recording %1 cannot be read.").arg(name);
    case KoTrackExport::Unwritable:
        return tr("The track could not be written to %1. Check that the folder exists and that you may write "
                  "to it.")
            .arg(QDir::toNativeSeparators(target));
    case KoTrackExport::TargetExists:
        return tr("%1 already exists and was left unchanged.").arg(QDir::toNativeSeparators(target));
    case KoTrackExport::TargetIsSource:
        return tr("%1 is a recording of the playlist: the track was not written and the recording is "
                  "unchanged. Choose another file name.")
            .arg(QDir::toNativeSeparators(target));
    }
    return QString();
}

KoTrackExportDialog::Outcome KoTrackExportDialog::exportTo(const QString &recordingPath,
                                                           const QString &target,
                                                           KoTrackExport::Format format, bool replace,
                                                           const QStringList &kept)
{
    const KoTrackExport::Result result =
        KoTrackExport::exportTo(recordingPath, format, target, replace, kept);
    Outcome outcome;
    outcome.status = result.status;
    if (result.status != KoTrackExport::Ok) {
        outcome.message = messageFor(result.status, recordingPath, target);
        qCWarning(lcUi) << "track export of" << recordingPath << "to" << target
                        << "failed:" << result.message;
    }
    return outcome;
}

QStringList KoTrackExportDialog::filesOf(const QList<KoFileInfoModel *> &recordings)
{
    QStringList files;
    for (const KoFileInfoModel *recording : recordings) {
        for (int i = 0; i < 3; ++i) {
            if (!recording->channelPath(i).isEmpty())
                files.append(recording->channelPath(i));
        }
    }
    return files;
}

bool KoTrackExportDialog::exportTrack(QWidget *parent, KoFileInfoModel *recording, const QStringList &kept)
{
    if (recording == nullptr)
        return false;
    const QString source = recording->filePath();
    // Asked first, so that nobody picks a file name for a track that is not there.
    const KoTrackExport::Result probe = KoTrackExport::run(source, KoTrackExport::Track);
    if (probe.status != KoTrackExport::Ok) {
        qCInfo(lcUi) << "nothing to export:" << probe.message;
        QMessageBox::information(parent, tr("Export track"), messageFor(probe.status, source, QString()));
        return false;
    }

    const QStringList filters = nameFilters();
    QString filter = filters.first();
    QString target =
        QFileDialog::getSaveFileName(parent, tr("Export track"), suggestedPath(source, KoTrackExport::Gpx),
                                     filters.join(QStringLiteral(";;")), &filter);
    if (target.isEmpty())
        return false;
    const KoTrackExport::Format format = formatFor(filter, target);
    // The dialog asked before replacing the file it returned; a name that
    // only gets its ending here was not asked about.
    bool confirmed = true;
    if (QFileInfo(target).suffix().isEmpty()) {
        target += QLatin1Char('.') + KoTrackExport::suffix(format);
        confirmed = false;
    }
    const Outcome outcome = exportTo(source, target, format, confirmed, kept + filesOf({recording}));
    if (outcome.status != KoTrackExport::Ok) {
        QMessageBox::warning(parent, tr("Export track"), outcome.message);
        return false;
    }
    return true;
}
