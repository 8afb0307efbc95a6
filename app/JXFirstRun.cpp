#include "app/JXFirstRun.h"

#include "app/JXDefaultSettings.h"
#include "app/JXFileManager.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>

void checkFirstInstall()
{
    const QString path = joinPath(JXFileManager::instance()->getAppDataPath(), "/myapp.conf");
    qWarning() << "checkFirstInstall" << 84;
    if (QFile::exists(path))
        return;

    qWarning() << "checkFirstInstall" << 90;
    QFile marker(path);
    if (marker.open(QIODevice::WriteOnly)) {
        marker.write(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8());
        marker.close();
    }
    JXDefaultSettings::instance()->resetSettings();
}
