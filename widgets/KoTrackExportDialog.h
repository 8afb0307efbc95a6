#pragma once

#include "gps/KoTrackExport.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class KoFileInfoModel;
class QWidget;

// "Export track..." of the file list: asks where to save a recording's GPS
// track as GPX 1.1 or CSV and writes it with the same code as the
// track-export command.
class KoTrackExportDialog
{
    Q_DECLARE_TR_FUNCTIONS(KoTrackExportDialog)

public:
    struct Outcome
    {
        KoTrackExport::Status status = KoTrackExport::Ok;
        QString message; // for the user, translated; empty when written
    };

    // The whole step: a recording without a track gets a message and no
    // dialog; otherwise the save dialog, then the file. True when written.
    // `kept`: files the track must never replace (the playlist's, see
    // filesOf); the recording and its channel files are always kept.
    static bool exportTrack(QWidget *parent, KoFileInfoModel *recording, const QStringList &kept = {});

    // The step after the dialog. `replace`: the user confirmed replacing an
    // existing `target`; otherwise an existing file is left as it is. A
    // target that is the recording or one of `kept` is refused.
    static Outcome exportTo(const QString &recordingPath, const QString &target, KoTrackExport::Format format,
                            bool replace = false, const QStringList &kept = {});

    // Every file of the listed recordings: their own and their channel files.
    static QStringList filesOf(const QList<KoFileInfoModel *> &recordings);

    // The text of the file list's menu entry.
    static QString menuText();
    // The dialog's name filters, GPX first.
    static QStringList nameFilters();
    // Beside the recording, named after it, with the format's ending.
    static QString suggestedPath(const QString &recordingPath, KoTrackExport::Format format);
    // The format of a chosen filter, or of the ending the user typed.
    static KoTrackExport::Format formatFor(const QString &filter, const QString &path);

private:
    static QString messageFor(KoTrackExport::Status status, const QString &recordingPath,
                              const QString &target);
};
