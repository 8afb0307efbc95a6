#include "app/JXDefaultSettings.h"
#include "app/JXFirstRun.h"
#include "app/JXLanguage.h"
#include "app/JXPlatform.h"
#include "mainwindow/VelmorMainWidget.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char **argv)
{
    qWarning() << "main" << 105;
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    qWarning() << "main" << 107;

    checkFirstInstall();
    qWarning() << "main" << 109;
    qWarning() << "main" << 111;

    int language = JXDefaultSettings::instance()->getLanguage();
    loadTranslator(language);
    QCoreApplication::installTranslator(&g_translator);

    VelmorMainWidget window;
    window.show();
    qWarning() << "main" << 134;

    return app.exec();
}
