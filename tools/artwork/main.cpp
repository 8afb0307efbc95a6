// Remakes the program's images, or draws a contact sheet of them.
//
//   tavrin_artwork --out <resources folder>
//       draws every image into <resources>/images and <resources>/maps
//   tavrin_artwork --sheet <sheet.png> <resources folder>
//       one overview picture of the PNG files in those two folders
//   tavrin_artwork --icons <folder> <name>
//       the application icon as <folder>/hicolor/<N>x<N>/apps/<name>.png

#include "tools/artwork/ArtworkPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

int writeAll(const QString &resources)
{
    int failures = 0;
    for (const ArtworkEntry &entry : ArtworkPainter::catalog()) {
        const QDir dir(QDir(resources).filePath(entry.folder));
        if (!dir.exists() && !QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
        const QString path = dir.filePath(entry.name);
        if (!ArtworkPainter::render(entry).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

int writeIcons(const QString &folder, const QString &name)
{
    for (int size : ArtworkPainter::applicationIconSizes()) {
        const QDir dir(QDir(folder).filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size)));
        const QString path = dir.filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(dir.path()) || !ArtworkPainter::applicationIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

int writeSheet(const QString &sheetPath, const QString &resources)
{
    QVector<QPair<QString, QImage>> images;
    for (const char *folder : {"images", "maps"}) {
        const QDir dir(QDir(resources).filePath(QString::fromLatin1(folder)));
        for (const QString &name : dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
            QImage img(dir.filePath(name));
            if (img.isNull()) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(dir.filePath(name)));
                return 1;
            }
            images.push_back({name, img});
        }
    }
    if (images.isEmpty()) {
        std::fprintf(stderr, "no images below %s\n", qPrintable(resources));
        return 1;
    }
    if (!ArtworkPainter::contactSheet(images).save(sheetPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    std::printf("%d images -> %s\n", int(images.size()), qPrintable(sheetPath));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!ArtworkPainter::loadFonts())
        std::fprintf(stderr, "warning: DejaVu fonts not found (fonts-dejavu-core); using the default font\n");
    if (args.size() == 3 && args[1] == QLatin1String("--out"))
        return writeAll(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("--sheet"))
        return writeSheet(args[2], args[3]);
    if (args.size() == 4 && args[1] == QLatin1String("--icons"))
        return writeIcons(args[2], args[3]);
    std::fprintf(stderr,
                 "usage: %s --out <resources> | --sheet <sheet.png> <resources> | --icons <folder> <name>\n",
                 argv[0]);
    return 2;
}
