#pragma once

#include <QDir>
#include <QObject>
#include <QString>

// `base` with `suffix` (UTF-8) appended; callers pass suffixes that begin
// with "/".
QString joinPath(const QString &base, const char *suffix);

// Process-wide path service: the per-user directory that holds every file
// the program writes by itself.
class JXFileManager : public QObject
{
    Q_OBJECT

public:
    static JXFileManager *instance();

    QString getAppDataPath();
    QString getDefaultSnapDir();
    // Track cache and preview folders below the application data path.
    QString getGpsDir();
    QString getPreviewDir();

private:
    JXFileManager() = default;

    QString createdPath(const QString &path);

    QDir m_dir{QString()};
};
