#include "app/JXDefaultSettings.h"
#include "app/JXFirstRun.h"
#include "app/JXLanguage.h"
#include "app/JXPlatform.h"
#include "app/KoCommandLine.h"
#include "app/KoSingleInstance.h"
#include "mainwindow/VelmorMainWidget.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char **argv)
{
    qWarning() << "main" << 105;
    const KoCommandLine commandLine = KoCommandLine::parse(argc, argv);
    if (commandLine.exitsAtOnce())
        return commandLine.printAndExit();
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    qWarning() << "main" << 107;
    KoSingleInstance singleInstance;
    if (singleInstance.handOver(commandLine.paths()))
        return 0;

    checkFirstInstall();
    qWarning() << "main" << 109;
    qWarning() << "main" << 111;

    int language = JXDefaultSettings::instance()->getLanguage();
    loadTranslator(language);
    QCoreApplication::installTranslator(&g_translator);

    VelmorMainWidget window;
    window.show();
    // Until the window can open paths, what it is given is only logged.
    singleInstance.serve(
        &window, [](const QStringList &paths) { qWarning() << "main: to open" << paths; },
        commandLine.paths());
    qWarning() << "main" << 134;

    return app.exec();
}
