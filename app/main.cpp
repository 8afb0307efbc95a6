#include "app/JXDefaultSettings.h"

#include "app/JXEngineFailure.h"
#include "app/JXFirstRun.h"
#include "app/JXLanguage.h"
#include "app/JXPlatform.h"
#include "app/KoCommandLine.h"
#include "app/KoLogging.h"
#include "app/KoSingleInstance.h"
#include "mainwindow/VelmorMainWidget.h"

#include <QApplication>

#include <memory>
#include <stdexcept>

int main(int argc, char **argv)
{
    // --help and --version print their text and nothing else.
    const KoCommandLine commandLine = KoCommandLine::parse(argc, argv);
    if (commandLine.exitsAtOnce())
        return commandLine.printAndExit();
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    KoSingleInstance singleInstance;
    if (singleInstance.handOver(commandLine.paths()))
        return 0;

    checkFirstInstall();

    int language = JXDefaultSettings::instance()->getLanguage();
    loadTranslator(language);
    installTranslators();

    // The window builds the video displays; their engine throws when libmpv
    // cannot be set up.
    std::unique_ptr<VelmorMainWidget> window;
    try {
        window = std::make_unique<VelmorMainWidget>();
    } catch (const std::runtime_error &error) {
        return JXEngineFailure::report(error);
    }
    window->show();
    singleInstance.serve(
        window.get(), [&window](const QStringList &paths) { window->openPaths(paths); }, commandLine.paths());
    qCDebug(lcApp) << "the window is up; waiting for the user";

    return app.exec();
}
