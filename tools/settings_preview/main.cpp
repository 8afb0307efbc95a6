// Shows the settings dialog in the given language, for looking at it. The
// settings it changes are real: run it with XDG_CONFIG_HOME pointing at a
// scratch folder (screenshot.sh does).
//
//   settings_preview [language index 0..7] [--popup map|language] [--refuse]
//
// --refuse chooses a snapshot folder that does not exist, to show the refusal.

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "app/JXPlatform.h"
#include "widgets/KoAppSettingDialog.h"
#include "widgets/KoCustomComboBox.h"

#include <QApplication>
#include <QDebug>
#include <QTimer>

int main(int argc, char **argv)
{
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    // The program's own cache folder name, so the default snapshot folder
    // reads as it does in the player.
    QCoreApplication::setApplicationName(QStringLiteral("TavrinPlayer"));
    const QStringList args = app.arguments();
    int language = args.size() > 1 ? args[1].toInt() : 2;
    JXDefaultSettings::instance()->setLanguage(language);
    loadTranslator(language);
    QCoreApplication::installTranslator(&g_translator);

    auto *dialog = new KoAppSettingDialog(
        [](bool mapChanged) { qWarning() << "settings_preview: setting changed, map:" << mapChanged; });
    dialog->move(40, 40);
    dialog->show();

    const int popup = args.indexOf(QStringLiteral("--popup"));
    if (popup > 0 && popup + 1 < args.size()) {
        const QString name = QStringLiteral("comboBox_") + args[popup + 1];
        QTimer::singleShot(300, dialog, [dialog, name] {
            if (auto *combo = dialog->findChild<KoCustomComboBox *>(name))
                combo->showPopup();
        });
    }
    if (args.contains(QStringLiteral("--refuse")))
        QTimer::singleShot(300, dialog,
                           [dialog] { dialog->applySnapDir(QStringLiteral("/nonexistent/folder")); });
    return app.exec();
}
