#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// Answers "does this path exist?" for many paths of a few folders with one
// listing per folder instead of one file-system call per path. The answers
// are those of QFileInfo::exists at the time a folder was first asked about,
// so a listing is meant to live for one batch of work (adding a folder of
// recordings), not longer.
class KoDirectoryListing
{
public:
    bool exists(const QString &path);

    // Folders read so far; an unreadable or missing folder is not read.
    int listedDirectoryCount() const;

private:
    struct Directory
    {
        QSet<QString> names;
        bool listed = false;
        bool caseInsensitive = false;
    };

    Directory &directory(const QString &dirPath);
    static void list(const QString &dirPath, Directory &dir);

    QHash<QString, Directory> m_dirs;
};
