#pragma once

#include <QImage>
#include <QPair>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

// One image of the program's artwork: where it is kept, its size and how it
// is drawn. Every image is drawn on a transparent canvas of exactly `size`.
struct ArtworkEntry
{
    QString folder; // "images" (the resource bundle) or "maps" (beside the map pages)
    QString name;   // file name, ".png"
    QSize size;
    std::function<void(QPainter &, const QSize &)> draw;
};

// Draws the program's images (title bar and transport buttons, file list
// icons, logos, panels and shadows, the speed dial and compass, the map
// markers) with QPainter, so that they can be remade from source at any time.
class ArtworkPainter
{
public:
    // Registers the fonts the drawings use. Needs a QGuiApplication; returns
    // false (and the drawings fall back to the default sans font) when the
    // font files are missing.
    static bool loadFonts();

    // Every image, in a fixed order.
    static QVector<ArtworkEntry> catalog();

    // The entry drawn on a transparent ARGB canvas of its size.
    static QImage render(const ArtworkEntry &entry);

    // The application icon at the usual desktop sizes. It is drawn at build
    // time, not kept in the repository.
    static QVector<int> applicationIconSizes();
    static QImage applicationIcon(int size);

    // One overview picture of the named images: each on the dark panel colour,
    // small ones also enlarged, with its name and size.
    static QImage contactSheet(const QVector<QPair<QString, QImage>> &images);
};
