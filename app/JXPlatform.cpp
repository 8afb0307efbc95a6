#include "app/JXPlatform.h"

#include <QByteArray>
#include <QtGlobal>

#include <clocale>
#include <unistd.h>

void preparePlatformBeforeApplication()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void preparePlatformAfterApplication()
{
    std::setlocale(LC_NUMERIC, "C");
}
