#include "library/KoDirectoryListing.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

static int nameStart(const QString &path)
{
    int cut = path.lastIndexOf(QLatin1Char('/'));
    if (QDir::separator() != QLatin1Char('/'))
        cut = qMax(cut, path.lastIndexOf(QDir::separator()));
    return cut + 1;
}

// The name with the case of every letter swapped, or an empty text when the
// name has no letter whose case can change.
static QString swappedCase(const QString &name)
{
    QString swapped = name;
    bool changed = false;
    for (QChar &c : swapped) {
        const QChar other = c.isUpper() ? c.toLower() : c.toUpper();
        if (other != c) {
            c = other;
            changed = true;
        }
    }
    return changed ? swapped : QString();
}

bool KoDirectoryListing::exists(const QString &path)
{
    const int start = nameStart(path);
    const QString name = path.mid(start);
    if (start == 0 || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QFileInfo::exists(path);

    const Directory &dir = directory(path.left(start));
    if (!dir.listed)
        return QFileInfo::exists(path);
    return dir.names.contains(dir.caseInsensitive ? name.toCaseFolded() : name);
}

int KoDirectoryListing::listedDirectoryCount() const
{
    int count = 0;
    for (const Directory &dir : m_dirs)
        count += dir.listed;
    return count;
}

KoDirectoryListing::Directory &KoDirectoryListing::directory(const QString &dirPath)
{
    auto it = m_dirs.find(dirPath);
    if (it == m_dirs.end()) {
        it = m_dirs.insert(dirPath, Directory());
        list(dirPath, *it);
    }
    return *it;
}

void KoDirectoryListing::list(const QString &dirPath, Directory &dir)
{
    // A folder that cannot be read (or does not exist) is answered path by
    // path, as without a listing.
    const QFileInfo info(dirPath);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return;

    QStringList names;
    QDirIterator it(dirPath, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        // QFileInfo::exists follows links: a dangling link does not count.
        if (entry.isSymLink() && !entry.exists())
            continue;
        names.append(it.fileName());
    }

    // On a case-insensitive file system (a FAT card, a case-folding folder) a
    // path exists whatever the case of its name: find out with one probe.
    for (const QString &name : qAsConst(names)) {
        const QString swapped = swappedCase(name);
        if (swapped.isEmpty())
            continue;
        dir.caseInsensitive = !names.contains(swapped) && QFileInfo::exists(dirPath + swapped);
        break;
    }

    dir.names.reserve(names.size());
    for (const QString &name : qAsConst(names))
        dir.names.insert(dir.caseInsensitive ? name.toCaseFolded() : name);
    dir.listed = true;
}
