#include "app/JXFirstRun.h"

#include "app/JXDefaultSettings.h"
#include "app/JXFileManager.h"
#include "app/KoLogging.h"

#include <QDateTime>
#include <QFile>

void checkFirstInstall()
{
    const QString path = joinPath(JXFileManager::instance()->getAppDataPath(), "/myapp.conf");
    if (QFile::exists(path))
        return;

    qCInfo(lcApp) << "first start: the settings are reset";
    QFile marker(path);
    if (marker.open(QIODevice::WriteOnly)) {
        marker.write(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8());
        marker.close();
    }
    JXDefaultSettings::instance()->resetSettings();
}
