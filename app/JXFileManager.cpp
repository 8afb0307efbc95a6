#include "app/JXFileManager.h"

#include <QStandardPaths>

QString joinPath(const QString &base, const char *suffix)
{
    return base + QString::fromUtf8(suffix);
}

JXFileManager *JXFileManager::instance()
{
    static JXFileManager *s_instance = new JXFileManager;
    return s_instance;
}

QString JXFileManager::createdPath(const QString &path)
{
    m_dir.mkpath(path);
    return path;
}

QString JXFileManager::getAppDataPath()
{
    return createdPath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

QString JXFileManager::getDefaultSnapDir()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // Without a home folder there is no pictures folder either.
    if (pictures.isEmpty())
        return joinPath(getAppDataPath(), "/Pictures");
    return joinPath(pictures, "/Tavrin Player");
}

QString JXFileManager::getGpsDir()
{
    return createdPath(joinPath(getAppDataPath(), "/GPS"));
}

QString JXFileManager::getPreviewDir()
{
    return createdPath(joinPath(getAppDataPath(), "/Previews"));
}
