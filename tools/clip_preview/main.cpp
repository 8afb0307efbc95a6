// Shows the Export clip dialog on a recording as the window opens it, for
// looking at it; --start starts the export once the recording's length is
// known (into --folder, which defaults to a scratch folder).
//
//   clip_preview FILE [--position S] [--in S] [--out S] [--one-video] [--folder DIR] [--start]

#include "app/JXPlatform.h"
#include "library/KoRecording.h"
#include "widgets/KoClipExportDialog.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    const QStringList args = app.arguments();
    auto value = [&args](const char *name, double fallback) {
        const int at = args.indexOf(QLatin1String(name));
        return at > 0 && at + 1 < args.size() ? args[at + 1].toDouble() : fallback;
    };
    if (args.size() < 2) {
        qWarning("usage: clip_preview FILE [--position S] [--in S] [--out S] [--one-video] [--folder DIR] "
                 "[--start]");
        return 2;
    }
    KoClipExportDialog::Source source;
    const KoRecording recording = KoRecording::ofFile(args[1]);
    source.channels = recording.paths();
    source.nextChannels = KoRecording::nextInFolder(recording).paths();
    source.position = value("--position", 0);
    source.markIn = value("--in", -1);
    source.markOut = value("--out", -1);

    QTemporaryDir scratch;
    const int folderAt = args.indexOf(QStringLiteral("--folder"));
    const QString folder = folderAt > 0 && folderAt + 1 < args.size() ? args[folderAt + 1] : scratch.path();

    KoClipExportDialog *dialog = KoClipExportDialog::exportClip(nullptr, source);
    dialog->move(40, 40);
    dialog->setFolder(folder);
    dialog->setOneVideo(args.contains(QStringLiteral("--one-video")));
    if (args.contains(QStringLiteral("--start")))
        QObject::connect(dialog, &KoClipExportDialog::durationKnown, dialog,
                         &KoClipExportDialog::startExport);
    QObject::connect(dialog, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}
