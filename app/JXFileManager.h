#pragma once

#include <QDir>
#include <QObject>
#include <QString>

// `base` with `suffix` (UTF-8) appended; callers pass suffixes that begin
// with "/".
QString joinPath(const QString &base, const char *suffix);

// Process-wide path service: the per-user directory that holds every file
// the program writes by itself, and the default place of the snapshots.
class JXFileManager : public QObject
{
    Q_OBJECT

public:
    static JXFileManager *instance();

    QString getAppDataPath();
    // The snapshot folder unless the user chose another: "Tavrin Player" in
    // the user's pictures folder (never below the cache, which cleaners
    // empty). Not created here: JXDefaultSettings::getSnapDir makes it.
    QString getDefaultSnapDir();
    // Track cache and preview folders below the application data path.
    QString getGpsDir();
    QString getPreviewDir();

private:
    JXFileManager() = default;

    QString createdPath(const QString &path);

    QDir m_dir{QString()};
};
