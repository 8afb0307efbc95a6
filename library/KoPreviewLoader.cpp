#include "library/KoPreviewLoader.h"

#include "app/KoLogging.h"

#include "library/KoFileInfoModel.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

QPixmap KoPreviewLoader::previewPixmap(KoFileInfoModel *recording)
{
    if (!recording)
        return QPixmap();
    const QVariant kept = recording->previewPixmap();
    if (kept.userType() == QMetaType::QPixmap) {
        const QPixmap pixmap = kept.value<QPixmap>();
        if (!pixmap.isNull())
            return pixmap;
    }

    const QString path = recording->previewPath();
    if (!QFileInfo::exists(path))
        return QPixmap();

    // A full frame is decoded straight at thumbnail size (the JPEG decoder
    // scales while it decodes, several times faster than decoding the whole
    // frame on the GUI thread), shrunk once and stored back shrunk, so that
    // later runs load the small image.
    QImageReader reader(path);
    const QSize size = reader.size();
    bool large = size.width() > 90 || size.height() > 50;
    if (large)
        reader.setScaledSize(QSize(kThumbWidth, kThumbHeight));
    QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    // A reader that could not tell the size beforehand.
    if (!large && (image.width() > 90 || image.height() > 50)) {
        image = image.scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        large = true;
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    if (large) {
        QSaveFile file(path);
        const QByteArray format = QFileInfo(path).suffix().toLatin1();
        if (!file.open(QIODevice::WriteOnly) || !pixmap.save(&file, format.constData()) || !file.commit())
            qCWarning(lcLibrary) << "cannot store the preview" << path << file.errorString();
    }
    recording->setPreviewPixmap(QVariant::fromValue(pixmap));
    return pixmap;
}
